// direvovu-cli events: the event report of an event folder, as the event report window
// lists and saves it.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/reports/event_report.h"
#include "core/reports/event_report_file.h"
#include "core/sdcard/card_tables.h"
#include "core/settings/texts.h"
#include "options.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli events FOLDER [--report FILE] [--language N]\n"
    "\n"
    "Reads the event text files of FOLDER (one level, names ending in txt, in name\n"
    "order) and prints one line per event as the event report lists it:\n"
    "number<TAB>date<TAB>time<TAB>X<TAB>Y<TAB>Z<TAB>factor, then the counts by factor\n"
    "as 'total X=N Y=N Z=N'.\n"
    "\n"
    "  --report FILE  also write the report file (UTF-16 with byte-order mark), byte\n"
    "                 for byte as the viewer saves it; an existing FILE is replaced;\n"
    "                 without events nothing is written\n"
    "  --language N   language of the report's headings 0..6 (default 1, English)\n";

struct EventsOptions {
  std::filesystem::path folder;
  std::optional<std::filesystem::path> report;
  int language = kEnglish;
  bool help = false;
};

std::string ParseOptions(Args args, EventsOptions& options) {
  bool have_folder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--report" || arg.starts_with("--report=")) {
      const auto value = OptionValue(args, i, "--report");
      if (!value || value->empty()) return "--report needs a file name";
      options.report = std::filesystem::path(*value);
    } else if (arg == "--language" || arg.starts_with("--language=")) {
      const auto value = OptionValue(args, i, "--language");
      if (!value) return "--language needs a number 0..6";
      const auto language = ParseLanguage(*value);
      if (!language) return "language '" + std::string(*value) + "' is not 0..6";
      options.language = *language;
    } else if (!arg.starts_with("--") && !have_folder) {
      options.folder = std::filesystem::path(arg);
      have_folder = true;
    } else {
      return "unexpected argument '" + std::string(arg) + "'";
    }
  }
  if (!have_folder && !options.help) return "missing event FOLDER (try events --help)";
  return {};
}

void PrintRows(const reports::EventList& list) {
  for (const reports::EventRow& row : list.rows) {
    std::cout << row.number << '\t' << row.date << '\t' << row.time << '\t' << row.x << '\t' << row.y << '\t'
              << row.z << '\t' << reports::AxisName(row.factor) << '\n';
  }
  std::cout << "total X=" << list.counts.x << " Y=" << list.counts.y << " Z=" << list.counts.z << '\n';
}

}  // namespace

int RunEvents(Args args) {
  EventsOptions options;
  if (const std::string error = ParseOptions(args, options); !error.empty()) return UsageError(error);
  if (options.help) {
    std::cout << kUsage;
    return kExitOk;
  }
  CardWorkTables tables;
  const reports::EventList list = reports::ReadEventFolder(options.folder, tables);
  PrintRows(list);
  if (options.report && list.rows.empty()) {
    // As the window's Save: without events there is no report to write.
    std::cerr << "direvovu-cli: no events, no report written\n";
  } else if (options.report && !reports::WriteEventReport(*options.report, list, options.language)) {
    std::cerr << "direvovu-cli: could not write " << options.report->string() << '\n';
    return kExitRefused;
  }
  return kExitOk;
}

}  // namespace direvovu::cli
