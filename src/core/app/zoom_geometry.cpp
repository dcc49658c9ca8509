#include "core/app/zoom_geometry.h"

#include <algorithm>
#include <cmath>

namespace direvovu {
namespace {

// The centre of a shown span of `span` (a fraction) within the picture.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the centre, then its span
double HoldInside(double centre, double span) {
  const double half = span / 2.0;
  return std::clamp(centre, half, 1.0 - half);
}

}  // namespace

double ZoomView::Zoom() const {
  return std::exp2(static_cast<double>(std::clamp(step, 0, kMaxZoomStep)) / kZoomStepsPerDoubling);
}

PixelRect FittedPicture(int area_width, int area_height, int picture_width, int picture_height) {
  if (area_width <= 0 || area_height <= 0 || picture_width <= 0 || picture_height <= 0) return {};
  // Compare a/b with c/d as a*d with c*b: no rounding decides which side fits.
  const long long wide = static_cast<long long>(area_width) * picture_height;
  const long long tall = static_cast<long long>(area_height) * picture_width;
  PixelRect fit{0, 0, area_width, area_height};
  if (wide > tall) {
    fit.width = static_cast<int>(tall / picture_height);
    fit.x = (area_width - fit.width) / 2;
  } else if (wide < tall) {
    fit.height = static_cast<int>(wide / picture_width);
    fit.y = (area_height - fit.height) / 2;
  }
  return fit;
}

ZoomView ZoomAround(const ZoomView& view, int steps, double at_x, double at_y) {
  const double u = std::clamp(at_x, 0.0, 1.0);
  const double v = std::clamp(at_y, 0.0, 1.0);
  const double old_span = 1.0 / view.Zoom();
  // The picture's point under the cursor.
  const double px = view.centre_x - old_span / 2.0 + u * old_span;
  const double py = view.centre_y - old_span / 2.0 + v * old_span;
  ZoomView next = view;
  next.step = std::clamp(view.step + steps, 0, kMaxZoomStep);
  const double span = 1.0 / next.Zoom();
  next.centre_x = HoldInside(px - u * span + span / 2.0, span);
  next.centre_y = HoldInside(py - v * span + span / 2.0, span);
  return next;
}

ZoomView Pan(const ZoomView& view, double dx, double dy) {
  const double span = 1.0 / view.Zoom();
  ZoomView next = view;
  next.centre_x = HoldInside(view.centre_x - dx * span, span);
  next.centre_y = HoldInside(view.centre_y - dy * span, span);
  return next;
}

PixelRect VisibleCrop(const ZoomView& view, int picture_width, int picture_height) {
  if (picture_width <= 0 || picture_height <= 0) return {};
  const double span = 1.0 / view.Zoom();
  PixelRect crop;
  crop.width = std::max(1, static_cast<int>(std::lround(picture_width * span)));
  crop.height = std::max(1, static_cast<int>(std::lround(picture_height * span)));
  const double left = HoldInside(view.centre_x, span) - span / 2.0;
  const double top = HoldInside(view.centre_y, span) - span / 2.0;
  crop.x = std::clamp(static_cast<int>(std::lround(left * picture_width)), 0, picture_width - crop.width);
  crop.y = std::clamp(static_cast<int>(std::lround(top * picture_height)), 0, picture_height - crop.height);
  return crop;
}

std::string CropGeometry(const ZoomView& view, int picture_width, int picture_height) {
  if (!view.Zoomed() || picture_width <= 0 || picture_height <= 0) return {};
  const PixelRect crop = VisibleCrop(view, picture_width, picture_height);
  return std::to_string(crop.x + crop.width) + "x" + std::to_string(crop.y + crop.height) + "+" +
         std::to_string(crop.x) + "+" + std::to_string(crop.y);
}

}  // namespace direvovu
