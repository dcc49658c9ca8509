#include "gui/app/map_follower.h"

#include <QNetworkInformation>
#include <QWidget>

#include <utility>

#include "gui/app/main_timers.h"
#include "gui/app/pair_playback.h"
#include "gui/map/map_dlg.h"
#include "gui/map/router_dlg.h"

namespace direvovu::gui {
namespace {

constexpr int kPositions = timer::kMapPoints;
constexpr int kReload = timer::kMapRefresh;
constexpr int kConnectivity = timer::kConnectivity;

}  // namespace
MapFollower::MapFollower(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback, ICardFinder& card,
                         QWidget* window)
    : folders_(std::move(folders)),
      prompts_(prompts),
      playback_(playback),
      card_(card),
      window_(window),
      timers_(this) {
  DefineTimers();
}

MapFollower::~MapFollower() { Stop(); }

void MapFollower::DefineTimers() {
  // The positions' period is the marker interval, given when they start.
  timers_.Define(kPositions, kDefaultMarkerIntervalMs, false, [this] { PositionsTick(); });
  timers_.Define(kReload, timer::kMapRefreshMs, true, [this] { ReloadTick(); });
  timers_.Define(kConnectivity, timer::kConnectivityMs, false, [this] { ConnectivityTick(); });
}

void MapFollower::StartWatching() {
  if (!probe_ && QNetworkInformation::instance() == nullptr &&
      !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
    QNetworkInformation::loadDefaultBackend();
  }
  timers_.Start(kConnectivity);
}

void MapFollower::SetMarkers(Markers markers) {
  markers_ = markers;
  if (timers_.IsActive(kPositions)) timers_.Start(kPositions, markers_.interval_ms);
}

bool MapFollower::mapOpen() const { return map_ != nullptr && map_->isOpen(); }
bool MapFollower::routeOpen() const { return route_ != nullptr && route_->isOpen(); }

void MapFollower::MapCommand() {
  if (mapOpen()) return;
  if (map_ == nullptr) {
    // Hidden until its page has loaded.
    map_ = new CMapDlg(folders_, prompts_, window_);
    connect(map_, &CMapDlg::pageLoaded, this, [this] { page_loaded_ = true; });
    if (online_ == false && !map_->WorksOffline()) {
      map_->SetBrowserVisible(false);
      map_->ShowOfflinePicture();
    }
  } else if (map_reload_mark_) {
    map_reload_mark_ = false;
    map_->ShowMapPage();
    map_->show();
  }
  map_->SetOpen(true);
  FollowWhilePlaying();
}

// A window opened while a recording already plays follows it at once, not only from the
// next start.
void MapFollower::FollowWhilePlaying() {
  if (map_ == nullptr || !playback_.frontPresent() || !playback_.LeadingPlays()) return;
  if (online_ == false && !map_->WorksOffline()) return;
  if (!timers_.IsActive(kPositions)) timers_.Start(kPositions, markers_.interval_ms);
}

void MapFollower::RouteCommand() {
  if (routeOpen()) return;
  playback_.PauseForWindow();
  card_.SearchCardReportingMissing();
  if (route_ == nullptr) {
    // Hidden until its page has loaded.
    route_ = new CRouter(folders_, card_, prompts_, window_);
    connect(route_, &CRouter::pageLoaded, this, [this] { page_loaded_ = true; });
    // Close plays on what the button paused.
    connect(route_, &CRouter::closed, this, [this] { playback_.ResumeAfterWindow(); });
    route_->SetOpen(true);
    return;
  }
  route_->SetOpen(true);
  if (route_->reloadMarked()) {
    route_->RefreshLabels();
    route_->ShowMapPage();
  }
  if (route_->everLoaded()) route_->show();  // else it shows itself once its page loads
}

void MapFollower::LanguageChanged(int language) {
  if (map_ != nullptr) {
    map_->RefreshTexts();
    if (map_->isOpen()) {
      map_->ShowMapPage();
    } else {
      map_reload_mark_ = true;
    }
  }
  // The route window reloads now, or is marked to reload when next shown.
  if (route_ != nullptr) route_->RetranslateTexts(language);
}

void MapFollower::PlaybackStarted() {
  PrepareOnce();
  if (map_ != nullptr) timers_.Start(kPositions, markers_.interval_ms);
}

void MapFollower::PlaybackStopped() {
  timers_.Stop(kPositions);
  timers_.Stop(kReload);
}

// Once per run: the first playback starts on an empty map.
void MapFollower::PrepareOnce() {
  if (prepared_) return;
  prepared_ = true;
  if (map_ != nullptr) map_->ClearMapOverlay();
}

void MapFollower::WindowActivated() {
  if (map_ != nullptr && map_->isOpen() && !map_->isVisible()) map_->show();
}

void MapFollower::Stop() {
  timers_.StopEverything();
  // The windows refer to the main window's prompts: they go before it does.
  delete route_;
  route_ = nullptr;
  delete map_;
  map_ = nullptr;
}

// The current position to the map, while the front channel plays.
void MapFollower::PositionsTick() {
  if (!playback_.frontPresent() || map_ == nullptr) {
    timers_.Stop(kPositions);
    return;
  }
  if (!playback_.front()->IsPlaying() || playback_.track().currentLatitude == 0) return;
  map_->SetMapPoint(playback_.track(), markers_.mark_route);
}

// After the connection came back the map page is reloaded, and the position updates
// resume once there is a position.
void MapFollower::ReloadTick() {
  if (map_ == nullptr) return;
  map_->ShowMapPage();
  if (playback_.track().currentLatitude != 0) timers_.Start(kPositions, markers_.interval_ms);
}

bool MapFollower::ConnectedNow() const {
  if (probe_) return probe_();
  const QNetworkInformation* info = QNetworkInformation::instance();
  // No backend, or one that cannot tell: count as connected, so the map is tried.
  if (info == nullptr) return true;
  return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

// The map goes offline and online with the connection. Only while a recording plays,
// since only then does the map show anything.
void MapFollower::ConnectivityTick() {
  if (!playback_.LeadingPlays()) return;
  // Tiles from a local folder need no network: the map stays as it is.
  const bool connected = ConnectedNow() || (map_ != nullptr && map_->WorksOffline());
  if (online_ == connected) return;
  online_ = connected;
  if (connected) {
    timers_.Start(kReload);
  } else {
    timers_.Stop(kPositions);
  }
  ShowConnectivity(connected);
  emit connectivityChanged(connected);
}

void MapFollower::ShowConnectivity(bool connected) {
  if (map_ == nullptr) return;
  map_->SetBrowserVisible(connected);
  if (!connected) map_->ShowOfflinePicture();
}

}  // namespace direvovu::gui
