#pragma once

#include <cstdint>

namespace direvovu {

// A wall-clock moment as the camera writes it into names, time tables and logs, and as
// the viewer names its captures: the camera keeps no time zone, so the fields stand alone.
struct CivilTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The local date and time now.
CivilTime LocalNow();

[[nodiscard]] bool IsLeapYear(int year);
// Days of a month 1..12 of the proleptic Gregorian calendar; 0 for a month outside that.
[[nodiscard]] int DaysInMonth(int year, int month);
// True when every field names a real moment (seconds 0..59, no leap second).
[[nodiscard]] bool IsValidCivilTime(const CivilTime& time);

// Seconds from 1970-01-01 00:00:00 to the moment, both read as the same zone.
[[nodiscard]] std::int64_t SecondsSinceEpoch(const CivilTime& time);
// The moment a count of seconds since 1970-01-01 00:00:00 names (the camera's clocks),
// without the C library's time-zone machinery.
[[nodiscard]] CivilTime CivilTimeOfEpochSeconds(std::uint32_t seconds);
// The moment `seconds` after `time` (before it when negative), both read as the same zone.
[[nodiscard]] CivilTime AddSeconds(const CivilTime& time, std::int64_t seconds);

// Copies a moment into a record that keeps its own year .. second fields (the track's
// seconds, the driving log's records).
template <typename Record>
void CopyCivilFields(const CivilTime& time, Record& r) {
  r.year = time.year;
  r.month = time.month;
  r.day = time.day;
  r.hour = time.hour;
  r.minute = time.minute;
  r.second = time.second;
}

}  // namespace direvovu
