#include "core/export/span_marks.h"

#include <algorithm>
#include <cmath>

namespace direvovu::exporting {
namespace {

bool Usable(double position, double length) {
  return std::isfinite(position) && std::isfinite(length) && length > 0;
}

}  // namespace

SpanMarks MarkIn(SpanMarks marks, double position, double length) {
  if (!Usable(position, length)) return marks;
  marks.in = std::clamp(position, 0.0, length);
  if (marks.out && *marks.out <= *marks.in) marks.out.reset();
  return marks;
}

SpanMarks MarkOut(SpanMarks marks, double position, double length) {
  if (!Usable(position, length)) return marks;
  marks.out = std::clamp(position, 0.0, length);
  if (marks.in && *marks.in >= *marks.out) marks.in.reset();
  return marks;
}

std::optional<ExportSpan> MarkedSpan(const SpanMarks& marks, double length) {
  if ((!marks.in && !marks.out) || !std::isfinite(length) || length <= 0) return std::nullopt;
  const ExportSpan span{std::clamp(marks.in.value_or(0.0), 0.0, length),
                        std::clamp(marks.out.value_or(length), 0.0, length)};
  if (!(span.to > span.from)) return std::nullopt;
  return span;
}

ExportSpan SpanToExport(const SpanMarks& marks, double position, double length) {
  return MarkedSpan(marks, length).value_or(DefaultSpan(position, length));
}

}  // namespace direvovu::exporting
