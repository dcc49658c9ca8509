#include "core/map/trips.h"

#include <algorithm>
#include <cstdio>

#include "core/printf_text.h"
#include "core/settings/texts.h"

namespace direvovu::map {
namespace {

constexpr double kMilesPerKm = 0.621371192;

// The running values of the trip being counted.
struct Running {
  double distance = 0;
  double speedSum = 0;
  int maximum = 0;
  int moving = 0;
  int stopped = 0;
};

bool SameDate(const LogRecord& a, const LogRecord& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

void CountSample(Running& run, const LogRecord& record, const LogRecord& next) {
  run.distance += record.stepDistance;
  run.speedSum += record.speed;
  run.maximum = std::max(run.maximum, record.speed);
  // A stop is a sample with a fix and no speed, north or south of the equator.
  if (next.latitude != 0 && record.speed == 0) {
    ++run.stopped;
  } else {
    ++run.moving;
  }
}


std::string TimeOfDay(const LogRecord& r) { return PrintfText("%d:%d:%d", r.hour, r.minute, r.second); }

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the list row, then the record indices in file order
TripSummary CloseTrip(const Running& run, const std::vector<LogRecord>& records, int number, int first_row,
                      int start, int end) {
  TripSummary trip;
  trip.startIndex = start;
  trip.endIndex = end;
  trip.firstRecord = first_row;
  trip.distance = run.distance;
  trip.drivingSeconds = run.moving * kSampleSeconds;
  trip.stoppedSeconds = run.stopped * kSampleSeconds;
  trip.averageSpeed = run.moving > 0 ? run.speedSum / run.moving : 0;
  trip.maximumSpeed = run.maximum;
  char text[32];
  std::snprintf(text, sizeof(text), "   %03d", number);
  trip.number = text;
  const LogRecord& last = records[static_cast<std::size_t>(end)];
  trip.date = PrintfText("%04d-%02d-%02d", last.year, last.month, last.day);
  trip.times = TimeOfDay(records[static_cast<std::size_t>(first_row)]) + "~" + TimeOfDay(last);
  return trip;
}

std::string OneDecimal(double value) { return FixedText(value, 1); }

}  // namespace

std::vector<TripSummary> BuildTrips(const std::vector<LogRecord>& records) {
  std::vector<TripSummary> trips;
  Running run;
  int previous_end = 0;
  int start = 0;
  const auto n = static_cast<int>(records.size());
  for (int j = 0; j < n; ++j) {
    const auto at = static_cast<std::size_t>(j);
    if (j + 1 < n && SameDate(records[at], records[at + 1])) {
      CountSample(run, records[at], records[at + 1]);
      continue;
    }
    // A day without distance is merged into the next one.
    if (!(run.distance > 0)) continue;
    const int first_row = trips.empty() ? previous_end : previous_end + 1;
    trips.push_back(CloseTrip(run, records, static_cast<int>(trips.size()) + 1, first_row, start, j));
    previous_end = j;
    start = j;  // the next trip's tracing starts at this trip's last record
    run = Running{};
  }
  return trips;
}

std::vector<GeoPoint> TripRoutePoints(const std::vector<LogRecord>& records, const TripSummary& trip) {
  std::vector<GeoPoint> points;
  const int last = std::min(trip.endIndex, static_cast<int>(records.size()) - 1);
  for (int r = std::max(0, trip.startIndex); r <= last; ++r) {
    const LogRecord& record = records[static_cast<std::size_t>(r)];
    if (!record.HasFix()) continue;
    if (!points.empty() && points.back().latitude == record.latitude &&
        points.back().longitude == record.longitude) {
      continue;
    }
    points.push_back(record.Position());
  }
  return points;
}

std::string DurationText(int seconds) {
  const int h = seconds / 3600;
  const int m = (seconds - 3600 * h) / 60;
  const int s = seconds - 3600 * h - 60 * m;
  return PrintfText("%02d:%02d:%02d", h, m, s);
}

TripInfoTexts TripInfo(const TripSummary& trip, int language) {
  const double scale = language == kEnglish ? kMilesPerKm : 1.0;
  return {OneDecimal(trip.distance * scale), DurationText(trip.drivingSeconds),
          DurationText(trip.stoppedSeconds), OneDecimal(trip.averageSpeed * scale),
          OneDecimal(trip.maximumSpeed * scale)};
}

std::string RecordDateText(const LogRecord& r) { return PrintfText("%04d.%02d.%02d", r.year, r.month, r.day); }
std::string RecordTimeText(const LogRecord& r) {
  return PrintfText("%02d:%02d:%02d", r.hour, r.minute, r.second);
}

std::string DistanceUnitLabel(int language) { return language == kEnglish ? "mile" : "km"; }
std::string SpeedUnitLabel(int language) { return language == kEnglish ? "mile/h" : "km/h"; }

}  // namespace direvovu::map
