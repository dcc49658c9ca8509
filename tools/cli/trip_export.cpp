#include "trip_export.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>

#include "core/map/map_page.h"

namespace direvovu::cli {
namespace {

std::string Figure(double value) { return map::FixedText(value, 6); }
// The figure as a JSON number, rounded as the CSV text is.
double FigureValue(double value) { return std::round(value * 1e6) / 1e6 + 0.0; }

TrackSecond TrackSecondOf(const map::LogRecord& r) {
  TrackSecond second;
  std::memcpy(second.latitudeText, r.latitudeText, sizeof(second.latitudeText));
  std::memcpy(second.longitudeText, r.longitudeText, sizeof(second.longitudeText));
  second.speed = r.speed;
  second.year = r.year;
  second.month = r.month;
  second.day = r.day;
  second.hour = r.hour;
  second.minute = r.minute;
  second.second = r.second;
  return second;
}

}  // namespace

void WriteTripsCsv(std::ostream& out, const std::vector<map::TripSummary>& trips) {
  out << "no,date,times,distance_km,driving_s,stopped_s,average_kmh,maximum_kmh,start_index,end_index\n";
  for (const auto& t : trips) {
    out << t.number << ',' << t.date << ',' << t.times << ',' << Figure(t.distance) << ',' << t.drivingSeconds
        << ',' << t.stoppedSeconds << ',' << Figure(t.averageSpeed) << ',' << Figure(t.maximumSpeed) << ','
        << t.startIndex << ',' << t.endIndex << '\n';
  }
}

void WriteTripsJson(std::ostream& out, const std::vector<map::TripSummary>& trips, std::string_view file) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const auto& t : trips) {
    // The figures as the CSV prints them, so both read alike.
    rows.push_back({{"no", t.number},
                    {"date", t.date},
                    {"times", t.times},
                    {"distance_km", FigureValue(t.distance)},
                    {"driving_s", t.drivingSeconds},
                    {"stopped_s", t.stoppedSeconds},
                    {"average_kmh", FigureValue(t.averageSpeed)},
                    {"maximum_kmh", FigureValue(t.maximumSpeed)},
                    {"start_index", t.startIndex},
                    {"end_index", t.endIndex}});
  }
  const nlohmann::ordered_json doc = {{"file", std::string(file)}, {"trips", rows}};
  out << doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

TrackState TripTrack(const std::vector<map::LogRecord>& records, const map::TripSummary& trip) {
  TrackState track;
  const int last = std::min(trip.endIndex, static_cast<int>(records.size()) - 1);
  for (int i = std::max(0, trip.firstRecord); i <= last; ++i)
    track.records.push_back(TrackSecondOf(records[static_cast<std::size_t>(i)]));
  track.count = static_cast<std::int32_t>(track.records.size());
  return track;
}

}  // namespace direvovu::cli
