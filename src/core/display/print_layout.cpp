#include "core/display/print_layout.h"

#include <algorithm>

namespace direvovu::display {

PrintRect PlacePrintedPicture(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight) {
  if (pageWidth <= 0 || pageHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
  const int sx = pageWidth / pictureWidth;
  const int sy = pageHeight / pictureHeight;
  if (sx == 0 || sy == 0) {
    const double scale = std::min(static_cast<double>(pageWidth) / pictureWidth,
                                  static_cast<double>(pageHeight) / pictureHeight);
    const int width = std::max(1, static_cast<int>(pictureWidth * scale));
    const int height = std::max(1, static_cast<int>(pictureHeight * scale));
    return {(pageWidth - width) / 2, 0, width, height};
  }
  if (sy > sx) return {0, 0, pageWidth, pictureHeight * sx};
  return {(pageWidth - pictureWidth * sy) / 2, 0, pictureWidth * sy, pageHeight};
}

}  // namespace direvovu::display
