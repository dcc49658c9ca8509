#include "core/settings/viewer_settings.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace direvovu {
namespace {

class ViewerSettingsTest : public ::testing::Test {
 protected:
  void Store(const std::string& body) {
    std::filesystem::create_directories(folders.root);
    WriteText(folders.settings_file(), "[VIEWER_SETUP]\r\n" + body);
  }
  TempFolder dir;
  WorkingFolders folders{dir / "DirevOvu"};
};

TEST_F(ViewerSettingsTest, FirstRunCreatesTheFiveFoldersAndAppliesDefaults) {
  ASSERT_TRUE(CreateWorkingFolders(folders));
  for (const auto& f :
       {folders.root, folders.download(), folders.capture(), folders.decryption(), folders.event()}) {
    EXPECT_TRUE(std::filesystem::is_directory(f)) << f;
  }
  EXPECT_FALSE(std::filesystem::exists(folders.obd()));
  EXPECT_FALSE(std::filesystem::exists(folders.settings_file()));

  const AppliedSettings s = LoadAppliedSettings(folders, AppliedSettings{});
  EXPECT_EQ(s.language, kChineseTraditional);
  EXPECT_EQ(s.volume_step, 5);
  EXPECT_TRUE(s.marker_on);
  EXPECT_EQ(s.marker_interval_ms, 3000);
  EXPECT_EQ(s.speed_unit, SpeedUnit::Kmh);
}

TEST_F(ViewerSettingsTest, SwitchesAndUnitReadAsTheirMeaning) {
  Store("MARK_ROUTE_ONOFF=0\r\nSPEED_UNIT=0\r\nLANGUAGE=6\r\n");
  AppliedSettings s = LoadAppliedSettings(folders, AppliedSettings{});
  EXPECT_FALSE(s.marker_on);
  EXPECT_EQ(s.speed_unit, SpeedUnit::Mph);
  EXPECT_EQ(s.language, kPortugueseBrazil);
  Store("MARK_ROUTE_ONOFF=1\r\nSPEED_UNIT=2\r\n");  // any non-zero unit is km/h
  s = LoadAppliedSettings(folders, s);
  EXPECT_TRUE(s.marker_on);
  EXPECT_EQ(s.speed_unit, SpeedUnit::Kmh);
}

TEST_F(ViewerSettingsTest, NumbersAreReadFromTheFirstTwoCharactersThreeForVolume) {
  Store("LANGUAGE=123\r\nVOLUME=10\r\nSPEED_UNIT=0km\r\nMARK_ROUTE_ONOFF= 0\r\nSEARCH_START_CHECK=123\r\n");
  EXPECT_EQ(ReadSettingNumber(folders, "LANGUAGE"), 12);
  EXPECT_EQ(ReadSettingNumber(folders, "VOLUME"), 10);
  EXPECT_EQ(ReadSettingNumber(folders, "SPEED_UNIT"), 0);
  EXPECT_EQ(ReadSettingNumber(folders, "MARK_ROUTE_ONOFF"), 0);
  EXPECT_EQ(ReadSettingNumber(folders, "SEARCH_START_CHECK"), 123);
}

TEST_F(ViewerSettingsTest, LanguageOutsideTheTablesFallsBackToTheDefault) {
  Store("LANGUAGE=10\r\n");
  EXPECT_EQ(ReadSettingNumber(folders, "LANGUAGE"), 10);
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).language, kChineseTraditional);
  Store("LANGUAGE=1\r\n");
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).language, kEnglish);
}

TEST_F(ViewerSettingsTest, RouteIntervalOutsideTheTableKeepsThePreviousInterval) {
  Store("ROUTE_INTERVAL=4\r\n");
  AppliedSettings s = LoadAppliedSettings(folders, AppliedSettings{});
  EXPECT_EQ(s.marker_interval_ms, 10000);
  Store("ROUTE_INTERVAL=9\r\n");
  EXPECT_EQ(LoadAppliedSettings(folders, s).marker_interval_ms, 10000);
  // At the first load there is no previous interval: 3 seconds.
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).marker_interval_ms, 3000);
  for (int i = 0; i <= 6; ++i) EXPECT_GT(MarkerIntervalMs(i), 0);
  EXPECT_EQ(MarkerIntervalMs(6), 20000);
}

