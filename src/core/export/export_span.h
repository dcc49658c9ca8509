#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/export/time_model.h"
#include "core/recording/track_state.h"

namespace direvovu::exporting {

// A part of a recording, in seconds from its start (fractions allowed).
struct ExportSpan {
  double from = 0;
  double to = 0;

  friend bool operator==(const ExportSpan&, const ExportSpan&) = default;
};

// Why the span cannot be exported from a recording `lengthSeconds` long, in English and
// naming that length; nullopt when 0 ≤ from < to ≤ length.
std::optional<std::string> SpanProblem(const ExportSpan& span, double lengthSeconds);

// The span used when none is marked: this much either side of the play position.
inline constexpr double kDefaultSpanMarginSeconds = 10;
ExportSpan DefaultSpan(double positionSeconds, double lengthSeconds);

// What the export's texts are made of.
struct SpanSource {
  ExportSpan span;
  TimeModel time;
  std::span<const TrackSecond> records;  // the whole track: record k is second k
};

// One second the span touches, and when it shows in the exported clip.
struct SpanSecond {
  std::int64_t second = 0;   // of the recording
  std::int64_t startMs = 0;  // from the span's start
  std::int64_t endMs = 0;
  const TrackSecond* record = nullptr;  // nullptr where the track is shorter than the span
};

// Seconds floor(from) .. ceil(to) − 1, their times cut to the span, at most a day of them;
// empty for a span that is empty, reversed, starts before the recording or lies beyond
// any recording.
std::vector<SpanSecond> SecondsOfSpan(const SpanSource& source);

}  // namespace direvovu::exporting
