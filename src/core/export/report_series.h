#pragma once

#include <cstdint>
#include <optional>

#include "core/export/export_span.h"
#include "core/export/incident_facts.h"

namespace direvovu::exporting {

// The position a record holds, as decimal degrees; nullopt without a fix.
std::optional<ReportPlace> PlaceOf(const TrackSecond& record);

// What the report draws of the span's track: the speed and G graphs (one value a
// second, nothing where no record exists), the route of its fixes and the places where
// it starts and ends. Fills those fields of `facts` and leaves the others.
void FillTrackFacts(const SpanSource& source, IncidentFacts& facts);

// The second of the span whose record has the largest G-sensor magnitude; the span's
// first second when no record has one.
std::int64_t PeakGSecond(const SpanSource& source);

}  // namespace direvovu::exporting
