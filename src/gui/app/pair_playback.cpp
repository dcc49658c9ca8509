// The pair's players, their state, and the steps of the two channels' sequences.
#include "gui/app/pair_playback.h"

#include <QWidget>

#include <fstream>
#include <system_error>

#include "gui/app/playback_timers.h"

namespace direvovu::gui {
namespace {

PlaybackEvent StopEvent(StopKind kind) {
  switch (kind) {
    case StopKind::Failed:
      return PlaybackEvent::Failed;
    case StopKind::EndOfFile:
      return PlaybackEvent::Ended;
    case StopKind::Command:
    case StopKind::Internal:
      break;
  }
  return PlaybackEvent::Stop;
}

}  // namespace

void EmptyWorkingCopies(const WorkingFolders& folders) {
  std::error_code ignored;
  for (const std::filesystem::path& copy : {folders.front_copy(), folders.rear_copy()}) {
    std::filesystem::remove(copy, ignored);
    std::ofstream empty(copy, std::ios::binary | std::ios::trunc);
  }
}

PairPlayback::PairPlayback(const WorkingFolders& folders, IPrompts& prompts, QObject* parent)
    : QObject(parent), folders_(folders), prompts_(prompts), timers_(this), steps_(this) {
  DefineTimers();
}

PairPlayback::~PairPlayback() {
  job_.Cancel();
  DiscardPrepared();
  // libvlc's X11 output must let go of the video windows before they are destroyed.
  if (rear_) rear_->Release();
  if (front_) front_->Release();
}

void PairPlayback::DefineTimers() {
  using namespace playback_timer;
  timers_.Define(kOpenAndStart, kOpenAndStartMs, true, [this] { OpenAndStart(); });
  timers_.Define(kApplyRate, kApplyRateMs, true, [this] { ApplyRate(); });
  timers_.Define(kEndOfFile, kEndOfFileMs, true, [this] {
    Stop(StopKind::EndOfFile);
    emit ended();
  });
  timers_.Define(kStartVolume, kStartVolumeMs, true, [this] {
    if (front_) front_->SetVolume(volume_step_);
  });
  // Kept for the settle time after a start; it has no work of its own.
  timers_.Define(kSettle, kSettleMs, false, [this] { timers_.Stop(kSettle); });
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): front before rear, as everywhere
bool PairPlayback::CreatePlayers(const PlayerFactory& make, QWidget* front_area, QWidget* rear_area,
                                 std::string* error) {
  front_area_ = front_area;
  rear_area_ = rear_area;
  front_ = make(Channel::kFront);
  rear_ = make(Channel::kRear);
  for (IChannelPlayer* player : {front_.get(), rear_.get()}) {
    const PlayerResult started = player->Init();
    if (!started) {
      if (error != nullptr) *error = started.message;
      return false;
    }
  }
  // winId() makes the areas native windows of their own, which libvlc draws into.
  front_->SetDrawable(static_cast<std::uintptr_t>(front_area_->winId()));
  rear_->SetDrawable(static_cast<std::uintptr_t>(rear_area_->winId()));
  rear_->SetMute(true);
  front_->SetVolume(volume_step_);
  const auto wire = [this](IChannelPlayer* player, Channel channel) {
    connect(player, &IChannelPlayer::playing, this, [this, channel] { OnPlaying(channel); });
    connect(player, &IChannelPlayer::endReached, this, [this, channel] { OnEnded(channel); });
    connect(player, &IChannelPlayer::error, this,
            [this, channel](const QString& detail) { OnError(channel, detail); });
  };
  wire(front_.get(), Channel::kFront);
  wire(rear_.get(), Channel::kRear);
  return true;
}

bool PairPlayback::Apply(const PlaybackInput& input) {
  const std::optional<PairState> next = NextPairState(state_, input);
  if (!next) return false;
  const PlaybackState before = state_.phase;
  state_ = *next;
  if (state_.phase == before) return true;
  // A frame known by its steps is known only while the pair stays still.
  if (state_.phase != PlaybackState::Paused) ForgetStill();
  // A loop belongs to its recording.
  if (!PairOpened(state_.phase) && loop_ != AbLoop{}) {
    loop_ = {};
    if (loop_watch_ != nullptr) loop_watch_->stop();
    emit loopChanged();
  }
  emit stateChanged(state_.phase);
  return true;
}

IChannelPlayer& PairPlayback::Player(PairChannel channel) const {
  return channel == PairChannel::Front ? *front_ : *rear_;
}

IChannelPlayer* PairPlayback::Leading() const {
  return frontPresent() || !rearPresent() ? front_.get() : rear_.get();
}

bool PairPlayback::LeadingPlays() const {
  const IChannelPlayer* leading = Leading();
  return leading != nullptr && leading->IsPlaying();
}

void PairPlayback::RunSteps(PairSequence sequence, std::function<void()> done) {
  steps_.Run(
      StepsOf(sequence), [this](const ChannelStep& step) { return Perform(step); }, std::move(done));
}

bool PairPlayback::Perform(const ChannelStep& step, std::int64_t time_ms) {
  if (!state_.present.Has(step.channel)) return true;
  if (!StepStillWanted(step, state_.phase)) return false;
  IChannelPlayer& player = Player(step.channel);
  switch (step.action) {
    case StepAction::Open:
      return OpenChannel(step.channel);
    case StepAction::Play: {
      const PlayerResult started = player.Play();
      if (!started) Fail(QString::fromStdString(started.message));
      return started.ok;
    }
    case StepAction::Pause:
      player.Pause();
      break;
    case StepAction::Stop:
      player.Stop();
      break;
    case StepAction::SetTime:
      player.SetTime(time_ms);
      break;
    case StepAction::SetRate:
      player.SetRate(rate_);
      break;
  }
  return true;
}

void PairPlayback::SetVolume(int step) {
  volume_step_ = step;
  if (front_) front_->SetVolume(step);
  emit indicatorsChanged();
}

void PairPlayback::DisarmAdvance() { Apply({PlaybackEvent::Disarm}); }

void PairPlayback::Stop(StopKind kind) {
  steps_.Drop();  // the steps of a start (or a seek) still under way do nothing
  const bool copying = state_.phase == PlaybackState::Loading;
  job_.Cancel();
  if (!Apply({StopEvent(kind)})) return;  // closed
  timers_.StopEverything();
  // Whether or not the copy got to its end, nothing of the pair given up stays behind.
  if (copying) EmptyWorkingCopies(folders_);
  shown_percent_ = -1;
  // The prepared row is the one the end of this recording advances to; any other stop
  // makes it a guess.
  if (kind != StopKind::EndOfFile) DiscardPrepared();
  RunSteps(PairSequence::Stop);
  ResetTrack(track_);
  driving_.Reset();
  emit stopped(kind);
}

void PairPlayback::StopCommand() {
  if (state_.phase == PlaybackState::Idle || closed()) return;
  Stop(StopKind::Command);
  // The players are told to stop; the window goes on while they settle, and stops
  // looking after a bound (a player that never settles must not hold it).
  Apply({PlaybackEvent::StopWaitBegan});
  WaitForStopSettle();
}

bool PairPlayback::Close() {
  if (closed()) return true;
  const PlaybackState before = state_.phase;
  if (!Apply({PlaybackEvent::Close})) return false;
  steps_.Drop();
  job_.Cancel();
  DiscardPrepared();
  timers_.StopEverything();
  // Stopped and released before their video windows go: libvlc's X11 output crashes
  // when its window disappears under it.
  if (PairOpened(before)) RunSteps(PairSequence::Stop);
  if (rear_) rear_->Release();
  if (front_) front_->Release();
  ResetTrack(track_);
  driving_.Reset();
  std::error_code ignored;
  std::filesystem::remove(folders_.front_copy(), ignored);
  std::filesystem::remove(folders_.rear_copy(), ignored);
  return true;
}

}  // namespace direvovu::gui
