#include "recording_options.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <regex>

namespace direvovu::sample {
namespace {

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end || text.empty()) return std::nullopt;
  return value;
}

// "WxH": even sizes only, because yuv420p halves both dimensions.
bool ParseSize(std::string_view text, RecordingOptions& options) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return false;
  auto w = ParseNumber<int>(text.substr(0, x));
  auto h = ParseNumber<int>(text.substr(x + 1));
  if (!w || !h || *w < 64 || *h < 64 || *w > 3840 || *h > 2160 || *w % 2 || *h % 2) return false;
  options.width = *w;
  options.height = *h;
  return true;
}

bool IsValidBitrate(std::string_view text) {
  static const std::regex kRate("[1-9][0-9]*(\\.[0-9]+)?[kKmM]?");
  return std::regex_match(text.begin(), text.end(), kRate);
}

using ValueSetter = std::function<std::string(std::string_view, RecordingOptions&)>;
using FlagSetter = std::function<void(RecordingOptions&)>;

// Each setter returns an empty text on success, else why the value was refused.
const std::map<std::string_view, ValueSetter>& ClipValueOptions() {
  static const std::map<std::string_view, ValueSetter> kOptions{
      {"--out",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         if (v.empty()) return "--out needs a folder";
         o.out_dir = std::filesystem::path(std::string(v));
         return {};
       }},
      {"--start",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto t = ParseCivilTime(v);
         if (!t)
           return "--start wants YYYY-MM-DDTHH:MM:SS between 1970 and 2099, not '" + std::string(v) + "'";
         o.start = *t;
         return {};
       }},
      {"--seconds",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto n = ParseNumber<int>(v);
         if (!n || *n < 1 || *n > kMaxRecordingSeconds) return "--seconds wants 1 to 9000";
         o.seconds = *n;
         return {};
       }},
      {"--size",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         return ParseSize(v, o) ? "" : "--size wants WIDTHxHEIGHT, even numbers from 64x64 to 3840x2160";
       }},
      {"--fps",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto n = ParseNumber<int>(v);
         if (!n || *n < 1 || *n > 60) return "--fps wants 1 to 60";
         o.fps = *n;
         return {};
       }},
      {"--password",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         if (!IsValidPassword(v)) return "--password wants 4 to 6 ASCII letters or digits";
         o.password = std::string(v);
         return {};
       }},
      {"--bitrate",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         if (!IsValidBitrate(v)) return "--bitrate wants a rate such as 12M or 800k";
         o.bitrate = std::string(v);
         return {};
       }},
      {"--preset",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         static const std::regex kPreset("ultrafast|superfast|veryfast|faster|fast|medium|slow");
         if (!std::regex_match(v.begin(), v.end(), kPreset)) return "--preset wants an x264 preset";
         o.preset = std::string(v);
         return {};
       }},
  };
  return kOptions;
}

// Options that shape the simulated drive rather than the video.
const std::map<std::string_view, ValueSetter>& DriveValueOptions() {
  static const std::map<std::string_view, ValueSetter> kOptions{
      {"--seed",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto n = ParseNumber<std::uint32_t>(v);
         if (!n) return "--seed wants a whole number from 0 to 4294967295";
         o.seed = *n;
         return {};
       }},
      {"--gps-start",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         GeoPoint p;
         if (!ParseGeoPoint(v, p)) return "--gps-start wants LAT,LON in decimal degrees";
         o.gps_start = p;
         return {};
       }},
      {"--no-fix-seconds",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto n = ParseNumber<int>(v);
         if (!n || *n < 0 || *n > kMaxRecordingSeconds) return "--no-fix-seconds wants 0 to 9000";
         o.no_fix_seconds = *n;
         return {};
       }},
      {"--drive-offset",
       [](std::string_view v, RecordingOptions& o) -> std::string {
         auto n = ParseNumber<int>(v);
         if (!n || *n < 0 || *n > 864000) return "--drive-offset wants 0 to 864000 seconds";
         o.drive_offset_seconds = *n;
         return {};
       }},
  };
  return kOptions;
}

const ValueSetter* FindValueSetter(std::string_view name) {
  for (const auto* table : {&ClipValueOptions(), &DriveValueOptions()}) {
    if (auto it = table->find(name); it != table->end()) return &it->second;
  }
  return nullptr;
}

const std::map<std::string_view, FlagSetter>& FlagOptions() {
  static const std::map<std::string_view, FlagSetter> kFlags{
      {"--rear", [](RecordingOptions& o) { o.rear = true; }},
      {"--no-rear", [](RecordingOptions& o) { o.rear = false; }},
      {"--no-audio", [](RecordingOptions& o) { o.audio = false; }},
      {"--event", [](RecordingOptions& o) { o.impact = true; }},
      {"--parked", [](RecordingOptions& o) { o.parked = true; }},
  };
  return kFlags;
}

RecordingOptionsOutcome Refuse(std::string reason) {
  RecordingOptionsOutcome outcome;
  outcome.error = std::move(reason);
  return outcome;
}

}  // namespace

