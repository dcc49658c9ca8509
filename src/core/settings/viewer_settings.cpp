#include "core/settings/viewer_settings.h"

#include <algorithm>
#include <system_error>

#include "core/limits.h"
#include "core/settings/ini_document.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

constexpr std::array<int, 7> kMarkerIntervals{1000, 3000, 5000, 7000, 10000, 15000, 20000};
// Indexed by FolderKind.
constexpr std::array<std::string_view, 4> kFolderKeys{"SD_DOWN_FOLDER", "CAPTURE_FOLDER", "DECRYPTION_FOLDER",
                                                      "EXPORT_FOLDER"};

const SettingKey* FindKey(std::string_view key) {
  const auto& keys = ViewerSettingKeys();
  const auto it = std::find_if(keys.begin(), keys.end(), [&](const SettingKey& k) { return k.name == key; });
  return it == keys.end() ? nullptr : &*it;
}

CBIniFile SettingsFile(const WorkingFolders& folders) { return CBIniFile(folders.settings_file()); }

}  // namespace

const std::vector<SettingKey>& ViewerSettingKeys() {
  static const std::vector<SettingKey> keys{
      {"SD_DOWN_FOLDER", ReadRule::Text},
      {"CAPTURE_FOLDER", ReadRule::Text},
      {"DECRYPTION_FOLDER", ReadRule::Text},
      {"LANGUAGE", ReadRule::Number2},
      {"MARK_ROUTE_ONOFF", ReadRule::Number2},
      {"ROUTE_INTERVAL", ReadRule::Number2},
      {"VOLUME", ReadRule::Number3},
      {"SPEED_UNIT", ReadRule::Number2},
      {"SEARCH_PATH", ReadRule::Text},
      {"SEARCH_START_CHECK", ReadRule::NumberWhole},
      {"SEARCH_END_CHECK", ReadRule::NumberWhole},
      {"SEARCH_START_DATE", ReadRule::Date8},
      {"SEARCH_START_TIME", ReadRule::Time6},
      {"SEARCH_END_DATE", ReadRule::Date8},
      {"SEARCH_END_TIME", ReadRule::Time6},
      {"EVENT_PATH", ReadRule::Text},
      {"OPEN_PATH", ReadRule::Text},
      {"DOWNLOAD_SD", ReadRule::Text},
      {"DOWNLOAD_USE", ReadRule::Number2},
      {"SD_FILE_COPY_TO_LIST", ReadRule::Number2},
      {"MAP_TILE_URL", ReadRule::Text},
      {"MAP_TILE_ATTRIBUTION", ReadRule::Text},
      {"ADDRESS_SERVICE_URL", ReadRule::Text},
      {"ADDRESS_SERVICE_KIND", ReadRule::Text},
      {"EXPORT_FOLDER", ReadRule::Text},
  };
  return keys;
}

WorkingFolders::WorkingFolders(std::filesystem::path root_folder) : root(std::move(root_folder)) {}

