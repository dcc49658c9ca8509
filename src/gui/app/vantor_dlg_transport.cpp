// The transport: play, pause, stop, seek, rate, volume and their keys. The fixed
// pauses between the rear and the front player's calls are paced steps on the window's
// event loop (Later), never sleeps: a player that does not answer cannot freeze the
// window.
#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QTimer>

#include "core/app/main_window_layout.h"
#include "core/app/transport.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

// A resume starts the rear, then the front (which carries the sound and the clock) in
// the next turn of the event loop: a longer pause would put the rear that far ahead.
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

void CVantorDlg::ConnectTransport() {
  const auto on = [this](int id, void (CVantorDlg::*command)()) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kPlay, &CVantorDlg::PlayCommand);
  on(ctl::kPause, &CVantorDlg::PauseCommand);
  on(ctl::kStop, &CVantorDlg::StopCommand);
  on(ctl::kOpen, &CVantorDlg::OpenCommand);
  on(ctl::kSpeedUp, &CVantorDlg::RateUpCommand);
  on(ctl::kSpeedDown, &CVantorDlg::RateDownCommand);
  on(ctl::kVolumeUp, &CVantorDlg::VolumeUpCommand);
  on(ctl::kVolumeDown, &CVantorDlg::VolumeDownCommand);
  on(ctl::kDeleteItem, &CVantorDlg::DeleteItemCommand);
  on(ctl::kDeleteAll, &CVantorDlg::DeleteAllCommand);
  on(ctl::kDecryption, &CVantorDlg::DecryptCommand);
  on(ctl::kPassword, &CVantorDlg::PasswordCommand);
  connect(slider_, &CBitmapSlider::moving, this, [this] { SliderMoving(); });
  connect(slider_, &CBitmapSlider::moved, this, [this](int position) { SeekCommand(position); });

  // What users of a player expect: Space, the arrows and the brackets, wherever the
  // focus is in the window (the list keeps its own Up/Down).
  const auto key = [this](const QKeySequence& sequence, auto action) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  key(QKeySequence(Qt::Key_Space), [this] { TogglePlayPause(); });
  key(QKeySequence(Qt::Key_Left), [this] { NudgeSeek(-kKeySeekMs); });
  key(QKeySequence(Qt::Key_Right), [this] { NudgeSeek(kKeySeekMs); });
  key(QKeySequence(Qt::Key_BracketLeft), [this] { RateDownCommand(); });
  key(QKeySequence(Qt::Key_BracketRight), [this] { RateUpCommand(); });
}

bool CVantorDlg::SettledForPlay() const {
  // An absent rear channel counts as ended.
  const bool rear_settled = !rear_ || (loaded_ && !rear_present_) || gui::SettledForPlay(rear_->GetState());
  return front_ && gui::SettledForPlay(front_->GetState()) && rear_settled;
}

bool CVantorDlg::SettledForStop() const {
  const bool rear_settled = !rear_ || !rear_present_ || gui::SettledForStop(rear_->GetState());
  return (!front_ || gui::SettledForStop(front_->GetState())) && rear_settled;
}

void CVantorDlg::PlayCommand() {
  if (load_pending_ || closing_) return;
  TryPlay(kPlayAttempts);
}

void CVantorDlg::TryPlay(int attempts_left) {
  if (load_pending_ || closing_) return;
  if (!SettledForPlay()) {
    // Still busy (or playing already): try again a little later, then give up.
    if (attempts_left > 1) Later(kPlayRetryMs, [this, attempts_left] { TryPlay(attempts_left - 1); });
    return;
  }
  if (loaded_) {
    if (!playing_) ResumePaused();
    return;
  }
  if (playlist_->SelectedRow() < 0) {
    ShowMessage(msg::kSelectPlaylistItem);
    return;
  }
  PlayPair(FrontPathOfSelectedRow());
}

void CVantorDlg::ResumePaused() {
  playing_ = true;
  if (rear_present_) rear_->Play();
  // A pause that came in between holds.
  Later(kRearToFrontMs, [this] {
    if (front_present_ && playing_) front_->Play();
  });
  ShowOneOf(ctl::kPause, ctl::kPlay);
}

void CVantorDlg::PauseCommand() {
  if (load_pending_ || !loaded_ || !playing_) return;
  playing_ = false;
  if (front_present_) front_->Pause();
  if (rear_present_) rear_->Pause();
  ShowOneOf(ctl::kPlay, ctl::kPause);
}

void CVantorDlg::TogglePlayPause() {
  if (loaded_ && playing_) {
    PauseCommand();
  } else {
    PlayCommand();
  }
}

void CVantorDlg::StopCommand() {
  if (!loaded_ || closing_) return;
  StopPlayback(false);
  // The players are told to stop; the window goes on while they settle, and stops
  // looking after a bound (a player that never settles must not hold it).
  stop_settle_left_ms_ = kStopWaitBoundMs;
  WaitForStopSettle();
}

