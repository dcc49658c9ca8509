#include "drive_log.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "recording_options.h"
#include "track_box.h"

namespace direvovu::sample {
namespace {

constexpr int kNoFixRecords = 3;       // the receiver needs half a minute to find itself
constexpr int kParkedRecords = 12;     // two minutes standing at the end of the drive
constexpr double kJumpDegrees = 0.05;  // about 5 km north: far beyond any real step
constexpr std::int64_t kSecondsPerDay = 86400;

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutRecord(std::vector<std::uint8_t>& out, std::uint32_t seconds, const std::optional<GeoPoint>& at,
               double speed_kmh) {
  std::array<char, 12> latitude{'0'};
  std::array<char, 12> longitude{'0'};
  if (at) {
    latitude = FormatNmeaCoordinate(at->latitude, 2);
    longitude = FormatNmeaCoordinate(at->longitude, 3);
  }
  PutLe32(out, seconds);
  out.insert(out.end(), latitude.begin(), latitude.end());
  out.insert(out.end(), longitude.begin(), longitude.end());
  PutLe32(out, at ? static_cast<std::uint32_t>(std::lround(std::max(0.0, speed_kmh) * 10)) : 0);
}

// One day's drive, a record every 10 seconds of it, then the car parked where it stopped.
void PutDay(std::vector<std::uint8_t>& out, const DriveLogOptions& options, int day) {
  DriveOptions drive_options;
  drive_options.seconds = options.minutes * 60;
  drive_options.seed = options.seed + static_cast<std::uint32_t>(day);
  drive_options.start = options.gps_start;
  drive_options.no_fix_seconds = kNoFixRecords * kLogIntervalSeconds;
  const std::vector<DriveSecond> drive = SimulateDrive(drive_options);
  const auto first = static_cast<std::uint32_t>(SecondsSinceEpoch(options.start) + day * kSecondsPerDay);
  const int records = static_cast<int>(drive.size()) / kLogIntervalSeconds;
  for (int r = 0; r < records; ++r) {
    const DriveSecond& second = drive[static_cast<std::size_t>(r) * kLogIntervalSeconds];
    std::optional<GeoPoint> at = second.position;
    if (options.gps_jump && day == 0 && r == records / 2 && at) at->latitude += kJumpDegrees;
    PutRecord(out, first + static_cast<std::uint32_t>(r * kLogIntervalSeconds), at, second.speed_kmh);
  }
  const std::optional<GeoPoint> parked = drive.back().position;
  for (int r = 0; r < kParkedRecords; ++r) {
    PutRecord(out, first + static_cast<std::uint32_t>((records + r) * kLogIntervalSeconds), parked, 0);
  }
}

std::optional<int> ParseCount(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

// Why a value is refused, or an empty text when it is taken.
std::string TakeValue(std::string_view name, std::string_view value, DriveLogOptions& o) {
  if (name == "--out") {
    if (value.empty()) return "--out needs a file";
    o.out = std::filesystem::path(std::string(value));
  } else if (name == "--start") {
    const auto t = ParseCivilTime(value);
    if (!t) return "--start wants YYYY-MM-DDTHH:MM:SS between 1970 and 2099";
    o.start = *t;
  } else if (name == "--days" || name == "--minutes") {
    const auto n = name == "--days" ? ParseCount(value, 1, 366) : ParseCount(value, 2, 600);
    if (!n) return name == "--days" ? "--days wants 1 to 366" : "--minutes wants 2 to 600";
    (name == "--days" ? o.days : o.minutes) = *n;
  } else if (name == "--seed") {
    const auto n = ParseCount(value, 0, 1 << 30);
    if (!n) return "--seed wants a whole number";
    o.seed = static_cast<std::uint32_t>(*n);
  } else {
    GeoPoint p;
    if (!ParseGeoPoint(value, p)) return "--gps-start wants LAT,LON in decimal degrees";
    o.gps_start = p;
  }
  return {};
}

DriveLogOptionsOutcome Refuse(std::string why) {
  DriveLogOptionsOutcome outcome;
  outcome.error = std::move(why);
  return outcome;
}

bool IsValueOption(std::string_view name) {
  return name == "--out" || name == "--start" || name == "--days" || name == "--minutes" ||
         name == "--seed" || name == "--gps-start";
}

}  // namespace

DriveLogOptionsOutcome ParseDriveLogOptions(std::span<const std::string_view> args) {
  DriveLogOptions options;
  bool have_start = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view name = args[i];
    if (name == "--help" || name == "-h") return {std::nullopt, true, {}};
    if (name == "--no-jump") {
      options.gps_jump = false;
      continue;
    }
    if (!IsValueOption(name)) return Refuse("unknown option '" + std::string(name) + "'");
    if (i + 1 >= args.size()) return Refuse(std::string(name) + " needs a value");
    if (std::string why = TakeValue(name, args[++i], options); !why.empty()) return Refuse(why);
    have_start |= name == "--start";
  }
  if (options.out.empty()) return Refuse("missing --out FILE");
  if (!have_start) return Refuse("missing --start YYYY-MM-DDTHH:MM:SS");
  DriveLogOptionsOutcome outcome;
  outcome.options = std::move(options);
  return outcome;
}

std::vector<std::uint8_t> MakeDriveLog(const DriveLogOptions& options) {
  std::vector<std::uint8_t> out;
  for (int day = 0; day < options.days; ++day) PutDay(out, options, day);
  return out;
}

const char* DriveLogUsage() {
  return "Usage: direvovu-sample drivelog --out FILE --start YYYY-MM-DDTHH:MM:SS [options]\n"
         "\n"
         "Writes a camera driving log (32-byte records, one every 10 seconds) of one drive a\n"
         "day on consecutive days, the same simulated drive the recordings carry: the first\n"
         "records of each day without a fix, stops at lights, two parked minutes at the end,\n"
         "and one record of the first day a GPS jump of about 5 km off the road.\n"
         "\n"
         "Options:\n"
         "  --days N               drives on N consecutive days (default 3)\n"
         "  --minutes M            length of each drive (default 30)\n"
         "  --seed N               the first day's drive (default 1); day d takes N + d\n"
         "  --gps-start LAT,LON    move the route so it starts here (decimal degrees)\n"
         "  --no-jump              leave the GPS jump out\n"
         "\n"
         "Exit status: 0 done, 1 bad usage, 2 the file could not be written.\n";
}

}  // namespace direvovu::sample
