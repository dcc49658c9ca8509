#include "core/controls/slider_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace direvovu::controls {

int SliderGeometry::Travel() const { return std::max(0, length - margin_start - margin_end - thumb_length); }

std::int32_t ClampPosition(const SliderGeometry& geometry, std::int64_t position) {
  const std::int64_t low = std::min(geometry.minimum, geometry.maximum);
  const std::int64_t high = std::max(geometry.minimum, geometry.maximum);
  return static_cast<std::int32_t>(std::clamp(position, low, high));
}

int PixelFromPosition(const SliderGeometry& geometry, std::int32_t position) {
  const std::int64_t span = static_cast<std::int64_t>(geometry.maximum) - geometry.minimum;
  if (span <= 0) return geometry.FirstCentre();
  const std::int64_t offset = static_cast<std::int64_t>(ClampPosition(geometry, position)) - geometry.minimum;
  // 64-bit so that a full 32-bit range times the travel cannot overflow.
  return static_cast<int>(offset * geometry.Travel() / span) + geometry.FirstCentre();
}

std::int32_t PositionFromPixel(const SliderGeometry& geometry, int pixel) {
  const int travel = geometry.Travel();
  if (travel <= 0) return geometry.minimum;
  const std::int64_t span = static_cast<std::int64_t>(geometry.maximum) - geometry.minimum;
  const std::int64_t along = static_cast<std::int64_t>(pixel) - geometry.FirstCentre();
  if (along <= 0) return geometry.minimum;
  // Rounded up, so that the position's own pixel is this pixel again: a truncated position
  // would draw the thumb a pixel short of the pointer and drag would never settle.
  return ClampPosition(geometry, geometry.minimum + (along * span + travel - 1) / travel);
}

int ClampCentre(const SliderGeometry& geometry, int pixel) {
  return std::clamp(pixel, geometry.FirstCentre(), std::max(geometry.FirstCentre(), geometry.LastCentre()));
}

int DragOffset(const SliderGeometry& geometry, int centre, int pointer) {
  const int offset = pointer - centre;
  return std::abs(offset) <= geometry.thumb_length / 2 ? offset : 0;
}

int DragCentre(const SliderGeometry& geometry, int pointer, int offset) {
  return ClampCentre(geometry, pointer - offset);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): position before page, as sliders take them
std::int32_t PositionAfterKey(const SliderGeometry& geometry, std::int32_t position, std::int32_t page,
                              SliderKey key) {
  std::int64_t next = position;
  switch (key) {
    case SliderKey::kPageUp:
      next -= page;
      break;
    case SliderKey::kPageDown:
      next += page;
      break;
    case SliderKey::kHome:
      next = geometry.minimum;
      break;
    case SliderKey::kEnd:
      next = geometry.maximum;
      break;
    case SliderKey::kRight:
    case SliderKey::kDown:
      next += 1;
      break;
    case SliderKey::kLeft:
    case SliderKey::kUp:
      next -= 1;
      break;
  }
  return ClampPosition(geometry, next);
}

}  // namespace direvovu::controls
