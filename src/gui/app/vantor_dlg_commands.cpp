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
  on(ctl::kSdDownload, &CVantorDlg::SdDownloadCommand);
  ConnectDisplayCommands();
  ConnectTransport();
  ConnectMapCommands();
  ConnectSetupCommands();
  ConnectRouteCommands();
  // The buttons of the windows still to come (event log, information, OBD) are connected
  // by the changes that bring those windows.
}

void CVantorDlg::MinimizeCommand() { showMinimized(); }

void CVantorDlg::CloseCommand() {
  if (closing()) return;
  // A load whose players are on their way to the first pictures finishes that first
  // (bounded); a copy under way is given up.
  if (!playback_->Close()) return;
  SaveVolume(folders_, settings_.volume_step);
  timers_.StopEverything();
  DestroyRouteWindow();
  DestroyMapWindow();
  done(QDialog::Accepted);
}

}  // namespace direvovu::gui
