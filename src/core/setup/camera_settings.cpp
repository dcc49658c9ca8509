#include "core/setup/camera_settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "core/io/atomic_file.h"
#include "core/limits.h"
#include "core/settings/ini_document.h"
#include "core/settings/ini_file.h"

namespace direvovu {
namespace {

// A numeric key of the file: a list or radio index, or an on/off switch. The file holds
// a switch as 0/1, and BUZZER_OFF's 1 means the switch is off.
struct NumberKey {
  std::string_view name;
  int CameraSettings::*index;
  bool CameraSettings::*flag;
  bool inverted;
  int default_value;  // the file's number
  int count;
};

constexpr NumberKey IndexKey(std::string_view name, int CameraSettings::*member, int default_value,
                             int count) {
  return {name, member, nullptr, false, default_value, count};
}

constexpr NumberKey SwitchKey(std::string_view name, bool CameraSettings::*member, bool inverted,
                              bool default_on) {
  return {name, nullptr, member, inverted, default_on != inverted ? 1 : 0, 2};
}

// In the file's order.
constexpr std::array<NumberKey, 12> kNumberKeys{{
    IndexKey("IMPACT_TYPE", &CameraSettings::impact_type, 0, 2),
    IndexKey("IMPACT_VAL_INDEX", &CameraSettings::impact_val_index, 1, kSensitivityCount),
    IndexKey("IMPACT_X_INDEX", &CameraSettings::impact_x_index, 7, kThresholdCount),
    IndexKey("IMPACT_Y_INDEX", &CameraSettings::impact_y_index, 7, kThresholdCount),
    IndexKey("IMPACT_Z_INDEX", &CameraSettings::impact_z_index, 7, kThresholdCount),
    IndexKey("CUTOFF_VOLT", &CameraSettings::cutoff_volt, 0, kCutOffVoltCount),
    IndexKey("FPS_INDEX", &CameraSettings::fps_index, 3, kFrameRateCount),
    SwitchKey("FILE_PWD_ONOFF", &CameraSettings::file_pwd_on, false, false),
    SwitchKey("MUTE_ONOFF", &CameraSettings::mute_on, false, false),
    SwitchKey("MIRROR_ONOFF", &CameraSettings::mirror_on, false, false),
    IndexKey("PARKING_RATIO", &CameraSettings::parking_ratio, 0, 2),
    SwitchKey("BUZZER_OFF", &CameraSettings::buzzer_on, true, true),
}};

int FileNumber(const CameraSettings& s, const NumberKey& key) {
  if (key.index != nullptr) return s.*key.index;
  return s.*key.flag != key.inverted ? 1 : 0;
}

// `number` is one the key's control can hold.
void SetFileNumber(CameraSettings& s, const NumberKey& key, int number) {
  if (key.index != nullptr) {
    s.*key.index = number;
  } else {
    s.*key.flag = (number == 1) != key.inverted;
  }
}

constexpr std::array<std::string_view, kFrameRateCount> kFrameRates{"10 fps", "16 fps", "24 fps", "30 fps"};
constexpr std::array<std::string_view, kCutOffVoltCount> kCutOffVolts{"11.5 V", "11.7 V", "11.9 V", "12.1 V"};
constexpr std::array<std::string_view, kSensitivityCount> kPresets{"1.3", "0.9", "0.7"};

const NumberKey* FindNumberKey(std::string_view name) {
  const auto* it = std::find_if(kNumberKeys.begin(), kNumberKeys.end(),
                                [&](const NumberKey& k) { return EqualsIgnoringCase(k.name, name); });
  return it == kNumberKeys.end() ? nullptr : it;
}

// The viewer's rule for numbers in settings files: the number at the start of the first
// two characters. A number the control cannot show is replaced by the default.
int ReadNumber(const IniLookup& doc, const NumberKey& key) {
  const auto text = doc.Get(kCameraSection, key.name);
  if (!text) return key.default_value;
  const int value = LeadingNumber(std::string_view(*text).substr(0, 2));
  return value >= 0 && value < key.count ? value : key.default_value;
}

std::string ReadText(const IniLookup& doc, std::string_view key) {
  const auto text = doc.Get(kCameraSection, key);
  return text ? TruncateUtf8(*text, kCameraTextChars) : std::string();
}

// A line end in a name would start a key of its own in the camera's file.
std::string SafeText(std::string_view text) {
  std::string out;
  for (const char c : TruncateUtf8(text, kCameraTextChars)) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
  }
  return out;
}

std::optional<int> StrictNumber(std::string_view text) {
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::string_view ListText(std::span<const std::string_view> list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size())) return "";
  return list[static_cast<std::size_t>(index)];
}

}  // namespace

