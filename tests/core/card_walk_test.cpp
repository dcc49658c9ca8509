#include "core/sdcard/card_walk.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
  fs::create_directories(path.parent_path());
  WriteText(path, "x");
}

std::vector<std::string> Names(const std::vector<CardRow>& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row.path.filename().string());
  return names;
}

std::vector<int> Types(const std::vector<CardRow>& rows) {
  std::vector<int> types;
  for (const auto& row : rows) types.push_back(row.type);
  return types;
}

// A card as the camera leaves it, with the things that are not recordings beside them.
class CardWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    Touch(card / "Blackbox/20261208/drf0_20261208_081500.mp4");
    Touch(card / "Blackbox/20261208/drf1_20261208_081500.mp4");
    Touch(card / "Blackbox/20261209/drf0_20261209_070000.mp4");
    Touch(card / "Blackbox/drf0_20261207_060000.mp4");
    Touch(card / "Blackbox/20261208/deeper/drf0_20261208_010101.mp4");  // two levels down
    Touch(card / "Blackbox/20261208/notes.txt");
    Touch(card / "Blackbox/20261208/drf0_20261208_081500.mp4.bak");
    Touch(card / "Event/drf0_20261208_081605.mp4");
    Touch(card / "Event/drf1_20261208_081605.mp4");
    Touch(card / "Event/evt_20261208_0816.txt");
    Touch(card / "Parking/drf0_20261208_214000.mp4");
    Touch(card / "Parking/drf0_20261208_21410e.mp4");
    Touch(card / "Parking/night/drf0_20261208_23000e.mp4");
    Touch(card / "Setup/setup.ini");
  }

  TempFolder temp;
  fs::path card = temp.path() / "card";
  CardWorkTables tables;
};

TEST_F(CardWalk, AllListsFrontFilesOfEveryRootSortedByFileName) {
  const auto rows = WalkSdCard(card, CardKind::All, tables);
  EXPECT_EQ(Names(rows), (std::vector<std::string>{
                             "drf0_20261207_060000.mp4",
                             "drf0_20261208_081500.mp4",
                             "drf0_20261208_081605.mp4",
                             "drf0_20261208_214000.mp4",
                             "drf0_20261208_21410e.mp4",
                             "drf0_20261208_23000e.mp4",
                             "drf0_20261209_070000.mp4",
                         }));
  EXPECT_EQ(Types(rows), (std::vector<int>{kKindDriving, kKindDriving, kKindEvent, kKindParking,
                                           kKindParkingEvent, kKindParkingEvent, kKindDriving}));
  // The rear files are in the table (the walk saw them) but have no row.
  EXPECT_EQ(tables.recordings().size(), 9U);
  for (const auto& row : rows) EXPECT_TRUE(fs::is_regular_file(row.path)) << row.path;
}

TEST_F(CardWalk, EachKindListsItsOwnFolder) {
  EXPECT_EQ(Names(WalkSdCard(card, CardKind::Driving, tables)),
            (std::vector<std::string>{"drf0_20261207_060000.mp4", "drf0_20261208_081500.mp4",
                                      "drf0_20261209_070000.mp4"}));
  EXPECT_EQ(Names(WalkSdCard(card, CardKind::Event, tables)),
            (std::vector<std::string>{"drf0_20261208_081605.mp4"}));
  EXPECT_EQ(Types(WalkSdCard(card, CardKind::Parking, tables)),
            (std::vector<int>{kKindParking, kKindParkingEvent, kKindParkingEvent}));
  // Parking sub-folders give paths that name real files (joined with a separator).
  const auto parking_events = WalkSdCard(card / "", CardKind::ParkingEvent, tables);
  EXPECT_EQ(Names(parking_events),
            (std::vector<std::string>{"drf0_20261208_21410e.mp4", "drf0_20261208_23000e.mp4"}));
  EXPECT_EQ(Types(parking_events), (std::vector<int>{kKindParkingEvent, kKindParkingEvent}));
  EXPECT_EQ(parking_events[1].path, card / "Parking/night/drf0_20261208_23000e.mp4");
}

TEST_F(CardWalk, EmptyOrMissingLocationListsNothing) {
  EXPECT_TRUE(WalkSdCard("", CardKind::All, tables).empty());
  EXPECT_TRUE(tables.folders().empty());
  EXPECT_TRUE(WalkSdCard(temp.path() / "gone", CardKind::All, tables).empty());
}

TEST_F(CardWalk, TheBlackboxFolderItselfAsLocation) {
  EXPECT_EQ(WalkSdCard(card / "Blackbox", CardKind::Driving, tables).size(), 3U);
}

