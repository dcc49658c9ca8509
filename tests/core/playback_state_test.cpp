#include "core/app/playback_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace direvovu {
namespace {

using S = PlaybackState;
using E = PlaybackEvent;

struct Row {
  S from;
  E event;
  std::optional<S> to;  // nullopt: refused
};

// Every transition that exists, and the refusals that the transport relies on (the
// commands a pending load ignores, the close a start in progress waits out).
const std::vector<Row> kTable = {
    {S::Idle, E::Load, S::Loading},
    {S::Idle, E::Close, S::Closed},
    {S::Idle, E::Pause, std::nullopt},
    {S::Idle, E::Resume, std::nullopt},
    {S::Idle, E::Seek, std::nullopt},
    {S::Idle, E::Stop, std::nullopt},
    {S::Loading, E::CopiesReady, S::Opening},
    {S::Loading, E::Failed, S::Idle},
    {S::Loading, E::Stop, S::Idle},
    {S::Loading, E::Close, S::Closed},
    {S::Loading, E::Load, std::nullopt},
    {S::Loading, E::Pause, std::nullopt},
    {S::Loading, E::Seek, std::nullopt},
    {S::Loading, E::PlayersOpened, std::nullopt},
    {S::Opening, E::PlayersOpened, S::Starting},
    {S::Opening, E::Stop, S::Idle},
    {S::Opening, E::Failed, S::Idle},
    {S::Opening, E::Close, std::nullopt},
    {S::Opening, E::Released, std::nullopt},
    {S::Starting, E::Released, S::Playing},
    {S::Starting, E::Failed, S::Idle},
    {S::Starting, E::Stop, S::Idle},
    {S::Starting, E::Close, std::nullopt},
    {S::Starting, E::Pause, std::nullopt},
    {S::Starting, E::Seek, std::nullopt},
    {S::Starting, E::Load, std::nullopt},
    {S::Playing, E::Pause, S::Paused},
    {S::Playing, E::Seek, S::Seeking},
    {S::Playing, E::Resume, std::nullopt},
    {S::Playing, E::Load, S::Loading},
    {S::Playing, E::Stop, S::Idle},
    {S::Playing, E::Failed, S::Idle},
    {S::Playing, E::Close, S::Closed},
    {S::Playing, E::SeekDone, std::nullopt},
    {S::Paused, E::Resume, S::Playing},
    {S::Paused, E::Pause, std::nullopt},
    {S::Paused, E::Seek, S::SeekingPaused},
    {S::Paused, E::Stop, S::Idle},
    {S::Paused, E::Close, S::Closed},
    {S::Seeking, E::SeekDone, S::Playing},
    {S::Seeking, E::Pause, S::SeekingPaused},
    {S::Seeking, E::Seek, S::Seeking},
    {S::Seeking, E::Stop, S::Idle},
    {S::SeekingPaused, E::SeekDone, S::Paused},
    {S::SeekingPaused, E::Resume, S::Seeking},
    {S::SeekingPaused, E::Seek, S::SeekingPaused},
    {S::SeekingPaused, E::Close, S::Closed},
    {S::Closed, E::Load, std::nullopt},
    {S::Closed, E::Stop, std::nullopt},
    {S::Closed, E::Close, std::nullopt},
};

TEST(PlaybackState, TransitionsFollowTheTable) {
  for (const Row& row : kTable) {
    EXPECT_EQ(NextPlaybackState(row.from, row.event), row.to)
        << PlaybackStateName(row.from) << " + " << PlaybackEventName(row.event);
  }
}

TEST(PlaybackState, EveryStateIsReachedFromIdleAndNothingLeavesClosed) {
  const std::vector<E> events = {E::Load,     E::CopiesReady, E::PlayersOpened, E::Released,
                                 E::Failed,   E::Pause,       E::Resume,        E::Seek,
                                 E::SeekDone, E::Stop,        E::Close};
  std::vector<S> reached = {S::Idle};
  for (std::size_t i = 0; i < reached.size(); ++i) {
    for (E event : events) {
      const std::optional<S> next = NextPlaybackState(reached[i], event);
      if (next && std::find(reached.begin(), reached.end(), *next) == reached.end()) reached.push_back(*next);
    }
  }
  EXPECT_EQ(reached.size(), 9U);
  for (E event : events) EXPECT_FALSE(NextPlaybackState(S::Closed, event)) << PlaybackEventName(event);
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
