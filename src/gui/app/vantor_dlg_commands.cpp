// Commands of the main window's buttons that are the window's own business.
#include <QAbstractButton>

#include "core/app/main_window_layout.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {

void CVantorDlg::ConnectCommands() {
  const auto on = [this](int id, void (CVantorDlg::*command)()) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kClose, &CVantorDlg::CloseCommand);
  on(ctl::kMinimize, &CVantorDlg::MinimizeCommand);
  ConnectDisplayCommands();
  ConnectTransport();
  // The transport, the play list and the buttons of the other windows (setup, SD
  // download, map, driving log, event log, information, detail search, OBD) are
  // connected by the changes that bring those windows.
}

void CVantorDlg::MinimizeCommand() { showMinimized(); }

void CVantorDlg::CloseCommand() {
  // A load in progress holds the working copies and the players half-opened.
  if (load_pending_ || closed_) return;
  SaveVolume(folders_, settings_.volume_step);
  timers_.Stop(timer::kConnectivity);
  StopPlaybackTimers();
  closing_ = true;
  ++load_generation_;
  // Stopped and released before their video windows go: libvlc's X11 output crashes
  // when its window disappears under it.
  if (rear_ && rear_present_) rear_->Stop();
  if (front_ && front_present_) front_->Stop();
  ReleasePlayers();
  timers_.StopEverything();
  ResetTrack(track_);
  DeleteWorkingCopies();
  closed_ = true;
  done(QDialog::Accepted);
}

}  // namespace direvovu::gui
