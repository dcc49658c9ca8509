#include "core/app/transport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/app/opened_files.h"
#include "core/app/sort_string_array.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

TEST(Transport, RateDoublesAndHalvesAndStaysAtTheBounds) {
  std::vector<float> up;
  for (float r = 1.0F; up.size() < 5; r = RateUp(r)) up.push_back(RateUp(r));
  EXPECT_EQ(up, (std::vector<float>{2, 4, 8, 8, 8}));
  std::vector<float> down;
  for (float r = 1.0F; down.size() < 5; r = RateDown(r)) down.push_back(RateDown(r));
  EXPECT_EQ(down, (std::vector<float>{0.5F, 0.25F, 0.125F, 0.125F, 0.125F}));
  EXPECT_FALSE(CanRateUp(8.0F));
  EXPECT_FALSE(CanRateDown(0.125F));
  EXPECT_TRUE(CanRateDown(8.0F));
}

TEST(Transport, VolumeStaysWithinZeroToTen) {
  EXPECT_EQ(VolumeUp(5), 6);
  EXPECT_EQ(VolumeUp(10), 10);
  EXPECT_EQ(VolumeUp(14), 10);  // a hand-edited setting comes back into range
  EXPECT_EQ(VolumeDown(1), 0);
  EXPECT_EQ(VolumeDown(0), 0);
  EXPECT_EQ(VolumeDown(-3), 0);
  EXPECT_EQ(VolumeDown(14), 10);
}

TEST(Transport, SeekTargetIsTheShareOfTheLength) {
  EXPECT_EQ(SeekTargetMs(60'000, 5000, 10000), 30'000);
  EXPECT_EQ(SeekTargetMs(60'000, 10000, 10000), 60'000);
  // Shorter than the range: dividing the length first would give 0 for every position.
  EXPECT_EQ(SeekTargetMs(9'000, 5000, 10000), 4'500);
  EXPECT_EQ(SeekTargetMs(60'000, -5, 10000), 0);
  EXPECT_EQ(SeekTargetMs(60'000, 20000, 10000), 60'000);
  EXPECT_EQ(SeekTargetMs(0, 5000, 10000), 0);
  // An hour-long recording does not overflow.
  EXPECT_EQ(SeekTargetMs(3'600'000'000LL, 10000, 10000), 3'600'000'000LL);
}

TEST(Transport, KeySeekStaysInsideTheRecording) {
  EXPECT_EQ(NudgedTimeMs(10'000, 60'000, 5'000), 15'000);
  EXPECT_EQ(NudgedTimeMs(3'000, 60'000, -5'000), 0);
  EXPECT_EQ(NudgedTimeMs(58'000, 60'000, 5'000), 59'000);
  EXPECT_EQ(NudgedTimeMs(500, 800, 5'000), 0);
  EXPECT_EQ(NudgedTimeMs(1'000, 0, 5'000), 0);
}

TEST(SortStringArray, OrdersWithoutRegardToCaseAndKeepsEqualNamesInOrder) {
  CSortStringArray array;
  for (const char* text : {"b/drf0_2.mp4", "A/drf0_9.mp4", "a/DRF0_1.mp4", "a/drf0_1.MP4", "a/drf0_0.mp4"})
    array.Add(text);
  array.Sort();
  EXPECT_EQ(array.items(), (std::vector<std::string>{"a/drf0_0.mp4", "a/DRF0_1.mp4", "a/drf0_1.MP4",
                                                     "A/drf0_9.mp4", "b/drf0_2.mp4"}));
}

TEST(SortStringArray, SevenThousandShuffledNamesComeOutInOrder) {
  std::vector<std::string> names;
  for (int i = 0; i < 7000; ++i) {
    char name[64];
    std::snprintf(name, sizeof(name), "/card/%s/drf0_20120314_%06d.mp4", i % 2 ? "Event" : "event", i);
    names.emplace_back(name);
  }
  std::vector<std::string> shuffled = names;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  CSortStringArray array;
  for (const std::string& name : shuffled) array.Add(name);
  array.Sort();
  ASSERT_EQ(array.GetSize(), 7000U);
  EXPECT_TRUE(std::is_sorted(array.items().begin(), array.items().end(), CSortStringArray::LessIgnoringCase));
  // Names equal but for case keep the shuffled order among themselves.
  EXPECT_EQ(array.GetAt(0), "/card/event/drf0_20120314_000000.mp4");
  EXPECT_EQ(array.GetAt(1), "/card/Event/drf0_20120314_000001.mp4");
}

TEST(OpenedFiles, OnlyFrontRecordingsInPathOrderAtMostSevenThousand) {
  EXPECT_EQ(FrontRecordingsInOrder({"/r/drf1_20120314_090507.mp4", "/r/notes.txt"}),
            std::vector<std::string>{});
  EXPECT_EQ(FrontRecordingsInOrder({"/r/drf0_20120314_091000.mp4", "/r/drf0_20120314_090507.mp4",
                                    "/q/drf0_20120314_095959.mp4"}),
            (std::vector<std::string>{"/q/drf0_20120314_095959.mp4", "/r/drf0_20120314_090507.mp4",
                                      "/r/drf0_20120314_091000.mp4"}));
  std::vector<std::string> many(7005, "/r/drf0_20120314_090507.mp4");
  EXPECT_EQ(FrontRecordingsInOrder(many).size(), kMaxOpenedRecordings);
}

TEST(OpenedFiles, DroppedFolderGivesTheFrontRecordingsBelowIt) {
  TempFolder folder;
  const auto touch = [](const std::filesystem::path& p) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
  };
  touch(folder.path() / "Blackbox/20120314/drf0_20120314_090507.mp4");
  touch(folder.path() / "Blackbox/20120314/drf1_20120314_090507.mp4");
  touch(folder.path() / "Event/drf0_20120314_100000.mp4");
  touch(folder.path() / "Event/drf0_20120314_100000.txt");
  const std::string loose = (folder.path() / "elsewhere.mp4").string();
  std::vector<std::string> found = ExpandDroppedPaths({folder.path().string(), loose});
  std::vector<std::string> expected{(folder.path() / "Blackbox/20120314/drf0_20120314_090507.mp4").string(),
                                    (folder.path() / "Event/drf0_20120314_100000.mp4").string(), loose};
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(ExpandDroppedPaths({(folder.path() / "missing").string()}).size() == 1);
}

}  // namespace
}  // namespace direvovu
