#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "core/settings/viewer_settings.h"
#include "gui/controls/card_finder.h"
#include "gui/controls/prompts.h"
#include "gui/controls/timer_registry.h"

class QWidget;

namespace direvovu::gui {

class CMapDlg;
class CRouter;
class PairPlayback;

// The map and route windows' life cycle beside the main window: it makes them on their
// buttons, keeps them until the main window goes, has the map follow the playing
// recording, and watches the connection (the map goes offline and online with it). The
// windows report through their signals; their state is theirs or this class's.
class MapFollower : public QObject {
  Q_OBJECT

 public:
  // How the map follows: how often the position goes to the page, and whether the page
  // draws the travelled route or only the point.
  struct Markers {
    int interval_ms = kDefaultMarkerIntervalMs;
    bool mark_route = true;
  };

  // The windows it makes are children of `window`, which must outlive this object.
  MapFollower(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback, ICardFinder& card,
              QWidget* window);
  ~MapFollower() override;
  MapFollower(const MapFollower&) = delete;
  MapFollower& operator=(const MapFollower&) = delete;

  // Starts the connection watch (with the system's reachability when nobody set a probe).
  void StartWatching();
  // Connectivity as the watch sees it; tests replace the probe.
  void SetConnectivityProbe(std::function<bool()> probe) { probe_ = std::move(probe); }
  // The settings were applied: a new interval applies at once to a map that follows.
  void SetMarkers(Markers markers);

  // The map button: opens the window once, shows it again after a language change, and
  // from then on the window follows the playing recording.
  void MapCommand();
  // The route button: pauses what plays, runs the SD search, and opens the window (made
  // once, shown again later); its Close plays on what the button paused.
  void RouteCommand();
  // The language changed: an open map loads the page of the new language, a closed one
  // when next shown; the route window takes the new texts (its page when next shown).
  void LanguageChanged(int language);
  // What the pair's playback reports.
  void PlaybackStarted();
  void PlaybackStopped();
  // The main window became active: the map window comes back while it is meant to be open.
  void WindowActivated();
  // The main window closes: nothing follows any more.
  void Stop();

  [[nodiscard]] CMapDlg* mapWindow() const { return map_; }
  [[nodiscard]] CRouter* routeWindow() const { return route_; }
  [[nodiscard]] bool mapOpen() const;
  [[nodiscard]] bool routeOpen() const;
  // A page of either window finished loading since the start.
  [[nodiscard]] bool pageLoaded() const { return page_loaded_; }
  // The language changed while the map window was closed.
  [[nodiscard]] bool mapReloadMarked() const { return map_reload_mark_; }
  [[nodiscard]] std::optional<bool> online() const { return online_; }
  [[nodiscard]] Markers markers() const { return markers_; }
  // Its own timers (ids of main_timers.h: map points, map refresh, connectivity).
  TimerRegistry& timers() { return timers_; }

 signals:
  // The watch saw the connection come or go.
  void connectivityChanged(bool online);

 private:
  void DefineTimers();
  void PositionsTick();
  void ReloadTick();
  void ConnectivityTick();
  [[nodiscard]] bool ConnectedNow() const;
  void FollowWhilePlaying();
  void ShowConnectivity(bool connected);
  void PrepareOnce();

  WorkingFolders folders_;
  IPrompts& prompts_;
  PairPlayback& playback_;
  ICardFinder& card_;
  QWidget* window_;
  TimerRegistry timers_;
  Markers markers_;
  CMapDlg* map_ = nullptr;
  CRouter* route_ = nullptr;
  bool map_reload_mark_ = false;
  bool page_loaded_ = false;
  bool prepared_ = false;  // the first playback after start-up cleared the map
  std::optional<bool> online_;  // unknown until the first check
  std::function<bool()> probe_;
};

}  // namespace direvovu::gui
