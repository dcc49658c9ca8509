#include "core/app/playback_state.h"

#include <algorithm>
#include <array>

#include "core/app/transport.h"

namespace direvovu {
namespace {

using S = PlaybackState;
using E = PlaybackEvent;

// A set of phases, one bit each.
using Phases = unsigned;

constexpr Phases Bit(S state) { return 1U << static_cast<unsigned>(state); }
template <typename... States>
constexpr Phases Any(States... states) {
  return (Bit(states) | ...);
}

constexpr Phases kOpen = Any(S::Playing, S::Paused, S::Seeking, S::SeekingPaused);
constexpr Phases kAlive = Any(S::Idle, S::Loading, S::Opening, S::Starting) | kOpen;

// One row: the event, the phases it is accepted in, and the phase it leads to (nothing:
// the phase stays). An event that no row accepts in a phase is refused there.
struct PhaseRow {
  E event;
  Phases from;
  std::optional<S> to;
};

constexpr std::array kPhaseTable{
    PhaseRow{E::Load, Any(S::Idle) | kOpen, S::Loading},  // the pair that plays is stopped first
    PhaseRow{E::CopiesReady, Any(S::Loading), S::Opening},
    PhaseRow{E::PlayersOpened, Any(S::Opening), S::Starting},
    PhaseRow{E::FirstPicture, Any(S::Starting), std::nullopt},
    PhaseRow{E::RearGivenUp, Any(S::Starting), std::nullopt},
    PhaseRow{E::Released, Any(S::Starting), S::Playing},
    PhaseRow{E::Pause, Any(S::Playing), S::Paused},
    PhaseRow{E::Pause, Any(S::Seeking), S::SeekingPaused},
    PhaseRow{E::WindowPause, Any(S::Playing), S::Paused},
    PhaseRow{E::WindowPause, Any(S::Seeking), S::SeekingPaused},
    PhaseRow{E::Resume, Any(S::Paused), S::Playing},
    PhaseRow{E::Resume, Any(S::SeekingPaused), S::Seeking},
    PhaseRow{E::WindowResume, Any(S::Paused, S::SeekingPaused), std::nullopt},
    PhaseRow{E::Seek, Any(S::Playing), S::Seeking},
    PhaseRow{E::Seek, Any(S::Paused), S::SeekingPaused},
    PhaseRow{E::Seek, Any(S::Seeking, S::SeekingPaused), std::nullopt},  // waits its turn
    PhaseRow{E::SeekDone, Any(S::Seeking), S::Playing},
    PhaseRow{E::SeekDone, Any(S::SeekingPaused), S::Paused},
    // A stop when nothing plays still puts everything at rest.
    PhaseRow{E::Failed, kAlive, S::Idle},
    PhaseRow{E::Stop, kAlive, S::Idle},
    PhaseRow{E::Ended, kAlive, S::Idle},
    PhaseRow{E::Disarm, kAlive, std::nullopt},
    PhaseRow{E::StopWaitBegan, kAlive, std::nullopt},
    PhaseRow{E::StopWaitPassed, kAlive, std::nullopt},
    PhaseRow{E::PlayersSettled, kAlive, std::nullopt},
    // Only the copy can be given up at once; open players finish their start first.
    PhaseRow{E::Close, Any(S::Idle, S::Loading) | kOpen, S::Closed},
};

const PhaseRow* FindRow(S phase, E event) {
  const auto* row = std::find_if(kPhaseTable.begin(), kPhaseTable.end(), [&](const PhaseRow& candidate) {
    return candidate.event == event && (candidate.from & Bit(phase)) != 0;
  });
  return row == kPhaseTable.end() ? nullptr : row;
}

// The stops: what the pair was doing is over; only an end of the recording keeps the
// advance. The channels stay known, so the stop's wait still watches the right players.
void PutAtRest(PairState& next, bool keep_advance) {
  next.reported = ChannelSet();
  next.queued_seek_ms.reset();
  next.advance_armed = next.advance_armed && keep_advance;
}

// What the event does besides the phase; false when it is refused after all.
bool ApplyEffects(const PlaybackInput& input, S before, PairState& next) {
  switch (input.event) {
    case E::Load:
      next.present = next.reported = ChannelSet();
      next.queued_seek_ms.reset();
      return true;
    case E::CopiesReady:
      next.present = input.channels;
      return !input.channels.Empty();
    case E::FirstPicture:
      next.reported = next.reported | input.channels;
      return input.channels.Count() == 1 && next.present.Contains(input.channels);
    case E::RearGivenUp: {
      const bool both = next.present == ChannelSet::Both();
      next.present = next.present.Without(PairChannel::Rear);
      return both && !next.reported.Has(PairChannel::Rear);
    }
    case E::Released:
      next.advance_armed = true;
      return true;
    case E::WindowPause:
      next.held_for_window = true;
      return true;
    case E::WindowResume: {
      // Only a pause of that window's own is resumed by it.
      const bool held = next.held_for_window;
      next.held_for_window = false;
      return held;
    }
    case E::Seek:
      if (Seeking(before)) next.queued_seek_ms = input.seek_ms;
      return true;
    case E::SeekDone:
      next.queued_seek_ms.reset();
      return true;
    case E::Failed:
    case E::Stop:
    case E::Ended:
      PutAtRest(next, input.event == E::Ended);
      return true;
    case E::Disarm:
      next.advance_armed = false;
      return true;
    case E::StopWaitBegan:
      next.settle_left_ms = kStopWaitBoundMs;
      return true;
    case E::StopWaitPassed:
      next.settle_left_ms = std::max(next.settle_left_ms - kStopPollMs, 0);
      return true;
    case E::PlayersSettled:
      next.settle_left_ms = 0;
      return true;
    case E::PlayersOpened:
    case E::Pause:
    case E::Resume:
    case E::Close:
      return true;
  }
  return false;
}

}  // namespace

std::optional<PairState> NextPairState(const PairState& state, const PlaybackInput& input) {
  const PhaseRow* row = FindRow(state.phase, input.event);
  if (row == nullptr) return std::nullopt;
  PairState next = state;
  next.phase = row->to.value_or(state.phase);
  if (!ApplyEffects(input, state.phase, next)) return std::nullopt;
  // The window's hold is a pause: anything that leaves the pause drops it.
  if (next.phase != S::Paused && next.phase != S::SeekingPaused) next.held_for_window = false;
  return next;
}

bool LoadPending(PlaybackState state) { return (Bit(state) & Any(S::Loading, S::Opening, S::Starting)) != 0; }

bool PairOpened(PlaybackState state) { return (Bit(state) & (Any(S::Starting) | kOpen)) != 0; }

bool Running(PlaybackState state) { return state == S::Playing || state == S::Seeking; }

bool Seeking(PlaybackState state) { return state == S::Seeking || state == S::SeekingPaused; }

const char* PlaybackStateName(PlaybackState state) {
  switch (state) {
    case S::Idle:
      return "idle";
    case S::Loading:
      return "loading";
    case S::Opening:
      return "opening";
    case S::Starting:
      return "starting";
    case S::Playing:
      return "playing";
    case S::Paused:
      return "paused";
    case S::Seeking:
      return "seeking";
    case S::SeekingPaused:
      return "seeking-paused";
    case S::Closed:
      return "closed";
  }
  return "?";
}

const char* PlaybackEventName(PlaybackEvent event) {
  static constexpr std::array kNames{
      "load",           "copies-ready", "players-opened",   "first-picture",    "rear-given-up",
      "released",       "failed",       "pause",            "resume",           "window-pause",
      "window-resume",  "seek",         "seek-done",        "stop",             "ended",
      "disarm",         "stop-wait-began", "stop-wait-passed", "players-settled", "close",
  };
  const auto index = static_cast<std::size_t>(event);
  return index < kNames.size() ? kNames.at(index) : "?";
}

}  // namespace direvovu
