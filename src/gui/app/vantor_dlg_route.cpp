// The main window's side of the route window: it makes it, holds it and calls it.
#include <QAbstractButton>

#include "core/app/main_window_layout.h"
#include "core/sdcard/sd_drive.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"
#include "gui/sdcard/sd_search.h"

namespace direvovu::gui {

void CVantorDlg::ConnectRouteCommands() {
  if (QAbstractButton* pressed = button(ctl::kDrivingLogMode))
    connect(pressed, &QAbstractButton::clicked, this, &CVantorDlg::RouteCommand);
}

void CVantorDlg::RouteCommand() {
  if (route_flags_.open || closing()) return;
  playback_->PauseForWindow();
  RunSdSearchBox(prompts_, card_);
  if (const int missing = MissingCardMessage(card_); missing >= 0) ShowMessage(prompts_, missing);
  route_flags_.open = true;
  if (route_ == nullptr) {
    // Hidden until its page has loaded.
    route_ = new CRouter(route_flags_, folders_, card_, prompts_, this);
    connect(route_, &CRouter::pageLoaded, this, [this] { map_flags_.page_loaded = true; });
    connect(route_, &CRouter::closed, this, &CVantorDlg::RouteWindowClosed);
    return;
  }
  if (route_flags_.reload_mark) {
    route_->RefreshLabels();
    route_->ShowMapPage();
  }
  route_->show();
}

// Close plays on what the route button paused.
void CVantorDlg::RouteWindowClosed() { playback_->ResumeAfterWindow(); }

void CVantorDlg::RouteLanguageChanged(int language) {
  if (route_ != nullptr) route_->RetranslateTexts(language);
}

void CVantorDlg::DestroyRouteWindow() {
  delete route_;
  route_ = nullptr;
}

}  // namespace direvovu::gui
