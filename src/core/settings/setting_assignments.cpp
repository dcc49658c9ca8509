#include "core/settings/setting_assignments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "core/civil_time.h"
#include "core/limits.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

struct Range {
  std::string_view key;
  int lowest;
  int highest;
};

// The numeric keys the viewer setup and the main window store, with the values they store.
constexpr std::array<Range, 9> kRanges{{
    {"LANGUAGE", 0, kLanguageCount - 1},
    {"MARK_ROUTE_ONOFF", 0, 1},
    {"ROUTE_INTERVAL", 0, 6},
    {"VOLUME", 0, kMaxVolumeStep},
    {"SPEED_UNIT", 0, 1},
    {"SEARCH_START_CHECK", 0, 1},
    {"SEARCH_END_CHECK", 0, 1},
    {"DOWNLOAD_USE", 0, 1},
    {"SD_FILE_COPY_TO_LIST", 0, 1},
}};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

bool AllDigits(std::string_view text, std::size_t count) {
  return text.size() == count &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ValidDate(std::string_view text) {
  if (!AllDigits(text, 8)) return false;
  const CivilTime t{*WholeNumber(text.substr(0, 4)),
                    *WholeNumber(text.substr(4, 2)),
                    *WholeNumber(text.substr(6, 2)),
                    0,
                    0,
                    0};
  return IsValidCivilTime(t);
}

bool ValidTime(std::string_view text) {
  if (!AllDigits(text, 6)) return false;
  return *WholeNumber(text.substr(0, 2)) < 24 && *WholeNumber(text.substr(2, 2)) < 60 &&
         *WholeNumber(text.substr(4, 2)) < 60;
}

// Why `value` cannot be stored under `key`; nullopt when it can.
std::optional<std::string> ValueProblem(const SettingKey& key, std::string_view value) {
  // The viewer reads no more of a value; a longer folder would be read as another one.
  if (value.size() > limits::kIniValueChars)
    return "at most " + std::to_string(limits::kIniValueChars) + " characters";
  const auto range =
      std::find_if(kRanges.begin(), kRanges.end(), [&](const Range& r) { return r.key == key.name; });
  if (range != kRanges.end()) {
    const auto number = WholeNumber(value);
    if (number && *number >= range->lowest && *number <= range->highest) return std::nullopt;
    return "a whole number from " + std::to_string(range->lowest) + " to " + std::to_string(range->highest);
  }
  switch (key.rule) {
    case ReadRule::Date8:
      return ValidDate(value) ? std::nullopt : std::optional<std::string>("a date as YYYYMMDD");
    case ReadRule::Time6:
      return ValidTime(value) ? std::nullopt : std::optional<std::string>("a time as HHMMSS");
    case ReadRule::Number2:
    case ReadRule::Number3:
    case ReadRule::NumberWhole:
      return WholeNumber(value) ? std::nullopt : std::optional<std::string>("a whole number");
    case ReadRule::Text:
      break;
  }
  // The settings file is lines of text: a line break would make a second key.
  const bool oneLine =
      std::none_of(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; });
  return oneLine ? std::nullopt : std::optional<std::string>("a text on one line");
}

}  // namespace

SettingAssignments ReadSettingAssignments(const std::vector<std::string_view>& arguments) {
  SettingAssignments result;
  const auto& keys = ViewerSettingKeys();
  for (const std::string_view argument : arguments) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
      result.error = "'" + std::string(argument) + "' is not KEY=VALUE";
      return result;
    }
    const std::string_view name = argument.substr(0, equals);
    const std::string_view value = argument.substr(equals + 1);
    const auto key =
        std::find_if(keys.begin(), keys.end(), [&](const SettingKey& k) { return k.name == name; });
    if (key == keys.end()) {
      result.error = "'" + std::string(name) + "' is not a setting of the viewer";
      return result;
    }
    if (auto problem = ValueProblem(*key, value)) {
      result.error = std::string(name) + " takes " + *problem + ", not '" + std::string(value) + "'";
      return result;
    }
    result.pairs.emplace_back(name, value);
  }
  return result;
}

bool SaveSettingAssignments(const WorkingFolders& folders, const SettingAssignments& assignments) {
  return CBIniFile(folders.settings_file()).WriteStrings(kViewerSection, assignments.pairs);
}

}  // namespace direvovu
