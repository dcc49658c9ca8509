#include "core/export/export_layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace direvovu::exporting {
namespace {

TEST(ExportLayoutTest, NamesReadBackAndNothingElseReads) {
  struct Case {
    ExportLayout layout;
    const char* name;
  } const cases[] = {
      {ExportLayout::SideBySide, "side-by-side"},
      {ExportLayout::Front, "front"},
      {ExportLayout::Rear, "rear"},
      {ExportLayout::PictureInPicture, "picture-in-picture"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExportLayoutName(c.layout), c.name);
    EXPECT_EQ(ParseExportLayout(c.name), c.layout);
  }
  for (const char* unknown : {"", "Front", "pip", "side by side"})
    EXPECT_EQ(ParseExportLayout(unknown), std::nullopt);
}

TEST(ExportLayoutTest, WithoutARearEveryLayoutFallsBackToTheFront) {
  struct Case {
    ExportLayout wanted;
    bool hasRear;
    LayoutChoice choice;
  } const cases[] = {
      {ExportLayout::SideBySide, true, {ExportLayout::SideBySide, false}},
      {ExportLayout::PictureInPicture, true, {ExportLayout::PictureInPicture, false}},
      {ExportLayout::SideBySide, false, {ExportLayout::Front, true}},
      {ExportLayout::PictureInPicture, false, {ExportLayout::Front, true}},
      {ExportLayout::Rear, false, {ExportLayout::Front, true}},
      {ExportLayout::Front, false, {ExportLayout::Front, false}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseLayout(c.wanted, c.hasRear), c.choice) << ExportLayoutName(c.wanted);
}

TEST(ExportLayoutTest, GeometryPlacesEachPictureAtEvenSizes) {
  struct Case {
    ExportLayout layout;
    ChannelSizes sizes;
    std::optional<ExportGeometry> geometry;
  } const cases[] = {
      {ExportLayout::SideBySide,
       {{1280, 720}, {640, 480}},
       ExportGeometry{{2240, 720}, PictureRect{0, 0, 1280, 720}, PictureRect{1280, 0, 960, 720}}},
      {ExportLayout::SideBySide,
       {{1279, 721}, {1920, 1080}},
       ExportGeometry{{2558, 720}, PictureRect{0, 0, 1278, 720}, PictureRect{1278, 0, 1280, 720}}},
      {ExportLayout::Front,
       {{1280, 720}, {0, 0}},
       ExportGeometry{{1280, 720}, PictureRect{0, 0, 1280, 720}, {}}},
      {ExportLayout::Rear, {{0, 0}, {641, 481}}, ExportGeometry{{640, 480}, {}, PictureRect{0, 0, 640, 480}}},
      // A third of the front's width, in the corner above the text band (84 lines at 720).
      {ExportLayout::PictureInPicture,
       {{1280, 720}, {1280, 720}},
       ExportGeometry{{1280, 720}, PictureRect{0, 0, 1280, 720}, PictureRect{842, 384, 426, 240}}},
      {ExportLayout::PictureInPicture,
       {{1280, 720}, {640, 480}},
       ExportGeometry{{1280, 720}, PictureRect{0, 0, 1280, 720}, PictureRect{842, 304, 426, 320}}},
      // A rear taller than wide stays a corner of the picture.
      {ExportLayout::PictureInPicture,
       {{1280, 720}, {480, 1920}},
       ExportGeometry{{1280, 720}, PictureRect{0, 0, 1280, 720}, PictureRect{1208, 384, 60, 240}}},
      {ExportLayout::SideBySide, {{0, 720}, {1280, 720}}, std::nullopt},
      {ExportLayout::PictureInPicture, {{1280, 720}, {1, 1}}, std::nullopt},
      {ExportLayout::Front, {{8194, 720}, {1280, 720}}, std::nullopt},
      {ExportLayout::SideBySide, {{1280, 720}, {8000, 2}}, std::nullopt},  // would scale past any encoder
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LayoutGeometry(c.layout, c.sizes), c.geometry)
        << ExportLayoutName(c.layout) << " " << c.sizes.front.width << "x" << c.sizes.front.height;
  }
}

}  // namespace
}  // namespace direvovu::exporting
