#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

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

// The exit status of a shell command; -1 when it did not run to its end.
inline int RunCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline bool HasCommand(const std::string& name) { return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0; }

}  // namespace direvovu::testing
