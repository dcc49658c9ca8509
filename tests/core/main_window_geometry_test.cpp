#include "core/app/main_window_geometry.h"

#include <gtest/gtest.h>

#include "core/app/main_window_layout.h"
#include "core/app/opened_files.h"
#include "core/settings/text_rows.h"

namespace direvovu {
namespace {

TEST(PlaceMainWindow, LowScreenCentresAndLiftsTheWindow) {
  // 720 high: the window's top goes 30 pixels above the screen so its bottom shows.
  EXPECT_EQ(PlaceMainWindow(1280, 720), (WindowPosition{166, -30}));
  EXPECT_EQ(PlaceMainWindow(1024, 749), (WindowPosition{38, -1}));
  EXPECT_EQ(PlaceMainWindow(800, 600), (WindowPosition{-73, -150}));
}

TEST(PlaceMainWindow, TallEnoughScreenUsesTheTopLeftCorner) {
  EXPECT_EQ(PlaceMainWindow(1920, 1080), (WindowPosition{0, 0}));
  EXPECT_EQ(PlaceMainWindow(1024, 750), (WindowPosition{0, 0}));
}

TEST(ClockText, MinutesAndSecondsWithHoursDropped) {
  EXPECT_EQ(ClockText(0), "00:00");
  EXPECT_EQ(ClockText(75'000), "01:15");
  EXPECT_EQ(ClockText(61'500), "01:01");
  EXPECT_EQ(ClockText(3'725'000), "02:05");  // 1 h 2 min 5 s
  EXPECT_EQ(ClockText(59'999), "00:59");
  EXPECT_EQ(ClockText(3'599'999), "59:59");
  EXPECT_EQ(ClockText(-5), "00:00");
}

TEST(PlaySecond, WholeSecondsOfThePlayTime) {
  // The whole second, not the seconds within the minute: the track of a recording
  // longer than a minute is followed past its first minute.
  EXPECT_EQ(PlaySecond(61'500), 61);
  EXPECT_EQ(PlaySecond(999), 0);
  EXPECT_EQ(PlaySecond(-1), 0);
}

TEST(SliderPosition, ProportionOfTheLength) {
  EXPECT_EQ(SliderPosition(30'000, 60'000), 5000);
  EXPECT_EQ(SliderPosition(60'000, 60'000), 10000);
  EXPECT_EQ(SliderPosition(1, 3, 10000), 3333);
  EXPECT_EQ(SliderPosition(70'000, 60'000), 10000);  // a time past the end stays at the end
  EXPECT_EQ(SliderPosition(5'000, 0), 0);            // unknown length
  // Long recordings do not overflow: t × 10000 stays in 64 bits.
  EXPECT_EQ(SliderPosition(3'600'000'000LL, 7'200'000'000LL), 5000);
}

TEST(MainWindowLayout, PairedButtonsShareTheirPlaceAndEveryButtonHasATooltip) {
  const ButtonPlace* play = FindButton(ctl::kPlay);
  const ButtonPlace* pause = FindButton(ctl::kPause);
  ASSERT_NE(play, nullptr);
  ASSERT_NE(pause, nullptr);
  EXPECT_EQ(play->left, pause->left);
  EXPECT_EQ(play->top, pause->top);
  EXPECT_EQ(FindButton(ctl::kGravityGraph)->left, FindButton(ctl::kSpeedGraph)->left);
  EXPECT_EQ(FindButton(ctl::kVideoMode)->top, FindButton(ctl::kDrivingLogMode)->top);
  EXPECT_EQ(FindButton(ctl::kFrontVideo), nullptr);
  for (const ButtonPlace& place : MainWindowButtons()) {
    EXPECT_GE(place.tooltip_row, 0) << place.id;
    EXPECT_LT(place.tooltip_row, rows::main_window::kRowCount) << place.id;
    EXPECT_LT(place.left, kMainWindowWidth) << place.id;
    EXPECT_LT(place.top, kMainWindowHeight) << place.id;
  }
}

TEST(FrontRecordingsInOrder, KeepsLegalFrontNamesSortedWithoutRegardToCase) {
  const std::vector<std::string> opened = {
      "/cards/b/drf0_20120314_090507.mp4",
      "/cards/B/drf0_20120314_090000.mp4",
      "/cards/a/drf1_20120314_090507.mp4",  // rear: reached through its front recording
      "/cards/a/notes.txt",
      "/cards/a/drf0_2012.mp4",
      "/cards/A/drf0_20120314_100000.MP4",
  };
  EXPECT_EQ(FrontRecordingsInOrder(opened), (std::vector<std::string>{"/cards/A/drf0_20120314_100000.MP4",
                                                                      "/cards/B/drf0_20120314_090000.mp4",
                                                                      "/cards/b/drf0_20120314_090507.mp4"}));
}

TEST(FrontRecordingsInOrder, StopsAtTheLimit) {
  std::vector<std::string> opened(kMaxOpenedRecordings + 5, "/x/drf0_20120314_090507.mp4");
  EXPECT_EQ(FrontRecordingsInOrder(opened).size(), kMaxOpenedRecordings);
  EXPECT_TRUE(FrontRecordingsInOrder({"/x/drf1_20120314_090507.mp4"}).empty());
}

}  // namespace
}  // namespace direvovu
