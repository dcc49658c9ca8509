#pragma once

#include <cstdint>

namespace direvovu::controls {

// The arithmetic of a skinned slider along its long axis: positions in a range, pixels
// along the control. The thumb's centre marks the position; the margins are pixels kept
// free at the two ends of the channel.
struct SliderGeometry {
  std::int32_t minimum = 0;
  std::int32_t maximum = 100;
  int length = 0;        // control width (horizontal) or height (vertical)
  int margin_start = 0;  // left or top
  int margin_end = 0;    // right or bottom
  int thumb_length = 0;  // thumb width or height

  // Pixels the thumb centre can travel; 0 when the control is too small.
  [[nodiscard]] int Travel() const;
  // Lowest and highest pixel of the thumb centre.
  [[nodiscard]] int FirstCentre() const { return margin_start + thumb_length / 2; }
  [[nodiscard]] int LastCentre() const { return length - margin_end - thumb_length / 2; }
};

std::int32_t ClampPosition(const SliderGeometry& geometry, std::int64_t position);
// Pixel of the thumb centre for a position (clamped into the range first).
int PixelFromPosition(const SliderGeometry& geometry, std::int32_t position);
// Position for a thumb-centre pixel, clamped to the range. Rounded up, so that when there are
// at least as many positions as pixels, PixelFromPosition(PositionFromPixel(x)) == x.
std::int32_t PositionFromPixel(const SliderGeometry& geometry, int pixel);
int ClampCentre(const SliderGeometry& geometry, int pixel);

// Grabbing the thumb within half its length of its centre keeps that offset while
// dragging; anywhere else the thumb jumps under the pointer (offset 0).
int DragOffset(const SliderGeometry& geometry, int centre, int pointer);
// Thumb centre while dragging: pointer less the grab offset, kept on the channel.
int DragCentre(const SliderGeometry& geometry, int pointer, int offset);

enum class SliderKey { kPageUp, kPageDown, kHome, kEnd, kLeft, kRight, kUp, kDown };
// Position after a key: Page Up/Down by the page size, Home/End to the ends, the arrows by
// one (Right and Down forward, Left and Up back); always within the range.
std::int32_t PositionAfterKey(const SliderGeometry& geometry, std::int32_t position, std::int32_t page,
                              SliderKey key);

}  // namespace direvovu::controls
