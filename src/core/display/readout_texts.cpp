#include "core/display/readout_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/printf_text.h"

namespace direvovu::display {
namespace {


}  // namespace

std::string AxisText(Axis axis, double g) {
  switch (axis) {
    case Axis::X:
      return PrintfText("X: %.03f", g);
    case Axis::Y:
      return PrintfText("Y: %.03f", g);
    case Axis::Z:
      return PrintfText("Z: %.03f", g);
  }
  return {};
}

std::optional<AxisTexts> AxisReadouts(const TrackState& track, std::span<const GraphEvent> events,
                                      double positionSeconds) {
  if (const GraphEvent* event = EventAt(events, positionSeconds)) {
    return AxisTexts{AxisText(Axis::X, event->x), AxisText(Axis::Y, event->y), AxisText(Axis::Z, event->z)};
  }
  const int i = TrackRecordIndex(track, positionSeconds);
  if (i < 0) return std::nullopt;
  const TrackSecond& r = track.records[static_cast<std::size_t>(i)];
  return AxisTexts{AxisText(Axis::X, r.accelX), AxisText(Axis::Y, r.accelY), AxisText(Axis::Z, r.accelZ)};
}

AxisTexts EmptyAxisTexts() { return {AxisText(Axis::X, 0), AxisText(Axis::Y, 0), AxisText(Axis::Z, 0)}; }

std::string RecordTimeText(const TrackSecond& r) {
  char text[96];
  std::snprintf(text, sizeof(text), "%d.%02d.%02d  %02d:%02d:%02d", r.year, r.month, r.day, r.hour, r.minute,
                r.second);
  return text;
}

std::string PeakText(double peak) { return PrintfText("%.03f", peak); }

double ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0;
  const auto parsed =
      std::from_chars(text.data() + i, text.data() + text.size(), value, std::chars_format::fixed);
  if (parsed.ec != std::errc() || !std::isfinite(value)) return 0;
  return negative ? -value : value;
}

std::string PositionText(std::string_view nmeaText, bool latitude) {
  const double value = ParseDecimal(nmeaText);
  const char hemisphere = latitude ? (value < 0 ? 'S' : 'N') : (value < 0 ? 'W' : 'E');
  // Counted in millionths of a minute: in binary fractions 12730.0000 would come out as
  // 127 degrees 29 minutes 59.99 seconds. Positions beyond any degree range read as 0.
  const double a = std::fabs(value);
  const long long micro = a < 1.0e8 ? std::llround(a * 1.0e6) : 0;
  const long long degrees = micro / 100000000;
  const long long minute_micro = micro % 100000000;
  const long long minutes = minute_micro / 1000000;
  const long long hundredths_of_second = (minute_micro % 1000000) * 6 / 1000;
  char text[96];
  std::snprintf(text, sizeof(text), "%02lld°%02lld'  %02lld.%02lld \"  %c", degrees, minutes,
                hundredths_of_second / 100, hundredths_of_second % 100, hemisphere);
  return text;
}

std::optional<RecordTexts> RecordReadouts(const TrackState& track, double playSecond) {
  if (track.count <= 0 || playSecond == 0) return std::nullopt;
  const int i = TrackRecordIndex(track, playSecond);
  const TrackSecond& r = track.records[static_cast<std::size_t>(i)];
  return RecordTexts{RecordTimeText(r), PeakText(track.peakMagnitude), PositionText(LatitudeText(r), true),
                     PositionText(LongitudeText(r), false)};
}

}  // namespace direvovu::display
