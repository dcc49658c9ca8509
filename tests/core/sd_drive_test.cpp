#include "core/sdcard/sd_drive.h"

#include <gtest/gtest.h>

#include "core/sdcard/drive_table_text.h"
#include "core/settings/texts.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

class SdDriveTest : public ::testing::Test {
 protected:
  std::filesystem::path Folder(const std::string& name) {
    auto p = dir / name;
    std::filesystem::create_directories(p);
    return p;
  }
  // A card that refuses writes. Root ignores permission bits, so a path under a
  // regular file stands in for it: nothing can be created there.
  std::filesystem::path LockedCard(const std::string& name) {
    WriteText(dir / name, "not a folder");
    return dir / name / "card";
  }
  TempFolder dir;
};

TEST_F(SdDriveTest, TwoWritableCardsTheLowerLetterWins) {
  const DriveList drives{{'G', Folder("g"), true}, {'E', Folder("e"), true}, {'C', Folder("c"), false}};
  EXPECT_EQ(FindSdDrive(drives).letter, 'E');
}

TEST_F(SdDriveTest, LockedCardIsSkippedForAWritableOne) {
  const DriveList drives{{'E', LockedCard("e"), true}, {'G', Folder("g"), true}};
  EXPECT_EQ(FindSdDrive(drives).letter, 'G');
}

TEST_F(SdDriveTest, LockedCardAloneGivesNoLetterAndStateNotWritable) {
  SdCardState card;
  CheckSdDrive({{'E', LockedCard("e"), true}}, card);
  EXPECT_EQ(card.letter, 0);
  EXPECT_EQ(card.state, SdSearchState::NotWritable);
  EXPECT_EQ(MissingCardMessage(card), msg::kNoSdOrWriteProtected);

  CheckSdDrive({{'C', Folder("c"), false}}, card);
  EXPECT_EQ(card.state, SdSearchState::NoRemovableDrive);
  EXPECT_EQ(MissingCardMessage(card), msg::kConnectSd);
}

TEST_F(SdDriveTest, SearchKeepsSetupFolderAndLeavesNoTestFile) {
  const auto root = Folder("card");
  std::filesystem::create_directories(root / "Setup");
  WriteText(root / "Setup" / "setup.ini", "[USER_SETUP]\n");
  ASSERT_EQ(FindSdDrive({{'E', root, true}}).letter, 'E');
  EXPECT_TRUE(std::filesystem::exists(root / "Setup" / "setup.ini"));
  EXPECT_FALSE(std::filesystem::exists(root / "Setup" / "test.bin"));
  EXPECT_TRUE(IsDriveWritable(root));
  EXPECT_FALSE(std::filesystem::exists(root / "driveTest.bin"));
}

TEST_F(SdDriveTest, RemovedCardIsNoticedAtTheNextCheck) {
  const auto root = Folder("card");
  SdCardState card;
  CheckSdDrive({{'E', root, true}}, card);
  ASSERT_EQ(card.letter, 'E');
  std::filesystem::remove_all(root);
  CheckSdDrive({{'E', root, true}}, card);
  EXPECT_EQ(card.letter, 0);
}

TEST_F(SdDriveTest, ChooserOffersRemovableDrivesFromB) {
  const DriveList drives{{'A', Folder("a"), true},
                         {'F', Folder("f"), true},
                         {'C', Folder("c"), false},
                         {'D', Folder("d"), true}};
  EXPECT_EQ(ChooserDriveLabels(drives), (std::vector<std::string>{"D: (" + Folder("d").string() + ")",
                                                                  "F: (" + Folder("f").string() + ")"}));
  EXPECT_EQ(FindSdDrive(drives).letter, 'A');  // the search does take A
  EXPECT_TRUE(ChooserDriveLabels({{'C', Folder("c"), false}}).empty());
}

