// direvovu-cli library: the index of recordings (scan, find by place and time, harsh
// moments), the same core the library window calls.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "command.h"
#include "core/library/library_query.h"
#include "core/library/library_scan.h"
#include "core/map/map_page.h"
#include "options.h"
#include "platform/working_root.h"

namespace direvovu::cli {
namespace {

namespace fs = std::filesystem;
using namespace direvovu::library;

constexpr const char* kLibraryHelp =
    "Usage: direvovu-cli library scan PATH... [--db FILE] [--password P]\n"
    "       direvovu-cli library find [--near LAT,LON --radius METRES] [--from TIME --to TIME]\n"
    "                                 [--kind driving|event|parking|parking-event] [--db FILE]\n"
    "                                 [--format csv|json]\n"
    "       direvovu-cli library moments [--kind braking|acceleration|shock] [--from TIME --to TIME]\n"
    "                                    [--db FILE] [--format csv|json]\n\n"
    "The library is library.sqlite under the working root unless --db names another file.\n"
    "scan indexes the recordings under each PATH, reading only new and changed ones, and\n"
    "marks indexed ones that are gone as missing; scrambled recordings are read with\n"
    "--password, else indexed from their names. Its last line counts what it did.\n"
    "find prints a row per recording (front path, local start time, and with --near the\n"
    "first and last second within the radius), moments a row per harsh moment (front path,\n"
    "second, kind, value: the speed step in km/h or the deviation in g), by start time.\n"
    "TIME is ISO 8601 (2026-12-07, 2026-12-07T08:30:00); the camera's local time, or UTC\n"
    "when it ends in Z or an offset (+09:00).\n"
    "Exit codes: 0 done, 1 usage, 2 the library cannot be opened or written.\n";

struct LibraryArgs {
  std::vector<fs::path> paths;
  std::optional<fs::path> db;
  std::optional<std::string> password;
  std::optional<std::string> format;
  RecordingFilter find;
  MomentFilter moments;
  std::optional<std::pair<double, double>> near;
  std::optional<double> radius;
};

bool Bad(const std::string& reason) {
  UsageError("library: " + reason);
  return false;
}

bool TakeTime(std::string_view name, std::string_view value, LibraryArgs& parsed) {
  const auto bound = ParseTimeBound(value, name == "--to");
  if (!bound) return Bad(std::string(name) + " takes an ISO 8601 time, not '" + std::string(value) + "'");
  (name == "--from" ? parsed.find.from : parsed.find.to) = bound;
  (name == "--from" ? parsed.moments.from : parsed.moments.to) = bound;
  return true;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the action decides what the value names
bool TakeKind(std::string_view action, std::string_view value, LibraryArgs& parsed) {
  if (action == "moments") {
    parsed.moments.kind = MomentKindOfName(value);
    return parsed.moments.kind || Bad("--kind takes braking, acceleration or shock");
  }
  parsed.find.kind = RecordingKindOfName(value);
  return parsed.find.kind || Bad("--kind takes driving, event, parking or parking-event");
}

bool TakeOption(std::string_view action, Args args, std::size_t& i, LibraryArgs& parsed) {
  const std::string_view a = args[i];
  const auto name = a.substr(0, a.find('='));
  // Which options each action knows.
  const bool scan = action == "scan";
  const bool known =
      name == "--db" || (scan && name == "--password") ||
      (!scan && (name == "--format" || name == "--from" || name == "--to" || name == "--kind")) ||
      (action == "find" && (name == "--near" || name == "--radius"));
  if (!known) return Bad("unexpected argument '" + std::string(a) + "' for " + std::string(action));
  const auto value = OptionValue(args, i, name);
  if (!value) return Bad(std::string(name) + " needs a value");
  if (name == "--db") {
    parsed.db = fs::path(std::string(*value));
  } else if (name == "--password") {
    parsed.password = std::string(*value);
  } else if (name == "--format") {
    if (*value != "csv" && *value != "json") return Bad("--format takes csv or json");
    parsed.format = std::string(*value);
  } else if (name == "--from" || name == "--to") {
    return TakeTime(name, *value, parsed);
  } else if (name == "--kind") {
    return TakeKind(action, *value, parsed);
  } else if (name == "--near") {
    parsed.near = ParseLatLon(*value);
    if (!parsed.near) return Bad("--near takes LAT,LON in decimal degrees");
  } else {
    try {
      std::size_t used = 0;
      const std::string text(*value);
      parsed.radius = std::stod(text, &used);
      if (used != text.size() || !(*parsed.radius > 0) || *parsed.radius > 20'000'000)
        throw std::invalid_argument("");
    } catch (const std::exception&) {
      return Bad("--radius takes metres above 0");
    }
  }
  return true;
}

std::optional<LibraryArgs> Parse(std::string_view action, Args args) {
  LibraryArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a.starts_with("--")) {
      if (!TakeOption(action, args, i, parsed)) return std::nullopt;
    } else if (action == "scan") {
      parsed.paths.emplace_back(std::string(a));
    } else {
      Bad("unexpected argument '" + std::string(a) + "'");
      return std::nullopt;
    }
  }
  if (action == "scan" && parsed.paths.empty()) return Bad("scan needs a PATH"), std::nullopt;
  if (parsed.near.has_value() != parsed.radius.has_value())
    return Bad("--near and --radius go together"), std::nullopt;
  if (parsed.near) parsed.find.near = Place{parsed.near->first, parsed.near->second, *parsed.radius};
  return parsed;
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// Done only when the output reached its reader: a full disk or a closed pipe is a failure.
int Written() {
  std::cout.flush();
  if (std::cout) return kExitOk;
  std::cerr << "direvovu-cli: library: the output could not be written\n";
  return kExitRefused;
}

// Paths are bytes; one that is not UTF-8 is shown with replacement characters rather than
// making the whole answer invalid JSON.
std::string JsonText(const nlohmann::json& document) {
  return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

int Scan(LibraryDb& library, const LibraryArgs& parsed) {
  ScanOptions options;
  options.password = parsed.password;
  const ScanCounts counts = ScanPaths(library, parsed.paths, options);
  std::cout << ScanCountsText(counts) << '\n';
  return Written();
}

int Find(LibraryDb& library, const LibraryArgs& parsed) {
  const auto rows = FindRecordings(library.db(), parsed.find);
  const bool near = parsed.find.near.has_value();
  if (parsed.format == "json") {
    auto list = nlohmann::json::array();
    for (const FoundRecording& r : rows) {
      nlohmann::json row{{"front", r.front},
                         {"local_start", LocalIsoText(r.localStart)},
                         {"kind", RecordingKindName(r.kind)},
                         {"track", TrackStatusName(r.track)},
                         {"scrambled", r.scrambled},
                         {"missing", r.missing}};
      row["utc_start"] = r.utcStart ? nlohmann::json(*r.utcStart) : nlohmann::json(nullptr);
      if (near) row["first_second"] = *r.firstSecond, row["last_second"] = *r.lastSecond;
      list.push_back(std::move(row));
    }
    std::cout << JsonText(nlohmann::json{{"recordings", list}}) << '\n';
    return Written();
  }
  std::cout << "front,local_start" << (near ? ",first_second,last_second" : "") << '\n';
  for (const FoundRecording& r : rows) {
    std::cout << CsvField(r.front) << ',' << LocalIsoText(r.localStart);
    if (near) std::cout << ',' << *r.firstSecond << ',' << *r.lastSecond;
    std::cout << '\n';
  }
  return Written();
}

int Moments(LibraryDb& library, const LibraryArgs& parsed) {
  const auto rows = FindMoments(library.db(), parsed.moments);
  if (parsed.format == "json") {
    auto list = nlohmann::json::array();
    for (const FoundMoment& m : rows) {
      list.push_back({{"front", m.front},
                      {"second", m.second},
                      {"kind", MomentKindName(m.kind)},
                      {"value", std::stod(map::FixedText(m.value, 3))},
                      {"local_time", LocalIsoText(AddSeconds(m.localStart, m.second))}});
    }
    std::cout << JsonText(nlohmann::json{{"moments", list}}) << '\n';
    return Written();
  }
  std::cout << "front,second,kind,value\n";
  for (const FoundMoment& m : rows) {
    std::cout << CsvField(m.front) << ',' << m.second << ',' << MomentKindName(m.kind) << ','
              << map::FixedText(m.value, 3) << '\n';
  }
  return Written();
}

}  // namespace

int RunLibrary(Args args) {
  if (args.empty()) return UsageError("library: missing scan, find or moments (try library --help)");
  const std::string_view action = args[0];
  if (action == "--help" || action == "-h") {
    std::cout << kLibraryHelp;
    return kExitOk;
  }
  if (action != "scan" && action != "find" && action != "moments") {
    return UsageError("library: unknown action '" + std::string(action) + "' (try library --help)");
  }
  const auto parsed = Parse(action, args.subspan(1));
  if (!parsed) return kExitUsage;
  const fs::path file = LibraryFileOf(parsed->db, platform::WorkingRoot());
  std::error_code ec;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  LibraryOpen opened = LibraryDb::Open(file);
  if (!opened.library) {
    std::cerr << "direvovu-cli: library: " << opened.error << '\n';
    return kExitRefused;
  }
  if (opened.movedAside) {
    std::cerr << "direvovu-cli: library: " << file.string() << " was damaged; it was moved to "
              << opened.movedAside->string() << " and the library begins anew\n";
  }
  try {
    if (action == "scan") return Scan(*opened.library, *parsed);
    if (action == "find") return Find(*opened.library, *parsed);
    return Moments(*opened.library, *parsed);
  } catch (const std::exception& e) {
    std::cerr << "direvovu-cli: library: " << e.what() << '\n';
    return kExitRefused;
  }
}

}  // namespace direvovu::cli
