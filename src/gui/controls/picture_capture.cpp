#include "gui/controls/picture_capture.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace direvovu::gui {

// The DIB rows of an image at a depth: bottom-up, each padded to four bytes. QImage keeps
// its lines 32-bit aligned as well, so a line is copied as it stands.
display::BmpImage BmpOfImage(const QImage& source, int bits) {
  QImage image;
  switch (bits) {
    case 8:
      image = source.convertToFormat(QImage::Format_Indexed8);
      break;
    case 16:
      image = source.convertToFormat(QImage::Format_RGB555);
      break;
    case 32:
      image = source.convertToFormat(QImage::Format_RGB32);
      break;
    default:
      bits = 24;
      image = source.convertToFormat(QImage::Format_BGR888);
      break;
  }
  display::BmpImage bmp;
  bmp.width = image.width();
  bmp.height = image.height();
  bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
  if (bits == 8) {
    for (const QRgb colour : image.colorTable()) bmp.colourTable.push_back(colour & 0xFFFFFF);
  }
  const std::uint32_t stride = display::BmpRowStride(bmp.width, bmp.bitsPerPixel);
  bmp.pixels.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(bmp.height));
  for (int row = 0; row < bmp.height; ++row) {
    const uchar* line = image.constScanLine(bmp.height - 1 - row);
    std::memcpy(bmp.pixels.data() + static_cast<std::size_t>(row) * stride, line,
                std::min<std::size_t>(stride, static_cast<std::size_t>(image.bytesPerLine())));
  }
  return bmp;
}

int CaptureBitsPerPixel(QWidget* window) {
  const QScreen* screen = window != nullptr ? window->screen() : nullptr;
  const int depth = screen != nullptr ? screen->depth() : 24;
  if (depth <= 8) return 8;
  if (depth <= 16) return 16;
  if (depth <= 24) return 24;
  return 32;
}

bool CaptureWindowArea(QWidget* window, int left, int top, int width, int height,
                       const std::filesystem::path& file) {
  if (window == nullptr || width <= 0 || height <= 0) return false;
  const QPixmap area = window->grab(QRect(left, top, width, height));
  if (area.isNull()) return false;
  const QImage image = area.toImage();
  return display::SaveBmpFile(file, BmpOfImage(image, CaptureBitsPerPixel(window)));
}

}  // namespace direvovu::gui
