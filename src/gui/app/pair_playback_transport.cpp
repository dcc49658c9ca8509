// Play, pause, seek and rate of a loaded pair: each a sequence of pair_steps.h.
#include <QTimer>

#include "core/app/transport.h"
#include "gui/app/pair_playback.h"

namespace direvovu::gui {
namespace {

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
  const bool rear_settled = !rear_ || (loaded() && !rearPresent()) || gui::SettledForPlay(rear_->GetState());
  return front_ && gui::SettledForPlay(front_->GetState()) && rear_settled;
}

bool PairPlayback::SettledForStop() const {
  const bool rear_settled = !rear_ || !rearPresent() || gui::SettledForStop(rear_->GetState());
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
      steps_.Later(kPlayRetryMs, [this, pick, attempts_left] { TryPlay(pick, attempts_left - 1); });
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
  // A pause that comes in between the two channels holds (the steps stop at it).
  if (Apply({PlaybackEvent::Resume})) RunSteps(PairSequence::Play);
}

void PairPlayback::Pause() {
  if (Apply({PlaybackEvent::Pause})) RunSteps(PairSequence::Pause);
}

void PairPlayback::PauseForWindow() {
  if (Apply({PlaybackEvent::WindowPause})) RunSteps(PairSequence::Pause);
}

void PairPlayback::ResumeAfterWindow() {
  const bool paused = state_.phase == PlaybackState::Paused;
  if (!Apply({PlaybackEvent::WindowResume})) return;
  // Through the play command, so that it waits for the players to settle; a paused
  // pair is loaded, so no row is picked.
  if (paused) Play([] { return std::optional<std::filesystem::path>(); });
}

void PairPlayback::TogglePause(const std::function<std::optional<std::filesystem::path>()>& pick) {
  if (Running(state_.phase)) {
    Pause();
  } else {
    Play(pick);
  }
}

void PairPlayback::WaitForStopSettle() {
  Apply({SettledForStop() ? PlaybackEvent::PlayersSettled : PlaybackEvent::StopWaitPassed});
  if (!stopSettling() || closed()) return;
  // Not a step of the runner: a load may start meanwhile, and the bound must still end.
  QTimer::singleShot(kStopPollMs, this, [this] { WaitForStopSettle(); });
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
  if (Seeking(state_.phase)) {
    seek_frame_.reset();
    Apply({PlaybackEvent::Seek, {}, target_ms});
    return;
  }
  IChannelPlayer* leading = Leading();
  if (leading == nullptr || leading->GetLength() < target_ms) {
    RunSteps(PairSequence::StopAtTheEnd);  // past the end: the recording is over
    return;
  }
  const bool was_running = frontPresent() && front_->GetState() == PlayerState::kPlaying;
  if (!Apply({PlaybackEvent::Seek, {}, target_ms})) return;
  PairSequence sequence = was_running ? PairSequence::Seek : PairSequence::SeekStill;
  if (!frontPresent()) sequence = PairSequence::SeekRear;
  steps_.Run(
      StepsOf(sequence), [this, target_ms](const ChannelStep& step) { return Perform(step, target_ms); },
      [this] { FinishSeek(); });
}

void PairPlayback::FinishSeek() {
  const std::optional<std::int64_t> queued = state_.queued_seek_ms;
  Apply({PlaybackEvent::SeekDone});
  // A still pair shows the frame it was sent to.
  if (!queued && state_.phase == PlaybackState::Paused) still_frame_ = seek_frame_;
  seek_frame_.reset();
  emit seeked();
  if (queued) SeekTo(*queued);
}

// Also while a start waits for its channels: the step that applies the chosen rate after
// a start may have run already, and the players would keep the old one.
void PairPlayback::ChangeRate(bool up) {
  if (up ? !CanRateUp(rate_) : !CanRateDown(rate_)) return;
  rate_ = up ? direvovu::RateUp(rate_) : direvovu::RateDown(rate_);
  if (LeadingPlays()) RunSteps(PairSequence::Rate);
  emit indicatorsChanged();
}

}  // namespace direvovu::gui
