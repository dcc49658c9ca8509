#include "core/reports/event_folder.h"

#include <gtest/gtest.h>

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

TEST(EventFolder, ReportsGoIntoTheEventFolderOfTheWorkingRoot) {
  const WorkingFolders folders("/root/DirevOvu");
  EXPECT_EQ(EventReportPath(folders, CivilTime{2026, 12, 9, 6, 5, 4}),
            std::filesystem::path("/root/DirevOvu/EVENT/Event_20261209_060504.txt"));
}

}  // namespace
}  // namespace direvovu::reports