void CVantorDlg::WaitForStopSettle() {
  if (SettledForStop() || stop_settle_left_ms_ <= 0) {
    stop_settle_left_ms_ = 0;
    update();
    return;
  }
  stop_settle_left_ms_ -= kStopPollMs;
  // Not paced by Later: a load may start meanwhile, and the bound must still end.
  QTimer::singleShot(kStopPollMs, this, [this] {
    if (!closed_) WaitForStopSettle();
  });
}

void CVantorDlg::SliderMoving() {
  if (load_pending_) return;
  IChannelPlayer* leading = LeadingPlayer();
  if (leading == nullptr || !leading->IsPlaying()) SetSliderPosition(0);
  // The thumb is the user's while it moves; the time display would pull it back.
  timers_.Stop(timer::kOpenAndStart);
  timers_.Stop(timer::kTimeDisplay);
}

void CVantorDlg::SeekCommand(int position) {
  IChannelPlayer* leading = LeadingPlayer();
  if (load_pending_ || !loaded_ || leading == nullptr || !leading->IsPlaying()) return;
  const std::int64_t length = leading->GetLength();
  if (length <= 0) return;
  SeekTo(SeekTargetMs(length, position, kSeekRange));
  if (!timers_.IsActive(timer::kTimeDisplay)) timers_.Start(timer::kTimeDisplay);
}

void CVantorDlg::NudgeSeek(std::int64_t delta_ms) {
  IChannelPlayer* leading = LeadingPlayer();
  if (load_pending_ || !loaded_ || leading == nullptr || !leading->IsPlaying()) return;
  SeekTo(NudgedTimeMs(leading->GetTime(), leading->GetLength(), delta_ms));
}

// The seek lock: while one seek's steps run, a newer target waits and then runs; older
// waiting targets are dropped (only where the user let go last matters).
void CVantorDlg::SeekTo(std::int64_t target_ms) {
  if (seeking_) {
    queued_seek_ms_ = target_ms;
    return;
  }
  IChannelPlayer* leading = LeadingPlayer();
  if (leading == nullptr || leading->GetLength() < target_ms) {
    // Past the end: the recording is over.
    if (front_present_) front_->Stop();
    Later(kSeekPauseMs, [this] {
      if (rear_present_) rear_->Stop();
    });
    return;
  }
  seeking_ = true;
  if (!front_present_) {
    rear_->SetTime(target_ms);
    FinishSeek();
    return;
  }
  const bool was_running = front_->GetState() == PlayerState::kPlaying;
  const auto set_times = [this, target_ms, was_running] {
    front_->SetTime(target_ms);
    Later(kSeekFrontToRearMs, [this, target_ms, was_running] {
      if (rear_present_) rear_->SetTime(target_ms);
      // A pause pressed while the seek ran holds: the pictures stay where they are.
      if (!was_running || !playing_) return FinishSeek();
      front_->Play();
      Later(kResumeFrontToRearMs, [this] {
        if (rear_present_ && playing_) rear_->Play();
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

void CVantorDlg::FinishSeek() {
  seeking_ = false;
  if (!queued_seek_ms_) return;
  const std::int64_t next = *queued_seek_ms_;
  queued_seek_ms_.reset();
  SeekTo(next);
}

// Also while a start waits for its channels: the step that applies the chosen rate after
// a start may have run already, and the players would keep the old one.
void CVantorDlg::RateUpCommand() {
  if (!CanRateUp(current_rate_)) return;
  IChannelPlayer* leading = LeadingPlayer();
  if (leading != nullptr && leading->IsPlaying()) {
    if (front_present_) front_->RateUp();
    Later(kRateFrontToRearMs, [this] {
      if (rear_present_) rear_->RateUp();
    });
  }
  current_rate_ = RateUp(current_rate_);
  update();
}

void CVantorDlg::RateDownCommand() {
  if (!CanRateDown(current_rate_)) return;
  IChannelPlayer* leading = LeadingPlayer();
  if (leading != nullptr && leading->IsPlaying()) {
    if (front_present_) front_->RateDown();
    Later(kRateFrontToRearMs, [this] {
      if (rear_present_) rear_->RateDown();
    });
  }
  current_rate_ = RateDown(current_rate_);
  update();
}

void CVantorDlg::VolumeUpCommand() {
  settings_.volume_step = VolumeUp(settings_.volume_step);
  if (front_) front_->SetVolume(settings_.volume_step);
  update();
}

void CVantorDlg::VolumeDownCommand() {
  settings_.volume_step = VolumeDown(settings_.volume_step);
  if (front_) front_->SetVolume(settings_.volume_step);
  update();
}

}  // namespace direvovu::gui
