#include "core/app/playback_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "core/app/transport.h"

namespace direvovu {
namespace {

using S = PlaybackState;
using E = PlaybackEvent;

constexpr ChannelSet kFront = ChannelSet::Of(PairChannel::Front);
constexpr ChannelSet kRear = ChannelSet::Of(PairChannel::Rear);
constexpr ChannelSet kBoth = ChannelSet::Both();

PairState At(S phase, ChannelSet present = kBoth) {
  PairState state;
  state.phase = phase;
  state.present = present;
  return state;
}

// The payload each event needs to be taken at all.
PlaybackInput Plain(E event) {
  if (event == E::CopiesReady) return {event, kBoth};
  if (event == E::FirstPicture) return {event, kFront};
  return {event};
}

struct PhaseRow {
  S from;
  E event;
  std::optional<S> to;  // nullopt: refused
};

// Every phase change that exists, and the refusals that the transport relies on (the
// commands a pending load ignores, the close a start in progress waits out).
const std::vector<PhaseRow> kPhases = {
    {S::Idle, E::Load, S::Loading},
    {S::Idle, E::Close, S::Closed},
    {S::Idle, E::Pause, std::nullopt},
    {S::Idle, E::Resume, std::nullopt},
    {S::Idle, E::Seek, std::nullopt},
    {S::Idle, E::Stop, S::Idle},  // still puts everything at rest
    {S::Loading, E::CopiesReady, S::Opening},
    {S::Loading, E::Failed, S::Idle},
    {S::Loading, E::Stop, S::Idle},
    {S::Loading, E::Close, S::Closed},
    {S::Loading, E::Load, std::nullopt},
    {S::Loading, E::Pause, std::nullopt},
    {S::Loading, E::Seek, std::nullopt},
    {S::Loading, E::PlayersOpened, std::nullopt},
    {S::Loading, E::FirstPicture, std::nullopt},
    {S::Opening, E::PlayersOpened, S::Starting},
    {S::Opening, E::Stop, S::Idle},
    {S::Opening, E::Failed, S::Idle},
    {S::Opening, E::Close, std::nullopt},
    {S::Opening, E::Released, std::nullopt},
    {S::Starting, E::FirstPicture, S::Starting},
    {S::Starting, E::Released, S::Playing},
    {S::Starting, E::Failed, S::Idle},
    {S::Starting, E::Stop, S::Idle},
    {S::Starting, E::Close, std::nullopt},
    {S::Starting, E::Pause, std::nullopt},
    {S::Starting, E::WindowPause, std::nullopt},
    {S::Starting, E::Seek, std::nullopt},
    {S::Starting, E::Load, std::nullopt},
    {S::Playing, E::Pause, S::Paused},
    {S::Playing, E::WindowPause, S::Paused},
    {S::Playing, E::Seek, S::Seeking},
    {S::Playing, E::Resume, std::nullopt},
    {S::Playing, E::Load, S::Loading},
    {S::Playing, E::Stop, S::Idle},
    {S::Playing, E::Ended, S::Idle},
    {S::Playing, E::Failed, S::Idle},
    {S::Playing, E::Close, S::Closed},
    {S::Playing, E::SeekDone, std::nullopt},
    {S::Playing, E::FirstPicture, std::nullopt},
    {S::Paused, E::Resume, S::Playing},
    {S::Paused, E::Pause, std::nullopt},
    {S::Paused, E::Seek, S::SeekingPaused},
    {S::Paused, E::Stop, S::Idle},
    {S::Paused, E::Close, S::Closed},
    {S::Seeking, E::SeekDone, S::Playing},
    {S::Seeking, E::Pause, S::SeekingPaused},
    {S::Seeking, E::WindowPause, S::SeekingPaused},
    {S::Seeking, E::Seek, S::Seeking},
    {S::Seeking, E::Stop, S::Idle},
    {S::SeekingPaused, E::SeekDone, S::Paused},
    {S::SeekingPaused, E::Resume, S::Seeking},
    {S::SeekingPaused, E::Seek, S::SeekingPaused},
    {S::SeekingPaused, E::Close, S::Closed},
    {S::Closed, E::Load, std::nullopt},
    {S::Closed, E::Stop, std::nullopt},
    {S::Closed, E::Disarm, std::nullopt},
    {S::Closed, E::StopWaitPassed, std::nullopt},
    {S::Closed, E::Close, std::nullopt},
};

TEST(PlaybackState, PhasesFollowTheTable) {
  for (const PhaseRow& row : kPhases) {
    const std::optional<PairState> next = NextPairState(At(row.from), Plain(row.event));
    EXPECT_EQ(next ? std::optional(next->phase) : std::nullopt, row.to)
        << PlaybackStateName(row.from) << " + " << PlaybackEventName(row.event);
  }
}

TEST(PlaybackState, EveryPhaseIsReachedFromIdleAndNothingLeavesClosed) {
  std::vector<E> events;
  for (int e = 0; e <= static_cast<int>(E::Close); ++e) events.push_back(static_cast<E>(e));
  std::vector<S> reached = {S::Idle};
  for (std::size_t i = 0; i < reached.size(); ++i) {
    for (E event : events) {
      const std::optional<PairState> next = NextPairState(At(reached[i]), Plain(event));
      if (next && std::find(reached.begin(), reached.end(), next->phase) == reached.end())
        reached.push_back(next->phase);
    }
  }
  EXPECT_EQ(reached.size(), 9U);
  for (E event : events) EXPECT_FALSE(NextPairState(At(S::Closed), Plain(event))) << PlaybackEventName(event);
}

// What the events do to the rest of the state. Each row starts from `from` changed by
// `given`, and expects `from` changed by `then` (nothing: refused).
struct FieldRow {
  const char* what;
  S from;
  void (*given)(PairState&);
  PlaybackInput input;
  std::optional<void (*)(PairState&)> then;
};

void Nothing(PairState&) {}
void Held(PairState& s) { s.held_for_window = true; }
void Armed(PairState& s) { s.advance_armed = true; }
void FrontReported(PairState& s) { s.reported = kFront; }
void BothReported(PairState& s) { s.reported = kBoth; }
void RearReported(PairState& s) { s.reported = kRear; }
void Queued(PairState& s) { s.queued_seek_ms = 7000; }
void Settling(PairState& s) { s.settle_left_ms = kStopWaitBoundMs; }
void NearlySettled(PairState& s) { s.settle_left_ms = kStopPollMs / 2; }

const std::vector<FieldRow> kFields = {
    {"a load forgets the last pair's channels", S::Idle, [](PairState& s) { Queued(s); BothReported(s); },
     {E::Load}, [](PairState& s) { s.phase = S::Loading; s.present = s.reported = {}; }},
    {"the copies tell which channels play", S::Loading, [](PairState& s) { s.present = {}; },
     {E::CopiesReady, kRear}, [](PairState& s) { s.phase = S::Opening; s.present = kRear; }},
    {"copies of no playable channel are refused", S::Loading, Nothing, {E::CopiesReady, {}}, std::nullopt},
    {"a first picture is counted", S::Starting, Nothing, {E::FirstPicture, kFront}, FrontReported},
    {"a first picture of an absent channel is not", S::Starting, [](PairState& s) { s.present = kFront; },
     {E::FirstPicture, kRear}, std::nullopt},
    {"the rear is given up while it has not shown a picture", S::Starting, FrontReported, {E::RearGivenUp},
     [](PairState& s) { FrontReported(s); s.present = kFront; }},
    {"... but not once it has", S::Starting, RearReported, {E::RearGivenUp}, std::nullopt},
    {"... nor when it was never there", S::Starting, [](PairState& s) { s.present = kFront; },
     {E::RearGivenUp}, std::nullopt},
    {"the release arms the advance", S::Starting, BothReported, {E::Released},
     [](PairState& s) { BothReported(s); Armed(s); s.phase = S::Playing; }},
    {"another window's pause is held", S::Playing, Nothing, {E::WindowPause},
     [](PairState& s) { Held(s); s.phase = S::Paused; }},
    {"... and ended by that window", S::Paused, Held, {E::WindowResume}, Nothing},
    {"that window resumes no pause of the user's", S::Paused, Nothing, {E::WindowResume}, std::nullopt},
    {"the user's resume drops the hold", S::Paused, Held, {E::Resume}, [](PairState& s) { s.phase = S::Playing; }},
    {"a seek during a seek waits", S::Seeking, Nothing, {E::Seek, {}, 7000}, Queued},
    {"... and the newest one wins", S::SeekingPaused, [](PairState& s) { s.queued_seek_ms = 1; },
     {E::Seek, {}, 7000}, Queued},
    {"a seek's end takes the waiting one", S::Seeking, Queued, {E::SeekDone},
     [](PairState& s) { s.phase = S::Playing; }},
    {"a stop disarms the advance and drops a waiting seek", S::Seeking,
     [](PairState& s) { Armed(s); Queued(s); BothReported(s); }, {E::Stop},
     [](PairState& s) { s.phase = S::Idle; }},
    {"the recording's end keeps the advance", S::Playing, Armed, {E::Ended},
     [](PairState& s) { Armed(s); s.phase = S::Idle; }},
    {"a failure disarms it", S::Starting, Armed, {E::Failed}, [](PairState& s) { s.phase = S::Idle; }},
    {"a stop ends the window's hold", S::Paused, Held, {E::Stop}, [](PairState& s) { s.phase = S::Idle; }},
    {"the row after this one changed", S::Playing, Armed, {E::Disarm}, Nothing},
    {"the stop's wait has its bound", S::Idle, Nothing, {E::StopWaitBegan}, Settling},
    {"each poll spends a part of it", S::Idle, Settling, {E::StopWaitPassed},
     [](PairState& s) { s.settle_left_ms = kStopWaitBoundMs - kStopPollMs; }},
    {"... never below nothing", S::Idle, NearlySettled, {E::StopWaitPassed}, Nothing},
    {"settled players end it", S::Idle, Settling, {E::PlayersSettled}, Nothing},
    {"a load does not end it", S::Idle, Settling, {E::Load},
     [](PairState& s) { Settling(s); s.phase = S::Loading; s.present = {}; }},
};

TEST(PlaybackState, EventsChangeTheRestOfTheStateByTheTable) {
  for (const FieldRow& row : kFields) {
    PairState from = At(row.from);
    row.given(from);
    std::optional<PairState> expected;
    if (row.then) {
      expected = At(row.from);
      (*row.then)(*expected);
    }
    EXPECT_EQ(NextPairState(from, row.input), expected) << row.what;
  }
}

TEST(PlaybackState, GroupsOfStatesAnswerTheWindowsQuestions) {
  for (S s : {S::Loading, S::Opening, S::Starting}) EXPECT_TRUE(LoadPending(s)) << PlaybackStateName(s);
  for (S s : {S::Idle, S::Playing, S::Paused, S::Seeking, S::SeekingPaused, S::Closed})
    EXPECT_FALSE(LoadPending(s)) << PlaybackStateName(s);
  for (S s : {S::Starting, S::Playing, S::Paused, S::Seeking, S::SeekingPaused})
    EXPECT_TRUE(PairOpened(s)) << PlaybackStateName(s);
  for (S s : {S::Idle, S::Loading, S::Opening, S::Closed})
    EXPECT_FALSE(PairOpened(s)) << PlaybackStateName(s);
  EXPECT_TRUE(Running(S::Playing));
  EXPECT_TRUE(Running(S::Seeking));
  EXPECT_FALSE(Running(S::Paused));
  EXPECT_FALSE(Running(S::SeekingPaused));
}

}  // namespace
}  // namespace direvovu
