#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/civil_time.h"
#include "drive_simulation.h"

namespace direvovu::sample {

// The camera writes a driving-log record every 10 seconds of driving.
inline constexpr int kLogIntervalSeconds = 10;

struct DriveLogOptions {
  std::filesystem::path out;
  CivilTime start;         // the first day's drive begins here
  int days = 3;            // one drive a day, on consecutive days
  int minutes = 30;        // length of each drive
  std::uint32_t seed = 1;  // the first day's drive; each later day takes the next seed
  std::optional<GeoPoint> gps_start;
  bool gps_jump = true;  // one record of the first day lands kilometres off the road
};

struct DriveLogOptionsOutcome {
  std::optional<DriveLogOptions> options;
  bool help_requested = false;
  std::string error;
};

DriveLogOptionsOutcome ParseDriveLogOptions(std::span<const std::string_view> args);
const char* DriveLogUsage();

// The log's bytes: each day the first records have no fix yet, the car stops at lights,
// and it stands parked for its last minutes; the GPS jump, when asked for, is one record
// a few kilometres away in the middle of the first day.
std::vector<std::uint8_t> MakeDriveLog(const DriveLogOptions& options);

}  // namespace direvovu::sample
