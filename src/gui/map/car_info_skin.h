#pragma once

#include <QPixmap>

namespace direvovu::gui {

// The driving-information window's picture of a page (0, 1, 3 or 4), 899 × 381: the tab
// strip along the top (each tab 123 pixels wide, the page's own tab lit), the close
// button's place at the right, and the page's panels. Another number gives page 0.
QPixmap CarInfoPagePicture(int page);

}  // namespace direvovu::gui
