#include "core/setup/camera_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/settings/texts.h"
#include "core/setup/time_zones.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The key names of a setup.ini, in file order.
std::vector<std::string> KeysOf(const std::string& text) {
  std::vector<std::string> keys;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    const std::string line = text.substr(at, end - at);
    if (const auto eq = line.find('='); eq != std::string::npos) keys.push_back(line.substr(0, eq));
    at = end == std::string::npos ? text.size() : end + 2;
  }
  return keys;
}

TEST(CameraSettingsTest, MissingKeysAndUnusableNumbersTakeTheDefaults) {
  const CameraSettings defaults;
  EXPECT_EQ(ParseCameraSettings({}), defaults);
  const std::string junk = "\x01\xff\xfe\x00garbage=[[\n\x80\x81";
  EXPECT_EQ(ParseCameraSettings(Bytes(junk)), defaults);

  const auto s = ParseCameraSettings(
      Bytes("[USER_SETUP]\r\nIMPACT_X_INDEX=99\r\nIMPACT_Y_INDEX=12\r\nFPS_INDEX=-1\r\nCUTOFF_VOLT=3x\r\n"
            "MUTE_ONOFF=2\r\nTIME_ZONE=abc\r\nDRIVER=  Kim \r\n"));
  EXPECT_EQ(s.impact_x_index, 7);
  EXPECT_EQ(s.impact_y_index, 12);
  EXPECT_EQ(s.fps_index, 3);
  EXPECT_EQ(s.cutoff_volt, 3);
  EXPECT_FALSE(s.mute_on);
  EXPECT_EQ(s.time_zone, "abc");
  EXPECT_EQ(s.driver, "Kim");
  // Only the first two characters hold the number: "120" reads as 12.
  EXPECT_EQ(ParseCameraSettings(Bytes("[USER_SETUP]\nIMPACT_Z_INDEX=120\n")).impact_z_index, 12);
}

TEST(CameraSettingsTest, Utf16FileIsRead) {
  std::string text = "\xff\xfe";
  for (const char c : std::string("[USER_SETUP]\r\nDRIVER=Lee\r\nFPS_INDEX=1\r\n")) {
    text += c;
    text += '\0';
  }
  const auto s = ParseCameraSettings(Bytes(text));
  EXPECT_EQ(s.driver, "Lee");
  EXPECT_EQ(s.fps_index, 1);
}

TEST(CameraSettingsTest, ValueListTextsAndPresets) {
  EXPECT_EQ(ThresholdText(0), "0.0 G");
  EXPECT_EQ(ThresholdText(7), "0.7 G");
  EXPECT_EQ(ThresholdText(20), "2.0 G");
  EXPECT_EQ(ThresholdText(21), "");
  EXPECT_EQ(FrameRateText(3), "30 fps");
  EXPECT_EQ(CutOffVoltText(0), "11.5 V");
  EXPECT_EQ(SensitivityPreset(0), "1.3");
  EXPECT_EQ(SensitivityPreset(1), "0.9");
  EXPECT_EQ(SensitivityPreset(-1), "0.7");
}

// The switches are on/off where they are read; the file keeps its 0/1, inverted for the
// buzzer, and a number outside 0/1 takes the default.
TEST(CameraSettingsTest, SwitchesReadAndWriteTheFilesNumbers) {
  struct Case {
    const char* line;
    bool CameraSettings::*member;
    bool on;
    const char* written;
  };
  const Case cases[] = {
      {"FILE_PWD_ONOFF=1", &CameraSettings::file_pwd_on, true, "FILE_PWD_ONOFF=1"},
      {"FILE_PWD_ONOFF=0", &CameraSettings::file_pwd_on, false, "FILE_PWD_ONOFF=0"},
      {"MUTE_ONOFF=1", &CameraSettings::mute_on, true, "MUTE_ONOFF=1"},
      {"MUTE_ONOFF=2", &CameraSettings::mute_on, false, "MUTE_ONOFF=0"},
      {"MIRROR_ONOFF=1", &CameraSettings::mirror_on, true, "MIRROR_ONOFF=1"},
      {"MIRROR_ONOFF=-1", &CameraSettings::mirror_on, false, "MIRROR_ONOFF=0"},
      {"BUZZER_OFF=1", &CameraSettings::buzzer_on, false, "BUZZER_OFF=1"},
      {"BUZZER_OFF=0", &CameraSettings::buzzer_on, true, "BUZZER_OFF=0"},
      {"BUZZER_OFF=7", &CameraSettings::buzzer_on, true, "BUZZER_OFF=0"},
      {"BUZZER_OFF=", &CameraSettings::buzzer_on, true, "BUZZER_OFF=0"},
  };
  for (const Case& c : cases) {
    const CameraSettings s = ParseCameraSettings(Bytes(std::string("[USER_SETUP]\r\n") + c.line + "\r\n"));
    EXPECT_EQ(s.*c.member, c.on) << c.line;
    const std::string written = c.written;
    const auto key = written.substr(0, written.find('='));
    const auto saved = CameraSettingsToSave(s);
    const auto it = std::find_if(saved.begin(), saved.end(), [&](const auto& kv) { return kv.first == key; });
    ASSERT_NE(it, saved.end()) << c.line;
    EXPECT_EQ(it->first + "=" + it->second, written) << c.line;
    const auto described = DescribeCameraSettings(s);
    EXPECT_NE(std::find(described.begin(), described.end(), written), described.end()) << c.line;
  }
  EXPECT_TRUE(CameraSettings{}.buzzer_on);
}

