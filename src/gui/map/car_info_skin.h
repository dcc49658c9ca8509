#pragma once

#include <QFont>
#include <QPixmap>
#include <QRectF>

namespace direvovu::gui {

// The driving-information window's picture of a page (0, 1, 3 or 4), 899 × 381: the tab
// strip along the top (each tab 123 pixels wide, the page's own tab lit), the close
// button's place at the right, and the page's panels. Another number gives page 0.
QPixmap CarInfoPagePicture(int page);

// Where the tab strip paints the window's name, left-aligned on one line, and its font.
inline constexpr QRectF kCarInfoTitleRoom{520, 0, 300, 35};
QFont CarInfoTitleFont();

}  // namespace direvovu::gui
