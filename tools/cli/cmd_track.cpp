// direvovu-cli track: the embedded track of a recording as CSV, JSON, GPX, KML or GeoJSON.
#include <iostream>

#include "command.h"
#include "track_export.h"
#include "track_input.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli track FILE [--password P] [--format csv|json|gpx|kml|geojson]\n"
    "\n"
    "Writes the per-second records embedded in a recording to standard output.\n"
    "CSV (the default) and JSON hold every record; a position without a GPS fix is\n"
    "left empty (null). GPX, KML and GeoJSON hold only the records with a fix.\n"
    "An encrypted recording needs its password. A recording whose track cannot be\n"
    "read is refused (exit 2); one without a track gives no records.\n";

}  // namespace

int RunTrack(Args args) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  RecordingArgs options;
  if (const int rc = ParseRecordingArgs(args, true, options); rc != kExitOk) return rc;
  const auto format = ParseTrackFormat(options.format.value_or("csv"));
  if (!format) return UsageError("unknown format '" + *options.format + "' (csv, json, gpx, kml, geojson)");

  ReadRecording read;
  if (const int rc = ReadRecordingTrack(options, read); rc != kExitOk) return rc;
  if (!read.outcome.Loaded()) {
    ReportMessage(options.file, ParseMessage(read.outcome.result).value_or(msg::kIllegalFile));
    return kExitRefused;
  }
  WriteTrack(std::cout, *format, read.track, {options.file.filename().string(), read.outcome.durationMs});
  std::cout.flush();
  return std::cout ? kExitOk : kExitRefused;
}

}  // namespace direvovu::cli
