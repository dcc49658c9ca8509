// The load of a pair and the start that lets both channels begin on the same picture.
#include <QMetaObject>
#include <QWidget>

#include <chrono>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/app/pair_playback.h"
#include "gui/app/playback_timers.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

PairChannel PairChannelOf(Channel channel) {
  return channel == Channel::kFront ? PairChannel::Front : PairChannel::Rear;
}

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

bool PairPlayback::Load(const std::filesystem::path& front_path) {
  if (!front_ || !rear_ || !NextPairState(state_, {PlaybackEvent::Load})) return false;
  if (state_.phase != PlaybackState::Idle) Stop(StopKind::Internal);
  steps_.Drop();
  Apply({PlaybackEvent::Load});
  front_path_ = front_path;
  ResetTrack(track_);
  driving_.Reset();
  if (TakePrepared(front_path)) return true;

  // The questions come first, on this thread; the copies, which take the time, follow
  // on the worker.
  const AskPassword ask = [this](const PasswordQuestion& question) { return prompts_.Password(question); };
  WorkingCopiesPlan plan =
      PlanWorkingCopies(front_path, folders_.front_copy(), folders_.rear_copy(), passwords_, ask);
  if (plan.result.status != LoadStatus::Ready) {
    FailCopies(plan.result, front_path);
    return false;
  }
  const std::uint64_t generation = steps_.Generation();
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
  if (generation != steps_.Generation() || state_.phase != PlaybackState::Loading) return;
  shown_percent_ = percent;
  emit loadProgress(percent);
}

void PairPlayback::CopiesDone(std::uint64_t generation, PairLoadOutcome outcome) {
  // given up meanwhile
  if (generation != steps_.Generation() || state_.phase != PlaybackState::Loading) return;
  job_.Join();
  if (shown_percent_ >= 0) emit loadProgress(-1);
  shown_percent_ = -1;
  UseCopies(std::move(outcome));
}

void PairPlayback::UseCopies(PairLoadOutcome outcome) {
  const WorkingCopiesResult& copies = outcome.copies;
  if (copies.status != LoadStatus::Ready) {
    FailCopies(copies, front_path_);
    return;
  }
  track_ = std::move(outcome.track);
  const bool illegal_shown = ShowParseMessages(outcome.parse);
  ChannelSet playable;
  if (copies.frontPresent && outcome.parse.frontPlayable) playable = playable.With(PairChannel::Front);
  if (copies.rearPresent && outcome.parse.rearPlayable) playable = playable.With(PairChannel::Rear);
  if (!Apply({PlaybackEvent::CopiesReady, playable})) {
    // No channel plays. The parse has already said why; the same message twice would
    // only be noise.
    Fail(PathText(front_path_), !illegal_shown);
    return;
  }
  emit channelsChanged(frontPresent(), rearPresent());
  if (outcome.parse.shown != TrackChannel::None) emit trackLoaded();
  timers_.Start(playback_timer::kOpenAndStart);
}

bool PairPlayback::ShowParseMessages(const PairTrackOutcome& outcome) {
  bool illegal_shown = false;
  const std::filesystem::path rear_path = RearCompanionPath(front_path_);
  const auto show = [&](const std::optional<TrackParseOutcome>& channel,
                        const std::filesystem::path& subject) {
    const std::optional<MessageId> message = channel ? ParseMessage(channel->result) : std::nullopt;
    if (!message) return;
    ShowMessage(prompts_, *message, PathText(subject));
    illegal_shown = illegal_shown || *message == msg::kIllegalFile;
  };
  show(outcome.front, front_path_);
  show(outcome.rear, rear_path);
  return illegal_shown;
}

// A load whose copies were not made: what the copy said, then the notice of the pair.
void PairPlayback::FailCopies(const WorkingCopiesResult& copies, const std::filesystem::path& front_path) {
  if (const auto message = CopyFailureMessage(copies)) ShowMessage(prompts_, *message, PathText(copies.detail));
  Fail(PathText(front_path));
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
  timers_.Stop(playback_timer::kOpenAndStart);
  if (state_.phase != PlaybackState::Opening) return;
  RunSteps(PairSequence::Open, [this] { StartPlayers(); });
}

bool PairPlayback::OpenChannel(PairChannel channel) {
  IChannelPlayer& player = Player(channel);
  const bool front = channel == PairChannel::Front;
  const PlayerResult opened = player.Open(front ? folders_.front_copy() : folders_.rear_copy());
  if (!opened) {
    Fail(QString::fromStdString(opened.message));
    return false;
  }
  player.SetDrawable(static_cast<std::uintptr_t>((front ? front_area_ : rear_area_)->winId()));
  if (!front) player.SetMute(true);
  return true;
}

void PairPlayback::StartPlayers() {
  Apply({PlaybackEvent::PlayersOpened});
  RunSteps(PairSequence::Play);
  if (state_.phase != PlaybackState::Starting) return;  // a player failed to start
  timers_.Start(playback_timer::kApplyRate);
  // A leading channel that shows neither a picture nor an error would hold the load, and
  // with it every command and the close, for good.
  steps_.After(first_picture_wait_ms_, [this] {
    const PairChannel leading = frontPresent() ? PairChannel::Front : PairChannel::Rear;
    if (state_.phase == PlaybackState::Starting && !state_.reported.Has(leading)) Fail(PathText(front_path_));
  });
}

// Each player holds still at its first picture; once both have one, they are let go
// together. The wait is event driven (the players report on this thread), so nothing
// blocks; a rear channel that never reports is given up after the sync wait.
void PairPlayback::OnPlaying(Channel channel) {
  const PairChannel reporting = PairChannelOf(channel);
  if (!Apply({PlaybackEvent::FirstPicture, ChannelSet::Of(reporting)})) return;
  Player(reporting).Pause();
  if (state_.reported == state_.present) {
    ReleaseTogether();
  } else if (reporting == PairChannel::Front) {
    steps_.After(sync_wait_ms_, [this] { GiveUpOnRear(); });
  }
}

void PairPlayback::GiveUpOnRear() {
  if (!Apply({PlaybackEvent::RearGivenUp})) return;  // it came after all
  // The front plays alone rather than not at all.
  rear_->Stop();
  emit channelsChanged(frontPresent(), rearPresent());
  ReleaseTogether();
}

void PairPlayback::ReleaseTogether() { RunSteps(PairSequence::Play, [this] { FinishStart(); }); }

void PairPlayback::FinishStart() {
  Apply({PlaybackEvent::Released});
  timers_.Start(playback_timer::kStartVolume);
  timers_.Start(playback_timer::kSettle);
  emit started();
  PrepareNext();
}

// Timer 1011: a rate chosen while nothing played applies from the start.
void PairPlayback::ApplyRate() { RunSteps(PairSequence::Rate); }

void PairPlayback::OnEnded(Channel channel) {
  // The leading channel's end is the recording's end.
  const bool leading = channel == Channel::kFront ? frontPresent() : !frontPresent() && rearPresent();
  if (!leading || closed() || !autoAdvance()) return;
  timers_.Start(playback_timer::kEndOfFile);
}

void PairPlayback::OnError(Channel channel, const QString& detail) {
  if (closed() || state_.phase == PlaybackState::Idle || state_.phase == PlaybackState::Loading) return;
  if (!state_.present.Has(PairChannelOf(channel))) return;
  // A file the library cannot play is a failed load; the viewer goes on with the next.
  Fail(detail.isEmpty() ? PathText(front_path_) : detail);
}

}  // namespace direvovu::gui
