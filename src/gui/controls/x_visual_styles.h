#pragma once

#include <QColor>

class QWidget;

namespace direvovu::gui {

// What the desktop's look says about group-box captions. Qt's style and palette are the
// theme here: a styled application (any style but the plain "Windows" one) counts as
// themed.
class CXVisualStyles {
 public:
  // True when the application runs with a desktop style rather than the plain one.
  static bool IsThemeActive();
  // The caption colour a group box gets when it is attached: the style's text colour for
  // group boxes when themed (the highlight colour when the style gives none), the button
  // text colour otherwise.
  static QColor GroupCaptionColor(const QWidget& widget);
};

}  // namespace direvovu::gui