TEST(CardWalkMdr, MdrFolderIsTheRootAndMdrUnderscoreAddsNoOtherRoots) {
  TempFolder temp;
  const fs::path mdr = temp.path() / "mdr";
  Touch(mdr / "drf0_20261208_081500.mp4");
  Touch(mdr / "a/drf0_20261208_081600.mp4");
  Touch(mdr / "Event/drf0_20261208_081700.mp4");
  CardWorkTables tables;
  // Event is a sub-folder of the root, and also the Event root of kind All.
  EXPECT_EQ(WalkSdCard(mdr, CardKind::Driving, tables).size(), 3U);
  EXPECT_EQ(CardWalkRoots(mdr, CardKind::All).size(), 3U);

  const fs::path dump = temp.path() / "mdr_0001";
  Touch(dump / "drf0_20261208_081500.mp4");
  Touch(dump / "Parking/drf0_20261208_214000.mp4");
  EXPECT_EQ(CardWalkRoots(dump, CardKind::All), std::vector<fs::path>{dump});
  const auto rows = WalkSdCard(dump, CardKind::All, tables);
  ASSERT_EQ(rows.size(), 2U);
  EXPECT_EQ(rows[1].type, kKindParking);  // found as a sub-folder, typed by its path
}

TEST(CardWalkTypes, FoldersAboveTheLocationDoNotDecideTheType) {
  TempFolder temp;
  const fs::path card = temp.path() / "Event copies" / "Parking";
  Touch(card / "Blackbox/d/drf0_20261208_081500.mp4");
  CardWorkTables tables;
  const auto rows = WalkSdCard(card, CardKind::All, tables);
  ASSERT_EQ(rows.size(), 1U);
  EXPECT_EQ(rows[0].type, kKindDriving);
  EXPECT_EQ(CardRowType("Event/drf0_20261208_081500.mp4"), kKindEvent);
  EXPECT_EQ(CardRowType("Blackbox/x/drf0_20261208_08150e.mp4"), kKindParkingEvent);
}

TEST(CardWalkBadInput, SymbolicLinkLoopsAndUnreadableFoldersAreLeftOut) {
  TempFolder temp;
  const fs::path card = temp.path();
  Touch(card / "Blackbox/a/drf0_20261208_081500.mp4");
  fs::create_directory_symlink("..", card / "Blackbox/loop");
  fs::create_directory_symlink(card / "Blackbox", card / "Blackbox/a/up");
  fs::create_directories(card / "Blackbox/locked");
  Touch(card / "Blackbox/locked/drf0_20261208_090000.mp4");
  fs::permissions(card / "Blackbox/locked", fs::perms::none);
  CardWorkTables tables;
  const auto rows = WalkSdCard(card, CardKind::All, tables);
  EXPECT_EQ(tables.folders().size(), 5U);  // Blackbox, a, locked, Event, Parking
  if (::geteuid() != 0) {
    EXPECT_EQ(Names(rows), std::vector<std::string>{"drf0_20261208_081500.mp4"});
  } else {
    EXPECT_EQ(rows.size(), 2U);  // root reads every folder
  }
  fs::permissions(card / "Blackbox/locked", fs::perms::owner_all);
}

TEST(CardWalkLimits, TablesStopAt7000Recordings) {
  TempFolder temp;
  const fs::path folder = temp.path() / "Event";
  fs::create_directories(folder);
  char name[32];
  for (int i = 0; i < 7010; ++i) {
    std::snprintf(name, sizeof(name), "drf0_20261208_%06d.mp4", i);
    WriteText(folder / name, "");
  }
  CardWorkTables tables;
  const auto rows = WalkSdCard(temp.path(), CardKind::Event, tables);
  EXPECT_EQ(tables.recordings().size(), kCardTableCapacity);
  EXPECT_EQ(rows.size(), kCardTableCapacity);
  EXPECT_FALSE(tables.AddRecording("/x/drf0_20261208_999999.mp4"));
  for (std::size_t i = 1; i < rows.size(); ++i)
    ASSERT_LT(rows[i - 1].path.filename(), rows[i].path.filename());
}

TEST(CardWorkTablesSort, SortsByFileNameNotByFolder) {
  CardWorkTables tables;
  tables.AddRecording("/z/drf0_20261208_000001.mp4");
  tables.AddRecording("/a/drf0_20261208_000003.mp4");
  tables.AddRecording("/m/drf0_20261208_000002.mp4");
  tables.AddRecording("/b/drf0_20261208_000002.mp4");
  EXPECT_EQ(tables.SortedOrder(), (std::vector<std::size_t>{0, 2, 3, 1}));
}

TEST(CardRowTexts, ColumnsComeFromTheFileName) {
  const CardRow row{"/media/card/Event/drf0_20261208_081605.mp4", kKindEvent};
  const auto texts = CardRowTexts(row, 7, kEnglish);
  EXPECT_EQ(texts[0], "   007");
  EXPECT_EQ(texts[1], "2026-12-08");
  EXPECT_EQ(texts[2], "08:16:05");
  EXPECT_EQ(texts[3], "Event");
  EXPECT_EQ(texts[4], "/media/card/Event/drf0_20261208_081605.mp4");
  EXPECT_EQ(CardRowTexts(CardRow{row.path, kKindParkingEvent}, 1234, kEnglish)[0], "   1234");
  EXPECT_EQ(CardRowTexts(CardRow{row.path, kKindParkingEvent}, 1, kEnglish)[3], "Parking Event");
  EXPECT_EQ(CardRowTexts(row, 1, kKorean)[3], Text(TextTable::RecordingKinds, kKindEvent, kKorean));
}

}  // namespace
}  // namespace direvovu
