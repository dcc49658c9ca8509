#pragma once

#include <optional>

#include "core/map/trips.h"

namespace direvovu::map {

// The tracing speeds of the drop-down, in its order.
enum class TracingSpeed { Half = 0, Normal = 1, Double = 2, Quadruple = 3 };
inline constexpr int kTracingSpeedCount = 4;

struct TracingPace {
  int stepRecords = 1;
  int intervalMs = 500;
  bool operator==(const TracingPace&) const = default;
};

// Half speed steps one record a second, normal one every 500 ms, double and quadruple
// two and four records every 500 ms. Anything else is normal speed.
TracingPace PaceOf(int speed_index);
// The drop-down's texts, " X 1/2" … " X 4".
const char* TracingSpeedText(int speed_index);

// Where the replay of the selected trip stands.
struct TraceState {
  int currentRecord = -1;  // the record sent next, -1 = none
  int progress = 0;        // records from the trip's start
  TracingPace pace;
  int sliderPosition = 0;  // 0..100
  bool tracing = false;
};

// One step of the replay: the record to send with the progress it is sent with, and the
// slider position when it moves.
struct TraceOutcome {
  int record = 0;
  int progress = 0;
  std::optional<int> slider;
};

// The record of the current point, then the state advanced by one step; none when there
// is no current record. The slider moves (when asked) to progress × 100 / span.
std::optional<TraceOutcome> TraceStep(TraceState& state, const TripSummary& trip, bool update_slider);

// What a tick of the tracing timer does.
struct TickOutcome {
  std::optional<TraceOutcome> step;
  bool finished = false;  // the trip's end was sent: tracing stops and starts over
};
TickOutcome TracingTick(TraceState& state, const TripSummary& trip);

// Play pressed: true when the timer is to run (the replay starts at the trip's start when
// it stands at its beginning), false when it was running and is to stop.
bool StartTracing(TraceState& state, const TripSummary& trip);
// The stop state: progress and the current record stay, so the next start continues.
void PauseTracing(TraceState& state);

// The slider released at p (0..100) with a trip selected. The step to send, if any;
// `stop_timer` when the timer is to stop.
struct SeekOutcome {
  std::optional<TraceOutcome> step;
  bool stopTimer = false;
};
SeekOutcome SeekTrip(TraceState& state, const TripSummary& trip, int position);

// Back to the start with nothing current (a new selection, a new log, Close).
void ResetTrace(TraceState& state);

}  // namespace direvovu::map
