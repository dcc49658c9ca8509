#include "core/app/playback_state.h"

namespace direvovu {
namespace {

using S = PlaybackState;
using E = PlaybackEvent;

std::optional<S> WhileLoading(S state, E event) {
  switch (event) {
    case E::CopiesReady:
      return state == S::Loading ? std::optional(S::Opening) : std::nullopt;
    case E::PlayersOpened:
      return state == S::Opening ? std::optional(S::Starting) : std::nullopt;
    case E::Released:
      return state == S::Starting ? std::optional(S::Playing) : std::nullopt;
    case E::Failed:
    case E::Stop:
      return S::Idle;
    case E::Close:
      // Only the copy can be given up at once; open players finish their start first.
      return state == S::Loading ? std::optional(S::Closed) : std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<S> WhileOpen(S state, E event) {
  const bool seeking = state == S::Seeking || state == S::SeekingPaused;
  switch (event) {
    case E::Load:
      return S::Loading;  // the pair that plays is stopped first
    case E::Pause:
      if (state == S::Playing) return S::Paused;
      return state == S::Seeking ? std::optional(S::SeekingPaused) : std::nullopt;
    case E::Resume:
      if (state == S::Paused) return S::Playing;
      return state == S::SeekingPaused ? std::optional(S::Seeking) : std::nullopt;
    case E::Seek:
      return state == S::Playing || state == S::Seeking ? S::Seeking : S::SeekingPaused;
    case E::SeekDone:
      if (!seeking) return std::nullopt;
      return state == S::Seeking ? S::Playing : S::Paused;
    case E::Failed:
    case E::Stop:
      return S::Idle;
    case E::Close:
      return S::Closed;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<PlaybackState> NextPlaybackState(PlaybackState state, PlaybackEvent event) {
  switch (state) {
    case S::Idle:
      if (event == E::Load) return S::Loading;
      if (event == E::Close) return S::Closed;
      return std::nullopt;
    case S::Loading:
    case S::Opening:
    case S::Starting:
      return WhileLoading(state, event);
    case S::Playing:
    case S::Paused:
    case S::Seeking:
    case S::SeekingPaused:
      return WhileOpen(state, event);
    case S::Closed:
      return std::nullopt;
  }
  return std::nullopt;
}

bool LoadPending(PlaybackState state) {
  return state == S::Loading || state == S::Opening || state == S::Starting;
}

bool PairOpened(PlaybackState state) {
  return state == S::Starting || state == S::Playing || state == S::Paused || state == S::Seeking ||
         state == S::SeekingPaused;
}

bool Running(PlaybackState state) { return state == S::Playing || state == S::Seeking; }

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
  switch (event) {
    case E::Load:
      return "load";
    case E::CopiesReady:
      return "copies-ready";
    case E::PlayersOpened:
      return "players-opened";
    case E::Released:
      return "released";
    case E::Failed:
      return "failed";
    case E::Pause:
      return "pause";
    case E::Resume:
      return "resume";
    case E::Seek:
      return "seek";
    case E::SeekDone:
      return "seek-done";
    case E::Stop:
      return "stop";
    case E::Close:
      return "close";
  }
  return "?";
}

}  // namespace direvovu
