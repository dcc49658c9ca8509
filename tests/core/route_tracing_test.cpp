// The replay of a trip: steps, the slider, pausing and seeking.
#include <gtest/gtest.h>

#include <vector>

#include "core/map/route_tracing.h"

namespace direvovu::map {
namespace {

TripSummary Trip(int start, int end) {
  TripSummary trip;
  trip.startIndex = start;
  trip.endIndex = end;
  return trip;
}

struct Sent {
  int record;
  int slider;
  bool operator==(const Sent&) const = default;
};

// Ticks until the trip ends; what each tick sent.
std::vector<Sent> TraceToTheEnd(TraceState& state, const TripSummary& trip) {
  std::vector<Sent> sent;
  for (int guard = 0; guard < 1000; ++guard) {
    const TickOutcome tick = TracingTick(state, trip);
    if (tick.step) sent.push_back({tick.step->record, tick.step->slider.value_or(-1)});
    if (tick.finished) break;
  }
  return sent;
}

TEST(RouteTracing, FourRecordsAStepSendStartPlusFourPlusEightAndTheEnd) {
  const TripSummary trip = Trip(20, 30);
  TraceState state;
  state.pace = PaceOf(static_cast<int>(TracingSpeed::Quadruple));
  ASSERT_TRUE(StartTracing(state, trip));
  EXPECT_EQ(state.currentRecord, 20);
  EXPECT_EQ(TraceToTheEnd(state, trip), (std::vector<Sent>{{20, 0}, {24, 40}, {28, 80}, {30, 100}}));
  // Stopped and back at the start: the next play begins again at the trip's start.
  EXPECT_FALSE(state.tracing);
  EXPECT_EQ(state.progress, 0);
  EXPECT_EQ(state.sliderPosition, 0);
  ASSERT_TRUE(StartTracing(state, trip));
  EXPECT_EQ(state.currentRecord, 20);
}

TEST(RouteTracing, EachSpeedHasItsPaceAndHalfSpeedIsSlowerThanNormal) {
  EXPECT_EQ(PaceOf(0), (TracingPace{1, 1000}));
  EXPECT_EQ(PaceOf(1), (TracingPace{1, 500}));
  EXPECT_EQ(PaceOf(2), (TracingPace{2, 500}));
  EXPECT_EQ(PaceOf(3), (TracingPace{4, 500}));
  EXPECT_EQ(PaceOf(-1), PaceOf(1));
  // The window starts at normal speed.
  EXPECT_EQ(TraceState{}.pace, PaceOf(1));
  EXPECT_STREQ(TracingSpeedText(0), " X 1/2");
  EXPECT_STREQ(TracingSpeedText(3), " X 4");
}

TEST(RouteTracing, PauseKeepsThePlaceAndPlayContinuesFromIt) {
  const TripSummary trip = Trip(0, 9);
  TraceState state;
  ASSERT_TRUE(StartTracing(state, trip));
  TracingTick(state, trip);
  TracingTick(state, trip);
  PauseTracing(state);
  EXPECT_EQ(state.progress, 2);
  ASSERT_TRUE(StartTracing(state, trip));
  const TickOutcome next = TracingTick(state, trip);
  ASSERT_TRUE(next.step);
  EXPECT_EQ(next.step->record, 2);
  EXPECT_EQ(next.step->progress, 2);
  // Play while playing stops.
  EXPECT_FALSE(StartTracing(state, trip));
  EXPECT_FALSE(state.tracing);
}

TEST(RouteTracing, SeekingToHalfOfNineRecordsSendsTheFourthAndPauses) {
  const TripSummary trip = Trip(100, 109);
  TraceState state;
  StartTracing(state, trip);
  const SeekOutcome seek = SeekTrip(state, trip, 50);
  ASSERT_TRUE(seek.step);
  EXPECT_EQ(seek.step->record, 104);
  EXPECT_FALSE(seek.step->slider);  // the user placed it
  EXPECT_TRUE(seek.stopTimer);
  EXPECT_FALSE(state.tracing);
  EXPECT_EQ(state.sliderPosition, 50);
  EXPECT_EQ(state.currentRecord, 105);

  // Beyond the end only the timer stops.
  TraceState far;
  const SeekOutcome beyond = SeekTrip(far, trip, 150);
  EXPECT_FALSE(beyond.step);
  EXPECT_TRUE(beyond.stopTimer);
  const SeekOutcome before = SeekTrip(far, trip, -20);
  ASSERT_TRUE(before.step);
  EXPECT_EQ(before.step->record, 100);
}

TEST(RouteTracing, ATripOfOneStepEndsAtOnceAndNothingIsSentWithoutARecord) {
  const TripSummary trip = Trip(5, 5);
  TraceState state;
  StartTracing(state, trip);
  EXPECT_EQ(TraceToTheEnd(state, trip), (std::vector<Sent>{{5, -1}}));

  TraceState none;
  EXPECT_FALSE(TraceStep(none, trip, true));
  ResetTrace(state);
  EXPECT_EQ(state.currentRecord, -1);
}

}  // namespace
}  // namespace direvovu::map
