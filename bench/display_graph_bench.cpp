// What one graph tick costs on the longest track the viewer accepts (9000 records): the
// panel's three G-sensor curves with the event search, its speed curve, and the enlarged
// graph's curves when it opens.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/display/graph_geometry.h"

namespace {

using direvovu::TrackSecond;
using direvovu::TrackState;
namespace display = direvovu::display;

TrackState LongTrack() {
  TrackState track;
  track.records.resize(9000);
  for (int i = 0; i < 9000; ++i) {
    TrackSecond& r = track.records[static_cast<std::size_t>(i)];
    r.accelX = 0.1 * std::sin(i * 0.1);
    r.accelY = 0.1 * std::cos(i * 0.07);
    r.accelZ = 1.0;
    r.speed = i % 150;
  }
  track.count = 9000;
  track.recordsPerSecond = 1.0;
  return track;
}

std::vector<display::GraphEvent> TenEvents() {
  std::vector<display::GraphEvent> events;
  for (int i = 0; i < 10; ++i) events.push_back({i * 800, -1.8, 0.7, 1.6});
  return events;
}

void BM_PanelTick(benchmark::State& state) {
  const TrackState track = LongTrack();
  const auto events = TenEvents();
  for (auto _ : state) {
    for (const auto axis : {display::Axis::X, display::Axis::Y, display::Axis::Z}) {
      benchmark::DoNotOptimize(display::PanelGravityCurve(track, 9000, events, axis));
    }
    benchmark::DoNotOptimize(display::PanelSpeedCurve(track, 9000));
  }
}
BENCHMARK(BM_PanelTick);

void BM_EnlargedGraph(benchmark::State& state) {
  const TrackState track = LongTrack();
  for (auto _ : state) {
    for (const auto axis : {display::Axis::X, display::Axis::Y, display::Axis::Z}) {
      benchmark::DoNotOptimize(display::DialogGravityCurve(track, 9000, axis));
    }
  }
}
BENCHMARK(BM_EnlargedGraph);

}  // namespace

BENCHMARK_MAIN();
