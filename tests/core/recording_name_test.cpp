#include "core/recording/recording_name.h"

#include <gtest/gtest.h>

#include "core/settings/texts.h"

namespace direvovu {
namespace {

TEST(RecordingNameTest, TestsLengthPrefixAndExtensionOnly) {
  struct Case {
    const char* name;
    int channel;
  };
  const Case cases[] = {
      {"drf0_20090807_142530.mp4", 1},
      {"drf1_20090807_142530.mp4", 2},
      {"drf0_20090807_142530.MP4", 1},  // the extension ignores case
      {"drf0_20090807_142530.Mp4", 1},
      {"DRF0_20090807_142530.mp4", 0},  // the prefix does not
      {"drf0_2009080_1425301.mp4", 1},  // fields are not examined
      {"drf0xxxxxxxxxxxxxxxxxmp4", 1},
      {"drf2_20090807_142530.mp4", 0},
      {"drf0_20090807_142530.avi", 0},
      {"drf0_20090807_142530.mp3", 0},
      {"drf0_20090807_1425301.mp4", 0},  // 25 characters
      {"drf0_20090807_14253.mp4", 0},
      {"", 0},
      {"mp4", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RecordingChannel(c.name), c.channel) << c.name;
    EXPECT_EQ(IsRecordingName(c.name), c.channel != 0) << c.name;
    EXPECT_EQ(IsFrontRecordingName(c.name), c.channel == 1) << c.name;
  }
}

TEST(RecordingNameTest, NameTimeIsTheFieldsOfARealMoment) {
  struct Case {
    const char* name;
    std::optional<CivilTime> time;
  } const cases[] = {
      {"drf0_20120314_090507.mp4", CivilTime{2012, 3, 14, 9, 5, 7}},
      {"drf1_20240229_235959.MP4", CivilTime{2024, 2, 29, 23, 59, 59}},
      {"drf0_20230229_120000.mp4", std::nullopt},  // no such day
      {"drf0_2012031x_090507.mp4", std::nullopt},
      {"drf0-20120314-090507.mp4", std::nullopt},
      {"video_20120314_0905.mp4", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(RecordingNameTime(c.name), c.time) << c.name;
}

TEST(RecordingKindTest, FirstMatchDecides) {
  struct Case {
    const char* path;
    int kind;
  };
  const Case cases[] = {
      {"/media/card/Blackbox/20090807/drf0_20090807_142530.mp4", kKindDriving},
      {"/media/card/Event/drf0_20090807_142530.mp4", kKindEvent},
      {"/media/card/Parking/drf0_20090807_142530.mp4", kKindParking},
      {"/media/card/Parking/drf0_20090807_14253e.mp4", kKindParkingEvent},  // "e." before "Parking"
      {"/media/card/Event/drf0_20090807_14253e.mp4", kKindEvent},           // "Event" before "e."
      {"/media/card/event/drf0_20090807_142530.mp4", kKindDriving},         // case-sensitive
      {"drf0_20090807_142530.mp4", kKindDriving},
      {"Event/drf0_20090807_142530.mp4", kKindEvent},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordingKind(c.path), c.kind) << c.path;
}

// Folders above the card's own layout (a user's home, a mount point) do not make a
// driving recording an event.
TEST(RecordingKindTest, FoldersAboveTheCardLayoutDoNotCount) {
  EXPECT_EQ(RecordingKind("/home/joe.bloggs/DirevOvu/SD/Blackbox/0807/drf0_20090807_142530.mp4"),
            kKindDriving);
  EXPECT_EQ(RecordingKind("/srv/Eventide/SD/Blackbox/0807/drf0_20090807_142530.mp4"), kKindDriving);
  EXPECT_EQ(RecordingKind("/home/joe.bloggs/DirevOvu/SD/Event/drf0_20090807_142530.mp4"), kKindEvent);
}

TEST(RearCompanionPathTest, ChangesThePrefixOfTheNameOnly) {
  EXPECT_EQ(RearCompanionPath("/card/Event/drf0_20090807_142530.mp4"),
            std::filesystem::path("/card/Event/drf1_20090807_142530.mp4"));
  EXPECT_EQ(RearCompanionPath("/data/drf0_backup/drf0_20090807_142530.mp4"),
            std::filesystem::path("/data/drf0_backup/drf1_20090807_142530.mp4"));
  EXPECT_EQ(RearCompanionPath("/x/drf0drf0.mp4"), std::filesystem::path("/x/drf1drf1.mp4"));
  EXPECT_EQ(RearCompanionPath("/x/other.mp4"), std::filesystem::path("/x/other.mp4"));
}

class PlaylistRowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = CurrentLanguage();
    SetCurrentLanguage(kEnglish);
  }
  void TearDown() override { SetCurrentLanguage(saved_); }
  int saved_ = 0;
};

TEST_F(PlaylistRowTest, SplitsTheNameIntoDateTimeAndKind) {
  const auto row = MakePlaylistRowTexts("/media/card/Event/drf1_20090807_142530.mp4", 7);
  EXPECT_EQ(row[0], "   007");
  EXPECT_EQ(row[1], "2009-08-07");
  EXPECT_EQ(row[2], "14:25:30");
  EXPECT_EQ(row[3], "Event");
  EXPECT_EQ(row[4], "/media/card/Event/drf1_20090807_142530.mp4");
  EXPECT_EQ(MakePlaylistRowTexts("/c/Parking/drf0_20090807_14253e.mp4", 1234)[0], "   1234");
  EXPECT_EQ(MakePlaylistRowTexts("/c/Parking/drf0_20090807_14253e.mp4", 1)[3], "Parking Event");
}

TEST_F(PlaylistRowTest, KindFollowsTheCurrentLanguage) {
  const std::filesystem::path path = "/c/Parking/drf0_20090807_142530.mp4";
  SetCurrentLanguage(kKorean);
  EXPECT_EQ(MakePlaylistRowTexts(path, 1)[3], Text(TextTable::RecordingKinds, kKindParking, kKorean));
}

TEST_F(PlaylistRowTest, PathWithoutAPrefixGetsBlankColumns) {
  const auto row = MakePlaylistRowTexts("/videos/holiday.mp4", 2);
  EXPECT_EQ(row[0], "   002");
  EXPECT_EQ(row[1], " ");
  EXPECT_EQ(row[2], " ");
  EXPECT_EQ(row[3], " ");
  EXPECT_EQ(row[4], "/videos/holiday.mp4");
}

TEST_F(PlaylistRowTest, ShortOrOddNamesAreTakenByPositionWithoutOverrun) {
  const auto row = MakePlaylistRowTexts("drf0.mp4", 1);
  EXPECT_EQ(row[1], "mp4--");
  EXPECT_EQ(row[2], "::");
  EXPECT_EQ(row[3], "Driving");
}

}  // namespace
}  // namespace direvovu
