// What the pair's playback reports, drawn by the window and handed to the controllers
// that follow it: the video areas, the transport's buttons, the display and the map.
#include <QAbstractButton>

#include "core/app/main_window_layout.h"
#include "gui/app/map_follower.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/car_info.h"

namespace direvovu::gui {

void CVantorDlg::ConnectPlayback() {
  PairPlayback* p = playback_.get();
  connect(p, &PairPlayback::stateChanged, this, &CVantorDlg::PlaybackStateChanged);
  connect(p, &PairPlayback::channelsChanged, this, [this](bool front, bool rear) {
    control(ctl::kFrontVideo)->setVisible(front);
    control(ctl::kRearVideo)->setVisible(rear);
  });
  connect(p, &PairPlayback::trackLoaded, display_.get(), &PlaybackDisplay::LoadEvents);
  connect(p, &PairPlayback::loadProgress, display_.get(), &PlaybackDisplay::ShowLoadProgress);
  connect(p, &PairPlayback::started, this, &CVantorDlg::PlaybackStarted);
  connect(p, &PairPlayback::stopped, this, &CVantorDlg::PlaybackStopped);
  connect(p, &PairPlayback::seeked, display_.get(), &PlaybackDisplay::Seeked);
  connect(p, &PairPlayback::frameStepped, display_.get(), &PlaybackDisplay::Seeked);
  connect(p, &PairPlayback::loopChanged, display_.get(), &PlaybackDisplay::ShowLoop);
  connect(p, &PairPlayback::indicatorsChanged, this, [this] { update(); });
  connect(playlist_.get(), &PlaylistController::transportRests, this,
          [this] { ShowOneOf(ctl::kPlay, ctl::kPause); });
}

void CVantorDlg::PlaybackStateChanged(PlaybackState state) {
  // A copy from a slow card takes seconds: the window says it is busy, and answers.
  if (state == PlaybackState::Loading) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
  }
  // A load may copy from the card: formatting it is refused from the first load on.
  if (state == PlaybackState::Loading || state == PlaybackState::Opening) card_.NotePlayback();
  switch (state) {
    case PlaybackState::Opening:
    case PlaybackState::Playing:
      ShowOneOf(ctl::kPause, ctl::kPlay);
      break;
    case PlaybackState::Paused:
    case PlaybackState::SeekingPaused:
      ShowOneOf(ctl::kPlay, ctl::kPause);
      break;
    default:
      break;
  }
}

void CVantorDlg::PlaybackStarted() {
  if (car_info_ != nullptr) car_info_->StartPlaybackTimer();
  display_->Started();
  maps_->PlaybackStarted();
  emit playbackStarted();
}

void CVantorDlg::PlaybackStopped(StopKind kind) {
  if (car_info_ != nullptr) car_info_->StopPageTimers();
  display_->Stopped();
  maps_->PlaybackStopped();
  // A stop on behalf of the play that follows does not flash PLAY up.
  if (kind != StopKind::Internal) ShowOneOf(ctl::kPlay, ctl::kPause);
  update();
}

}  // namespace direvovu::gui
