#include "core/map/route_tracing.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace direvovu::map {
namespace {

constexpr std::array<TracingPace, kTracingSpeedCount> kPaces{{{1, 1000}, {1, 500}, {2, 500}, {4, 500}}};
constexpr std::array<const char*, kTracingSpeedCount> kSpeedTexts{" X 1/2", " X 1", " X 2", " X 4"};

int Span(const TripSummary& trip) { return trip.endIndex - trip.startIndex; }

}  // namespace

TracingPace PaceOf(int speed_index) {
  if (speed_index < 0 || speed_index >= kTracingSpeedCount) return kPaces[1];
  return kPaces[static_cast<std::size_t>(speed_index)];
}

const char* TracingSpeedText(int speed_index) {
  if (speed_index < 0 || speed_index >= kTracingSpeedCount) return "";
  return kSpeedTexts[static_cast<std::size_t>(speed_index)];
}

std::optional<TraceOutcome> TraceStep(TraceState& state, const TripSummary& trip, bool update_slider) {
  if (state.currentRecord < 0) return std::nullopt;
  TraceOutcome outcome{state.currentRecord, state.progress, std::nullopt};
  const int span = Span(trip);
  if (update_slider && span >= 1) {
    state.sliderPosition = state.progress * 100 / span;
    outcome.slider = state.sliderPosition;
  }
  const int next = state.progress + state.pace.stepRecords;
  if (next > span) {
    state.progress = span;
    state.currentRecord = trip.endIndex;
  } else {
    state.progress = next;
    state.currentRecord += state.pace.stepRecords;
  }
  return outcome;
}

TickOutcome TracingTick(TraceState& state, const TripSummary& trip) {
  TickOutcome outcome;
  if (state.currentRecord >= trip.endIndex) {
    outcome.step = TraceStep(state, trip, true);
    outcome.finished = true;
    PauseTracing(state);
    state.progress = 0;
    state.sliderPosition = 0;
    return outcome;
  }
  outcome.step = TraceStep(state, trip, true);
  return outcome;
}

bool StartTracing(TraceState& state, const TripSummary& trip) {
  if (state.tracing) {
    state.tracing = false;
    return false;
  }
  state.tracing = true;
  if (state.progress == 0) state.currentRecord = trip.startIndex;
  return true;
}

void PauseTracing(TraceState& state) { state.tracing = false; }

SeekOutcome SeekTrip(TraceState& state, const TripSummary& trip, int position) {
  SeekOutcome outcome;
  position = std::max(position, 0);
  state.sliderPosition = position;
  const int span = Span(trip);
  const auto target = static_cast<int>(std::trunc(span / 100.0 * position));
  state.progress = target;
  if (target > span) {
    outcome.stopTimer = true;
    return outcome;
  }
  if (state.tracing) {
    PauseTracing(state);
    outcome.stopTimer = true;
  }
  state.currentRecord = trip.startIndex + target;
  outcome.step = TraceStep(state, trip, false);
  return outcome;
}

void ResetTrace(TraceState& state) {
  const TracingPace pace = state.pace;
  state = TraceState{};
  state.pace = pace;
}

}  // namespace direvovu::map
