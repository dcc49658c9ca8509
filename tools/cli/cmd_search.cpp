// direvovu-cli search: the detail search over a folder tree, printing the play list.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/sdcard/card_tables.h"
#include "core/settings/texts.h"
#include "core/setup/detail_search.h"
#include "message_text.h"
#include "platform/drive_table.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli search FOLDER [--start YYYY-MM-DDTHH:MM:SS] [--end YYYY-MM-DDTHH:MM:SS]\n"
    "\n"
    "Prints, one a line, the front recordings below FOLDER that the detail search puts\n"
    "into the play list, in play-list order. With both bounds: the recordings from start\n"
    "to end (both included); with one: every recording of that bound's day.\n"
    "Exit codes: 0 found, 1 usage or nothing found.\n";

std::optional<CivilTime> ParseMoment(std::string_view text) {
  CivilTime t;
  char sep = 0;
  int used = 0;
  const std::string s(text);
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &sep, &t.hour,
                  &t.minute, &t.second, &used) != 7 ||
      (sep != 'T' && sep != ' ') || used != static_cast<int>(s.size()) || !IsValidCivilTime(t)) {
    return std::nullopt;
  }
  return t;
}

}  // namespace

int RunSearch(Args args) {
  std::filesystem::path folder;
  SearchRange range{false, false, {}, {}};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
    if (a == "--start" || a == "--end") {
      if (i + 1 >= args.size()) return UsageError("search: " + std::string(a) + " needs a moment");
      const auto moment = ParseMoment(args[++i]);
      if (!moment) return UsageError("search: " + std::string(a) + " wants YYYY-MM-DDTHH:MM:SS");
      (a == "--start" ? range.start : range.end) = *moment;
      (a == "--start" ? range.use_start : range.use_end) = true;
    } else if (a.starts_with("-") || !folder.empty()) {
      return UsageError("search: unexpected argument '" + std::string(a) + "'");
    } else {
      folder = std::string(a);
    }
  }
  if (folder.empty()) return UsageError("search: missing FOLDER (try --help)");
  std::vector<std::filesystem::path> found;
  WalkRecordingFolder(folder, platform::CurrentDrives(), found);
  CardWorkTables tables;
  const auto taken = TakeRecordings(found, range, tables);
  if (taken.empty()) {
    PrintMessage(msg::kNoSearchedFile);
    return kExitUsage;
  }
  for (const auto& path : taken) std::cout << path.string() << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