CameraSettings ParseCameraSettings(std::span<const std::uint8_t> bytes) {
  // Indexed once: a file padded with thousands of lines must not cost a search per key.
  const IniLookup doc(IniDocument::Parse(bytes));
  CameraSettings s;
  s.driver = ReadText(doc, "DRIVER");
  s.car_no = ReadText(doc, "CAR_NO");
  for (const auto& key : kNumberKeys) SetFileNumber(s, key, ReadNumber(doc, key));
  s.time_zone = TruncateUtf8(doc.Get(kCameraSection, "TIME_ZONE").value_or(""), limits::kIniValueChars);
  return s;
}

CameraSettings ReadCameraSettings(const std::filesystem::path& setup_ini) {
  const auto bytes = ReadSmallFile(setup_ini, limits::kMaxIniFileBytes);
  return bytes ? ParseCameraSettings(*bytes) : CameraSettings{};
}

std::string ThresholdText(int index) {
  if (index < 0 || index >= kThresholdCount) return "";
  return std::to_string(index / 10) + "." + std::to_string(index % 10) + " G";
}

std::string FrameRateText(int index) { return std::string(ListText(kFrameRates, index)); }
std::string CutOffVoltText(int index) { return std::string(ListText(kCutOffVolts, index)); }

std::string_view SensitivityPreset(int sensitivity_index) {
  // No selection counts as the most sensitive preset, as the camera's own setup did.
  if (sensitivity_index < 0 || sensitivity_index >= kSensitivityCount) return kPresets[2];
  return kPresets[static_cast<std::size_t>(sensitivity_index)];
}

std::vector<std::pair<std::string, std::string>> CameraSettingsToSave(const CameraSettings& s) {
  const auto number = [](int v) { return std::to_string(v); };
  const std::string preset(SensitivityPreset(s.impact_val_index));
  return {
      {"DRIVER", SafeText(s.driver)},
      {"CAR_NO", SafeText(s.car_no)},
      {"IMPACT_TYPE", number(s.impact_type)},
      {"IMPACT_VAL_INDEX", number(s.impact_val_index)},
      {"IMPACT_X", preset},
      {"IMPACT_Y", preset},
      {"IMPACT_Z", preset},
      {"IMPACT_X_INDEX", number(s.impact_x_index)},
      {"IMPACT_Y_INDEX", number(s.impact_y_index)},
      {"IMPACT_Z_INDEX", number(s.impact_z_index)},
      {"IMPACT_X", ThresholdText(s.impact_x_index)},
      {"IMPACT_Y", ThresholdText(s.impact_y_index)},
      {"IMPACT_Z", ThresholdText(s.impact_z_index)},
      {"CUTOFF_VOLT", number(s.cutoff_volt)},
      {"FPS_INDEX", number(s.fps_index)},
      {"FPS", FrameRateText(s.fps_index)},
      {"FILE_PWD_ONOFF", number(s.file_pwd_on ? 1 : 0)},
      {"MUTE_ONOFF", number(s.mute_on ? 1 : 0)},
      {"MIRROR_ONOFF", number(s.mirror_on ? 1 : 0)},
      {"PARKING_RATIO", number(s.parking_ratio)},
      {"BUZZER_OFF", number(s.buzzer_on ? 0 : 1)},
      {"TIME_ZONE", s.time_zone},
  };
}

std::vector<std::string> DescribeCameraSettings(const CameraSettings& s) {
  std::vector<std::string> lines{"DRIVER=" + s.driver, "CAR_NO=" + s.car_no};
  for (const auto& key : kNumberKeys)
    lines.push_back(std::string(key.name) + "=" + std::to_string(FileNumber(s, key)));
  lines.push_back("TIME_ZONE=" + s.time_zone);
  return lines;
}

bool SetCameraSetting(CameraSettings& s, std::string_view key, std::string_view value) {
  if (EqualsIgnoringCase(key, "DRIVER") || EqualsIgnoringCase(key, "CAR_NO")) {
    (EqualsIgnoringCase(key, "DRIVER") ? s.driver : s.car_no) = SafeText(value);
    return true;
  }
  const auto number = StrictNumber(value);
  if (!number) return false;
  if (EqualsIgnoringCase(key, "BUZZER")) {
    if (*number != 0 && *number != 1) return false;
    s.buzzer_on = *number == 1;
    return true;
  }
  const NumberKey* k = FindNumberKey(key);
  if (k == nullptr || *number < 0 || *number >= k->count) return false;
  SetFileNumber(s, *k, *number);
  return true;
}

}  // namespace direvovu
