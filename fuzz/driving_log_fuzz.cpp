// The driving log over arbitrary bytes: whole records only, every step distance a real
// distance (0 to 1 km), trips that point inside the records, and tracing that stays there.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/map/driving_log.h"
#include "core/map/route_tracing.h"
#include "core/map/trips.h"

namespace {

void CheckTrip(const direvovu::map::TripSummary& trip, std::size_t count) {
  using namespace direvovu::map;
  if (trip.startIndex < 0 || trip.endIndex < trip.startIndex ||
      static_cast<std::size_t>(trip.endIndex) >= count)
    std::abort();
  if (!(trip.distance > 0) || trip.drivingSeconds < 0 || trip.stoppedSeconds < 0) std::abort();
  TraceState state;
  state.pace = PaceOf(3);
  StartTracing(state, trip);
  for (int tick = 0; tick < 64; ++tick) {
    const TickOutcome outcome = TracingTick(state, trip);
    if (outcome.step && (outcome.step->record < trip.startIndex || outcome.step->record > trip.endIndex))
      std::abort();
    if (outcome.finished) break;
  }
  (void)TripInfo(trip, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace direvovu::map;
  const ParsedLog log = ParseDrivingLog(std::span(data, size));
  if (!log.Loaded()) {
    if (!log.records.empty()) std::abort();
    return 0;
  }
  if (log.records.size() != size / kLogRecordBytes) std::abort();
  for (const LogRecord& r : log.records) {
    if (!(r.stepDistance >= 0 && r.stepDistance <= 1.0)) std::abort();
    if (r.year < 1900 || r.year > 2100 || r.latitudeText[12] != 0 || r.longitudeText[12] != 0) std::abort();
  }
  const auto trips = BuildTrips(log.records);
  for (const TripSummary& trip : trips) {
    CheckTrip(trip, log.records.size());
    (void)TripRoutePoints(log.records, trip);
  }
  return 0;
}
