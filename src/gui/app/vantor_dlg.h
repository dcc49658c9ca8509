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

#include "core/recording/embedded_track.h"
#include "core/recording/track_state.h"
#include "core/recording/working_copies.h"
#include "core/sdcard/sd_drive.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/timer_registry.h"
#include "player/media_player.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace direvovu::gui {

class CBitmapSlider;
class PlaylistView;
class GraphPanel;
class SpeedometerWidget;
struct ReadoutLabels;
struct PlaybackView;

// Makes the player of a channel; the viewer makes libvlc players, GUI tests fakes.
using PlayerFactory = std::function<std::unique_ptr<IChannelPlayer>(Channel)>;

// The main window: a captionless, skinned 947 x 750 window with the two video areas,
// the transport, the readouts and the row of buttons that open the other windows. It
// owns the two players and the track and runs the periodic work on its timers.
//
// The work is spread over files by concern: vantor_dlg.cpp (start-up and state),
// vantor_dlg_layout.cpp (controls, skin, tooltips), vantor_dlg_display.cpp (graphs and
// readouts), vantor_dlg_timers.cpp (the timer table), vantor_dlg_players.cpp (load and
// synchronised start), vantor_dlg_commands.cpp (button commands).
class CVantorDlg : public QDialog {
  Q_OBJECT

 public:
  // The synchronised start plays the front channel alone when the rear one has not
  // reported playing within this time.
  static constexpr int kSyncWaitMs = 5000;
  // A load whose leading channel shows neither a picture nor an error in this time fails.
  static constexpr int kFirstPictureWaitMs = 10000;

  CVantorDlg(WorkingFolders folders, PlayerFactory make_player, QWidget* parent = nullptr);
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
  // pending.
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
  // Replaces the open-file dialog (tests): given the starting folder, the chosen paths.
  void SetFileChooser(std::function<QStringList(const QString&)> choose) {
    choose_files_ = std::move(choose);
  }

  // Loads a front recording and its rear companion into the working copies, reads the
  // track and opens and starts both players. False when the load failed (message 33
  // has been shown). The play command of the play list calls this.
  bool PlayPair(const std::filesystem::path& front_path);

  // Stops playback: every playback timer, both players, the track and the readouts.
  // `keep_auto_advance` is false when a command (not the end of the file) stops.
  void StopPlayback(bool keep_auto_advance);

  // Close button: saves the volume, stops every timer and both players, releases them
  // and deletes the working copies, then ends the dialog. Ignored while a load runs.
  void CloseCommand();

  // The settings load: language, markers, volume and speed unit read again and applied
  // (at start-up and after the viewer setup saved).
  void ReloadSettings();

  // Passwords of scrambled recordings; the password dialogs install the asker.
  void SetPasswordAsker(AskPassword ask) { ask_password_ = std::move(ask); }

  // Where the window goes on `screen` (available geometry), by the placement rule.
  static QPoint PlacementOn(const QRect& screen);

  // --- state, read by the other windows and by tests ---
  [[nodiscard]] const WorkingFolders& folders() const { return folders_; }
  [[nodiscard]] const AppliedSettings& settings() const { return settings_; }
  TimerRegistry& timers() { return timers_; }
  [[nodiscard]] IChannelPlayer* frontPlayer() const { return front_.get(); }
  [[nodiscard]] IChannelPlayer* rearPlayer() const { return rear_.get(); }
  [[nodiscard]] QWidget* frontVideo() const { return front_video_; }
  [[nodiscard]] QWidget* rearVideo() const { return rear_video_; }
  [[nodiscard]] QAbstractButton* button(int id) const;
  [[nodiscard]] QLabel* label(int id) const;
  [[nodiscard]] CBitmapSlider* seekSlider() const { return slider_; }
  [[nodiscard]] GraphPanel* graphPanel() const { return graph_panel_; }
  [[nodiscard]] SpeedometerWidget* speedometer() const { return speedometer_; }
  [[nodiscard]] const TrackState& track() const { return track_; }
  [[nodiscard]] bool frontPresent() const { return front_present_; }
  [[nodiscard]] bool rearPresent() const { return rear_present_; }
  [[nodiscard]] bool loaded() const { return loaded_; }
  [[nodiscard]] bool isPlaying() const { return playing_; }
  [[nodiscard]] bool loadPending() const { return load_pending_; }
  [[nodiscard]] bool closing() const { return closing_; }
  [[nodiscard]] bool autoAdvance() const { return auto_advance_; }
  [[nodiscard]] int startedCount() const { return started_count_; }
  [[nodiscard]] float currentRate() const { return current_rate_; }
  [[nodiscard]] int playSecond() const { return play_second_; }
  [[nodiscard]] const std::filesystem::path& currentRecording() const { return front_path_; }
  [[nodiscard]] PlaylistView* playlist() const { return playlist_; }
  // True while a stop waits for the players to settle (bounded).
  [[nodiscard]] bool stopSettling() const { return stop_settle_left_ms_ > 0; }
  [[nodiscard]] std::optional<bool> online() const { return online_; }
  // Connectivity as the check sees it; tests replace the probe.
  void SetConnectivityProbe(std::function<bool()> probe) { connectivity_probe_ = std::move(probe); }
  // Scales the fixed pauses between the rear and the front player's calls (tests use 0).
  void SetPacing(double scale) { pacing_ = scale; }
  // How long the synchronised start waits for the rear channel (tests shorten it).
  void SetSyncWait(int ms) { sync_wait_ms_ = ms; }
  // How long a load waits for its leading channel's first picture (tests shorten it).
  void SetFirstPictureWait(int ms) { first_picture_wait_ms_ = ms; }