RecordingOptionsOutcome ParseRecordingOptions(std::span<const std::string_view> args) {
  RecordingOptions options;
  bool have_out = false, have_start = false, have_seconds = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      RecordingOptionsOutcome outcome;
      outcome.help_requested = true;
      return outcome;
    }
    std::optional<std::string_view> inline_value;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      inline_value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
    }
    if (auto flag = FlagOptions().find(arg); flag != FlagOptions().end()) {
      if (inline_value) return Refuse(std::string(arg) + " takes no value");
      flag->second(options);
      continue;
    }
    const ValueSetter* setter = FindValueSetter(arg);
    if (setter == nullptr) return Refuse("unknown option '" + std::string(arg) + "'");
    if (!inline_value && i + 1 >= args.size()) return Refuse(std::string(arg) + " needs a value");
    const std::string_view value = inline_value ? *inline_value : args[++i];
    if (std::string reason = (*setter)(value, options); !reason.empty()) return Refuse(reason);
    have_out |= arg == "--out";
    have_start |= arg == "--start";
    have_seconds |= arg == "--seconds";
  }
  if (!have_out) return Refuse("missing --out DIR");
  if (!have_start) return Refuse("missing --start YYYY-MM-DDTHH:MM:SS");
  if (!have_seconds) return Refuse("missing --seconds N");
  if (options.no_fix_seconds > options.seconds) return Refuse("--no-fix-seconds is longer than the clip");
  RecordingOptionsOutcome outcome;
  outcome.options = std::move(options);
  return outcome;
}

bool ParseGeoPoint(std::string_view text, GeoPoint& point) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  auto lat = ParseNumber<double>(text.substr(0, comma));
  auto lon = ParseNumber<double>(text.substr(comma + 1));
  // The route runs a few kilometres from its start; keep it clear of the poles and the date line.
  if (!lat || !lon || *lat < -85 || *lat > 85 || *lon < -179.9 || *lon > 179.9) return false;
  point = {*lat, *lon};
  return true;
}

std::optional<CivilTime> ParseCivilTime(std::string_view text) {
  static const std::regex kForm("([0-9]{4})-([0-9]{2})-([0-9]{2})[T ]([0-9]{2}):([0-9]{2}):([0-9]{2})");
  std::match_results<std::string_view::const_iterator> m;
  if (!std::regex_match(text.begin(), text.end(), m, kForm)) return std::nullopt;
  auto field = [&](std::size_t i) { return std::stoi(m[i].str()); };
  CivilTime t{field(1), field(2), field(3), field(4), field(5), field(6)};
  if (t.year < 1970 || t.year > 2099 || !IsValidCivilTime(t)) return std::nullopt;
  return t;
}

std::string RecordingFileName(int channel, const CivilTime& start) {
  char name[64];
  std::snprintf(name, sizeof name, "drf%d_%04d%02d%02d_%02d%02d%02d.mp4", channel, start.year, start.month,
                start.day, start.hour, start.minute, start.second);
  return name;
}

bool IsValidPassword(std::string_view password) {
  if (password.size() < 4 || password.size() > 6) return false;
  for (const char c : password) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || !std::isalnum(u)) return false;
  }
  return true;
}

const char* RecordingUsage() {
  return "Usage: direvovu-sample recording --out DIR --start YYYY-MM-DDTHH:MM:SS --seconds N [options]\n"
         "\n"
         "Encodes a test clip per channel with ffmpeg and lays it out as the camera does:\n"
         "ftyp, mdat, moov, then the sensor and GPS track (one record a second).\n"
         "Writes DIR/drf0_YYYYMMDD_HHMMSS.mp4 (front) and drf1_... (rear) and prints their paths.\n"
         "\n"
         "Options:\n"
         "  --size WxH             picture size (default 640x360; 1280x720 for realistic files)\n"
         "  --fps N                frames a second (default 30)\n"
         "  --bitrate RATE         constant bit rate with filler, e.g. 12M (default: x264's own)\n"
         "  --preset NAME          x264 preset (default ultrafast)\n"
         "  --password P           scramble both files as the camera does (4-6 letters or digits)\n"
         "  --rear | --no-rear     write the rear channel too (default) or not\n"
         "  --no-audio             leave out the front channel's sound track\n"
         "  --seed N               which drive (default 1); the same options give the same track\n"
         "  --gps-start LAT,LON    move the route so it starts here (decimal degrees)\n"
         "  --no-fix-seconds K     the first K records have no GPS fix (default 0)\n"
         "  --event                a sharp impact in the middle of the clip, logged as the camera\n"
         "                         does in drf_<date>_<time>.txt beside the recordings\n"
         "  --parked               the car stands still all along (parking mode)\n"
         "  --drive-offset S       start S seconds into the drive (to continue an earlier clip)\n"
         "\n"
         "Environment: DIREVOVU_FFMPEG names the ffmpeg program (default: ffmpeg on the PATH).\n"
         "Exit status: 0 done, 1 bad usage, 2 the recording could not be made (ffmpeg missing or\n"
         "failing, unexpected ffmpeg output, file errors).\n";
}

}  // namespace direvovu::sample
