#include "core/setup/camera_setup.h"

#include <cstdio>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/sdcard/sd_drive.h"
#include "core/settings/ini_document.h"
#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "core/setup/time_zones.h"

namespace direvovu {

CameraSetupForm OpenCameraSetup(const std::filesystem::path& setup_folder,
                                std::optional<long> pc_seconds_west) {
  CameraSetupForm form;
  if (!setup_folder.empty()) form.settings = ReadCameraSettings(setup_folder / kCameraSettingsFile);
  form.time_zone_row = TimeZoneRowFor(form.settings.time_zone, pc_seconds_west);
  return form;
}

bool SetCameraSetupValue(CameraSetupForm& form, std::string_view key, std::string_view value) {
  if (EqualsIgnoringCase(key, "TIME_ZONE_ROW")) {
    const int row = value.empty() ? -2 : LeadingNumber(value);
    if (row < -1 || row >= kTimeZoneCount || std::to_string(row) != value) return false;
    form.time_zone_row = row;
    return true;
  }
  if (EqualsIgnoringCase(key, "TIME_ZONE")) {
    const int row = TimeZoneRowFor(value, std::nullopt);
    if (row < 0 && !value.empty()) return false;
    form.time_zone_row = row;
    return true;
  }
  return SetCameraSetting(form.settings, key, value);
}

std::optional<MessageId> CheckCardForSetup(const std::filesystem::path& setup_folder,
                                           const std::filesystem::path& drive_root) {
  if (setup_folder.empty()) return msg::kConnectSd;
  if (drive_root.empty() || !IsDriveWritable(drive_root)) return msg::kNoSdOrWriteProtected;
  std::error_code ec;
  std::filesystem::create_directories(setup_folder, ec);  // a failure shows when the file is written
  return std::nullopt;
}

SetupWriteResult SaveCameraSetup(const std::filesystem::path& setup_folder,
                                 const std::filesystem::path& drive_root, const CameraSetupForm& form) {
  SetupWriteResult result;
  result.file = setup_folder / kCameraSettingsFile;
  result.message = CheckCardForSetup(setup_folder, drive_root);
  if (result.message) return result;
  CameraSettings settings = form.settings;
  settings.time_zone = std::string(TimeZoneValue(form.time_zone_row));
  // One rewrite with every key: a card pulled mid-save keeps the old file or the new one.
  result.written = CBIniFile(result.file).WriteStrings(kCameraSection, CameraSettingsToSave(settings));
  result.message = result.written ? msg::kUserInfoSaved : msg::kNoSdOrWriteProtected;
  return result;
}

SetupWriteResult SaveClockFile(const std::filesystem::path& setup_folder,
                               const std::filesystem::path& drive_root, const CivilTime& now) {
  SetupWriteResult result;
  result.file = setup_folder / kClockFile;
  result.message = CheckCardForSetup(setup_folder, drive_root);
  if (result.message) return result;
  const std::string text = ClockFileText(now);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  result.written = WriteFileAtomically(result.file, {bytes, text.size()});
  if (result.written) result.message = msg::kUserInfoSaved;
  return result;
}

std::string ClockFileText(const CivilTime& now) {
  char text[80];
  std::snprintf(text, sizeof text, "%d %d %d %d %d %d", now.year, now.month, now.day, now.hour, now.minute,
                now.second);
  return text;
}

int Weekday(const CivilTime& time) {
  const CivilTime midnight{time.year, time.month, time.day, 0, 0, 0};
  const std::int64_t days = SecondsSinceEpoch(midnight) / 86400;
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

std::string ClockDisplayText(const CivilTime& now, int language) {
  char text[80];
  std::snprintf(text, sizeof text, "%d-%d-%d, %d:%d:%d, ", now.year, now.month, now.day, now.hour, now.minute,
                now.second);
  return text + std::string(Text(TextTable::BlackBoxSetup,
                                 rows::black_box_setup::kFirstWeekday + Weekday(now), language));
}

}  // namespace direvovu