TEST(DriveOverride, ParsesLettersFoldersAndFixedVolumes) {
  const auto drives = ParseDriveOverride("G=/tmp/card2,e=/tmp/card1,C=/:fixed");
  ASSERT_TRUE(drives);
  ASSERT_EQ(drives->size(), 3u);
  EXPECT_EQ((*drives)[0].letter, 'C');
  EXPECT_FALSE((*drives)[0].removable);
  EXPECT_EQ((*drives)[1].letter, 'E');
  EXPECT_EQ((*drives)[1].root, std::filesystem::path("/tmp/card1"));
  EXPECT_TRUE((*drives)[2].removable);

  std::string reason;
  EXPECT_FALSE(ParseDriveOverride("E=/a,E=/b", &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(ParseDriveOverride("E/a"));
  EXPECT_FALSE(ParseDriveOverride("E=:fixed"));
  EXPECT_TRUE(ParseDriveOverride("")->empty());
}

TEST_F(SdDriveTest, TheCardIsKnownByItsIdentityNotItsLetter) {
  const auto a = Folder("a");
  const auto b = Folder("b");
  SdCardState card;
  CheckSdDrive({{'E', a, true}, {'G', b, true}}, card);
  ASSERT_EQ(card.letter, 'E');
  EXPECT_EQ(card.identity, "folder:" + a.string());

  // The two folders swap letters: the card is followed to its new letter.
  CheckSdDrive({{'E', b, true}, {'G', a, true}}, card);
  EXPECT_EQ(card.letter, 'G');
  EXPECT_FALSE(std::filesystem::exists(b / "Setup"));

  // Only the other volume is left, at the card's letter: the card is missing, and
  // nothing was written there; the next search may take it as a new card.
  CheckSdDrive({{'G', b, true}}, card);
  EXPECT_EQ(card.letter, 0);
  EXPECT_EQ(MissingCardMessage(card), msg::kConnectSd);
  EXPECT_FALSE(std::filesystem::exists(b / "Setup"));
  CheckSdDrive({{'G', b, true}}, card);
  EXPECT_EQ(card.letter, 'G');

  // A file system's UUID names the volume wherever it is mounted.
  Drive moved{'F', a, true};
  moved.uuid = "1A2B-3C4D";
  moved.label = "CAMERA";
  card = SdCardState{};
  CheckSdDrive({moved}, card);
  EXPECT_EQ(card.identity, "uuid:1A2B-3C4D");
  moved.letter = 'H';
  CheckSdDrive({{'F', b, true}, moved}, card);
  EXPECT_EQ(card.letter, 'H');
  EXPECT_EQ(DriveDescription(moved), "H: CAMERA (" + a.string() + ")");
}

TEST(DriveTableText, MountsGiveCThenRemovablesInMountPointOrder) {
  const auto mounts = ParseMountsText(
      "/dev/vda1 / ext4 rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdc1 /media/u/ZCARD vfat rw 0 0\n"
      "/dev/sdb1 /media/u/My\\040Card vfat rw 0 0\n");
  ASSERT_EQ(mounts.size(), 4u);
  EXPECT_EQ(mounts[3].mount_point, "/media/u/My Card");
  const auto drives =
      DrivesFromMounts(mounts, [](const MountEntry& m) { return m.device.rfind("/dev/sd", 0) == 0; });
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].letter, 'C');
  EXPECT_EQ(drives[1].letter, 'D');
  EXPECT_EQ(drives[1].root, std::filesystem::path("/media/u/My Card"));
  EXPECT_EQ(drives[2].letter, 'E');
  EXPECT_EQ(drives[2].device, "/dev/sdc1");
  EXPECT_EQ(drives[2].fsType, "vfat");
  EXPECT_EQ(DriveOfPath(drives, "/media/u/ZCARD/Event/x.mp4")->letter, 'E');
  EXPECT_EQ(DriveOfPath(drives, "/home/u/x.mp4")->letter, 'C');
}

}  // namespace
}  // namespace direvovu
