#pragma once

namespace direvovu::display {

struct PrintRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PrintRect&) const = default;
};

// Where a w × h picture goes on a W × H page. With whole scale factors sx = W / w and
// sy = H / h: sy > sx fills the width (height h × sx) at the top; otherwise the picture
// is w × sy wide, centred, and fills the height. A picture larger than the page (a factor
// of 0) is shrunk to fit, centred at the top, instead of vanishing. Empty for empty input.
PrintRect PlacePrintedPicture(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight);

}  // namespace direvovu::display
