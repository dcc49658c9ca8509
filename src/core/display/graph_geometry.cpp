#include "core/display/graph_geometry.h"

#include <algorithm>
#include <cmath>

namespace direvovu::display {
namespace {

// Garbage floats from a damaged track must not turn into undefined int conversions.
int TruncToInt(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::trunc(std::clamp(value, -1.0e6, 1.0e6)));
}

// The event values are logged with three decimals.
constexpr double kEventTolerance = 0.0005 + 1e-9;

bool Near(double a, double b) { return std::fabs(a - b) <= kEventTolerance; }

bool UsableLength(double seconds) { return std::isfinite(seconds) && seconds > 0; }

// Records per panel column.
double PanelRecordsPerColumn(const TrackState& track, double lengthSeconds) {
  return track.recordsPerSecond / (kCurveColumns / lengthSeconds);
}

int ClampIndex(double index, int count) {
  if (!(index > 0)) return 0;
  if (index >= count - 1) return count - 1;
  return static_cast<int>(index);
}

}  // namespace

bool InEnlargeArea(int x, int y) {
  return x >= kEnlargeAreaLeft && x <= kEnlargeAreaRight && y >= kEnlargeAreaTop && y <= kEnlargeAreaBottom;
}

std::optional<int> CursorX(double positionSeconds, double lengthSeconds) {
  if (!UsableLength(lengthSeconds) || !std::isfinite(positionSeconds)) return std::nullopt;
  const int x = TruncToInt(kCurveLeft + positionSeconds * kCurveColumns / lengthSeconds);
  if (x > kCursorRightmost) return std::nullopt;
  return x;
}

const GraphEvent* EventAt(std::span<const GraphEvent> events, double positionSeconds) {
  if (!std::isfinite(positionSeconds)) return nullptr;
  const int second = TruncToInt(positionSeconds);
  for (const GraphEvent& event : events) {
    if (event.offsetSeconds == second) return &event;
  }
  return nullptr;
}

bool RecordMatchesEvent(const TrackSecond& record, std::span<const GraphEvent> events) {
  return std::any_of(events.begin(), events.end(), [&record](const GraphEvent& e) {
    return Near(record.accelX, e.x) && Near(record.accelY, e.y) && Near(record.accelZ, e.z);
  });
}

int PanelGravityY(double g) { return TruncToInt(kGravityBaseline - g * kGravityPixelsPerG); }

int PanelSpeedY(int speed) {
  const int shown = std::clamp(speed, 0, kPanelSpeedCap);
  return TruncToInt(kSpeedBaseline - shown * kSpeedPixelsPerKmh);
}

double SampleValue(const TrackSecond& record, Axis axis) {
  switch (axis) {
    case Axis::X:
      return record.accelX;
    case Axis::Y:
      return record.accelY;
    case Axis::Z:
      return record.accelZ;
  }
  return 0;
}

std::vector<int> PanelGravityColumns(const TrackState& track, double lengthSeconds,
                                     std::span<const GraphEvent> events) {
  std::vector<int> columns;
  if (track.count <= 0 || !UsableLength(lengthSeconds)) return columns;
  const auto records = track.Records();
  const int last = track.count - 1;
  const double f = PanelRecordsPerColumn(track, lengthSeconds);
  const int span = TruncToInt(f);
  columns.reserve(kCurveColumns);
  for (int c = 0; c < kCurveColumns; ++c) {
    const double first = std::trunc(c * f);
    // A player length longer than the track's own runs past its last record.
    if (!(first <= last)) {
      columns.push_back(-1);
      continue;
    }
    const int s = std::max(0, static_cast<int>(first));
    int used = s;
    const int end = std::min(last, s + std::max(0, span));
    for (int i = s; i <= end && !events.empty(); ++i) {
      if (RecordMatchesEvent(records[static_cast<std::size_t>(i)], events)) {
        used = i;
        break;
      }
    }
    columns.push_back(used < last ? used : -1);
  }
  return columns;
}

std::vector<Point> PanelGravityCurve(const TrackState& track, double lengthSeconds,
                                     std::span<const GraphEvent> events, Axis axis) {
  std::vector<Point> points;
  const std::vector<int> columns = PanelGravityColumns(track, lengthSeconds, events);
  if (columns.empty()) return points;
  const auto records = track.Records();
  points.push_back({kCurveLeft, PanelGravityY(SampleValue(records[0], axis))});
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    const int r = columns[static_cast<std::size_t>(c)];
    if (r < 0) continue;
    points.push_back(
        {kCurveLeft + 1 + c, PanelGravityY(SampleValue(records[static_cast<std::size_t>(r)], axis))});
  }
  return points;
}

std::vector<Point> PanelSpeedCurve(const TrackState& track, double lengthSeconds) {
  std::vector<Point> points;
  if (track.count <= 0 || !UsableLength(lengthSeconds) || lengthSeconds < 1) return points;
  const auto records = track.Records();
  const double f = PanelRecordsPerColumn(track, lengthSeconds);
  points.reserve(kCurveColumns);
  for (int c = 0; c < kCurveColumns; ++c) {
    const int i = ClampIndex(std::trunc(c * f), track.count);
    points.push_back({kCurveLeft + c, PanelSpeedY(records[static_cast<std::size_t>(i)].speed)});
  }
  return points;
}

int DialogGravityY(double g) { return TruncToInt(kGraphDlgGravityBaseline - g * kGraphDlgPixelsPerG); }

int DialogSpeedY(int speed) { return TruncToInt(kGraphDlgSpeedBaseline - speed * kGraphDlgPixelsPerKmh); }

namespace {

// Column count and record of each column of the enlarged graph: 11 columns a second.
template <typename PointOf>
std::vector<Point> DialogCurve(const TrackState& track, double lengthSeconds, PointOf point_of) {
  std::vector<Point> points;
  if (track.count <= 0 || !UsableLength(lengthSeconds)) return points;
  // Tracks hold at most 9000 s; a wild player length must not make millions of points.
  const double seconds = std::min(std::trunc(lengthSeconds), 24.0 * 3600);
  const int columns = static_cast<int>(seconds) * kGraphDlgPixelsPerSecond;
  const auto records = track.Records();
  points.reserve(static_cast<std::size_t>(columns));
  for (int i = 0; i < columns; ++i) {
    const int r = ClampIndex(std::trunc(i * track.recordsPerSecond / kGraphDlgPixelsPerSecond), track.count);
    points.push_back({kGraphDlgCurveLeft + i, point_of(records[static_cast<std::size_t>(r)])});
  }
  return points;
}

}  // namespace

std::vector<Point> DialogGravityCurve(const TrackState& track, double lengthSeconds, Axis axis) {
  return DialogCurve(track, lengthSeconds,
                     [axis](const TrackSecond& r) { return DialogGravityY(SampleValue(r, axis)); });
}

std::vector<Point> DialogSpeedCurve(const TrackState& track, double lengthSeconds) {
  return DialogCurve(track, lengthSeconds, [](const TrackSecond& r) { return DialogSpeedY(r.speed); });
}

}  // namespace direvovu::display
