// The load of a pair and the start that lets both channels begin on the same picture.
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <chrono>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/pair_playback.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

// The rear channel is started first and the front one after it, in the next turn of the
// event loop: each channel holds at its first picture until both have one, so a longer
// pause would only add to the time the user waits for the pictures.
constexpr int kRearToFrontMs = 0;
constexpr int kRateFrontToRearMs = 100;

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

bool PairPlayback::Load(const std::filesystem::path& front_path) {
  if (!front_ || !rear_ || !NextPlaybackState(state_, PlaybackEvent::Load)) return false;
  if (state_ != PlaybackState::Idle) Stop(StopKind::Internal);
  ++generation_;
  SetState(PlaybackState::Loading);
  front_path_ = front_path;
  ResetTrack(track_);
  driving_.Reset();
  started_count_ = 0;
  front_reported_ = rear_reported_ = false;
  front_present_ = rear_present_ = false;
  if (TakePrepared(front_path)) return true;

  // The questions come first, on this thread; the copies, which take the time, follow
  // on the worker.
  const AskPassword ask = [this](const PasswordQuestion& question) { return prompts_.Password(question); };
  WorkingCopiesPlan plan =
      PlanWorkingCopies(front_path, folders_.front_copy(), folders_.rear_copy(), passwords_, ask);
  if (plan.result.status != LoadStatus::Ready) {
    const WorkingCopiesResult& copies = plan.result;
    if (copies.status == LoadStatus::Failed && copies.messageRow >= 0 &&
        copies.messageRow != msg::kIllegalFile) {
      ShowMessage(prompts_, copies.messageRow, PathText(copies.detail));
    }
    Fail(PathText(front_path));
    return false;
  }
  const std::uint64_t generation = generation_;
  const auto began = std::chrono::steady_clock::now();
  job_.Start(
      std::move(plan), folders_.front_copy(), folders_.rear_copy(),
      [this, generation, began, last = -1](std::uint64_t copied, std::uint64_t total) mutable {
        const int percent = total > 0 ? static_cast<int>(copied * 100 / total) : 100;
        if (percent == last ||
            std::chrono::steady_clock::now() - began < std::chrono::milliseconds(kProgressAfterMs))
          return;
        last = percent;
        QMetaObject::invokeMethod(
            this, [this, generation, percent] { ReportProgress(generation, percent); }, Qt::QueuedConnection);
      },
      [this, generation](PairLoadOutcome outcome) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcome = std::move(outcome)]() mutable {
              CopiesDone(generation, std::move(outcome));
            },
            Qt::QueuedConnection);
      });
  return true;
}

void PairPlayback::ReportProgress(std::uint64_t generation, int percent) {
  if (generation != generation_ || state_ != PlaybackState::Loading) return;
  shown_percent_ = percent;
  emit loadProgress(percent);
}

void PairPlayback::CopiesDone(std::uint64_t generation, PairLoadOutcome outcome) {
  if (generation != generation_ || state_ != PlaybackState::Loading) return;  // given up meanwhile
  job_.Join();
  if (shown_percent_ >= 0) emit loadProgress(-1);
  shown_percent_ = -1;
  UseCopies(std::move(outcome));
}

void PairPlayback::UseCopies(PairLoadOutcome outcome) {
  const WorkingCopiesResult& copies = outcome.copies;
  if (copies.status != LoadStatus::Ready) {
    if (copies.status == LoadStatus::Failed && copies.messageRow >= 0 &&
        copies.messageRow != msg::kIllegalFile) {
      ShowMessage(prompts_, copies.messageRow, PathText(copies.detail));
    }
    Fail(PathText(front_path_));
    return;
  }
  track_ = std::move(outcome.track);
  const bool illegal_shown = ShowParseMessages(outcome.parse);
  front_present_ = copies.frontPresent && outcome.parse.frontPlayable;
  rear_present_ = copies.rearPresent && outcome.parse.rearPlayable;
  if (!front_present_ && !rear_present_) {
    // The parse has already said why; the same message twice would only be noise.
    Fail(PathText(front_path_), !illegal_shown);
    return;
  }
  Transition(PlaybackEvent::CopiesReady);
  emit channelsChanged(front_present_, rear_present_);
  if (outcome.parse.shown != TrackChannel::None) emit trackLoaded();
  timers_.Start(timer::kOpenAndStart);
}

bool PairPlayback::ShowParseMessages(const PairTrackOutcome& outcome) {
  bool illegal_shown = false;
  const std::filesystem::path rear_path = RearCompanionPath(front_path_);
  const auto show = [&](const std::optional<TrackParseOutcome>& channel,
                        const std::filesystem::path& subject) {
    if (!channel || channel->message == kNoMessage) return;
    ShowMessage(prompts_, channel->message, PathText(subject));
    illegal_shown = illegal_shown || channel->message == msg::kIllegalFile;
  };
  show(outcome.front, front_path_);
  show(outcome.rear, rear_path);
  return illegal_shown;
}

