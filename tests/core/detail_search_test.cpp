#include "core/setup/detail_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/setup/search_settings.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

SearchRange Range(bool use_start, bool use_end, CivilTime start, CivilTime end) {
  return {use_start, use_end, start, end};
}

std::vector<std::string> Names(const std::vector<fs::path>& paths) {
  std::vector<std::string> names;
  for (const auto& p : paths) names.push_back(p.filename().string());
  return names;
}

TEST(DetailSearchTest, BoundsAreRecordingNames) {
  EXPECT_EQ(SearchBound({2012, 3, 14, 0, 0, 0}), "drf0_20120314_000000.mp4");
  EXPECT_EQ(SearchBound({2012, 3, 14, 23, 59, 59}), "drf0_20120314_235959.mp4");
}

TEST(DetailSearchTest, TheThreeModes) {
  const auto both = Range(true, true, {2012, 3, 14, 0, 0, 0}, {2012, 3, 14, 23, 59, 59});
  EXPECT_TRUE(IsNameInRange("drf0_20120314_000000.mp4", both));
  EXPECT_TRUE(IsNameInRange("drf0_20120314_235959.mp4", both));
  EXPECT_FALSE(IsNameInRange("drf0_20120315_000000.mp4", both));
  EXPECT_FALSE(IsNameInRange("drf0_20120313_235959.mp4", both));
  EXPECT_FALSE(IsNameInRange("drf1_20120314_120000.mp4", both));
  EXPECT_FALSE(IsNameInRange("drf0_20120314_120000.avi", both));

  // Only Start: the whole day of the start date, the start time plays no part.
  const auto start_only = Range(true, false, {2012, 3, 14, 18, 0, 0}, {2020, 1, 1, 0, 0, 0});
  EXPECT_TRUE(IsNameInRange("drf0_20120314_000001.mp4", start_only));
  EXPECT_TRUE(IsNameInRange("drf0_20120314_235959.mp4", start_only));
  EXPECT_FALSE(IsNameInRange("drf0_20120315_000000.mp4", start_only));

  const auto end_only = Range(false, true, {2000, 1, 1, 0, 0, 0}, {2012, 3, 15, 1, 0, 0});
  EXPECT_TRUE(IsNameInRange("drf0_20120315_230000.mp4", end_only));
  EXPECT_FALSE(IsNameInRange("drf0_20120314_230000.mp4", end_only));

  EXPECT_FALSE(IsNameInRange("drf0_20120314_120000.mp4", Range(false, false, {}, {})));
}

TEST(DetailSearchTest, TakenRecordingsAreSortedByNameAndFillTheTables) {
  const std::vector<fs::path> found{"/c/b/drf0_20120314_100000.mp4", "/c/a/drf0_20120314_090000.mp4",
                                    "/c/a/drf0_20120316_090000.mp4", "/c/z/drf0_20120314_080000.mp4"};
  CardWorkTables tables;
  tables.AddRecording("/old/drf0_20000101_000000.mp4");
  const auto both = Range(true, true, {2012, 3, 14, 0, 0, 0}, {2012, 3, 15, 0, 0, 0});
  const auto taken = TakeRecordings(found, both, tables);
  EXPECT_EQ(Names(taken), (std::vector<std::string>{"drf0_20120314_080000.mp4", "drf0_20120314_090000.mp4",
                                                    "drf0_20120314_100000.mp4"}));
  EXPECT_EQ(tables.recordings().size(), 3U);
  // Nothing found: the tables stay as they were.
  CardWorkTables kept;
  kept.AddRecording("/old/drf0_20000101_000000.mp4");
  EXPECT_TRUE(TakeRecordings({}, both, kept).empty());
  EXPECT_EQ(kept.recordings().size(), 1U);
}

TEST(DetailSearchTest, OnlyTheFirst7000FoundAreLookedAt) {
  std::vector<fs::path> found(7000, "/c/drf0_20110101_000000.mp4");
  found.emplace_back("/c/drf0_20120314_000000.mp4");
  CardWorkTables tables;
  EXPECT_TRUE(TakeRecordings(found, Range(true, false, {2012, 3, 14, 0, 0, 0}, {}), tables).empty());
}

