#include "gui/controls/x_visual_styles.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace direvovu::gui {

bool CXVisualStyles::IsThemeActive() {
  const QStyle* style = QApplication::style();
  return style != nullptr && style->name().compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0;
}

QColor CXVisualStyles::GroupCaptionColor(const QWidget& widget) {
  const QPalette& palette = widget.palette();
  if (!IsThemeActive()) return palette.color(QPalette::ButtonText);
  const QColor text = palette.color(QPalette::WindowText);
  return text.isValid() ? text : palette.color(QPalette::Highlight);
}

}  // namespace direvovu::gui
