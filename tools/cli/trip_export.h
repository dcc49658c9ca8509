#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "core/map/driving_log.h"
#include "core/map/trips.h"
#include "core/recording/track_state.h"

namespace direvovu::cli {

// The trips as the route window lists them; figures in km and km/h whatever the language.
void WriteTripsCsv(std::ostream& out, const std::vector<map::TripSummary>& trips);
void WriteTripsJson(std::ostream& out, const std::vector<map::TripSummary>& trips, std::string_view file);

// The records of one trip (its own, from its first record to its last) as a track for the
// track writers: no G-sensor, the log's times and speeds.
TrackState TripTrack(const std::vector<map::LogRecord>& records, const map::TripSummary& trip);

}  // namespace direvovu::cli
