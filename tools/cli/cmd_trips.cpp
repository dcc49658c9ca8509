// direvovu-cli trips: the trips of a driving log, or one trip as a track.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/io/byte_reader.h"
#include "core/map/driving_log.h"
#include "core/map/trips.h"
#include "core/settings/texts.h"
#include "message_text.h"
#include "track_export.h"
#include "trip_export.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli trips LOG.dat [--format csv|json]\n"
    "       direvovu-cli trips LOG.dat --trip N [--format csv|gpx|kml|geojson]\n"
    "\n"
    "Lists the trips of a camera driving log as the route window does (distance and\n"
    "speeds in km and km/h), or writes the records of trip N (from 1) as a track:\n"
    "every record with a fix, its UTC time and its speed (CSV keeps every record).\n"
    "A file that is not a driving log is refused with exit 1; one that cannot be\n"
    "read with exit 2.\n";

// A file that is not a driving log ends the command as a usage error does.
constexpr int kExitNotDrivingLog = kExitUsage;

struct TripsArgs {
  std::filesystem::path file;
  std::optional<std::string> format;
  std::optional<int> trip;
};

std::optional<int> ParseTripNumber(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

// Takes one option's value: kExitOk, or the usage error's code after printing why.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the option, then its value
int TakeOption(std::string_view name, std::string_view value, TripsArgs& out) {
  if (name == "--format") {
    out.format = std::string(value);
    return kExitOk;
  }
  out.trip = ParseTripNumber(value);
  if (!out.trip) return UsageError("--trip wants a trip number from 1, not '" + std::string(value) + "'");
  return kExitOk;
}

int ParseTripsArgs(Args args, TripsArgs& out) {
  bool have_file = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::optional<std::string_view> value;
    if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      value = arg.substr(arg.find('=') + 1);
      arg = arg.substr(0, arg.find('='));
    }
    if (arg == "--format" || arg == "--trip") {
      if (!value) {
        if (i + 1 >= args.size()) return UsageError(std::string(arg) + " needs a value");
        value = args[++i];
      }
      if (const int rc = TakeOption(arg, *value, out); rc != kExitOk) return rc;
    } else if (arg.starts_with("-") && arg != "-") {
      return UsageError("unknown option '" + std::string(args[i]) + "'");
    } else if (have_file) {
      return UsageError("more than one LOG given");
    } else {
      out.file = std::filesystem::path(std::string(arg));
      have_file = true;
    }
  }
  return have_file ? kExitOk : UsageError("missing LOG");
}

// The log's records, or the exit code after the reason is printed.
int ReadLog(const std::filesystem::path& path, std::vector<map::LogRecord>& records) {
  const auto file = FileReader::Open(path);
  if (!file) {
    PrintMessage(msg::kCantOpenFile, path.string());
    return kExitRefused;
  }
  map::ParsedLog log = map::ParseDrivingLog(*file);
  if (log.refusal == map::LogRefusal::ReadFailed) {
    PrintMessage(msg::kCantOpenFile, path.string());
    return kExitRefused;
  }
  if (!log.Loaded()) {
    PrintMessage(msg::kNotDrivingLog, path.string());
    return kExitNotDrivingLog;
  }
  records = std::move(log.records);
  return kExitOk;
}

int WriteList(const TripsArgs& args, const std::vector<map::TripSummary>& trips) {
  const std::string format = args.format.value_or("csv");
  if (format == "csv") {
    WriteTripsCsv(std::cout, trips);
  } else if (format == "json") {
    WriteTripsJson(std::cout, trips, args.file.filename().string());
  } else {
    return UsageError("unknown format '" + format + "' (csv, json)");
  }
  return kExitOk;
}

int WriteOneTrip(const TripsArgs& args, const std::vector<map::LogRecord>& records,
                 const std::vector<map::TripSummary>& trips) {
  const auto format = ParseTrackFormat(args.format.value_or("csv"));
  if (!format || *format == TrackFormat::Json)
    return UsageError("unknown format '" + args.format.value_or("") + "' (csv, gpx, kml, geojson)");
  if (static_cast<std::size_t>(*args.trip) > trips.size()) {
    return UsageError("the log has " + std::to_string(trips.size()) + " trips, no trip " +
                      std::to_string(*args.trip));
  }
  const map::TripSummary& trip = trips[static_cast<std::size_t>(*args.trip - 1)];
  TrackDocumentInfo info;
  info.name = args.file.filename().string() + " trip " + std::to_string(*args.trip);
  info.hasSensor = false;
  info.firstIndex = static_cast<std::size_t>(trip.firstRecord);
  WriteTrack(std::cout, *format, TripTrack(records, trip), info);
  return kExitOk;
}

}  // namespace

int RunTrips(Args args) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  TripsArgs options;
  if (const int rc = ParseTripsArgs(args, options); rc != kExitOk) return rc;
  std::vector<map::LogRecord> records;
  if (const int rc = ReadLog(options.file, records); rc != kExitOk) return rc;
  const auto trips = map::BuildTrips(records);
  const int rc = options.trip ? WriteOneTrip(options, records, trips) : WriteList(options, trips);
  if (rc != kExitOk) return rc;
  std::cout.flush();
  return std::cout ? kExitOk : kExitRefused;
}

}  // namespace direvovu::cli
