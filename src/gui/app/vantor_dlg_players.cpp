// The two players: creation, the load of a recording pair, and the synchronised start
// that lets both channels begin on the same picture.
#include <QAbstractButton>
#include <QTimer>

#include <fstream>
#include <system_error>

#include "core/app/main_window_layout.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

// The rear channel is started first and the front one after it: the front carries the
// sound and the clock, so it must not run ahead. No pause between them: each channel
// holds at its first picture until both have one, so a pause would only add to the
// time the user waits for the pictures.
constexpr int kRearToFrontMs = 0;
// Spacing of the release after the synchronised wait: none, since any spacing puts the
// rear ahead of the front by that much.
constexpr int kReleaseStepMs = 0;

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

bool CVantorDlg::CreatePlayers(std::string* error) {
  front_ = make_player_(Channel::kFront);
  rear_ = make_player_(Channel::kRear);
  for (IChannelPlayer* player : {front_.get(), rear_.get()}) {
    const PlayerResult started = player->Init();
    if (!started) {
      if (error != nullptr) *error = started.message;
      return false;
    }
  }
  // winId() makes the areas native windows of their own, which libvlc draws into.
  front_->SetDrawable(static_cast<std::uintptr_t>(front_video_->winId()));
  rear_->SetDrawable(static_cast<std::uintptr_t>(rear_video_->winId()));
  rear_->SetMute(true);
  const auto wire = [this](IChannelPlayer* player, Channel channel) {
    connect(player, &IChannelPlayer::playing, this, [this, channel] { OnPlayerPlaying(channel); });
    connect(player, &IChannelPlayer::endReached, this, [this, channel] { OnPlayerEnded(channel); });
    connect(player, &IChannelPlayer::error, this,
            [this, channel](const QString& detail) { OnPlayerError(channel, detail); });
  };
  wire(front_.get(), Channel::kFront);
  wire(rear_.get(), Channel::kRear);
  return true;
}

void CVantorDlg::ReleasePlayers() {
  if (rear_) rear_->Release();
  if (front_) front_->Release();
}

void CVantorDlg::EmptyWorkingCopies() {
  // Whatever a previous run left is of no use and may be large; failures do not matter
  // here because the next load writes the copies anew.
  std::error_code ignored;
  for (const std::filesystem::path& copy : {folders_.front_copy(), folders_.rear_copy()}) {
    std::filesystem::remove(copy, ignored);
    std::ofstream empty(copy, std::ios::binary | std::ios::trunc);
  }
}

void CVantorDlg::DeleteWorkingCopies() {
  std::error_code ignored;
  std::filesystem::remove(folders_.front_copy(), ignored);
  std::filesystem::remove(folders_.rear_copy(), ignored);
}

IChannelPlayer* CVantorDlg::LeadingPlayer() const {
  return front_present_ || !rear_present_ ? front_.get() : rear_.get();
}

// A paced step of the player sequence; it is dropped when a stop or another load
// comes first.
void CVantorDlg::Later(int ms, std::function<void()> step) {
  After(static_cast<int>(ms * pacing_), std::move(step));
}

void CVantorDlg::After(int ms, std::function<void()> step) {
  const std::uint64_t generation = load_generation_;
  QTimer::singleShot(ms, this, [this, generation, step = std::move(step)] {
    if (generation == load_generation_ && !closed_) step();
  });
}

bool CVantorDlg::PlayPair(const std::filesystem::path& front_path) {
  if (load_pending_ || closing_ || !front_ || !rear_) return false;
  ++load_generation_;
  load_pending_ = true;
  front_path_ = front_path;
  ResetTrack(track_);
  ResetDisplays();
  started_count_ = 0;
  front_reported_ = rear_reported_ = sync_waiting_ = false;

  const WorkingCopiesResult copies =
      MakeWorkingCopies(front_path, folders_.front_copy(), folders_.rear_copy(), passwords_, ask_password_);
  if (copies.status != LoadStatus::Ready) {
    if (copies.status == LoadStatus::Failed && copies.messageRow >= 0 &&
        copies.messageRow != msg::kIllegalFile) {
      ShowMessage(copies.messageRow, PathText(copies.detail));
    }
    LoadFailed(PathText(front_path));
    return false;
  }
  const PairTrackOutcome outcome =
      ParseTrackOfPair(copies.frontPresent ? folders_.front_copy() : std::filesystem::path(),
                       copies.rearPresent ? folders_.rear_copy() : std::filesystem::path(), track_);
  const bool illegal_shown = ShowParseMessages(outcome);
  front_present_ = copies.frontPresent && outcome.frontPlayable;
  rear_present_ = copies.rearPresent && outcome.rearPlayable;
  if (!front_present_ && !rear_present_) {
    // The parse has already said why; the same message twice would only be noise.
    LoadFailed(PathText(front_path), !illegal_shown);
    return false;
  }
  ShowChannels();
  if (outcome.shown != TrackChannel::None) LoadGraphEvents(outcome.shown == TrackChannel::Rear);
  ShowOneOf(ctl::kPause, ctl::kPlay);
  timers_.Start(timer::kOpenAndStart);
  return true;
}

bool CVantorDlg::ShowParseMessages(const PairTrackOutcome& outcome) {
  bool illegal_shown = false;
  const std::filesystem::path rear_path = RearCompanionPath(front_path_);
  const auto show = [&](const std::optional<TrackParseOutcome>& channel,
                        const std::filesystem::path& subject) {
    if (!channel || channel->message == kNoMessage) return;
    ShowMessage(channel->message, PathText(subject));
    illegal_shown = illegal_shown || channel->message == msg::kIllegalFile;
  };
  show(outcome.front, front_path_);
  show(outcome.rear, rear_path);
  return illegal_shown;
}

