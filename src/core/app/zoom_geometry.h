#pragma once

#include <string>

namespace direvovu {

// Zoom steps are quarter octaves: 1x at step 0, 2x at 4, 4x at 8, 8x at 12, so a step
// count always gives the same zoom exactly.
inline constexpr int kZoomStepsPerDoubling = 4;
inline constexpr int kMaxZoomStep = 12;

// Where a picture of width x height sits in an area of that size, kept at its aspect.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const PixelRect&) const = default;
};

PixelRect FittedPicture(int area_width, int area_height, int picture_width, int picture_height);

// The part of the picture shown: the zoom and the centre of what is shown, in fractions
// of the picture (0..1).
struct ZoomView {
  int step = 0;
  double centre_x = 0.5;
  double centre_y = 0.5;

  [[nodiscard]] double Zoom() const;
  [[nodiscard]] bool Zoomed() const { return step > 0; }
  bool operator==(const ZoomView&) const = default;
};

// `steps` more (or fewer) zoom steps, holding the picture's point under the cursor where
// it is; (at_x, at_y) is the cursor in fractions of the shown picture (0..1).
ZoomView ZoomAround(const ZoomView& view, int steps, double at_x, double at_y);

// The shown part moved as a drag by (dx, dy) fractions of the shown picture moves it: the
// picture follows the pointer. The view never leaves the picture.
ZoomView Pan(const ZoomView& view, double dx, double dy);

// The picture's pixels shown, for a picture of width x height.
PixelRect VisibleCrop(const ZoomView& view, int picture_width, int picture_height);

// libvlc's crop geometry for that part; empty for the whole picture. libvlc 3 reads
// "AxB+X+Y" as the part from (X, Y) to (A, B), its far corner, not its size.
std::string CropGeometry(const ZoomView& view, int picture_width, int picture_height);

}  // namespace direvovu
