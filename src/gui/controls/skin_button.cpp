#include "gui/controls/skin_button.h"

#include <QEnterEvent>
#include <QPainter>

#include "gui/skin/skin_palette.h"

namespace direvovu::gui {
namespace {

// The up picture, a shade lighter where it is opaque.
QPixmap Lighter(const QPixmap& up) {
  if (up.isNull()) return up;
  QPixmap lit = up;
  QPainter painter(&lit);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  painter.fillRect(QRectF(QPointF(0, 0), up.deviceIndependentSize()), QColor(255, 255, 255, 22));
  return lit;
}

}  // namespace

SkinButton::SkinButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_NoSystemBackground);
}

SkinButton::SkinButton(const ButtonPictures& pictures, QWidget* parent) : SkinButton(parent) {
  SetPictures(pictures);
}

void SkinButton::SetPictures(const ButtonPictures& pictures) {
  pictures_ = pictures;
  hover_ = Lighter(pictures.up);
  if (!pictures.up.isNull()) resize(pictures.up.deviceIndependentSize().toSize());
  updateGeometry();
  update();
}

QSize SkinButton::sizeHint() const {
  if (pictures_.up.isNull()) return {40, 40};
  return pictures_.up.deviceIndependentSize().toSize();
}

SkinButton::Face SkinButton::CurrentFace() const {
  if (!isEnabled()) return Face::kDisabled;
  if (isDown() || isChecked()) return Face::kDown;
  if (hasFocus()) return Face::kFocus;
  if (hovered_) return Face::kHover;
  return Face::kUp;
}

const QPixmap& SkinButton::PictureFor(Face face) const {
  switch (face) {
    case Face::kDisabled:
      return pictures_.disabled.isNull() ? pictures_.up : pictures_.disabled;
    case Face::kDown:
      return pictures_.down.isNull() ? pictures_.up : pictures_.down;
    case Face::kFocus:
      return pictures_.focus.isNull() ? pictures_.up : pictures_.focus;
    case Face::kHover:
      return hover_;
    case Face::kUp:
      break;
  }
  return pictures_.up;
}

void SkinButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const Face face = CurrentFace();
  painter.drawPixmap(rect(), PictureFor(face));
  if (text().isEmpty()) return;
  painter.setPen(face == Face::kDisabled ? palette::kIconDisabled : palette::kText);
  painter.drawText(rect().translated(face == Face::kDown ? QPoint(1, 1) : QPoint()), Qt::AlignCenter, text());
}

void SkinButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace direvovu::gui
