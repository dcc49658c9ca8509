#pragma once

#include <string>
#include <vector>

#include "core/map/driving_log.h"
#include "core/map/map_page.h"

namespace direvovu::map {

// One trip of a driving log: a calendar day of driving (days without distance are
// counted into the next), with its statistics and the three texts of its list row.
struct TripSummary {
  int startIndex = 0;       // where tracing starts: the last record of the trip before
  int endIndex = 0;         // the trip's last record
  int firstRecord = 0;      // the first record of the trip's own (its row's first time)
  double averageSpeed = 0;  // km/h over the moving samples; 0 with none
  double maximumSpeed = 0;  // km/h
  double distance = 0;      // km
  int stoppedSeconds = 0;
  int drivingSeconds = 0;
  std::string number;  // "   001"
  std::string date;    // "2012-03-14", the date of the last record
  std::string times;   // "9:5:7~17:30:0", first and last record of the row
};

// Each sample (one record to the next on the same date) stands for 10 seconds.
inline constexpr int kSampleSeconds = 10;

// Cuts the records into trips. Every trip is kept, however many there are.
std::vector<TripSummary> BuildTrips(const std::vector<LogRecord>& records);

// The points show_route draws for a trip: every record from start to end with a fix,
// a point equal to the one before it left out.
std::vector<GeoPoint> TripRoutePoints(const std::vector<LogRecord>& records, const TripSummary& trip);

// The value texts of the route window for a trip: distance and speeds with one decimal
// (in miles for English), the two durations as hh:mm:ss.
struct TripInfoTexts {
  std::string distance;
  std::string drivingTime;
  std::string stoppedTime;
  std::string averageSpeed;
  std::string maximumSpeed;
};
TripInfoTexts TripInfo(const TripSummary& trip, int language);

// "hh:mm:ss" of a count of seconds.
std::string DurationText(int seconds);
// "2012.03.14" and "09:05:07": a record's date and time as the point texts show them.
std::string RecordDateText(const LogRecord& record);
std::string RecordTimeText(const LogRecord& record);

// The unit labels: "km", "km/h" — "mile", "mile/h" for English.
std::string DistanceUnitLabel(int language);
std::string SpeedUnitLabel(int language);

}  // namespace direvovu::map