// BUZZER is the dialog's choice (1 = On); BUZZER_OFF keeps the file's sense.
TEST(CameraSettingsTest, BuzzerChoiceAndBuzzerOffAreSetInTheirOwnSense) {
  CameraSettings s;
  EXPECT_TRUE(SetCameraSetting(s, "BUZZER", "0"));
  EXPECT_FALSE(s.buzzer_on);
  EXPECT_TRUE(SetCameraSetting(s, "BUZZER", "1"));
  EXPECT_TRUE(s.buzzer_on);
  EXPECT_FALSE(SetCameraSetting(s, "BUZZER", "2"));
  EXPECT_TRUE(SetCameraSetting(s, "BUZZER_OFF", "1"));
  EXPECT_FALSE(s.buzzer_on);
  EXPECT_FALSE(SetCameraSetting(s, "MUTE_ONOFF", "2"));
  EXPECT_TRUE(SetCameraSetting(s, "MUTE_ONOFF", "1"));
  EXPECT_TRUE(s.mute_on);
}

TEST(CameraSettingsTest, SettingsAreSetOnlyToValuesTheControlsHold) {
  CameraSettings s;
  EXPECT_TRUE(SetCameraSetting(s, "IMPACT_X_INDEX", "20"));
  EXPECT_FALSE(SetCameraSetting(s, "IMPACT_X_INDEX", "21"));
  EXPECT_FALSE(SetCameraSetting(s, "FPS_INDEX", "-1"));
  EXPECT_FALSE(SetCameraSetting(s, "FPS_INDEX", "1x"));
  EXPECT_FALSE(SetCameraSetting(s, "NO_SUCH_KEY", "1"));
  EXPECT_EQ(s.impact_x_index, 20);
  // A line end would put a key of its own into the camera's file.
  EXPECT_TRUE(SetCameraSetting(s, "DRIVER", "Kim\r\nBUZZER_OFF=1"));
  EXPECT_EQ(s.driver, "KimBUZZER_OFF=1");
}

TEST(TimeZoneTest, RowByValueThenByThePcOffset) {
  EXPECT_EQ(TimeZoneRows().size(), 32U);
  EXPECT_EQ(TimeZoneRowFor("-9", std::nullopt), 27);
  EXPECT_EQ(TimeZoneRows()[27].text, "(GMT+09:00) Osaka, Sapporo, Seoul, Tokyo, Yakutsk");
  EXPECT_EQ(TimeZoneRowFor("", -32400), 27);
  EXPECT_EQ(TimeZoneRowFor("abc", 0), 13);
  // The value must match exactly: "-9.0" is no row of the list.
  EXPECT_EQ(TimeZoneRowFor("-9.0", 3600), 12);
  EXPECT_EQ(TimeZoneRowFor("", 1234), -1);
  EXPECT_EQ(TimeZoneRowFor("", std::nullopt), -1);
  EXPECT_EQ(TimeZoneRows()[4].text, "(GMT-08:00) Pacific Time (US &amp; Canada), Tijuana");
  EXPECT_EQ(TimeZoneValue(22), "-5.75");
  EXPECT_EQ(TimeZoneValue(-1), "");
}

class CameraSetupTest : public ::testing::Test {
 protected:
  TempFolder card;
  std::filesystem::path setup = CardSetupFolder(card.path());
  std::filesystem::path ini = setup / "setup.ini";
};

