// Reading a moment: frame steps of the paused pair, the A-B loop, the pair's exact time.
#include "gui/app/pair_playback.h"

#include <algorithm>

#include "core/app/transport.h"

namespace direvovu::gui {
namespace {

// How often a looping pair looks whether it passed B; a frame and a bit at 30 fps.
constexpr int kLoopWatchMs = 40;

}  // namespace

std::int64_t PairPlayback::LengthMs() const {
  const IChannelPlayer* leading = Leading();
  return leading != nullptr && loaded() ? leading->GetLength() : 0;
}

std::int64_t PairPlayback::PositionUs() const {
  const IChannelPlayer* leading = Leading();
  if (leading == nullptr || !loaded()) return 0;
  const FrameRate rate = leading->GetFrameRate();
  if (still_frame_) return FrameStartUs(*still_frame_, rate);
  const std::int64_t time_us = std::max<std::int64_t>(leading->GetTime(), 0) * 1000;
  // A still picture is a whole frame: its time is where that frame starts.
  if (state_.phase == PlaybackState::Paused && rate.Known())
    return FrameStartUs(FrameAt(time_us, rate), rate);
  return time_us;
}

PairStill PairPlayback::Still() const {
  const IChannelPlayer* leading = Leading();
  PairStill still;
  still.front_rate = leading->GetFrameRate();
  still.front_length_ms = leading->GetLength();
  still.front_frame = still_frame_
                          ? *still_frame_
                          : FrameAt(std::max<std::int64_t>(leading->GetTime(), 0) * 1000, still.front_rate);
  // The rear follows the front only when both are there.
  if (frontPresent() && rearPresent()) {
    still.rear_rate = rear_->GetFrameRate();
    still.rear_length_ms = rear_->GetLength();
  }
  return still;
}

void PairPlayback::StepFrame(bool forward) {
  if (loadPending() || !loaded() || !LeadingPlays()) return;
  if (state_.phase == PlaybackState::Playing) {
    // As in the players people know: the first press holds the picture.
    Pause();
    return;
  }
  if (state_.phase != PlaybackState::Paused) return;  // a seek runs: the held key comes again
  const std::optional<FrameStepPlan> plan = PlanFrameStep(Still(), forward);
  if (!plan) return;  // the first or last frame stays
  ApplyFrameStep(*plan);
}

void PairPlayback::ApplyFrameStep(const FrameStepPlan& plan) {
  IChannelPlayer* leading = Leading();
  IChannelPlayer* follower = frontPresent() && rearPresent() ? rear_.get() : nullptr;
  if (plan.front_next) leading->NextFrame();
  if (plan.front_seek_ms) leading->SetTime(*plan.front_seek_ms);
  if (follower != nullptr) {
    for (int i = 0; i < plan.rear_next; ++i) follower->NextFrame();
    if (plan.rear_seek_ms) follower->SetTime(*plan.rear_seek_ms);
  }
  still_frame_ = plan.front_frame;
  emit frameStepped();
}

void PairPlayback::ForgetStill() { still_frame_.reset(); }

void PairPlayback::LoopKey() {
  if (loadPending() || !loaded() || !LeadingPlays()) return;
  loop_ = PressLoopKey(loop_, PositionUs() / 1000);
  if (loop_watch_ == nullptr) {
    loop_watch_ = new QTimer(this);
    loop_watch_->setInterval(kLoopWatchMs);
    connect(loop_watch_, &QTimer::timeout, this, &PairPlayback::WatchLoop);
  }
  if (loop_.Looping()) {
    loop_watch_->start();
  } else {
    loop_watch_->stop();
  }
  emit loopChanged();
}

void PairPlayback::WatchLoop() {
  // Only a moving pair loops; a seek under way comes first.
  if (state_.phase != PlaybackState::Playing || !LeadingPlays()) return;
  if (const std::optional<std::int64_t> back = LoopJumpMs(loop_, Leading()->GetTime())) SeekTo(*back);
}

void PairPlayback::SeekToUs(std::int64_t target_us) {
  if (loadPending() || !loaded() || !LeadingPlays()) return;
  const std::int64_t length = Leading()->GetLength();
  if (length <= 0) return;
  const FrameRate rate = Leading()->GetFrameRate();
  const std::int64_t wanted_us = std::max<std::int64_t>(target_us, 0);
  const std::int64_t target_ms = NudgedTimeMs(wanted_us / 1000, length, 0);
  // Held inside the recording, or queued behind a running seek: the time is all there is.
  if (!rate.Known() || target_ms != wanted_us / 1000 || Seeking(state_.phase)) {
    SeekTo(target_ms);
    return;
  }
  // libvlc takes milliseconds: the frame's own millisecond, so it is neither dropped as
  // before the target nor taken for the one before.
  const std::int64_t frame = FrameAt(wanted_us, rate);
  seek_frame_ = frame;
  SeekTo(FrameSeekMs(frame, rate));
}

void PairPlayback::SetRate(float rate) {
  const float wanted = std::clamp(rate, kSlowestRate, kFastestRate);
  if (wanted == rate_) return;
  rate_ = wanted;
  if (LeadingPlays()) RunSteps(PairSequence::Rate);
  emit indicatorsChanged();
}

void PairPlayback::ToggleMute() {
  // The rear is always silent; the front carries the sound, and keeps its own switch.
  if (front_) front_->ToggleMute();
  emit indicatorsChanged();
}

}  // namespace direvovu::gui
