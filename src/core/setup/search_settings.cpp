#include "core/setup/search_settings.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "core/settings/ini_document.h"

namespace direvovu {
namespace {

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (text.size() < at + count) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// A stored date over `moment`'s date; the moment unchanged when the text is no date.
CivilTime WithDate(CivilTime moment, std::string_view text) {
  const auto y = Digits(text, 0, 4);
  const auto m = Digits(text, 4, 2);
  const auto d = Digits(text, 6, 2);
  if (!y || !m || !d) return moment;
  const CivilTime dated{*y, *m, *d, moment.hour, moment.minute, moment.second};
  return IsValidCivilTime(dated) ? dated : moment;
}

CivilTime WithTime(CivilTime moment, std::string_view text) {
  const auto h = Digits(text, 0, 2);
  const auto m = Digits(text, 2, 2);
  const auto s = Digits(text, 4, 2);
  if (!h || !m || !s) return moment;
  const CivilTime timed{moment.year, moment.month, moment.day, *h, *m, *s};
  return IsValidCivilTime(timed) ? timed : moment;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): date key, then time key, as stored
CivilTime ReadMoment(const WorkingFolders& folders, const CivilTime& fallback, std::string_view date_key,
                     std::string_view time_key) {
  const std::string today = DateText(fallback);
  const CivilTime dated = WithDate(fallback, ReadSettingText(folders, date_key, today));
  return WithTime(dated, ReadSettingText(folders, time_key, today));
}

}  // namespace

std::string DateText(const CivilTime& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d", m.year, m.month, m.day);
  return text;
}

std::string TimeText(const CivilTime& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02d%02d", m.hour, m.minute, m.second);
  return text;
}

DetailSearchSettings ReadDetailSearchSettings(const WorkingFolders& folders, const CivilTime& today,
                                              const std::filesystem::path& card_root) {
  DetailSearchSettings s;
  s.folder = ReadSettingText(folders, "SEARCH_PATH", "");
  if (TrimBlanks(s.folder).empty()) {
    s.folder = card_root.empty() ? ReadSettingText(folders, "SD_DOWN_FOLDER", "") : card_root.string();
  }
  s.range.use_start = ReadSettingNumber(folders, "SEARCH_START_CHECK") != 0;
  s.range.use_end = ReadSettingNumber(folders, "SEARCH_END_CHECK") != 0;
  s.range.start = ReadMoment(folders, {today.year, today.month, today.day, 0, 0, 0}, "SEARCH_START_DATE",
                             "SEARCH_START_TIME");
  s.range.end = ReadMoment(folders, {today.year, today.month, today.day, 23, 59, 59}, "SEARCH_END_DATE",
                           "SEARCH_END_TIME");
  return s;
}

bool WriteSearchFolder(const WorkingFolders& folders, const std::string& folder) {
  return CBIniFile(folders.settings_file()).WriteString(kViewerSection, "SEARCH_PATH", folder);
}

bool WriteSearchRange(const WorkingFolders& folders, const SearchRange& range) {
  return CBIniFile(folders.settings_file())
      .WriteStrings(kViewerSection, {{"SEARCH_START_DATE", DateText(range.start)},
                                     {"SEARCH_START_TIME", TimeText(range.start)},
                                     {"SEARCH_END_DATE", DateText(range.end)},
                                     {"SEARCH_END_TIME", TimeText(range.end)},
                                     {"SEARCH_START_CHECK", range.use_start ? "1" : "0"},
                                     {"SEARCH_END_CHECK", range.use_end ? "1" : "0"}});
}

}  // namespace direvovu
