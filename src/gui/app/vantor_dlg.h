#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/recording/track_state.h"
#include "core/sdcard/card_tables.h"
#include "core/sdcard/sd_download_rules.h"
#include "core/sdcard/sd_drive.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/pair_playback.h"
#include "gui/controls/timer_registry.h"
#include "gui/controls/prompts.h"
#include "gui/map/map_dlg.h"
#include "gui/map/router_dlg.h"
#include "platform/drive_format.h"
#include "player/media_player.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace direvovu::gui {

class CBitmapSlider;
class CCarInfo;
class PlaylistView;
class GraphPanel;
class SpeedometerWidget;
struct ReadoutLabels;
struct PlaybackView;

// The main window: a captionless, skinned 947 x 750 window with the two video areas,
// the transport, the readouts and the row of buttons that open the other windows. It
// owns its widgets and forwards the transport to PairPlayback, which holds the players,
// the track and the state of the pair's playback; it draws what that reports. What it
// asks the user goes through the prompts it is handed.
//
// The work is spread over files by concern: vantor_dlg.cpp (start-up and events),
// vantor_dlg_layout.cpp (controls, skin, tooltips), vantor_dlg_display.cpp (graphs and
// readouts), vantor_dlg_timers.cpp (the timer table), vantor_dlg_playback.cpp (what the
// pair's playback reports), vantor_dlg_transport.cpp and vantor_dlg_commands.cpp (button
// commands).
class CVantorDlg : public QDialog {
  Q_OBJECT

 public:
  CVantorDlg(WorkingFolders folders, PlayerFactory make_player, IPrompts& prompts, QWidget* parent = nullptr);
  ~CVantorDlg() override;
  CVantorDlg(const CVantorDlg&) = delete;
  CVantorDlg& operator=(const CVantorDlg&) = delete;

  // The start-up that can fail: empties the working copies, creates both players,
  // applies the settings, creates the working folders and starts the connectivity
  // check. False (with the reason) when a player cannot be created.
  bool Initialise(std::string* error);

  // Recordings opened (the open-file dialog, the command line, a second start, a drop
  // on the window): the play list becomes the legal front recordings among them (the
  // front recordings inside folders), in path order, and the first row plays one second
  // later; the next rows follow at the end of each.
  void OpenFiles(const QStringList& files);
  // Rows added by the SD download and the detail search: appended, the first row is
  // selected and plays one second later.
  void AddRows(const std::vector<std::string>& paths);

  // The transport and play-list commands (vantor_dlg_transport.cpp,
  // vantor_dlg_playlist.cpp, vantor_dlg_decrypt.cpp); each does nothing while a load is
  // pending, but stop, which gives the load up.
  void OpenCommand();
  void PlayCommand();
  void PauseCommand();
  void StopCommand();
  void SeekCommand(int position);  // slider released at 0..10000
  void RateUpCommand();
  void RateDownCommand();
  void VolumeUpCommand();
  void VolumeDownCommand();
  void DeleteItemCommand();
  void DeleteAllCommand();
  void PlayListDoubleClicked();
  void DecryptCommand();
  void PasswordCommand();
  // SD download button (vantor_dlg_sdcard.cpp): the SD search box, then the download dialog.
  void SdDownloadCommand();
  // vantor_dlg_reports.cpp: the event report, the program information and the driving
  // information (a new window at each press, kept while it is open).
  void EventLogCommand();
  void ProgramInfoCommand();
  void DrivingInfoCommand();
  [[nodiscard]] CCarInfo* carInfoWindow() const { return car_info_; }
  [[nodiscard]] bool obdWindowOpen() const { return car_info_ != nullptr; }
  // What the download dialog did to the play list: emptied and filled, or rows added;
  // the first row plays one second later.
  void ApplySdDownload(const PlaylistChange& change);
  // The format layer the download dialog uses; tests hand their own.
  void SetDriveFormatter(std::unique_ptr<platform::IDriveFormatter> formatter) {
    formatter_ = std::move(formatter);
  }
  [[nodiscard]] const CardWorkTables& cardTables() const { return card_tables_; }

  // Loads a front recording and its rear companion (PairPlayback::Load). False when the
  // load failed at once (message 33 has been shown).
  bool PlayPair(const std::filesystem::path& front_path);

  // Stops playback: every playback timer, both players, the track and the readouts.
  void StopPlayback(StopKind kind);

  // Close button: saves the volume, stops every timer and both players, releases them
  // and deletes the working copies, then ends the dialog. A copy under way is given up;
  // ignored while the players run up to their first pictures.
  void CloseCommand();

  // The settings load: language, markers, volume and speed unit read again and applied
  // (at start-up and after the viewer setup saved).
  void ReloadSettings();

