#pragma once

#include <optional>

#include "core/export/export_span.h"

namespace direvovu::exporting {

// The span a user marks on the recording that plays: I sets its start and O its end at
// the play position, in seconds from the recording's start.
struct SpanMarks {
  std::optional<double> in;
  std::optional<double> out;

  friend bool operator==(const SpanMarks&, const SpanMarks&) = default;
};

// The start (MarkIn) or the end (MarkOut) at `position` of a recording `length` seconds
// long, clipped to the recording. The mark just set wins: the other one goes when it would
// leave the end at or before the start. Without a length (nothing loaded) or a position
// that is not a number nothing changes.
SpanMarks MarkIn(SpanMarks marks, double position, double length);
SpanMarks MarkOut(SpanMarks marks, double position, double length);

// The span the marks make, clipped to the recording: the start alone runs to the
// recording's end, the end alone from its start. nullopt with no mark, or when what is
// left of them is empty.
std::optional<ExportSpan> MarkedSpan(const SpanMarks& marks, double length);

// The span the export starts from: the marked one, else DefaultSpan around the position.
ExportSpan SpanToExport(const SpanMarks& marks, double position, double length);

}  // namespace direvovu::exporting
