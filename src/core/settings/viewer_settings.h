#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/limits.h"
#include "core/settings/ini_file.h"
#include "core/settings/speed_unit.h"
#include "core/settings/texts.h"

namespace direvovu {

inline constexpr std::string_view kViewerSection = "VIEWER_SETUP";
inline constexpr std::string_view kViewerSettingsFile = "Env_Setup.txt";

// How a key's stored text becomes the value the viewer uses.
enum class ReadRule {
  Text,         // as stored
  Number2,      // number at the start of the first 2 characters
  Number3,      // number at the start of the first 3 characters (the volume)
  NumberWhole,  // number at the start of the whole text (the two search checks)
  Date8,        // "YYYYMMDD"
  Time6,        // "HHMMSS"
};

struct SettingKey {
  std::string_view name;
  ReadRule rule;
};

// Every key of section VIEWER_SETUP, in the order of the key table.
const std::vector<SettingKey>& ViewerSettingKeys();

// The viewer's working folders hang off one root (see platform WorkingRoot()).
struct WorkingFolders {
  explicit WorkingFolders(std::filesystem::path root);
  std::filesystem::path root;
  [[nodiscard]] std::filesystem::path settings_file() const { return root / kViewerSettingsFile; }
  [[nodiscard]] std::filesystem::path download() const { return root / "SD"; }
  [[nodiscard]] std::filesystem::path capture() const { return root / "CAPTURE"; }
  [[nodiscard]] std::filesystem::path decryption() const { return root / "DECRYPTION"; }
  [[nodiscard]] std::filesystem::path event() const { return root / "EVENT"; }
  [[nodiscard]] std::filesystem::path obd() const { return root / "OBD"; }
  // Where incident folders go unless the user chose another place; made by the first export.
  [[nodiscard]] std::filesystem::path export_folder() const { return root / "EXPORT"; }
  [[nodiscard]] std::filesystem::path front_copy() const { return root / "DecodedFrontData.dat"; }
  [[nodiscard]] std::filesystem::path rear_copy() const { return root / "DecodedRearData.dat"; }
};

// Creates the root and the download, capture, decryption and event folders, in that
// order; folders that exist stay as they are. The OBD folder is never created.
// Returns false when the root itself could not be made.
bool CreateWorkingFolders(const WorkingFolders& folders);

// Stored text of a key, or its default ("today" is the local date as YYYYMMDD).
std::string DefaultSettingText(const WorkingFolders& folders, std::string_view key, std::string_view today);
std::string ReadSettingText(const WorkingFolders& folders, std::string_view key, std::string_view today);
// A numeric key by its rule; the default's number when the key is missing.
int ReadSettingNumber(const WorkingFolders& folders, std::string_view key);
// The number a numeric rule makes of a stored text.
int ApplyNumberRule(ReadRule rule, std::string_view text);

enum class FolderKind { Download = 0, Capture = 1, Decryption = 2, Export = 3 };
// SD_DOWN_FOLDER, CAPTURE_FOLDER, DECRYPTION_FOLDER or EXPORT_FOLDER with its default
// (also for a key that is present but blank).
std::filesystem::path SettingFolder(const WorkingFolders& folders, FolderKind kind);
// Stores the folder under its key; false when the settings file could not be written.
bool SaveSettingFolder(const WorkingFolders& folders, FolderKind kind, const std::filesystem::path& folder);

inline constexpr int kDefaultMarkerIntervalMs = 3000;

// The values the main window keeps and applies.
struct AppliedSettings {
  Language language = kChineseTraditional;
  bool marker_on = true;  // the map draws the travelled route, not only the point
  int marker_interval_ms = kDefaultMarkerIntervalMs;
  int volume_step = 5;
  SpeedUnit speed_unit = SpeedUnit::Kmh;
};

// Marker interval of a ROUTE_INTERVAL index, 0 for an index outside 0..6.
int MarkerIntervalMs(int index);

// The settings load: LANGUAGE, MARK_ROUTE_ONOFF, ROUTE_INTERVAL, VOLUME and SPEED_UNIT
// read and applied over `previous`. A language outside 0..6 becomes the default, an
// interval index outside 0..6 keeps the previous interval, the volume is held to 0..10.
AppliedSettings LoadAppliedSettings(const WorkingFolders& folders, const AppliedSettings& previous);

// Written when the main window closes.
bool SaveVolume(const WorkingFolders& folders, int volume_step);

// KEY=value lines of every key as the viewer uses it, then MARKER_INTERVAL_MS.
std::vector<std::string> DescribeSettings(const WorkingFolders& folders, std::string_view today);

}  // namespace direvovu