  // The setup buttons (vantor_dlg_setup.cpp): the viewer setup, the camera setup and the
  // detail search, each a modal dialog.
  void ViewerSetupCommand();
  void CameraSetupCommand();
  void DetailSearchCommand();
  // What the viewer setup's Save makes the window do at once: the settings read again and
  // applied (texts, speed unit, marker interval) and, when the language changed, the
  // other windows' texts and pages in the new language.
  void ApplyViewerSettings(bool language_changed);

  // Where the window goes on `screen` (available geometry), by the placement rule.
  static QPoint PlacementOn(const QRect& screen);

  // --- state, read by the other windows and by tests ---
  [[nodiscard]] const WorkingFolders& folders() const { return folders_; }
  [[nodiscard]] const AppliedSettings& settings() const { return settings_; }
  TimerRegistry& timers() { return timers_; }
  [[nodiscard]] PairPlayback& playback() const { return *playback_; }
  [[nodiscard]] IChannelPlayer* frontPlayer() const { return playback_->front(); }
  [[nodiscard]] IChannelPlayer* rearPlayer() const { return playback_->rear(); }
  [[nodiscard]] QWidget* frontVideo() const { return front_video_; }
  [[nodiscard]] QWidget* rearVideo() const { return rear_video_; }
  [[nodiscard]] QAbstractButton* button(int id) const;
  [[nodiscard]] QLabel* label(int id) const;
  [[nodiscard]] CBitmapSlider* seekSlider() const { return slider_; }
  [[nodiscard]] GraphPanel* graphPanel() const { return graph_panel_; }
  [[nodiscard]] SpeedometerWidget* speedometer() const { return speedometer_; }
  [[nodiscard]] const TrackState& track() const { return playback_->track(); }
  [[nodiscard]] bool frontPresent() const { return playback_->frontPresent(); }
  [[nodiscard]] bool rearPresent() const { return playback_->rearPresent(); }
  [[nodiscard]] bool loaded() const { return playback_->loaded(); }
  [[nodiscard]] bool isPlaying() const { return playback_->playing(); }
  [[nodiscard]] bool loadPending() const { return playback_->loadPending(); }
  [[nodiscard]] bool closing() const { return playback_->closed(); }
  [[nodiscard]] bool autoAdvance() const { return playback_->autoAdvance(); }
  [[nodiscard]] int startedCount() const { return playback_->startedCount(); }
  [[nodiscard]] float currentRate() const { return playback_->rate(); }
  [[nodiscard]] int playSecond() const { return play_second_; }
  [[nodiscard]] const std::filesystem::path& currentRecording() const { return playback_->recording(); }
  [[nodiscard]] PlaylistView* playlist() const { return playlist_; }
  // True while a stop waits for the players to settle (bounded).
  [[nodiscard]] bool stopSettling() const { return playback_->stopSettling(); }
  [[nodiscard]] std::optional<bool> online() const { return online_; }
  // Connectivity as the check sees it; tests replace the probe.
  void SetConnectivityProbe(std::function<bool()> probe) { connectivity_probe_ = std::move(probe); }

  // Texts of every control in the current language (after a language change).
  void RefreshTexts();

  // The map window (vantor_dlg_map.cpp). The map button: opens the window once, shows it
  // again after a language change, and from then on the window follows the playing
  // recording.
  void MapCommand();
  // The language changed (the viewer setup): an open map window loads the page of the
  // new language, a closed one does so when the map button next shows it.
  void MapLanguageChanged();
  [[nodiscard]] CMapDlg* mapWindow() const { return map_; }
  [[nodiscard]] const MapWindowFlags& mapFlags() const { return map_flags_; }

  // The route window (vantor_dlg_route.cpp). The route button pauses what plays, runs
  // the SD search, and opens the window (made once, shown again later); its Close plays
  // on what the button paused.
  void RouteCommand();
  // The language changed (the viewer setup): the route window takes the new language's
  // texts, and its page when it is next shown.
  void RouteLanguageChanged(int language);
  [[nodiscard]] CRouter* routeWindow() const { return route_; }
  [[nodiscard]] const RouteWindowFlags& routeFlags() const { return route_flags_; }

 signals:
  // Both channels run after a load (the synchronised start is over).
  void playbackStarted();
  // The connectivity check saw the connection come or go (the map window follows).
  void connectivityChanged(bool online);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void reject() override;

 private:
  // vantor_dlg_layout.cpp
  void BuildControls();
  void BuildButtons();
  void BuildSlider();
  void BuildLabels();
  void BuildVideoAreas();
  void ApplyTooltips();
  void RefreshTimeTexts();
  void SetSliderPosition(int position);
  void ShowOneOf(int shown_id, int hidden_id);
  void PaintSkin(QPainter& painter);

