#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/civil_time.h"
#include "core/setup/camera_settings.h"

#include "core/settings/texts.h"

namespace direvovu {

// What the camera setup shows and saves: the card's settings and the selected row of
// the time-zone list (-1 for none).
struct CameraSetupForm {
  CameraSettings settings;
  int time_zone_row = -1;
};

// The card's folder for both camera files.
inline std::filesystem::path CardSetupFolder(const std::filesystem::path& card_root) {
  return card_root / "Setup";
}

// The form as the dialog opens it: setup.ini of `setup_folder` read with every default
// (an empty folder reads nothing), the time-zone row chosen by TIME_ZONE, else by the
// PC's offset west of UTC.
CameraSetupForm OpenCameraSetup(const std::filesystem::path& setup_folder,
                                std::optional<long> pc_seconds_west);

// One control's value: TIME_ZONE_ROW=N, TIME_ZONE=value (a value of the list) or a key
// of SetCameraSetting. False when the key is unknown or the value unfit.
bool SetCameraSetupValue(CameraSetupForm& form, std::string_view key, std::string_view value);

// The check before anything goes to the card: nothing when the files may be written (the
// setup folder is then made if missing), else the message: 13 for no setup folder, 14
// when the drive takes no test file.
std::optional<MessageId> CheckCardForSetup(const std::filesystem::path& setup_folder, const std::filesystem::path& drive_root);

struct SetupWriteResult {
  bool written = false;
  std::optional<MessageId> message;  // 15 when written; 13 or 14 when refused; none when silent
  std::filesystem::path file;
};

// Save: the card check, then setup.ini rewritten once with every key in the save's
// order. A setup.ini that cannot be rewritten (read-only, say) gives message 14.
SetupWriteResult SaveCameraSetup(const std::filesystem::path& setup_folder,
                                 const std::filesystem::path& drive_root, const CameraSetupForm& form);

// Save Time: the card check, then date.txt with `now`. A file that cannot be written
// after the check gives no message.
SetupWriteResult SaveClockFile(const std::filesystem::path& setup_folder,
                               const std::filesystem::path& drive_root, const CivilTime& now);

// "2012 3 14 9 5 7": date.txt, without a line end.
std::string ClockFileText(const CivilTime& now);
// 0 = Sunday .. 6 = Saturday.
int Weekday(const CivilTime& time);
// "2012-3-14, 9:5:7, Wednesday", the weekday from the black box setup texts.
std::string ClockDisplayText(const CivilTime& now, int language);

}  // namespace direvovu
