#include "core/controls/slider_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace direvovu::controls {
namespace {

// The main window's seek slider: 287 pixels, range 0..10000, a 16-pixel thumb.
SliderGeometry SeekSlider() {
  SliderGeometry g;
  g.minimum = 0;
  g.maximum = 10000;
  g.length = 287;
  g.margin_start = 2;
  g.margin_end = 3;
  g.thumb_length = 16;
  return g;
}

TEST(SliderGeometry, PixelOfPositionIsTheThumbCentreBetweenTheMargins) {
  const SliderGeometry g = SeekSlider();  // travel 287 - 2 - 3 - 16 = 266
  EXPECT_EQ(g.Travel(), 266);
  EXPECT_EQ(PixelFromPosition(g, 0), 10);          // 2 + 16 / 2
  EXPECT_EQ(PixelFromPosition(g, 10000), 276);     // 10 + 266
  EXPECT_EQ(PixelFromPosition(g, 5000), 143);      // 10 + 133
  EXPECT_EQ(PixelFromPosition(g, 2900), 10 + 77);  // 2900 * 266 / 10000 = 77.14, truncated
  EXPECT_EQ(PixelFromPosition(g, -50), 10) << "clamped into the range first";
  EXPECT_EQ(PixelFromPosition(g, 20000), 276);
}

TEST(SliderGeometry, PositionOfPixelRoundsUpAndStaysInRange) {
  const SliderGeometry g = SeekSlider();
  EXPECT_EQ(PositionFromPixel(g, 10), 0);
  EXPECT_EQ(PositionFromPixel(g, 276), 10000);
  EXPECT_EQ(PositionFromPixel(g, 143), 5000);
  EXPECT_EQ(PositionFromPixel(g, 11), 38);  // 10000 / 266 = 37.59; 37 would draw at pixel 10
  EXPECT_EQ(PositionFromPixel(g, 0), 0);
  EXPECT_EQ(PositionFromPixel(g, 1000), 10000);
}

// Regression: with a truncated position the thumb fell a pixel behind the pointer during a
// drag, and every further move "changed" the pixel again.
TEST(SliderGeometry, RoundTripOfEveryPixelIsStable) {
  SliderGeometry g = SeekSlider();
  for (const std::int32_t maximum : {10000, 266, 1000000}) {
    g.maximum = maximum;
    for (int pixel = g.FirstCentre(); pixel <= g.LastCentre(); ++pixel) {
      EXPECT_EQ(PixelFromPosition(g, PositionFromPixel(g, pixel)), pixel) << maximum << " " << pixel;
    }
  }
  g.maximum = 100;  // fewer positions than pixels: every position still round-trips
  for (std::int32_t position = 0; position <= 100; ++position) {
    EXPECT_EQ(PositionFromPixel(g, PixelFromPosition(g, position)), position) << position;
  }
}

TEST(SliderGeometry, OffsetRangeAndDegenerateSizes) {
  SliderGeometry g = SeekSlider();
  g.minimum = -100;
  g.maximum = 100;
  EXPECT_EQ(PixelFromPosition(g, 0), 143);
  EXPECT_EQ(PositionFromPixel(g, 143), 0);

  g.maximum = g.minimum;  // empty range
  EXPECT_EQ(PixelFromPosition(g, 5), g.FirstCentre());
  EXPECT_EQ(PositionFromPixel(g, 200), -100);

  SliderGeometry tiny = SeekSlider();
  tiny.length = 10;  // smaller than margins and thumb: no division by zero
  EXPECT_EQ(tiny.Travel(), 0);
  EXPECT_EQ(PositionFromPixel(tiny, 5), 0);
  EXPECT_EQ(PixelFromPosition(tiny, 10000), tiny.FirstCentre());
  EXPECT_EQ(ClampCentre(tiny, 100), tiny.FirstCentre());
}

TEST(SliderGeometry, FullIntegerRangeDoesNotOverflow) {
  SliderGeometry g = SeekSlider();
  g.minimum = std::numeric_limits<std::int32_t>::min();
  g.maximum = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(PixelFromPosition(g, g.maximum), g.LastCentre());
  EXPECT_EQ(PixelFromPosition(g, g.minimum), g.FirstCentre());
  EXPECT_EQ(PositionFromPixel(g, g.LastCentre()), g.maximum);
  EXPECT_EQ(ClampPosition(g, std::int64_t{1} << 40), g.maximum);
}

TEST(SliderDrag, GrabNearTheCentreKeepsTheOffsetElseTheThumbJumps) {
  const SliderGeometry g = SeekSlider();  // half a thumb = 8
  EXPECT_EQ(DragOffset(g, 100, 106), 6);
  EXPECT_EQ(DragOffset(g, 100, 92), -8);
  EXPECT_EQ(DragOffset(g, 100, 109), 0);
  EXPECT_EQ(DragOffset(g, 100, 40), 0);
  EXPECT_EQ(DragCentre(g, 150, 6), 144);
  EXPECT_EQ(DragCentre(g, 0, 0), 10) << "kept on the channel";
  EXPECT_EQ(DragCentre(g, 400, 0), 276);
}

TEST(SliderKeys, MoveByPageByOneAndToTheEndsWithinTheRange) {
  const SliderGeometry g = SeekSlider();
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kPageUp), 4000);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kPageDown), 6000);
  EXPECT_EQ(PositionAfterKey(g, 500, 1000, SliderKey::kPageUp), 0);
  EXPECT_EQ(PositionAfterKey(g, 9500, 1000, SliderKey::kPageDown), 10000);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kHome), 0);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kEnd), 10000);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kRight), 5001);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kDown), 5001);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kLeft), 4999);
  EXPECT_EQ(PositionAfterKey(g, 5000, 1000, SliderKey::kUp), 4999);
  EXPECT_EQ(PositionAfterKey(g, 0, 1000, SliderKey::kLeft), 0);
  EXPECT_EQ(PositionAfterKey(g, 10000, 1000, SliderKey::kRight), 10000);
}

}  // namespace
}  // namespace direvovu::controls