  // vantor_dlg_display.cpp
  void BuildDisplays();
  [[nodiscard]] ReadoutLabels Readouts() const;
  void ApplyDisplaySettings();
  void RefreshGraphs();
  void RefreshReadouts();
  void ResetDisplays();

  // vantor_dlg_timers.cpp
  void DefineTimers();
  void StartPlaybackTimers();
  void StopPlaybackTimers();
  void TimeDisplayTick();
  void MapPointsTick();
  void MapRefreshTick();
  void ReadoutsTick();
  void ConnectivityTick();
  void PlayOpenedTick();
  [[nodiscard]] bool ConnectedNow() const;
  [[nodiscard]] bool MapWindowExists() const;

  // vantor_dlg_map.cpp
  void ConnectMapCommands();
  void StartMapPointsWhilePlaying();
  void MapConnectivityChanged(bool connected);
  void PrepareMapOnce();
  void DestroyMapWindow();

  // vantor_dlg_route.cpp
  void ConnectRouteCommands();
  void RouteWindowClosed();
  void DestroyRouteWindow();
  // vantor_dlg_reports.cpp
  void ConnectReportCommands();
  void DestroyCarInfoWindow();

  // vantor_dlg_playback.cpp: what the pair's playback reports.
  void ConnectPlayback();
  void ShowChannels(bool front, bool rear);
  void ShowLoadProgress(int percent);
  void PlaybackStateChanged(PlaybackState state);
  void PlaybackStarted();
  void PlaybackStopped(StopKind kind);
  void RecordingEnded();
  void RefreshAfterSeek();
  void EmptyWorkingCopies();

  // vantor_dlg_playlist.cpp
  void BuildPlaylist();
  void ReplacePlaylist(const std::vector<std::string>& paths);
  [[nodiscard]] std::optional<std::filesystem::path> PickSelectedRow();
  [[nodiscard]] std::filesystem::path FrontPathOfSelectedRow() const;
  bool PlayNextRow();

  // vantor_dlg_transport.cpp
  void ConnectTransport();
  void SliderMoving();

  // vantor_dlg_commands.cpp
  void ConnectCommands();
  void ConnectSetupCommands();
  void MinimizeCommand();

  // vantor_dlg_capture.cpp
  void ConnectDisplayCommands();
  void GravityGraphCommand();
  void SpeedGraphCommand();
  void OpenEnlargedGraph();
  void LoadGraphEvents();
  [[nodiscard]] PlaybackView CurrentPlayback();
  void PauseForCapture();
  void ResumeAfterCapture();
  void CaptureCommand();
  void PrintCommand();

  WorkingFolders folders_;
  PlayerFactory make_player_;
  IPrompts& prompts_;
  AppliedSettings settings_;
  SdCardState card_;
  // The card walks' work tables, shared by the windows that walk the card.
  CardWorkTables card_tables_;
  std::unique_ptr<platform::IDriveFormatter> formatter_ = std::make_unique<platform::SystemDriveFormatter>();
  TimerRegistry timers_;
  std::unique_ptr<PairPlayback> playback_;

  // Controls.
  QWidget* front_video_ = nullptr;
  QWidget* rear_video_ = nullptr;
  CBitmapSlider* slider_ = nullptr;
  GraphPanel* graph_panel_ = nullptr;
  SpeedometerWidget* speedometer_ = nullptr;
  PlaylistView* playlist_ = nullptr;
  std::map<int, QAbstractButton*> buttons_;
  std::map<int, QLabel*> labels_;
  QPixmap background_;
  bool graph_mode_gsensor_ = true;
  bool driving_log_mode_ = false;
  // Pointer minus window corner while the window itself follows a drag.
  std::optional<QPoint> drag_offset_;
  // The open-file dialog is up (it runs an event loop of its own).
  bool open_dialog_busy_ = false;

  // Time display.
  std::string elapsed_text_ = "00:00";
  std::string total_text_ = "00:00";
  int play_second_ = 0;

  // The map window, made by the map button and kept until the window closes.
  CMapDlg* map_ = nullptr;
  MapWindowFlags map_flags_;
  bool map_prepared_ = false;  // the first playback after start-up cleared the map

  // The route window, made by the route button and kept until the window closes.
  CRouter* route_ = nullptr;
  RouteWindowFlags route_flags_;
  // The driving-information window of the last press, while it is open.
  CCarInfo* car_info_ = nullptr;

  // Connectivity: unknown until the first check.
  std::optional<bool> online_;
  std::function<bool()> connectivity_probe_;
};

}  // namespace direvovu::gui
