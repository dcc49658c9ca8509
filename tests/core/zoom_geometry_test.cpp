#include "core/app/zoom_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace direvovu {
namespace {

TEST(ZoomGeometry, PictureFitsItsAreaAtItsAspect) {
  struct Row {
    int area_w, area_h, pic_w, pic_h;
    PixelRect fit;
  };
  const std::vector<Row> rows = {
      {1280, 1024, 1280, 720, {0, 152, 1280, 720}},  // bands above and below
      {420, 315, 1280, 720, {0, 39, 420, 236}},
      {1920, 1080, 640, 480, {240, 0, 1440, 1080}},  // bands left and right
      {640, 360, 1280, 720, {0, 0, 640, 360}},
      {0, 360, 1280, 720, {}},
      {640, 360, 0, 720, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(FittedPicture(row.area_w, row.area_h, row.pic_w, row.pic_h), row.fit);
}

TEST(ZoomGeometry, ZoomHoldsThePointUnderTheCursorAndStaysInThePicture) {
  struct Row {
    const char* name;
    ZoomView before;
    int steps;
    double at_x, at_y;
    std::string crop;  // of a 1280 x 720 picture
  };
  const ZoomView whole;
  const std::vector<Row> rows = {
      {"whole picture has no crop", whole, 0, 0.5, 0.5, ""},
      {"2x around the centre", whole, 4, 0.5, 0.5, "960x540+320+180"},
      {"4x around the centre", whole, 8, 0.5, 0.5, "800x450+480+270"},
      {"8x is the most", whole, 20, 0.5, 0.5, "720x405+560+315"},
      {"4x at the top left corner keeps the corner", whole, 8, 0.0, 0.0, "320x180+0+0"},
      {"4x at the bottom right corner", whole, 8, 1.0, 1.0, "1280x720+960+540"},
      // The point a quarter in, (320, 180), stays a quarter into the view: 240 + 320 / 4 = 320.
      {"4x a quarter in", whole, 8, 0.25, 0.25, "560x315+240+135"},
      {"out again to 1x", ZoomView{8, 0.2, 0.2}, -8, 0.3, 0.3, ""},
      {"out past 1x stays at 1x", whole, -3, 0.5, 0.5, ""},
      {"a cursor outside counts as the edge", whole, 8, 1.7, -0.4, "1280x180+960+0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ZoomView after = ZoomAround(row.before, row.steps, row.at_x, row.at_y);
    EXPECT_EQ(CropGeometry(after, 1280, 720), row.crop);
    // Where the cursor points, the picture's point is the same before and after.
    const double before_span = 1.0 / row.before.Zoom();
    const double after_span = 1.0 / after.Zoom();
    const double ux = std::clamp(row.at_x, 0.0, 1.0);
    const double px_before = row.before.centre_x - before_span / 2 + ux * before_span;
    const double px_after = after.centre_x - after_span / 2 + ux * after_span;
    if (row.before.step == 0) {
      EXPECT_NEAR(px_before, px_after, 1e-9);
    }
  }
  EXPECT_DOUBLE_EQ(ZoomAround(whole, 8, 0.5, 0.5).Zoom(), 4.0);
}

TEST(ZoomGeometry, PanFollowsThePointerAndStopsAtTheEdges) {
  const ZoomView at4 = ZoomAround(ZoomView{}, 8, 0.5, 0.5);  // 320x180+480+270
  struct Row {
    const char* name;
    ZoomView before;
    double dx, dy;
    std::string crop;
  };
  const std::vector<Row> rows = {
      // Dragging right by a quarter of the view shows what was left of it.
      {"drag right shows the left", at4, 0.25, 0.0, "720x450+400+270"},
      {"drag up shows what is below", at4, 0.0, -0.5, "800x540+480+360"},
      {"no further than the edge", at4, 10.0, -10.0, "320x720+0+540"},
      {"a whole picture does not pan", ZoomView{}, 0.3, 0.3, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CropGeometry(Pan(row.before, row.dx, row.dy), 1280, 720), row.crop);
  }
  // An odd picture size still gives a crop inside it.
  const PixelRect crop = VisibleCrop(ZoomAround(ZoomView{}, 12, 1.0, 1.0), 1281, 721);
  EXPECT_LE(crop.x + crop.width, 1281);
  EXPECT_LE(crop.y + crop.height, 721);
  EXPECT_EQ(CropGeometry(at4, 0, 720), "");
}

}  // namespace
}  // namespace direvovu
