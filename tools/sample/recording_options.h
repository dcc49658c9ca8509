#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/civil_time.h"
#include "drive_simulation.h"

namespace direvovu::sample {

using direvovu::CivilTime;
using direvovu::SecondsSinceEpoch;

// Longest clip the viewer accepts: its track holds at most 9000 records, one a second.
inline constexpr int kMaxRecordingSeconds = 9000;

struct RecordingOptions {
  std::filesystem::path out_dir;
  CivilTime start;
  int seconds = 0;
  int width = 640;
  int height = 360;
  int fps = 30;
  std::string password;  // empty: a plain recording
  bool rear = true;
  bool audio = true;
  std::string bitrate;  // empty: x264's own rate control
  std::string preset = "ultrafast";
  std::uint32_t seed = 1;
  std::optional<GeoPoint> gps_start;
  bool impact = false;
  bool parked = false;
  int no_fix_seconds = 0;
  int drive_offset_seconds = 0;
};

// Either options, a request for help, or the one-line reason the arguments were refused.
struct RecordingOptionsOutcome {
  std::optional<RecordingOptions> options;
  bool help_requested = false;
  std::string error;
};

RecordingOptionsOutcome ParseRecordingOptions(std::span<const std::string_view> args);

// "2012-03-14T09:05:07" (or with a space instead of the T); nullopt when malformed or out of range.
std::optional<CivilTime> ParseCivilTime(std::string_view text);
// "LAT,LON" in decimal degrees, clear of the poles and the date line.
bool ParseGeoPoint(std::string_view text, GeoPoint& point);
// The camera's name: "drf0_YYYYMMDD_HHMMSS.mp4" for channel 0 (front), "drf1_…" for 1 (rear).
std::string RecordingFileName(int channel, const CivilTime& start);

// 4 to 6 ASCII letters or digits, as the camera's setup allows.
bool IsValidPassword(std::string_view password);

const char* RecordingUsage();

}  // namespace direvovu::sample
