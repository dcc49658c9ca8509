// The main window's timer table: what each id does at its tick, and the sets that
// start and stop together.
#include <QNetworkInformation>

#include "core/app/main_window_geometry.h"
#include "core/app/main_window_layout.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/car_info.h"

namespace direvovu::gui {

void CVantorDlg::DefineTimers() {
  using namespace timer;
  timers_.Define(kTimeDisplay, kTimeDisplayMs, false, [this] { TimeDisplayTick(); });
  // Its period is the marker interval, given when it starts.
  timers_.Define(kMapPoints, kDefaultMarkerIntervalMs, false, [this] { MapPointsTick(); });
  timers_.Define(kMapRefresh, kMapRefreshMs, true, [this] { MapRefreshTick(); });
  timers_.Define(kGraphs, kGraphsMs, false, [this] { RefreshGraphs(); });
  timers_.Define(kReadouts, kReadoutsMs, false, [this] { ReadoutsTick(); });
  timers_.Define(kConnectivity, kConnectivityMs, false, [this] { ConnectivityTick(); });
  timers_.Define(kPlayOpened, kPlayOpenedMs, true, [this] { PlayOpenedTick(); });
  // 1004, 1011, 1012, 1015 and 1016 belong to the pair's playback, in its own registry.
}

void CVantorDlg::StartPlaybackTimers() {
  if (car_info_ != nullptr) car_info_->StartPlaybackTimer();
  for (const int id : timer::kStartSet) {
    if (id == timer::kMapPoints) {
      if (MapWindowExists()) timers_.Start(id, settings_.marker_interval_ms);
      continue;
    }
    timers_.Start(id);
  }
}

void CVantorDlg::StopPlaybackTimers() {
  if (car_info_ != nullptr) car_info_->StopPageTimers();
  timers_.StopAll(timer::kPlaybackTimers);
}

// Timer 1001: play time, total time and the seek slider follow the leading player.
void CVantorDlg::TimeDisplayTick() {
  IChannelPlayer* player = playback_->Leading();
  if (!playback_->LeadingPlays()) {
    timers_.Stop(timer::kTimeDisplay);
    return;
  }
  const std::int64_t length = player->GetLength();
  if (length <= 0) return;
  const std::int64_t time = player->GetTime();
  SetSliderPosition(SliderPosition(time, length, kSeekRange));
  elapsed_text_ = ClockText(time);
  play_second_ = PlaySecond(time);
  if (total_text_ == "00:00") total_text_ = ClockText(length);
  RefreshTimeTexts();
  LocateTrackPosition(playback_->track(), play_second_);
}

// Timer 1007: the readouts for the current second.
void CVantorDlg::ReadoutsTick() {
  if (!playback_->LeadingPlays()) {
    timers_.Stop(timer::kReadouts);
    return;
  }
  RefreshReadouts();
}

// Timer 1002: the current position to the map, while the front channel plays.
void CVantorDlg::MapPointsTick() {
  if (!frontPresent() || !MapWindowExists()) {
    timers_.Stop(timer::kMapPoints);
    return;
  }
  if (!playback_->front()->IsPlaying() || track().currentLatitude == 0) return;
  map_->SetMapPoint(track(), settings_.marker_on != 0);
}

// Timer 1003: after the connection came back the map page is reloaded, and the
// position updates resume once there is a position.
void CVantorDlg::MapRefreshTick() {
  if (MapWindowExists()) map_->ShowMapPage();
  if (track().currentLatitude != 0 && MapWindowExists()) {
    timers_.Start(timer::kMapPoints, settings_.marker_interval_ms);
  }
}

bool CVantorDlg::MapWindowExists() const { return map_ != nullptr; }

bool CVantorDlg::ConnectedNow() const {
  if (connectivity_probe_) return connectivity_probe_();
  const QNetworkInformation* info = QNetworkInformation::instance();
  // No backend, or one that cannot tell: count as connected, so the map is tried.
  if (info == nullptr) return true;
  return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

// Timer 1009: the map goes offline and online with the connection. Only while a
// recording plays, since only then does the map show anything.
void CVantorDlg::ConnectivityTick() {
  if (!playback_->LeadingPlays()) return;
  // Tiles from a local folder need no network: the map stays as it is.
  const bool connected = ConnectedNow() || (map_ != nullptr && map_->WorksOffline());
  if (online_ == connected) return;
  online_ = connected;
  if (connected) {
    timers_.Start(timer::kMapRefresh);
  } else {
    timers_.Stop(timer::kMapPoints);
  }
  MapConnectivityChanged(connected);
  emit connectivityChanged(connected);
  update();
}

// Timer 1010: recordings were just opened; the first one plays.
void CVantorDlg::PlayOpenedTick() {
  if (loadPending()) {
    timers_.Start(timer::kPlayOpened);  // try again once the load under way is over
    return;
  }
  // Stopped on behalf of the play that follows: PLAY does not flash up meanwhile.
  StopPlayback(StopKind::Internal);
  PlayCommand();
}

}  // namespace direvovu::gui