  // Texts of every control in the current language (after a language change).
  void RefreshTexts();

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
  void ApplyRateTick();
  void EndOfFileTick();
  void PlayOpenedTick();
  [[nodiscard]] bool ConnectedNow() const;
  [[nodiscard]] bool MapWindowExists() const;

  // vantor_dlg_players.cpp
  bool CreatePlayers(std::string* error);
  void ReleasePlayers();
  void EmptyWorkingCopies();
  void DeleteWorkingCopies();
  void OpenAndStart();
  void OnPlayerPlaying(Channel channel);
  void OnPlayerEnded(Channel channel);
  void OnPlayerError(Channel channel, const QString& detail);
  void ReleaseSynchronised();
  void FinishSynchronisedStart();
  void GiveUpOnRear();
  void LoadFailed(const QString& detail, bool show_message = true);
  bool ShowParseMessages(const PairTrackOutcome& outcome);
  void ShowChannels();
  [[nodiscard]] IChannelPlayer* LeadingPlayer() const;
  void Later(int ms, std::function<void()> step);
  void After(int ms, std::function<void()> step);
  bool PlayNextRow();

  // vantor_dlg_playlist.cpp
  void BuildPlaylist();
  void ReplacePlaylist(const std::vector<std::string>& paths);
  [[nodiscard]] std::filesystem::path FrontPathOfSelectedRow() const;

  // vantor_dlg_transport.cpp
  void ConnectTransport();
  void TryPlay(int attempts_left);
  void ResumePaused();
  [[nodiscard]] bool SettledForPlay() const;
  [[nodiscard]] bool SettledForStop() const;
  void WaitForStopSettle();
  void SliderMoving();
  void SeekTo(std::int64_t target_ms);
  void FinishSeek();
  void NudgeSeek(std::int64_t delta_ms);
  void TogglePlayPause();

  // vantor_dlg_commands.cpp
  void ConnectCommands();
  void MinimizeCommand();

  // vantor_dlg_capture.cpp
  void ConnectDisplayCommands();
  void GravityGraphCommand();
  void SpeedGraphCommand();
  void OpenEnlargedGraph();
  void LoadGraphEvents(bool rear_track_shown);
  [[nodiscard]] PlaybackView CurrentPlayback();
  void PauseForCapture();
  void ResumeAfterCapture();
  void CaptureCommand();
  void PrintCommand();

  WorkingFolders folders_;
  PlayerFactory make_player_;
  std::unique_ptr<IChannelPlayer> front_;
  std::unique_ptr<IChannelPlayer> rear_;
  AppliedSettings settings_;
  TrackState track_;
  PasswordState passwords_;
  AskPassword ask_password_;
  SdCardState card_;
  TimerRegistry timers_;

  // Controls.
  QWidget* front_video_ = nullptr;
  QWidget* rear_video_ = nullptr;
  CBitmapSlider* slider_ = nullptr;
  GraphPanel* graph_panel_ = nullptr;
  SpeedometerWidget* speedometer_ = nullptr;
  std::map<int, QAbstractButton*> buttons_;
  std::map<int, QLabel*> labels_;
  QPixmap background_;
  bool graph_mode_gsensor_ = true;
  // Pointer minus window corner while the window itself follows a drag.
  std::optional<QPoint> drag_offset_;
  bool driving_log_mode_ = false;

  // Playback.
  std::filesystem::path front_path_;
  bool front_present_ = false;
  bool rear_present_ = false;
  bool loaded_ = false;
  bool playing_ = false;
  bool load_pending_ = false;
  bool internal_stop_ = false;
  bool closing_ = false;
  bool closed_ = false;
  bool auto_advance_ = false;
  int started_count_ = 0;
  bool front_reported_ = false;
  bool rear_reported_ = false;
  bool sync_waiting_ = false;
  // Bumped by each load and stop, so steps scheduled for an older load do nothing.
  std::uint64_t load_generation_ = 0;
  float current_rate_ = 1.0F;
  double pacing_ = 1.0;
  int sync_wait_ms_ = kSyncWaitMs;
  int first_picture_wait_ms_ = kFirstPictureWaitMs;

  // Time display.
  std::string elapsed_text_ = "00:00";
  std::string total_text_ = "00:00";
  int play_second_ = 0;

  // The play list and its open-file dialog.
  PlaylistView* playlist_ = nullptr;
  bool open_dialog_busy_ = false;
  std::function<QStringList(const QString&)> choose_files_;
  // Seek lock: one seek's paced steps at a time; a release meanwhile waits its turn.
  bool seeking_ = false;
  std::optional<std::int64_t> queued_seek_ms_;
  int stop_settle_left_ms_ = 0;

  // Connectivity: unknown until the first check.
  std::optional<bool> online_;
  std::function<bool()> connectivity_probe_;
};

}  // namespace direvovu::gui
