#include "gui/controls/x_group_box.h"

#include <QPainter>
#include <QPalette>

#include "gui/controls/x_visual_styles.h"

namespace direvovu::gui {
namespace {

// The frame starts this far below the caption's top and the caption this far from the left.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 3;

}  // namespace

CXGroupBox::CXGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  if (parent != nullptr) setFont(parent->font());
  text_colour_ = CXVisualStyles::GroupCaptionColor(*this);
}

void CXGroupBox::SetTextColor(const QColor& colour, bool redraw) {
  text_colour_ = colour;
  if (redraw) update();
}

void CXGroupBox::SetBorderColor(const QColor& colour, bool redraw) {
  border_colour_ = colour;
  if (redraw) update();
}

void CXGroupBox::EnableGroup(bool enable) {
  setEnabled(enable);
  if (parentWidget() == nullptr) return;
  bool changed = false;
  for (QObject* child : parentWidget()->children()) {
    auto* sibling = qobject_cast<QWidget*>(child);
    if (sibling == nullptr || sibling == this || sibling->isWindow()) continue;
    if (!geometry().contains(sibling->geometry())) continue;
    if (sibling->isEnabled() != enable) changed = true;
    sibling->setEnabled(enable);
  }
  if (changed) parentWidget()->update();
}

void CXGroupBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int caption_mid = metrics.height() / 2;
  const QColor frame = border_colour_.isValid() ? border_colour_ : palette().color(QPalette::Mid);
  painter.setPen(isEnabled() ? frame : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawRoundedRect(QRectF(0.5, caption_mid + 0.5, width() - 1.0, height() - caption_mid - 1.0), 3, 3);

  const QString caption = title();
  if (caption.isEmpty()) return;
  const int caption_width = metrics.horizontalAdvance(caption);
  const QRect caption_rect(kCaptionIndent, 0, caption_width + 2 * kCaptionGap, metrics.height());
  painter.fillRect(caption_rect, palette().color(backgroundRole()));
  painter.setPen(isEnabled() ? text_colour_ : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.setFont(font());
  painter.drawText(caption_rect, Qt::AlignCenter, caption);
}

}  // namespace direvovu::gui
