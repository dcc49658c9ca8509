#pragma once

#include <filesystem>

#include "core/display/bmp_header.h"

class QImage;
class QWidget;

namespace direvovu::gui {

// Copies a rectangle of a window's client area into a BMP file at the screen's depth
// (24 bits under the usual X server: pixel data at offset 54). False without a message
// when the area is empty or the file cannot be written.
bool CaptureWindowArea(QWidget* window, int left, int top, int width, int height,
                       const std::filesystem::path& file);

// A picture as the device-independent bitmap of a capture at 8, 16, 24 or 32 bits.
display::BmpImage BmpOfImage(const QImage& image, int bitsPerPixel);

// The screen's depth in bits per pixel as a BMP can hold it (8, 16, 24 or 32).
int CaptureBitsPerPixel(QWidget* window);

}  // namespace direvovu::gui
