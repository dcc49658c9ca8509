#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace direvovu {

// One second of the track a recording carries: G-sensor, GPS position and speed, time.
struct TrackSecond {
  double accelX = 0;  // g
  double accelY = 0;
  double accelZ = 0;
  // NMEA ddmm.mmmm / dddmm.mmmm as the camera wrote it (12 bytes); the 13th byte stays
  // zero so the text is terminated even when all 12 are used.
  char latitudeText[13] = {};
  char longitudeText[13] = {};
  std::int32_t speed = 0;  // whole km/h
  std::int32_t year = 0;   // UTC
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;
};
static_assert(sizeof(TrackSecond) == 80);

// The track of the recording being played.
struct TrackState {
  std::vector<TrackSecond> records;  // at least `count` entries
  std::int32_t count = 0;            // 0 = no track
  std::int32_t sensorCount = 0;      // the first records that carry G-sensor values (a short box: fewer)
  double recordsPerSecond = 0;       // records per second of play time
  double peakMagnitude = 0;          // largest |a| over the records, at most 2.0
  double currentLatitude = 0;        // decimal degrees at the play position
  double currentLongitude = 0;

  [[nodiscard]] std::span<const TrackSecond> Records() const {
    return {records.data(), static_cast<std::size_t>(count)};
  }
};

// The largest acceleration magnitude the graphs have to show.
inline constexpr double kPeakMagnitudeCap = 2.0;

// Empties the track (records, count, rate, peak and current position). The displays
// that show the track reset themselves.
void ResetTrack(TrackState& track);

// Fills peakMagnitude from the records (0 for an empty track).
void ComputePeakMagnitude(TrackState& track);

// The record shown at play time `seconds`: trunc(seconds × recordsPerSecond), kept
// within 0..count−1. −1 when the track is empty.
int TrackRecordIndex(const TrackState& track, double seconds);

// Sets the current position from the record at the play second. An empty track gives
// 0/0 (no fix); a track without a rate leaves the position unchanged.
void LocateTrackPosition(TrackState& track, int playSecond);

// Decimal degrees from an NMEA degree-and-minute text (ddmm.mmmm, negative for south or
// west). Text that is not a number gives 0, which callers read as "no fix".
double NmeaToDecimalDegrees(std::string_view text);

// The 12-byte text fields as text (up to the first zero byte).
std::string_view LatitudeText(const TrackSecond& record);
std::string_view LongitudeText(const TrackSecond& record);

// A position is usable only when neither coordinate is exactly 0.
inline bool HasFix(double latitude, double longitude) { return latitude != 0 && longitude != 0; }

}  // namespace direvovu
