#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/civil_time.h"
#include "core/recording/track_state.h"

namespace direvovu::exporting {

// A recording's clock: the camera names its files by its local time and keeps no zone,
// the track records UTC. Every text of the export that shows a moment reads it here.
struct TimeModel {
  CivilTime start;                      // local time of second 0, from the recording's name
  std::optional<int> utcOffsetMinutes;  // local minus UTC; nullopt without a usable track time

  friend bool operator==(const TimeModel&, const TimeModel&) = default;
};

// Offsets beyond these are a wrong clock, not a time zone.
inline constexpr int kMaxUtcOffsetMinutes = 14 * 60;

// The record's UTC time when it is a real moment after 2000 (before the receiver has a
// time the camera writes zeros, which read as 1970).
std::optional<CivilTime> RecordUtcTime(const TrackSecond& record);

// The name's time minus the first record with a UTC time (record k belongs to second k),
// rounded to the nearest 15 minutes; nullopt without such a record or beyond ±14 h.
std::optional<int> UtcOffsetMinutes(const CivilTime& start, std::span<const TrackSecond> records);

TimeModel MakeTimeModel(const CivilTime& start, std::span<const TrackSecond> records);

// Second k of the recording (k may lie outside it).
CivilTime LocalTimeAt(const TimeModel& model, std::int64_t second);
std::optional<CivilTime> UtcTimeAt(const TimeModel& model, std::int64_t second);

// "2012-03-14 09:05:07 +09:00"; without the offset when the model has none.
std::string MomentText(const TimeModel& model, std::int64_t second);
// "+09:00", "-03:30", "+00:00".
std::string UtcOffsetText(int minutes);
// "2012-03-14 09:05:07".
std::string CivilTimeText(const CivilTime& time);
// "2012-03-14T00:05:07Z", as GPX and CSV carry UTC.
std::string IsoUtcText(const CivilTime& utc);

}  // namespace direvovu::exporting
