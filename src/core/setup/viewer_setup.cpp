#include "core/setup/viewer_setup.h"

#include "core/settings/ini_document.h"
#include "core/settings/ini_file.h"

namespace direvovu {
namespace {

constexpr int kIntervalCount = 7;

}  // namespace

ViewerSetupValues OpenViewerSetup(const WorkingFolders& folders, int current_language) {
  ViewerSetupValues v;
  v.download_folder = ReadSettingText(folders, "SD_DOWN_FOLDER", "");
  v.capture_folder = ReadSettingText(folders, "CAPTURE_FOLDER", "");
  v.decryption_folder = ReadSettingText(folders, "DECRYPTION_FOLDER", "");
  v.language =
      current_language >= 0 && current_language < kLanguageCount ? current_language : kDefaultLanguage;
  v.marker_on = ReadSettingNumber(folders, "MARK_ROUTE_ONOFF") != 0;
  const int interval = ReadSettingNumber(folders, "ROUTE_INTERVAL");
  v.route_interval = interval >= 0 && interval < kIntervalCount ? interval : 1;
  v.speed_unit = ReadSettingNumber(folders, "SPEED_UNIT") != 0 ? 1 : 0;
  return v;
}

std::vector<std::pair<std::string, std::string>> ViewerSetupToSave(const ViewerSetupValues& v, int volume) {
  return {
      {"SD_DOWN_FOLDER", TruncateUtf8(v.download_folder, kStoredFolderChars)},
      {"CAPTURE_FOLDER", TruncateUtf8(v.capture_folder, kStoredFolderChars)},
      {"DECRYPTION_FOLDER", TruncateUtf8(v.decryption_folder, kStoredFolderChars)},
      {"LANGUAGE", std::to_string(v.language)},
      {"MARK_ROUTE_ONOFF", v.marker_on ? "1" : "0"},
      {"ROUTE_INTERVAL", std::to_string(v.route_interval)},
      {"VOLUME", std::to_string(volume)},
      {"SPEED_UNIT", std::to_string(v.speed_unit)},
  };
}

bool SaveViewerSetup(const WorkingFolders& folders, const ViewerSetupValues& values, int volume) {
  return CBIniFile(folders.settings_file()).WriteStrings(kViewerSection, ViewerSetupToSave(values, volume));
}

}  // namespace direvovu
