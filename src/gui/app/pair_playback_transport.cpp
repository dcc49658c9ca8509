// Play, pause, seek and rate of a loaded pair. The fixed pauses between the two
// channels' calls are paced steps on the event loop (Later), never sleeps: a player
// that does not answer cannot freeze the window.
#include <QTimer>

#include "core/app/transport.h"
#include "gui/app/pair_playback.h"

namespace direvovu::gui {
namespace {

constexpr int kRearToFrontMs = 0;
constexpr int kSeekPauseMs = 100;
constexpr int kSeekFrontToRearMs = 200;
constexpr int kResumeFrontToRearMs = 100;
constexpr int kRateFrontToRearMs = 200;

bool SettledForPlay(PlayerState state) {
  return state == PlayerState::kIdle || state == PlayerState::kPaused || state == PlayerState::kStopped ||
         state == PlayerState::kEnded;
}

// A player that failed or never opened a file will not move any more either.
bool SettledForStop(PlayerState state) {
  return state == PlayerState::kStopped || state == PlayerState::kEnded || state == PlayerState::kIdle ||
         state == PlayerState::kError;
}

}  // namespace

bool PairPlayback::SettledForPlay() const {
  // An absent rear channel counts as ended.
  const bool rear_settled = !rear_ || (loaded() && !rear_present_) || gui::SettledForPlay(rear_->GetState());
  return front_ && gui::SettledForPlay(front_->GetState()) && rear_settled;
}

bool PairPlayback::SettledForStop() const {
  const bool rear_settled = !rear_ || !rear_present_ || gui::SettledForStop(rear_->GetState());
  return (!front_ || gui::SettledForStop(front_->GetState())) && rear_settled;
}

void PairPlayback::Play(const std::function<std::optional<std::filesystem::path>()>& pick) {
  TryPlay(pick, kPlayAttempts);
}

void PairPlayback::TryPlay(const std::function<std::optional<std::filesystem::path>()>& pick,
                           int attempts_left) {
  if (loadPending() || closed()) return;
  if (!SettledForPlay()) {
    // Still busy (or playing already): try again a little later, then give up.
    if (attempts_left > 1) {
      Later(kPlayRetryMs, [this, pick, attempts_left] { TryPlay(pick, attempts_left - 1); });
    }
    return;
  }
  if (loaded()) {
    Resume();
    return;
  }
  if (const std::optional<std::filesystem::path> row = pick()) Load(*row);
}

void PairPlayback::Resume() {
  if (!Transition(PlaybackEvent::Resume)) return;
  if (rear_present_) rear_->Play();
  // A pause that came in between holds.
  Later(kRearToFrontMs, [this] {
    if (front_present_ && Running(state_)) front_->Play();
  });
}

void PairPlayback::Pause() {
  if (!Transition(PlaybackEvent::Pause)) return;
  ForEachPresent([](IChannelPlayer& player) { player.Pause(); });
}

void PairPlayback::PauseForWindow() {
  if (!playing()) return;
  Pause();
  held_for_window_ = true;
}

void PairPlayback::ResumeAfterWindow() {
  if (!held_for_window_) return;
  held_for_window_ = false;
  // Through the play command, so that it waits for the players to settle; a paused
  // pair is loaded, so no row is picked.
  if (state_ == PlaybackState::Paused) Play([] { return std::optional<std::filesystem::path>(); });
}

void PairPlayback::TogglePause(const std::function<std::optional<std::filesystem::path>()>& pick) {
  if (Running(state_)) {
    Pause();
  } else {
    Play(pick);
  }
}

void PairPlayback::WaitForStopSettle() {
  if (SettledForStop() || stop_settle_left_ms_ <= 0) {
    stop_settle_left_ms_ = 0;
    return;
  }
  stop_settle_left_ms_ -= kStopPollMs;
  // Not paced by Later: a load may start meanwhile, and the bound must still end.
  QTimer::singleShot(kStopPollMs, this, [this] {
    if (!closed()) WaitForStopSettle();
  });
}

void PairPlayback::SeekToSlider(int position, int range) {
  if (loadPending() || !loaded() || !LeadingPlays()) return;
  const std::int64_t length = Leading()->GetLength();
  if (length <= 0) return;
  SeekTo(SeekTargetMs(length, position, range));
}

void PairPlayback::Nudge(std::int64_t delta_ms) {
  if (loadPending() || !loaded() || !LeadingPlays()) return;
  IChannelPlayer* leading = Leading();
  SeekTo(NudgedTimeMs(leading->GetTime(), leading->GetLength(), delta_ms));
}

// The seek lock: while one seek's steps run, a newer target waits and then runs; older
// waiting targets are dropped (only where the user let go last matters).
void PairPlayback::SeekTo(std::int64_t target_ms) {
  if (state_ == PlaybackState::Seeking || state_ == PlaybackState::SeekingPaused) {
    queued_seek_ms_ = target_ms;
    return;
  }
  IChannelPlayer* leading = Leading();
  if (leading == nullptr || leading->GetLength() < target_ms) {
    // Past the end: the recording is over.
    if (front_present_) front_->Stop();
    Later(kSeekPauseMs, [this] {
      if (rear_present_) rear_->Stop();
    });
    return;
  }
  const bool was_running = front_present_ && front_->GetState() == PlayerState::kPlaying;
  if (!Transition(PlaybackEvent::Seek)) return;
  if (!front_present_) {
    rear_->SetTime(target_ms);
    FinishSeek();
    return;
  }
  const auto set_times = [this, target_ms, was_running] {
    front_->SetTime(target_ms);
    Later(kSeekFrontToRearMs, [this, target_ms, was_running] {
      if (rear_present_) rear_->SetTime(target_ms);
      // A pause pressed while the seek ran holds: the pictures stay where they are.
      if (!was_running || state_ != PlaybackState::Seeking) return FinishSeek();
      front_->Play();
      Later(kResumeFrontToRearMs, [this] {
        if (rear_present_ && state_ == PlaybackState::Seeking) rear_->Play();
        FinishSeek();
      });
    });
  };
  if (!was_running) {
    set_times();
    return;
  }
  front_->Pause();
  if (rear_present_) rear_->Pause();
  Later(kSeekPauseMs, set_times);
}

void PairPlayback::FinishSeek() {
  Transition(PlaybackEvent::SeekDone);
  emit seeked();
  if (!queued_seek_ms_) return;
  const std::int64_t next = *queued_seek_ms_;
  queued_seek_ms_.reset();
  SeekTo(next);
}

// Also while a start waits for its channels: the step that applies the chosen rate after
// a start may have run already, and the players would keep the old one.
void PairPlayback::ChangeRate(bool up) {
  if (up ? !CanRateUp(rate_) : !CanRateDown(rate_)) return;
  const auto change = [up](IChannelPlayer& player) { up ? player.RateUp() : player.RateDown(); };
  if (LeadingPlays()) {
    if (front_present_) change(*front_);
    Later(kRateFrontToRearMs, [this, change] {
      if (rear_present_) change(*rear_);
    });
  }
  rate_ = up ? direvovu::RateUp(rate_) : direvovu::RateDown(rate_);
  emit indicatorsChanged();
}

}  // namespace direvovu::gui
