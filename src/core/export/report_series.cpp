#include "core/export/report_series.h"

#include <cmath>

namespace direvovu::exporting {
namespace {

double Magnitude(const TrackSecond& r) {
  return std::sqrt(r.accelX * r.accelX + r.accelY * r.accelY + r.accelZ * r.accelZ);
}

}  // namespace

std::optional<ReportPlace> PlaceOf(const TrackSecond& record) {
  const double latitude = NmeaToDecimalDegrees(LatitudeText(record));
  const double longitude = NmeaToDecimalDegrees(LongitudeText(record));
  if (!HasFix(latitude, longitude)) return std::nullopt;
  return ReportPlace{latitude, longitude};
}

void FillTrackFacts(const SpanSource& source, IncidentFacts& facts) {
  facts.speed_kmh.clear();
  facts.g_magnitude.clear();
  facts.route.clear();
  facts.start_place.reset();
  facts.end_place.reset();
  for (const SpanSecond& second : SecondsOfSpan(source)) {
    if (second.record == nullptr) {
      facts.speed_kmh.emplace_back();
      facts.g_magnitude.emplace_back();
      continue;
    }
    facts.speed_kmh.emplace_back(static_cast<double>(second.record->speed));
    facts.g_magnitude.emplace_back(Magnitude(*second.record));
    if (const auto place = PlaceOf(*second.record)) {
      facts.route.push_back(*place);
      if (!facts.start_place) facts.start_place = place;
      facts.end_place = place;
    }
  }
}

std::int64_t PeakGSecond(const SpanSource& source) {
  const std::vector<SpanSecond> seconds = SecondsOfSpan(source);
  if (seconds.empty()) return static_cast<std::int64_t>(std::floor(source.span.from));
  std::int64_t peak = seconds.front().second;
  double largest = -1;
  for (const SpanSecond& second : seconds) {
    if (second.record == nullptr) continue;
    const double g = Magnitude(*second.record);
    if (g > largest) {
      largest = g;
      peak = second.second;
    }
  }
  return peak;
}

}  // namespace direvovu::exporting
