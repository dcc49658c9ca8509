#pragma once

#include "core/civil_time.h"
#include "core/export/export_span.h"
#include "core/export/time_model.h"
#include "display_track_fixture.h"

namespace direvovu::testing {

// The name's time of a recording whose track (MakeDisplayTrack: UTC from 14:25:30, near
// Lisbon) puts the camera's clock at +01:00.
inline constexpr CivilTime kExportStart{2009, 8, 7, 15, 25, 30};

inline exporting::SpanSource MakeSpanSource(const TrackState& track, exporting::ExportSpan span) {
  return {span, exporting::MakeTimeModel(kExportStart, track.Records()), track.Records()};
}

}  // namespace direvovu::testing
