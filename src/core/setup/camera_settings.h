#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace direvovu {

inline constexpr std::string_view kCameraSection = "USER_SETUP";
inline constexpr std::string_view kCameraSettingsFile = "setup.ini";
inline constexpr std::string_view kClockFile = "date.txt";
// Driver and car number are cut to this many characters when written.
inline constexpr std::size_t kCameraTextChars = 260;

inline constexpr int kThresholdCount = 21;   // "0.0 G" .. "2.0 G"
inline constexpr int kFrameRateCount = 4;    // "10 fps" .. "30 fps"
inline constexpr int kCutOffVoltCount = 4;   // "11.5 V" .. "12.1 V"
inline constexpr int kSensitivityCount = 3;  // INSENSITIVE, NORMAL, SENSITIVE

// The camera's settings as setup.ini holds them (section USER_SETUP), every value in
// the range of its list or radio pair.
struct CameraSettings {
  std::string driver;
  std::string car_no;
  int impact_type = 0;       // 0 fast setup (by sensitivity), 1 manual setup (by axis)
  int impact_val_index = 1;  // sensitivity
  int impact_x_index = 7;    // thresholds, index into the 21 "n.n G" entries
  int impact_y_index = 7;
  int impact_z_index = 7;
  int cutoff_volt = 0;
  int fps_index = 3;
  bool file_pwd_on = false;  // FILE_PWD_ONOFF
  bool mute_on = false;      // MUTE_ONOFF
  bool mirror_on = false;    // MIRROR_ONOFF
  int parking_ratio = 0;     // 0 = 25 %, 1 = 50 %
  bool buzzer_on = true;     // BUZZER_OFF, whose 1 in the file is the buzzer off
  std::string time_zone;     // hours west of UTC as the time-zone list's value text

  friend bool operator==(const CameraSettings&, const CameraSettings&) = default;
};

// The settings of setup.ini's bytes: a missing key, and a number outside its list or
// radio pair, take the default; bytes that are no INI text give every default.
CameraSettings ParseCameraSettings(std::span<const std::uint8_t> bytes);
// The same from a file; every default when it is missing or cannot be read.
CameraSettings ReadCameraSettings(const std::filesystem::path& setup_ini);

// Texts of the value lists.
std::string ThresholdText(int index);   // "0.7 G"
std::string FrameRateText(int index);   // "30 fps"
std::string CutOffVoltText(int index);  // "11.5 V"
// IMPACT_X/Y/Z as fast setup first writes them for a sensitivity.
std::string_view SensitivityPreset(int sensitivity_index);

// Every key a save writes, in its order: the sensitivity's preset goes to IMPACT_X/Y/Z
// first, the selected thresholds' texts replace it right after the three indices (so a
// new file holds the three between IMPACT_VAL_INDEX and IMPACT_X_INDEX).
std::vector<std::pair<std::string, std::string>> CameraSettingsToSave(const CameraSettings& s);

// KEY=value of every key the camera setup reads, in the file's order, with the numbers
// the file holds for them.
std::vector<std::string> DescribeCameraSettings(const CameraSettings& s);

// Sets one key but TIME_ZONE as the dialog's control would (KEY as in the file, or
// BUZZER for the dialog's buzzer choice 0/1). False when the key is unknown or the
// value is not one the control can hold.
bool SetCameraSetting(CameraSettings& s, std::string_view key, std::string_view value);

}  // namespace direvovu
