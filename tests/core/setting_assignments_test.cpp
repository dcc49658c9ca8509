#include "core/settings/setting_assignments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace direvovu {
namespace {

// Each value a key takes at its edges, and what the refusal says.
TEST(SettingAssignmentsTest, KeysAndValuesAreThoseTheViewerStores) {
  struct Case {
    const char* argument;
    const char* error;  // "" when taken
  } const cases[] = {
      {"LANGUAGE=0", ""},
      {"LANGUAGE=6", ""},
      {"LANGUAGE=7", "LANGUAGE takes a whole number from 0 to 6, not '7'"},
      {"LANGUAGE=1x", "LANGUAGE takes a whole number from 0 to 6, not '1x'"},
      {"LANGUAGE=", "LANGUAGE takes a whole number from 0 to 6, not ''"},
      {"VOLUME=10", ""},
      {"VOLUME=-1", "VOLUME takes a whole number from 0 to 10, not '-1'"},
      {"MARK_ROUTE_ONOFF=1", ""},
      {"SPEED_UNIT=2", "SPEED_UNIT takes a whole number from 0 to 1, not '2'"},
      {"ROUTE_INTERVAL=6", ""},
      {"SEARCH_START_DATE=20240229", ""},
      {"SEARCH_START_DATE=20230229", "SEARCH_START_DATE takes a date as YYYYMMDD, not '20230229'"},
      {"SEARCH_END_TIME=235959", ""},
      {"SEARCH_END_TIME=240000", "SEARCH_END_TIME takes a time as HHMMSS, not '240000'"},
      {"CAPTURE_FOLDER=/home/me/Pictures/dash cam", ""},
      {"MAP_TILE_URL=", ""},
      {"EXPORT_FOLDER=/a\nVOLUME=10", "EXPORT_FOLDER takes a text on one line, not '/a\nVOLUME=10'"},
      {"language=1", "'language' is not a setting of the viewer"},
      {"LANGUAGE", "'LANGUAGE' is not KEY=VALUE"},
  };
  for (const Case& c : cases) {
    const SettingAssignments read = ReadSettingAssignments({c.argument});
    EXPECT_EQ(read.error, c.error) << c.argument;
  }
  const std::string long_folder = "CAPTURE_FOLDER=/" + std::string(254, 'a');
  EXPECT_NE(ReadSettingAssignments({long_folder}).error.find("at most 254 characters"), std::string::npos);
}

TEST(SettingAssignmentsTest, OneRewriteKeepsTheOtherKeysAndTheViewerReadsThem) {
  TempFolder dir;
  const WorkingFolders folders(dir.path());
  WriteText(folders.settings_file(), "[VIEWER_SETUP]\r\nVOLUME=3\r\nLANGUAGE=5\r\n[OTHER]\r\nX=1\r\n");
  const SettingAssignments read = ReadSettingAssignments({"LANGUAGE=2", "SPEED_UNIT=0", "LANGUAGE=1"});
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_TRUE(SaveSettingAssignments(folders, read));
  const AppliedSettings applied = LoadAppliedSettings(folders, AppliedSettings{});
  EXPECT_EQ(applied.language, kEnglish);  // the later one wins
  EXPECT_EQ(applied.speed_unit, SpeedUnit::Mph);
  EXPECT_EQ(applied.volume_step, 3);
  EXPECT_EQ(CBIniFile(folders.settings_file()).GetString("OTHER", "X", ""), "1");
}

}  // namespace
}  // namespace direvovu