void CVantorDlg::ShowChannels() {
  front_video_->setVisible(front_present_);
  rear_video_->setVisible(rear_present_);
}

void CVantorDlg::LoadFailed(const QString& detail, bool show_message) {
  load_pending_ = false;
  // Stopped before the notice: the notice waits in an event loop of its own, where a late
  // report of the failed pair (the other channel's error) must not fail it a second time.
  StopPlayback(false);
  if (show_message) ShowMessage(msg::kIllegalFile, detail, false, true, true);
  if (!PlayNextRow()) ShowOneOf(ctl::kPlay, ctl::kPause);
}

// Timer 1004: open both players on the working copies and start them, rear first.
void CVantorDlg::OpenAndStart() {
  timers_.Stop(timer::kOpenAndStart);
  if (rear_present_) {
    const PlayerResult opened = rear_->Open(folders_.rear_copy());
    if (!opened) return LoadFailed(QString::fromStdString(opened.message));
    rear_->SetDrawable(static_cast<std::uintptr_t>(rear_video_->winId()));
    rear_->SetMute(true);
  }
  if (front_present_) {
    const PlayerResult opened = front_->Open(folders_.front_copy());
    if (!opened) return LoadFailed(QString::fromStdString(opened.message));
    front_->SetDrawable(static_cast<std::uintptr_t>(front_video_->winId()));
  }
  const auto play_front = [this] {
    if (!front_present_) return;
    const PlayerResult started = front_->Play();
    if (!started) LoadFailed(QString::fromStdString(started.message));
  };
  if (rear_present_) {
    const PlayerResult started = rear_->Play();
    if (!started) return LoadFailed(QString::fromStdString(started.message));
    Later(kRearToFrontMs, play_front);
  } else {
    play_front();
  }
  timers_.Start(timer::kApplyRate);
  // A leading channel that shows neither a picture nor an error would hold the load, and
  // with it every command and the close, for good.
  After(first_picture_wait_ms_, [this] {
    const bool led = front_present_ ? front_reported_ : rear_reported_;
    if (load_pending_ && !led) LoadFailed(PathText(front_path_));
  });
}

// Each player holds still at its first picture; once both have one, they are let go
// together. The wait is event driven (the players report on this thread), so nothing
// blocks; a rear channel that never reports is given up after kSyncWaitMs.
void CVantorDlg::OnPlayerPlaying(Channel channel) {
  if (!load_pending_ || closing_) return;
  const bool is_front = channel == Channel::kFront;
  if (is_front ? !front_present_ : !rear_present_) return;
  (is_front ? front_ : rear_)->Pause();
  ++started_count_;
  (is_front ? front_reported_ : rear_reported_) = true;

  const bool both = front_present_ && rear_present_;
  if (!both || (front_reported_ && rear_reported_)) {
    ReleaseSynchronised();
  } else if (is_front) {
    sync_waiting_ = true;
    After(sync_wait_ms_, [this] {
      if (sync_waiting_) GiveUpOnRear();
    });
  }
}

void CVantorDlg::GiveUpOnRear() {
  // The front plays alone rather than not at all.
  sync_waiting_ = false;
  rear_->Stop();
  rear_present_ = false;
  ShowChannels();
  ReleaseSynchronised();
}

void CVantorDlg::ReleaseSynchronised() {
  sync_waiting_ = false;
  if (front_present_ && rear_present_) {
    rear_->Play();
    Later(kReleaseStepMs, [this] {
      front_->Play();
      Later(kReleaseStepMs, [this] { FinishSynchronisedStart(); });
    });
    return;
  }
  LeadingPlayer()->Play();
  FinishSynchronisedStart();
}

void CVantorDlg::FinishSynchronisedStart() {
  auto_advance_ = true;
  load_pending_ = false;
  RefreshGraphs();
  StartPlaybackTimers();
  timers_.Start(timer::kStartVolume);
  emit playbackStarted();
}

void CVantorDlg::OnPlayerEnded(Channel channel) {
  // The leading channel's end is the recording's end.
  const bool leading = channel == Channel::kFront ? front_present_ : !front_present_ && rear_present_;
  if (!leading || closing_ || !auto_advance_) return;
  timers_.Start(timer::kEndOfFile);
}

void CVantorDlg::OnPlayerError(Channel channel, const QString& detail) {
  if (closing_) return;
  const bool present = channel == Channel::kFront ? front_present_ : rear_present_;
  if (!present || (!load_pending_ && !loaded_)) return;
  // A file the library cannot play is a failed load; the viewer goes on with the next.
  LoadFailed(detail.isEmpty() ? PathText(front_path_) : detail);
}

void CVantorDlg::StopPlayback(bool keep_auto_advance) {
  ++load_generation_;  // drops the steps of a start (or a seek) still under way
  // ... so the start cannot end the load any more: the stop does. Left set, every command
  // and the close would be refused for good.
  load_pending_ = false;
  sync_waiting_ = false;
  seeking_ = false;
  queued_seek_ms_.reset();
  StopPlaybackTimers();
  if (!keep_auto_advance) auto_advance_ = false;
  if (rear_) rear_->Stop();
  if (front_) front_->Stop();
  ResetTrack(track_);
  started_count_ = 0;
  loaded_ = false;
  playing_ = false;
  elapsed_text_ = total_text_ = "00:00";
  play_second_ = 0;
  SetSliderPosition(0);
  ResetDisplays();
  RefreshTimeTexts();
  if (!internal_stop_) ShowOneOf(ctl::kPlay, ctl::kPause);
}

}  // namespace direvovu::gui