void PairPlayback::Fail(const QString& detail, bool show_message) {
  // Stopped before the notice: the notice waits in an event loop of its own, where a late
  // report of the failed pair (the other channel's error) must not fail it a second time.
  Stop(StopKind::Failed);
  if (show_message) ShowMessage(prompts_, msg::kIllegalFile, detail, false, true, true);
  emit loadFailed();
}

// Timer 1004: open both players on the working copies and start them, rear first.
void PairPlayback::OpenAndStart() {
  timers_.Stop(timer::kOpenAndStart);
  if (state_ != PlaybackState::Opening) return;
  if (rear_present_) {
    const PlayerResult opened = rear_->Open(folders_.rear_copy());
    if (!opened) return Fail(QString::fromStdString(opened.message));
    rear_->SetDrawable(static_cast<std::uintptr_t>(rear_area_->winId()));
    rear_->SetMute(true);
  }
  if (front_present_) {
    const PlayerResult opened = front_->Open(folders_.front_copy());
    if (!opened) return Fail(QString::fromStdString(opened.message));
    front_->SetDrawable(static_cast<std::uintptr_t>(front_area_->winId()));
  }
  Transition(PlaybackEvent::PlayersOpened);
  const auto play_front = [this] {
    if (!front_present_) return;
    const PlayerResult started = front_->Play();
    if (!started) Fail(QString::fromStdString(started.message));
  };
  if (rear_present_) {
    const PlayerResult started = rear_->Play();
    if (!started) return Fail(QString::fromStdString(started.message));
    Later(kRearToFrontMs, play_front);
  } else {
    play_front();
  }
  timers_.Start(timer::kApplyRate);
  // A leading channel that shows neither a picture nor an error would hold the load, and
  // with it every command and the close, for good.
  After(first_picture_wait_ms_, [this] {
    const bool led = front_present_ ? front_reported_ : rear_reported_;
    if (state_ == PlaybackState::Starting && !led) Fail(PathText(front_path_));
  });
}

// Each player holds still at its first picture; once both have one, they are let go
// together. The wait is event driven (the players report on this thread), so nothing
// blocks; a rear channel that never reports is given up after the sync wait.
void PairPlayback::OnPlaying(Channel channel) {
  if (state_ != PlaybackState::Starting) return;
  const bool is_front = channel == Channel::kFront;
  if (is_front ? !front_present_ : !rear_present_) return;
  (is_front ? front_ : rear_)->Pause();
  ++started_count_;
  (is_front ? front_reported_ : rear_reported_) = true;

  const bool both = front_present_ && rear_present_;
  if (!both || (front_reported_ && rear_reported_)) {
    ReleaseTogether();
  } else if (is_front) {
    After(sync_wait_ms_, [this] {
      if (state_ == PlaybackState::Starting && !rear_reported_) GiveUpOnRear();
    });
  }
}

void PairPlayback::GiveUpOnRear() {
  // The front plays alone rather than not at all.
  rear_->Stop();
  rear_present_ = false;
  emit channelsChanged(front_present_, rear_present_);
  ReleaseTogether();
}

void PairPlayback::ReleaseTogether() {
  if (front_present_ && rear_present_) {
    rear_->Play();
    Later(kRearToFrontMs, [this] {
      front_->Play();
      FinishStart();
    });
    return;
  }
  Leading()->Play();
  FinishStart();
}

void PairPlayback::FinishStart() {
  auto_advance_ = true;
  Transition(PlaybackEvent::Released);
  timers_.Start(timer::kStartVolume);
  emit started();
  PrepareNext();
}

// Timer 1011: a rate chosen while nothing played applies from the start.
void PairPlayback::ApplyRate() {
  if (front_present_) front_->SetRate(rate_);
  if (rear_present_) {
    Later(kRateFrontToRearMs, [this] {
      if (rear_present_) rear_->SetRate(rate_);
    });
  }
}

void PairPlayback::OnEnded(Channel channel) {
  // The leading channel's end is the recording's end.
  const bool leading = channel == Channel::kFront ? front_present_ : !front_present_ && rear_present_;
  if (!leading || closed() || !auto_advance_) return;
  timers_.Start(timer::kEndOfFile);
}

void PairPlayback::OnError(Channel channel, const QString& detail) {
  if (closed() || state_ == PlaybackState::Idle || state_ == PlaybackState::Loading) return;
  const bool present = channel == Channel::kFront ? front_present_ : rear_present_;
  if (!present) return;
  // A file the library cannot play is a failed load; the viewer goes on with the next.
  Fail(detail.isEmpty() ? PathText(front_path_) : detail);
}

}  // namespace direvovu::gui