bool CreateWorkingFolders(const WorkingFolders& folders) {
  std::error_code ec;
  std::filesystem::create_directories(folders.root, ec);
  const bool root_ok = std::filesystem::is_directory(folders.root, ec);
  for (const auto& dir : {folders.download(), folders.capture(), folders.decryption(), folders.event()}) {
    std::filesystem::create_directory(dir, ec);
  }
  return root_ok;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the key, then the date of today
std::string DefaultSettingText(const WorkingFolders& folders, std::string_view key, std::string_view today) {
  if (key == "SD_DOWN_FOLDER") return folders.download().string();
  if (key == "CAPTURE_FOLDER") return folders.capture().string();
  if (key == "DECRYPTION_FOLDER") return folders.decryption().string();
  if (key == "EXPORT_FOLDER") return folders.export_folder().string();
  if (key == "LANGUAGE") return std::to_string(kDefaultLanguage);
  if (key == "MARK_ROUTE_ONOFF" || key == "ROUTE_INTERVAL" || key == "SPEED_UNIT") return "1";
  if (key == "VOLUME") return "5";
  if (key == "SEARCH_START_CHECK" || key == "SEARCH_END_CHECK" || key == "DOWNLOAD_USE") return "1";
  if (key == "SEARCH_START_DATE" || key == "SEARCH_END_DATE") return std::string(today);
  if (key == "SEARCH_START_TIME") return "000000";
  if (key == "SEARCH_END_TIME") return "235959";
  if (key == "SD_FILE_COPY_TO_LIST") return "0";
  // The map's tiles: the OpenStreetMap standard layer unless a template, folder or
  // MBTiles file is named.
  if (key == "MAP_TILE_URL") return "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
  // The route window's addresses: OpenStreetMap's Nominatim unless another service is
  // named; a blank address turns the lookup off.
  if (key == "ADDRESS_SERVICE_URL") return "https://nominatim.openstreetmap.org";
  if (key == "ADDRESS_SERVICE_KIND") return "nominatim";
  return "";
}

std::string ReadSettingText(const WorkingFolders& folders, std::string_view key, std::string_view today) {
  return SettingsFile(folders).GetString(kViewerSection, key, DefaultSettingText(folders, key, today),
                                         limits::kIniValueChars + 1);
}

int ApplyNumberRule(ReadRule rule, std::string_view text) {
  switch (rule) {
    case ReadRule::Number2:
      return LeadingNumber(text.substr(0, 2));
    case ReadRule::Number3:
      return LeadingNumber(text.substr(0, 3));
    default:
      return LeadingNumber(text);
  }
}

int ReadSettingNumber(const WorkingFolders& folders, std::string_view key) {
  const SettingKey* k = FindKey(key);
  const ReadRule rule = k ? k->rule : ReadRule::NumberWhole;
  return ApplyNumberRule(rule, ReadSettingText(folders, key, ""));
}

std::filesystem::path SettingFolder(const WorkingFolders& folders, FolderKind kind) {
  const std::string_view key = kFolderKeys[static_cast<std::size_t>(kind)];
  // A key present but blank would put files wherever the program happens to run.
  const std::string value = ReadSettingText(folders, key, "");
  if (TrimBlanks(value).empty()) return DefaultSettingText(folders, key, "");
  return value;
}

bool SaveSettingFolder(const WorkingFolders& folders, FolderKind kind, const std::filesystem::path& folder) {
  return SettingsFile(folders).WriteString(kViewerSection, kFolderKeys[static_cast<std::size_t>(kind)],
                                           folder.string());
}

int MarkerIntervalMs(int index) {
  if (index < 0 || index >= static_cast<int>(kMarkerIntervals.size())) return 0;
  return kMarkerIntervals[static_cast<std::size_t>(index)];
}

AppliedSettings LoadAppliedSettings(const WorkingFolders& folders, const AppliedSettings& previous) {
  AppliedSettings s = previous;
  const int language = ReadSettingNumber(folders, "LANGUAGE");
  s.language =
      static_cast<Language>(language >= 0 && language < kLanguageCount ? language : kDefaultLanguage);
  s.marker_on = ReadSettingNumber(folders, "MARK_ROUTE_ONOFF") != 0;
  if (const int interval = MarkerIntervalMs(ReadSettingNumber(folders, "ROUTE_INTERVAL")); interval > 0) {
    s.marker_interval_ms = interval;
  }
  s.volume_step = std::clamp(ReadSettingNumber(folders, "VOLUME"), 0, kMaxVolumeStep);
  s.speed_unit = SpeedUnitFromSetting(ReadSettingNumber(folders, "SPEED_UNIT"));
  return s;
}

bool SaveVolume(const WorkingFolders& folders, int volume_step) {
  return SettingsFile(folders).WriteString(kViewerSection, "VOLUME", std::to_string(volume_step));
}

std::vector<std::string> DescribeSettings(const WorkingFolders& folders, std::string_view today) {
  const AppliedSettings applied = LoadAppliedSettings(folders, AppliedSettings{});
  std::vector<std::string> lines;
  for (const auto& key : ViewerSettingKeys()) {
    std::string value;
    if (key.name == "LANGUAGE") {
      value = std::to_string(applied.language);
    } else if (key.name == "VOLUME") {
      value = std::to_string(applied.volume_step);
    } else if (const auto folder = std::find(kFolderKeys.begin(), kFolderKeys.end(), key.name);
               folder != kFolderKeys.end()) {
      value = SettingFolder(folders, static_cast<FolderKind>(folder - kFolderKeys.begin())).string();
    } else if (key.rule == ReadRule::Text || key.rule == ReadRule::Date8 || key.rule == ReadRule::Time6) {
      value = ReadSettingText(folders, key.name, today);
    } else {
      value = std::to_string(ReadSettingNumber(folders, key.name));
    }
    lines.push_back(std::string(key.name) + "=" + value);
  }
  lines.push_back("MARKER_INTERVAL_MS=" + std::to_string(applied.marker_interval_ms));
  return lines;
}

}  // namespace direvovu
