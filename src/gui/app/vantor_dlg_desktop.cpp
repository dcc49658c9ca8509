// The desktop's side of the window: its media keys and widgets (MPRIS 2), the screen
// saver, held off while a recording plays, and a channel full screen. Every command goes
// through the controller the window's own buttons use.
#include <QLabel>
#include <QScreen>
#include <QUrl>

#include "core/app/main_window_layout.h"
#include "gui/app/channel_full_screen.h"
#include "gui/app/key_sheet_dlg.h"
#include "gui/app/picture_zoom.h"

#include "gui/app/mpris_service.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/vantor_dlg.h"
#include "platform/screen_saver.h"

namespace direvovu::gui {
namespace {

QString StatusText(const PairPlayback& playback) {
  if (playback.playing()) return QStringLiteral("Playing");
  return playback.loaded() ? QStringLiteral("Paused") : QStringLiteral("Stopped");
}

}  // namespace

MediaControls CVantorDlg::DesktopControls() {
  MediaControls c;
  c.raise = [this] {
    showNormal();
    raise();
    activateWindow();
  };
  c.quit = [this] { CloseCommand(); };
  c.play = [this] { PlayCommand(); };
  c.pause = [this] { PauseCommand(); };
  c.play_pause = [this] { playlist_->TogglePause(); };
  c.stop = [this] { StopCommand(); };
  c.next = [this] { playlist_->PlayRowBeside(1); };
  c.previous = [this] { playlist_->PlayRowBeside(-1); };
  c.seek_to = [this](std::int64_t us) { playback_->SeekToUs(us); };
  c.set_rate = [this](double rate) { playback_->SetRate(static_cast<float>(rate)); };
  c.set_volume = [this](int step) {
    settings_.volume_step = step;
    playback_->SetVolume(step);
  };
  c.open = [this](const QString& path) {
    if (!playback_->loadPending() && !playback_->closed()) playlist_->OpenFiles({path});
  };
  c.status = [this] { return StatusText(*playback_); };
  c.position_us = [this] { return playback_->PositionUs(); };
  c.length_ms = [this] { return playback_->LengthMs(); };
  c.recording = [this] {
    return playback_->loaded() ? QString::fromStdString(playback_->recording().string()) : QString();
  };
  c.rate = [this] { return static_cast<double>(playback_->rate()); };
  c.volume = [this] { return settings_.volume_step; };
  c.has_next = [this] { return playlist_->HasRowBeside(1); };
  c.has_previous = [this] { return playlist_->HasRowBeside(-1); };
  return c;
}

void CVantorDlg::ConnectDesktop() {
  mpris_ = new MprisService(DesktopControls(), this);
  mpris_->Register();  // without a session bus the window is as it was
  screen_saver_ = new platform::ScreenSaverInhibitor(this);
  const PairPlayback* p = playback_.get();
  const auto refresh = [this] {
    screen_saver_->Hold(playback_->playing());
    mpris_->Refresh();
  };
  connect(p, &PairPlayback::stateChanged, this, refresh);
  connect(p, &PairPlayback::started, this, refresh);
  connect(p, &PairPlayback::stopped, this, refresh);
  connect(p, &PairPlayback::indicatorsChanged, this, refresh);
  connect(p, &PairPlayback::seeked, mpris_, &MprisService::Jumped);
  connect(p, &PairPlayback::frameStepped, mpris_, &MprisService::Jumped);
  connect(front_zoom_, &PictureZoom::doubleClicked, this, [this] { ToggleFullScreen(true); });
  connect(rear_zoom_, &PictureZoom::doubleClicked, this, [this] { ToggleFullScreen(false); });
}

void CVantorDlg::ToggleFullScreen(bool front) {
  if (full_screen_ != nullptr) {
    LeaveFullScreen();
    return;
  }
  if (playback_->closed()) return;
  QWidget* large = control(front ? ctl::kFrontVideo : ctl::kRearVideo);
  QWidget* inset = control(front ? ctl::kRearVideo : ctl::kFrontVideo);
  if (large->isHidden()) return;  // an absent channel has no picture to show
  // The window's own readouts in one line: play time, the moment, the position.
  const auto readout = [this] {
    QStringList parts;
    const auto text = [this](int id) {
      return label(id) != nullptr ? label(id)->text().simplified() : QString();
    };
    parts << text(ctl::kElapsedTime) + QStringLiteral(" / ") + text(ctl::kTotalTime);
    for (const int id : {ctl::kRecordTime, ctl::kLatitude, ctl::kLongitude}) {
      if (!text(id).isEmpty()) parts << text(id);
    }
    return parts.join(QStringLiteral("     "));
  };
  const auto picture_size = [this](QWidget* area) {
    const IChannelPlayer* player = area == control(ctl::kFrontVideo) ? playback_->front() : playback_->rear();
    return player != nullptr ? QSize(player->VideoWidth(), player->VideoHeight()) : QSize();
  };
  full_screen_ = new ChannelFullScreen(readout, picture_size);
  BindKeys(full_screen_);
  connect(full_screen_, &ChannelFullScreen::leaveRequested, this, &CVantorDlg::LeaveFullScreen);
  full_screen_->Open(large, inset, screen() != nullptr ? screen()->geometry() : QRect(0, 0, 1280, 1024));
}

void CVantorDlg::KeySheetCommand() {
  if (playback_->closed()) return;
  if (key_sheet_ == nullptr) {
    key_sheet_ = new CKeySheetDlg(this);
    key_sheet_->setAttribute(Qt::WA_DeleteOnClose);
  }
  key_sheet_->show();
  key_sheet_->raise();
  key_sheet_->activateWindow();
}

void CVantorDlg::LeaveFullScreen() {
  if (full_screen_ == nullptr) return;
  full_screen_->Close();
  // Later: the leave may come from its own key or click.
  full_screen_->deleteLater();
  full_screen_ = nullptr;
  activateWindow();
}

}  // namespace direvovu::gui