class WalkTest : public ::testing::Test {
 protected:
  TempFolder tree;
  void Touch(const fs::path& relative) {
    fs::create_directories((tree.path() / relative).parent_path());
    WriteText(tree.path() / relative, "x");
  }
  std::vector<std::string> Walked(const fs::path& folder, const DriveList& drives = {}) {
    std::vector<fs::path> found;
    WalkRecordingFolder(folder, drives, found);
    auto names = Names(found);
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(WalkTest, TakesFrontRecordingsAtEveryDepthOnly) {
  Touch("drf0_20120314_000000.mp4");
  Touch("Blackbox/a/drf0_20120314_000001.mp4");
  Touch("Blackbox/a/b/c/drf0_20120314_000002.MP4");
  Touch("Blackbox/a/drf1_20120314_000001.mp4");
  Touch("Blackbox/a/xdrf0_20120314_000001.mp4");
  Touch("Blackbox/a/notes.txt");
  fs::create_directories(tree / "drf0_20120314_000009.mp4");  // a folder with a recording's name
  EXPECT_EQ(Walked(tree.path()),
            (std::vector<std::string>{"drf0_20120314_000000.mp4", "drf0_20120314_000001.mp4",
                                      "drf0_20120314_000002.MP4"}));
}

TEST_F(WalkTest, FixedDriveRootKeepsToItsOwnFilesARemovableOneIsWalked) {
  Touch("drf0_20120314_000000.mp4");
  Touch("sub/drf0_20120314_000001.mp4");
  const DriveList fixed{{'C', tree.path(), false}};
  EXPECT_TRUE(IsFixedDriveRoot(tree.path(), fixed));
  EXPECT_EQ(Walked(tree.path(), fixed), (std::vector<std::string>{"drf0_20120314_000000.mp4"}));
  const DriveList card{{'E', tree.path(), true}};
  EXPECT_EQ(Walked(tree.path(), card).size(), 2U);
  // Below the root the rule is decided again, for the folder itself.
  EXPECT_EQ(Walked(tree / "sub", fixed).size(), 1U);
}

TEST_F(WalkTest, LinkLoopsEndAndEachFolderIsWalkedOnce) {
  Touch("a/drf0_20120314_000001.mp4");
  fs::create_directory_symlink(tree.path(), tree / "a" / "up");
  fs::create_directory_symlink(tree / "a", tree / "again");
  std::vector<fs::path> found;
  WalkRecordingFolder(tree.path(), {}, found);
  EXPECT_EQ(found.size(), 1U);
}

TEST_F(WalkTest, UnreadableFoldersAndMissingRootsAreSkipped) {
  Touch("open/drf0_20120314_000001.mp4");
  Touch("closed/drf0_20120314_000002.mp4");
  fs::permissions(tree / "closed", fs::perms::none);
  const auto names = Walked(tree.path());
  fs::permissions(tree / "closed", fs::perms::owner_all);
  EXPECT_GE(names.size(), 1U);  // root reads every folder; others see only the open one
  EXPECT_TRUE(Walked(tree / "missing").empty());
  EXPECT_TRUE(Walked({}).empty());
}

class SearchSettingsTest : public ::testing::Test {
 protected:
  TempFolder root;
  WorkingFolders folders{root.path()};
  CivilTime today{2026, 12, 9, 5, 0, 0};
};

TEST_F(SearchSettingsTest, DefaultsAreTodayFromMidnightToTheLastSecond) {
  const auto s = ReadDetailSearchSettings(folders, today, {});
  EXPECT_EQ(s.folder, folders.download().string());
  EXPECT_TRUE(s.range.use_start);
  EXPECT_TRUE(s.range.use_end);
  EXPECT_EQ(s.range.start, (CivilTime{2026, 12, 9, 0, 0, 0}));
  EXPECT_EQ(s.range.end, (CivilTime{2026, 12, 9, 23, 59, 59}));
  EXPECT_EQ(ReadDetailSearchSettings(folders, today, "/media/card").folder, "/media/card");
}

TEST_F(SearchSettingsTest, WrittenRangeReadsBackAndJunkTakesTheDefault) {
  const SearchRange range{false, true, {2012, 3, 14, 18, 0, 0}, {2012, 3, 15, 1, 2, 3}};
  ASSERT_TRUE(WriteSearchRange(folders, range));
  ASSERT_TRUE(WriteSearchFolder(folders, "/tmp/x"));
  const auto s = ReadDetailSearchSettings(folders, today, "/media/card");
  EXPECT_EQ(s.folder, "/tmp/x");
  EXPECT_EQ(s.range.use_start, false);
  EXPECT_EQ(s.range.start, range.start);
  EXPECT_EQ(s.range.end, range.end);
  EXPECT_NE(ReadText(folders.settings_file()).find("SEARCH_END_TIME=010203\r\n"), std::string::npos);

  WriteText(
      folders.settings_file(),
      "[VIEWER_SETUP]\r\nSEARCH_START_DATE=20121345\r\nSEARCH_START_TIME=ab\r\nSEARCH_END_TIME=246000\r\n");
  const auto junk = ReadDetailSearchSettings(folders, today, {});
  EXPECT_EQ(junk.range.start, (CivilTime{2026, 12, 9, 0, 0, 0}));
  EXPECT_EQ(junk.range.end, (CivilTime{2026, 12, 9, 23, 59, 59}));
}

}  // namespace
}  // namespace direvovu
