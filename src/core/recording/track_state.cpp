#include "core/recording/track_state.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace direvovu {
namespace {

std::string_view TextField(const char (&field)[13]) { return {field, strnlen(field, sizeof(field))}; }

}  // namespace

void ResetTrack(TrackState& track) {
  track.records.clear();
  track.records.shrink_to_fit();
  track.count = 0;
  track.sensorCount = 0;
  track.recordsPerSecond = 0;
  track.peakMagnitude = 0;
  track.currentLatitude = 0;
  track.currentLongitude = 0;
}

void ComputePeakMagnitude(TrackState& track) {
  double peak = 0;
  for (const TrackSecond& r : track.Records()) {
    const double m = std::sqrt(r.accelX * r.accelX + r.accelY * r.accelY + r.accelZ * r.accelZ);
    if (m > peak) peak = m;
  }
  // NaN from a garbage float never compares greater, so it cannot become the peak.
  track.peakMagnitude = peak > kPeakMagnitudeCap ? kPeakMagnitudeCap : peak;
}

int TrackRecordIndex(const TrackState& track, double seconds) {
  if (track.count <= 0) return -1;
  const double scaled = std::trunc(seconds * track.recordsPerSecond);
  // Compared as doubles first so that a huge or NaN product cannot overflow the int.
  if (!(scaled > 0)) return 0;
  if (scaled >= static_cast<double>(track.count - 1)) return track.count - 1;
  return static_cast<int>(scaled);
}

void LocateTrackPosition(TrackState& track, int playSecond) {
  if (track.count <= 0) {
    track.currentLatitude = 0;
    track.currentLongitude = 0;
    return;
  }
  if (track.recordsPerSecond == 0) return;
  const TrackSecond& r = track.records[static_cast<std::size_t>(TrackRecordIndex(track, playSecond))];
  track.currentLatitude = NmeaToDecimalDegrees(LatitudeText(r));
  track.currentLongitude = NmeaToDecimalDegrees(LongitudeText(r));
}

double NmeaToDecimalDegrees(std::string_view text) {
  // Like strtod, leading blanks and a plus sign are allowed and trailing bytes are
  // ignored; unlike strtod the decimal point does not follow the process locale.
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  double value = 0;
  const auto parsed = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (parsed.ec != std::errc() || !std::isfinite(value)) return 0;
  const double v = value / 100;
  const double d = std::trunc(v);  // toward zero: the sign stays on both parts
  return d + (v - d) * 100 / 60;
}

std::string_view LatitudeText(const TrackSecond& record) { return TextField(record.latitudeText); }
std::string_view LongitudeText(const TrackSecond& record) { return TextField(record.longitudeText); }

}  // namespace direvovu
