// The main window's side of the map window: it makes it, holds it and calls it.
#include <QAbstractButton>
#include <QEvent>

#include "core/app/main_window_layout.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {

void CVantorDlg::ConnectMapCommands() {
  if (QAbstractButton* pressed = button(ctl::kMap))
    connect(pressed, &QAbstractButton::clicked, this, &CVantorDlg::MapCommand);
}

void CVantorDlg::MapCommand() {
  if (map_flags_.open) return;
  if (map_ == nullptr) {
    // Hidden until its page has loaded.
    map_ = new CMapDlg(map_flags_, folders_, prompts_, this);
    if (online_ == false && !map_->WorksOffline()) {
      map_->SetBrowserVisible(false);
      map_->ShowOfflinePicture();
    }
  } else if (map_flags_.reload_mark) {
    map_flags_.reload_mark = false;
    map_->ShowMapPage();
    map_->show();
  }
  map_flags_.open = true;
  StartMapPointsWhilePlaying();
}

// A window opened while a recording already plays follows it at once, not only from the
// next start.
void CVantorDlg::StartMapPointsWhilePlaying() {
  if (map_ == nullptr || !frontPresent() || !playback_->LeadingPlays()) return;
  if (online_ == false && !map_->WorksOffline()) return;
  if (!timers_.IsActive(timer::kMapPoints)) timers_.Start(timer::kMapPoints, settings_.marker_interval_ms);
}

void CVantorDlg::MapLanguageChanged() {
  if (map_ == nullptr) return;
  map_->RefreshTexts();
  if (map_flags_.open) {
    map_->ShowMapPage();
  } else {
    map_flags_.reload_mark = true;
  }
}

void CVantorDlg::MapConnectivityChanged(bool connected) {
  if (map_ == nullptr) return;
  if (connected) {
    map_->SetBrowserVisible(true);
  } else {
    map_->SetBrowserVisible(false);
    map_->ShowOfflinePicture();
  }
}

// Once per run: the first playback starts on an empty map.
void CVantorDlg::PrepareMapOnce() {
  if (map_prepared_) return;
  map_prepared_ = true;
  if (map_ != nullptr) map_->ClearMapOverlay();
}

void CVantorDlg::DestroyMapWindow() {
  delete map_;
  map_ = nullptr;
}

// The map window comes back with the main window while it is meant to be open.
void CVantorDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && map_ != nullptr && map_flags_.open &&
      !map_->isVisible()) {
    map_->show();
  }
  QDialog::changeEvent(event);
}

}  // namespace direvovu::gui
