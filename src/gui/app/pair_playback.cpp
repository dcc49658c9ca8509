// The pair's players, their state and the paced steps between the two channels' calls.
#include "gui/app/pair_playback.h"

#include <QTimer>
#include <QWidget>

#include <fstream>
#include <system_error>

#include "core/app/transport.h"
#include "gui/app/main_timers.h"

namespace direvovu::gui {

void EmptyWorkingCopies(const WorkingFolders& folders) {
  std::error_code ignored;
  for (const std::filesystem::path& copy : {folders.front_copy(), folders.rear_copy()}) {
    std::filesystem::remove(copy, ignored);
    std::ofstream empty(copy, std::ios::binary | std::ios::trunc);
  }
}

PairPlayback::PairPlayback(const WorkingFolders& folders, IPrompts& prompts, QObject* parent)
    : QObject(parent), folders_(folders), prompts_(prompts), timers_(this) {
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
  using namespace timer;
  timers_.Define(kOpenAndStart, kOpenAndStartMs, true, [this] { OpenAndStart(); });
  timers_.Define(kApplyRate, kApplyRateMs, true, [this] { ApplyRate(); });
  timers_.Define(kEndOfFile, kEndOfFileMs, true, [this] {
    Stop(StopKind::EndOfFile);
    emit ended();
  });
  timers_.Define(kStartVolume, kStartVolumeMs, true, [this] {
    if (front_) front_->SetVolume(volume_step_);
  });
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

bool PairPlayback::Transition(PlaybackEvent event) {
  const std::optional<PlaybackState> next = NextPlaybackState(state_, event);
  if (!next) return false;
  SetState(*next);
  return true;
}

void PairPlayback::SetState(PlaybackState state) {
  if (state == state_) return;
  state_ = state;
  if (state_ != PlaybackState::Paused && state_ != PlaybackState::SeekingPaused) held_for_window_ = false;
  emit stateChanged(state_);
}

IChannelPlayer* PairPlayback::Leading() const {
  return front_present_ || !rear_present_ ? front_.get() : rear_.get();
}

bool PairPlayback::LeadingPlays() const {
  const IChannelPlayer* leading = Leading();
  return leading != nullptr && leading->IsPlaying();
}

// A paced step of the player sequence; it is dropped when a stop or another load comes
// first.
void PairPlayback::Later(int ms, std::function<void()> step) {
  After(static_cast<int>(ms * pacing_), std::move(step));
}

void PairPlayback::After(int ms, std::function<void()> step) {
  const std::uint64_t generation = generation_;
  QTimer::singleShot(ms, this, [this, generation, step = std::move(step)] {
    if (generation == generation_ && !closed()) step();
  });
}

void PairPlayback::ForEachPresent(const std::function<void(IChannelPlayer&)>& call) {
  if (front_present_) call(*front_);
  if (rear_present_) call(*rear_);
}

void PairPlayback::SetVolume(int step) {
  volume_step_ = step;
  if (front_) front_->SetVolume(step);
  emit indicatorsChanged();
}

void PairPlayback::Stop(StopKind kind) {
  ++generation_;  // drops the steps of a start (or a seek) still under way
  const bool copying = state_ == PlaybackState::Loading;
  job_.Cancel();
  if (!Transition(PlaybackEvent::Stop) && state_ == PlaybackState::Closed) return;
  // Whether or not the copy got to its end, nothing of the pair given up stays behind.
  if (copying) EmptyWorkingCopies(folders_);
  queued_seek_ms_.reset();
  shown_percent_ = -1;
  // The prepared row is the one the end of this recording advances to; any other stop
  // makes it a guess.
  if (kind != StopKind::EndOfFile) {
    auto_advance_ = false;
    DiscardPrepared();
  }
  if (rear_) rear_->Stop();
  if (front_) front_->Stop();
  ResetTrack(track_);
  driving_.Reset();
  started_count_ = 0;
  emit stopped(kind);
}

void PairPlayback::StopCommand() {
  if (state_ == PlaybackState::Idle || closed()) return;
  Stop(StopKind::Command);
  // The players are told to stop; the window goes on while they settle, and stops
  // looking after a bound (a player that never settles must not hold it).
  stop_settle_left_ms_ = kStopWaitBoundMs;
  WaitForStopSettle();
}

bool PairPlayback::Close() {
  if (closed()) return true;
  const PlaybackState before = state_;
  if (!NextPlaybackState(state_, PlaybackEvent::Close)) return false;
  ++generation_;
  job_.Cancel();
  DiscardPrepared();
  // Stopped and released before their video windows go: libvlc's X11 output crashes
  // when its window disappears under it.
  if (PairOpened(before)) {
    if (rear_ && rear_present_) rear_->Stop();
    if (front_ && front_present_) front_->Stop();
  }
  if (rear_) rear_->Release();
  if (front_) front_->Release();
  ResetTrack(track_);
  driving_.Reset();
  std::error_code ignored;
  std::filesystem::remove(folders_.front_copy(), ignored);
  std::filesystem::remove(folders_.rear_copy(), ignored);
  SetState(PlaybackState::Closed);
  return true;
}

}  // namespace direvovu::gui
