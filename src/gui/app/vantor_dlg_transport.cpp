// The transport's buttons, slider and keys, forwarded to the pair's playback.
#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

#include "core/app/main_window_layout.h"
#include "core/app/transport.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/bitmap_slider.h"

namespace direvovu::gui {

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

  // What users of a player expect: Space, the arrows and the brackets anywhere in the
  // window. The list keeps its own Up/Down, and a focused slider its own Left/Right (one
  // step each), so the arrows seek only where nothing else takes them.
  const auto key = [this](const QKeySequence& sequence, auto action) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
    return shortcut;
  };
  key(QKeySequence(Qt::Key_Space), [this] { playback_->TogglePause([this] { return PickSelectedRow(); }); });
  const auto seek_unless_slider = [this](Qt::Key arrow, std::int64_t delta_ms) {
    // The window's shortcut comes before the focused slider: it gets its key from here.
    if (slider_->hasFocus() && slider_->PressKey(arrow)) return;
    playback_->Nudge(delta_ms);
  };
  key(QKeySequence(Qt::Key_Left), [seek_unless_slider] { seek_unless_slider(Qt::Key_Left, -kKeySeekMs); });
  key(QKeySequence(Qt::Key_Right), [seek_unless_slider] { seek_unless_slider(Qt::Key_Right, kKeySeekMs); });
  key(QKeySequence(Qt::Key_BracketLeft), [this] { RateDownCommand(); });
  key(QKeySequence(Qt::Key_BracketRight), [this] { RateUpCommand(); });
}

void CVantorDlg::PlayCommand() {
  playback_->Play([this] { return PickSelectedRow(); });
}

void CVantorDlg::PauseCommand() { playback_->Pause(); }

void CVantorDlg::StopCommand() { playback_->StopCommand(); }

void CVantorDlg::SliderMoving() {
  if (loadPending()) return;
  if (!playback_->LeadingPlays()) SetSliderPosition(0);
  // The thumb is the user's while it moves; the time display would pull it back.
  timers_.Stop(timer::kTimeDisplay);
}

void CVantorDlg::SeekCommand(int position) {
  playback_->SeekToSlider(position, kSeekRange);
  if (loaded() && !timers_.IsActive(timer::kTimeDisplay)) timers_.Start(timer::kTimeDisplay);
}

void CVantorDlg::RateUpCommand() { playback_->RateUp(); }

void CVantorDlg::RateDownCommand() { playback_->RateDown(); }

void CVantorDlg::VolumeUpCommand() {
  settings_.volume_step = VolumeUp(settings_.volume_step);
  playback_->SetVolume(settings_.volume_step);
}

void CVantorDlg::VolumeDownCommand() {
  settings_.volume_step = VolumeDown(settings_.volume_step);
  playback_->SetVolume(settings_.volume_step);
}

}  // namespace direvovu::gui