TEST_F(ViewerSettingsTest, VolumeIsHeldToTheStepsOfTheDial) {
  Store("VOLUME=100\r\n");
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).volume_step, 10);
  Store("VOLUME=-4\r\n");
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).volume_step, 0);
}

TEST_F(ViewerSettingsTest, ClosingOnAFirstRunWritesOnlyTheVolume) {
  ASSERT_TRUE(CreateWorkingFolders(folders));
  ASSERT_TRUE(SaveVolume(folders, 5));
  EXPECT_EQ(ReadText(folders.settings_file()), "[VIEWER_SETUP]\r\nVOLUME=5\r\n");
}

TEST_F(ViewerSettingsTest, FolderGetterUsesTheSettingOrItsDefault) {
  EXPECT_EQ(SettingFolder(folders, FolderKind::Download), folders.download());
  EXPECT_EQ(SettingFolder(folders, FolderKind::Capture), folders.capture());
  Store("DECRYPTION_FOLDER=/data/plain\r\n");
  EXPECT_EQ(SettingFolder(folders, FolderKind::Decryption), std::filesystem::path("/data/plain"));
  // Regression: a blank value gave an empty folder, and files went to the current folder.
  Store("DECRYPTION_FOLDER=\r\nCAPTURE_FOLDER=  \r\n");
  EXPECT_EQ(SettingFolder(folders, FolderKind::Decryption), folders.decryption());
  EXPECT_EQ(SettingFolder(folders, FolderKind::Capture), folders.capture());
  const auto lines = DescribeSettings(folders, "20261208");
  EXPECT_EQ(lines[2], "DECRYPTION_FOLDER=" + folders.decryption().string());
}

// The export's folder is remembered beside the others and falls back like them.
TEST_F(ViewerSettingsTest, ExportFolderIsStoredAndReadBackKeepingTheOtherKeys) {
  EXPECT_EQ(SettingFolder(folders, FolderKind::Export), folders.root / "EXPORT");
  Store("EXPORT_FOLDER= \r\nVOLUME=7\r\n");
  EXPECT_EQ(SettingFolder(folders, FolderKind::Export), folders.export_folder());
  ASSERT_TRUE(SaveSettingFolder(folders, FolderKind::Export, "/evidence/incidents"));
  EXPECT_EQ(SettingFolder(folders, FolderKind::Export), std::filesystem::path("/evidence/incidents"));
  EXPECT_EQ(LoadAppliedSettings(folders, AppliedSettings{}).volume_step, 7);
  const auto lines = DescribeSettings(folders, "20261208");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "EXPORT_FOLDER=/evidence/incidents"), lines.end());
}

TEST_F(ViewerSettingsTest, DescriptionListsEveryKeyInTableOrderThenTheInterval) {
  Store("LANGUAGE=1\r\nVOLUME=7\r\nOPEN_PATH=/videos\r\n");
  const auto lines = DescribeSettings(folders, "20261208");
  ASSERT_EQ(lines.size(), ViewerSettingKeys().size() + 1);
  EXPECT_EQ(lines.front(), "SD_DOWN_FOLDER=" + folders.download().string());
  EXPECT_EQ(lines[3], "LANGUAGE=1");
  EXPECT_EQ(lines[6], "VOLUME=7");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "SEARCH_START_DATE=20261208"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "SEARCH_END_TIME=235959"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "OPEN_PATH=/videos"), lines.end());
  EXPECT_EQ(lines.back(), "MARKER_INTERVAL_MS=3000");
}

}  // namespace
}  // namespace direvovu
