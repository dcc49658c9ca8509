// direvovu-cli info: what the viewer makes of one recording.
#include <cstdio>
#include <iostream>

#include "command.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "track_input.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli info FILE [--password P]\n"
    "\n"
    "Prints whether FILE has a recording's name, its channel and kind, whether it is\n"
    "encrypted, and the result of reading its embedded track (Loaded, TrackDamaged or\n"
    "Rejected) with the track's length, records, rate and peak acceleration.\n"
    "An encrypted recording needs its password.\n";

const char* ChannelName(int channel) {
  if (channel == 1) return "front";
  if (channel == 2) return "rear";
  return "none";
}

const char* ResultName(ParseResult result) {
  switch (result) {
    case ParseResult::Loaded:
      return "Loaded";
    case ParseResult::TrackDamaged:
      return "TrackDamaged";
    case ParseResult::Unreadable:
      return "Unreadable";
    case ParseResult::Rejected:
      break;
  }
  return "Rejected";
}

}  // namespace

int RunInfo(Args args) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  RecordingArgs options;
  if (const int rc = ParseRecordingArgs(args, false, options); rc != kExitOk) return rc;
  ReadRecording read;
  if (const int rc = ReadRecordingTrack(options, read); rc != kExitOk) return rc;

  const std::string name = options.file.filename().string();
  char rate[64];
  char peak[64];
  std::snprintf(rate, sizeof(rate), "%.6f", read.track.recordsPerSecond);
  std::snprintf(peak, sizeof(peak), "%.3f", read.track.peakMagnitude);
  std::cout << "name: " << (IsRecordingName(name) ? "yes" : "no") << '\n'
            << "channel: " << ChannelName(RecordingChannel(name)) << '\n'
            << "kind: " << Text(TextTable::RecordingKinds, RecordingKind(options.file), kEnglish) << '\n'
            << "encrypted: " << (read.encrypted ? "yes" : "no") << '\n'
            << "result: " << ResultName(read.outcome.result) << '\n'
            << "duration-ms: " << read.outcome.durationMs << '\n'
            << "records: " << read.track.count << '\n'
            << "records-per-second: " << rate << '\n'
            << "peak-g: " << peak << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
