// The main window's timer table: what each id does at its tick, and the sets that
// start and stop together.
#include <QNetworkInformation>

#include "core/app/main_window_geometry.h"
#include "core/app/main_window_layout.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {

void CVantorDlg::DefineTimers() {
  using namespace timer;
  timers_.Define(kTimeDisplay, kTimeDisplayMs, false, [this] { TimeDisplayTick(); });
  // Its period is the marker interval, given when it starts.
  timers_.Define(kMapPoints, kDefaultMarkerIntervalMs, false, [this] { MapPointsTick(); });
  timers_.Define(kMapRefresh, kMapRefreshMs, true, [this] { MapRefreshTick(); });
  timers_.Define(kOpenAndStart, kOpenAndStartMs, true, [this] { OpenAndStart(); });
  timers_.Define(kGraphs, kGraphsMs, false, [this] { RefreshGraphs(); });
  timers_.Define(kReadouts, kReadoutsMs, false, [this] { ReadoutsTick(); });
  timers_.Define(kConnectivity, kConnectivityMs, false, [this] { ConnectivityTick(); });
  timers_.Define(kPlayOpened, kPlayOpenedMs, true, [this] { PlayOpenedTick(); });
  timers_.Define(kApplyRate, kApplyRateMs, true, [this] { ApplyRateTick(); });
  timers_.Define(kEndOfFile, kEndOfFileMs, true, [this] { EndOfFileTick(); });
  timers_.Define(kStartVolume, kStartVolumeMs, true, [this] {
    if (front_) front_->SetVolume(settings_.volume_step);
  });
  // Kept for the settle time after a start; it has no work of its own.
  timers_.Define(kSettle, kSettleMs, false, [this] { timers_.Stop(kSettle); });
}

void CVantorDlg::StartPlaybackTimers() {
  for (const int id : timer::kStartSet) {
    if (id == timer::kMapPoints) {
      if (MapWindowExists()) timers_.Start(id, settings_.marker_interval_ms);
      continue;
    }
    timers_.Start(id);
  }
}

void CVantorDlg::StopPlaybackTimers() { timers_.StopAll(timer::kPlaybackTimers); }

// Timer 1001: play time, total time and the seek slider follow the leading player.
void CVantorDlg::TimeDisplayTick() {
  IChannelPlayer* player = LeadingPlayer();
  if (player == nullptr || !player->IsPlaying()) {
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
  LocateTrackPosition(track_, play_second_);
}

// Timer 1007: the readouts for the current second.
void CVantorDlg::ReadoutsTick() {
  IChannelPlayer* player = LeadingPlayer();
  if (player == nullptr || !player->IsPlaying()) {
    timers_.Stop(timer::kReadouts);
    return;
  }
  RefreshReadouts();
}

// Timer 1002: the current position to the map, while the front channel plays.
void CVantorDlg::MapPointsTick() {
  if (!front_present_ || !MapWindowExists()) {
    timers_.Stop(timer::kMapPoints);
    return;
  }
}

// Timer 1003: after the connection came back the map page is reloaded, and the
// position updates resume once there is a position.
void CVantorDlg::MapRefreshTick() {
  if (track_.currentLatitude != 0 && MapWindowExists()) {
    timers_.Start(timer::kMapPoints, settings_.marker_interval_ms);
  }
}

// The map window comes with its own change; until then there is none.
bool CVantorDlg::MapWindowExists() const { return false; }

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
  IChannelPlayer* player = LeadingPlayer();
  if (player == nullptr || !player->IsPlaying()) return;
  const bool connected = ConnectedNow();
  if (online_ == connected) return;
  online_ = connected;
  if (connected) {
    timers_.Start(timer::kMapRefresh);
  } else {
    timers_.Stop(timer::kMapPoints);
  }
  emit connectivityChanged(connected);
  update();
}

// Timer 1011: a rate chosen while nothing played applies from the start.
void CVantorDlg::ApplyRateTick() {
  if (front_present_) front_->SetRate(current_rate_);
  if (rear_present_) {
    Later(100, [this] {
      if (rear_present_) rear_->SetRate(current_rate_);
    });
  }
  loaded_ = true;
  playing_ = true;
}

// Timer 1012: the recording ended; the next one plays, or the transport rests.
void CVantorDlg::EndOfFileTick() {
  if (internal_stop_) return;
  StopPlayback(true);
  if (!PlayNextRow()) ShowOneOf(ctl::kPlay, ctl::kPause);
}

// Timer 1010: recordings were just opened; the first one plays.
void CVantorDlg::PlayOpenedTick() {
  if (load_pending_) {
    timers_.Start(timer::kPlayOpened);  // try again once the load under way is over
    return;
  }
  // Stopped on behalf of the play that follows: PLAY does not flash up meanwhile.
  internal_stop_ = true;
  StopPlayback(false);
  internal_stop_ = false;
  PlayCommand();
}

}  // namespace direvovu::gui