TEST_F(CameraSetupTest, SaveOnACardWithoutSetupFolderWritesEveryKeyInOrder) {
  CameraSetupForm form = OpenCameraSetup(setup, -32400);
  EXPECT_EQ(form.time_zone_row, 27);
  form.settings.impact_x_index = 12;
  form.settings.impact_z_index = 20;
  const auto result = SaveCameraSetup(setup, card.path(), form);
  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.message, msg::kUserInfoSaved);
  const std::string text = ReadText(ini);
  EXPECT_EQ(KeysOf(text),
            (std::vector<std::string>{
                "DRIVER", "CAR_NO", "IMPACT_TYPE", "IMPACT_VAL_INDEX", "IMPACT_X", "IMPACT_Y", "IMPACT_Z",
                "IMPACT_X_INDEX", "IMPACT_Y_INDEX", "IMPACT_Z_INDEX", "CUTOFF_VOLT", "FPS_INDEX", "FPS",
                "FILE_PWD_ONOFF", "MUTE_ONOFF", "MIRROR_ONOFF", "PARKING_RATIO", "BUZZER_OFF", "TIME_ZONE"}));
  EXPECT_NE(text.find("IMPACT_VAL_INDEX=1\r\nIMPACT_X=1.2 G\r\nIMPACT_Y=0.7 G\r\nIMPACT_Z=2.0 G\r\n"
                      "IMPACT_X_INDEX=12\r\nIMPACT_Y_INDEX=7\r\nIMPACT_Z_INDEX=20\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("FPS_INDEX=3\r\nFPS=30 fps\r\n"), std::string::npos);
  EXPECT_NE(text.find("TIME_ZONE=-9\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(card / "driveTest.bin"));
}

TEST_F(CameraSetupTest, ReadBackSaveKeepsBuzzerOffAndOtherKeys) {
  std::filesystem::create_directories(setup);
  WriteText(ini, "[USER_SETUP]\r\nBUZZER_OFF=1\r\nTIME_ZONE=-9\r\nFIRMWARE_KEY=keep\r\n");
  const CameraSetupForm form = OpenCameraSetup(setup, 0);
  EXPECT_FALSE(form.settings.buzzer_on);
  ASSERT_TRUE(SaveCameraSetup(setup, card.path(), form).written);
  const std::string text = ReadText(ini);
  EXPECT_NE(text.find("BUZZER_OFF=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("FIRMWARE_KEY=keep\r\n"), std::string::npos);
  EXPECT_NE(text.find("TIME_ZONE=-9\r\n"), std::string::npos);
  EXPECT_EQ(OpenCameraSetup(setup, 0).settings, form.settings);
}

TEST_F(CameraSetupTest, RefusalsWriteNothing) {
  const CameraSetupForm form;
  EXPECT_EQ(SaveCameraSetup({}, card.path(), form).message, msg::kConnectSd);
  EXPECT_EQ(SaveCameraSetup(setup, card / "missing", form).message, msg::kNoSdOrWriteProtected);
  EXPECT_FALSE(std::filesystem::exists(setup));

  std::filesystem::create_directories(setup);
  WriteText(ini, "[USER_SETUP]\r\nDRIVER=old\r\n");
  std::filesystem::permissions(ini, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const auto result = SaveCameraSetup(setup, card.path(), form);
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.message, msg::kNoSdOrWriteProtected);
  EXPECT_EQ(ReadText(ini), "[USER_SETUP]\r\nDRIVER=old\r\n");
}

TEST_F(CameraSetupTest, FormValuesOfTheTimeZone) {
  CameraSetupForm form;
  EXPECT_TRUE(SetCameraSetupValue(form, "TIME_ZONE_ROW", "31"));
  EXPECT_EQ(form.time_zone_row, 31);
  EXPECT_TRUE(SetCameraSetupValue(form, "TIME_ZONE", "3.5"));
  EXPECT_EQ(form.time_zone_row, 9);
  EXPECT_TRUE(SetCameraSetupValue(form, "TIME_ZONE_ROW", "-1"));
  EXPECT_EQ(form.time_zone_row, -1);
  EXPECT_FALSE(SetCameraSetupValue(form, "TIME_ZONE_ROW", "32"));
  EXPECT_FALSE(SetCameraSetupValue(form, "TIME_ZONE_ROW", "1a"));
  EXPECT_FALSE(SetCameraSetupValue(form, "TIME_ZONE", "-13"));
}

TEST_F(CameraSetupTest, ClockFileHasNoLeadingZerosAndNoLineEnd) {
  const CivilTime moment{2012, 3, 14, 9, 5, 7};
  const auto result = SaveClockFile(setup, card.path(), moment);
  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.message, msg::kUserInfoSaved);
  EXPECT_EQ(ReadText(setup / "date.txt"), "2012 3 14 9 5 7");
  EXPECT_EQ(SaveClockFile({}, card.path(), moment).message, msg::kConnectSd);
}

TEST(ClockTextTest, WeekdayComesFromTheTexts) {
  EXPECT_EQ(Weekday({2012, 3, 14, 9, 5, 7}), 3);
  EXPECT_EQ(Weekday({1969, 12, 31, 0, 0, 0}), 3);
  EXPECT_EQ(Weekday({2026, 12, 6, 0, 0, 0}), 0);
  EXPECT_EQ(ClockDisplayText({2012, 3, 14, 9, 5, 7}, kEnglish), "2012-3-14, 9:5:7, Wednesday");
}

}  // namespace
}  // namespace direvovu
