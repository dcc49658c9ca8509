#include "core/reports/event_folder.h"

#include <gtest/gtest.h>

#include "core/sdcard/sd_download_rules.h"
#include "core/settings/viewer_settings.h"
#include "temp_folder.h"

namespace direvovu::reports {
namespace {

TEST(EventFolder, TheCardsEventFolderComesFirstThenTheStoredOne) {
  TempFolder root;
  const WorkingFolders folders(root.path());
  const DriveList drives{Drive{'C', "/", false}, Drive{'E', "/media/card", true}};
  EXPECT_EQ(InitialEventFolder(folders, 0, drives), "");
  ASSERT_TRUE(WriteEventFolder(folders, "/home/me/events"));
  EXPECT_EQ(InitialEventFolder(folders, 0, drives), "/home/me/events");
  EXPECT_EQ(InitialEventFolder(folders, 'E', drives), std::filesystem::path("/media/card") / "Event");
  // A letter the drive table no longer has falls back to the stored folder.
  EXPECT_EQ(InitialEventFolder(folders, 'G', drives), "/home/me/events");
}

TEST(StoredFolders, ALongFolderIsCutBetweenCharacters) {
  TempFolder root;
  const WorkingFolders folders(root.path());
  std::string long_folder = "/";
  for (int i = 0; i < 100; ++i) long_folder += "주행";  // 3 bytes a character
  const struct {
    const char* key;
    bool (*write)(const WorkingFolders&, const std::filesystem::path&);
  } writers[] = {{"EVENT_PATH", &WriteEventFolder}, {"SD_DOWN_FOLDER", &WriteSdDownloadFolder}};
  for (const auto& w : writers) {
    ASSERT_TRUE(w.write(folders, long_folder)) << w.key;
    const std::string stored = ReadSettingText(folders, w.key, "");
    EXPECT_TRUE(long_folder.starts_with(stored)) << w.key;
    EXPECT_GE(stored.size(), 256U) << w.key;
    EXPECT_EQ((stored.size() - 1) % 3, 0U) << w.key << ": a character was split";
  }
}

TEST(EventFolder, ReportsGoIntoTheEventFolderOfTheWorkingRoot) {
  const WorkingFolders folders("/root/DirevOvu");
  EXPECT_EQ(EventReportPath(folders, CivilTime{2026, 12, 9, 6, 5, 4}),
            std::filesystem::path("/root/DirevOvu/EVENT/Event_20261209_060504.txt"));
}

}  // namespace
}  // namespace direvovu::reports
