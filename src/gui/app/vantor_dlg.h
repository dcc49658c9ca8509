#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/app/key_map.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/card_session.h"
#include "gui/app/pair_playback.h"
#include "gui/controls/prompts.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace direvovu::platform {
class ScreenSaverInhibitor;
}  // namespace direvovu::platform

namespace direvovu::gui {

class CBitmapSlider;
class ChannelFullScreen;
class MprisService;
class PictureZoom;
struct MediaControls;
class CCarInfo;
class ExportController;
class GraphPanel;
class LibraryController;
class MapFollower;
class PlaybackDisplay;
class PlaylistController;
class PlaylistView;
class SpeedometerWidget;

// The main window: a captionless, skinned 947 x 750 window with the two video areas,
// the transport, the readouts and the row of buttons that open the other windows. It
// owns its widgets and the controllers that hold the rules, and forwards its buttons and
// keys to them: PairPlayback (the pair's playback), PlaylistController (the play list),
// PlaybackDisplay (time, graphs and readouts), MapFollower (the map and route windows),
// CardSession (the camera's card and its dialogs) and ExportController (the marked span
// and the evidence export). What it asks the user goes through the prompts it is handed.
//
// vantor_dlg.cpp: start-up, close and events; vantor_dlg_layout.cpp: controls, skin and
// texts; vantor_dlg_commands.cpp: what the buttons and keys do; vantor_dlg_playback.cpp:
// what the pair's playback reports.
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
  // The language of this run, whatever the settings say, until the viewer setup saves
  // another (before Initialise; nothing is written).
  void StartInLanguage(Language language) { run_language_ = language; }

  // Recordings opened (the command line, a second start, a drop on the window): the
  // play list becomes the legal front recordings among them, and the first row plays one
  // second later.
  void OpenFiles(const QStringList& files);

  // The transport; each does nothing while a load is pending, but stop, which gives the
  // load up.
  void PlayCommand();
  void PauseCommand();
  void StopCommand();
  void SeekCommand(int position);  // slider released at 0..10000
  void RateUpCommand();
  void RateDownCommand();
  void VolumeUpCommand();
  void VolumeDownCommand();
  // One channel full screen (F, Shift+F, a double click on it), or back when one is.
  void ToggleFullScreen(bool front);
  void LeaveFullScreen();
  // The sheet of every key (F1, ?), one at a time, beside the window.
  void KeySheetCommand();

  // Close button: saves the volume, stops every timer and both players, releases them
  // and deletes the working copies, then ends the dialog. A copy under way is given up;
  // while the players run up to their first pictures (a bounded wait) the close waits
  // for them and then happens by itself.
  void CloseCommand();

  // The settings load: language, markers, volume and speed unit read again and applied
  // (at start-up and after the viewer setup saved).
  void ReloadSettings();
  // What the viewer setup's Save makes the window do at once: the settings read again and
  // applied and, when the language changed, the other windows' texts and pages in it.
  void ApplyViewerSettings(bool language_changed);
  // Texts of every control in the current language (after a language change).
  void RefreshTexts();

  // Where the window goes on `screen` (available geometry), by the placement rule.
  static QPoint PlacementOn(const QRect& screen);

  // --- the controllers and controls, for the windows and the test hook ---
  [[nodiscard]] PairPlayback& playback() const { return *playback_; }
  [[nodiscard]] PlaylistController& playlist() const { return *playlist_; }
  [[nodiscard]] PlaybackDisplay& display() const { return *display_; }
  [[nodiscard]] MapFollower& maps() const { return *maps_; }
  [[nodiscard]] ExportController& exports() const { return *export_; }
  [[nodiscard]] LibraryController& library() const { return *library_; }
  CardSession& card() { return card_; }
  // A control by its id (main_window_layout.h); nullptr for an id it does not have.
  [[nodiscard]] QWidget* control(int id) const;
  [[nodiscard]] QAbstractButton* button(int id) const;
  [[nodiscard]] QLabel* label(int id) const;
  [[nodiscard]] PictureZoom* zoom(bool front) const { return front ? front_zoom_ : rear_zoom_; }
  [[nodiscard]] ChannelFullScreen* fullScreen() const { return full_screen_; }
  [[nodiscard]] QDialog* keySheet() const { return key_sheet_; }

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
  // A close refused by a start under way is asked again whenever the pair changes phase.
  void CloseWhenSettled();
  // vantor_dlg_layout.cpp
  void BuildControls();
  void BuildDisplays();
  void ApplyTooltips();
  void ShowOneOf(int shown_id, int hidden_id);
  void PaintSkin(QPainter& painter);

  // vantor_dlg_commands.cpp
  void ConnectCommands();
  void ConnectKeys();
  // The key map's shortcuts on `owner` (the window, or the full-screen channel).
  void BindKeys(QWidget* owner);
  // What each key of the key map does here; a command it lacks has no key.
  std::map<KeyCommand, std::function<void()>> KeyActions();
  void ConnectPictureMenu();
  void ShowGraph(bool gsensor);
  void OpenEnlargedGraph();
  void ViewerSetupCommand();
  void DrivingInfoCommand();
  void DestroyCarInfoWindow();
  void CaptureCommand();
  void PrintCommand();

  // vantor_dlg_desktop.cpp
  void ConnectDesktop();
  MediaControls DesktopControls();

  // vantor_dlg_playback.cpp
  void ConnectPlayback();
  void PlaybackStateChanged(PlaybackState state);
  void PlaybackStarted();
  void PlaybackStopped(StopKind kind);

  WorkingFolders folders_;
  PlayerFactory make_player_;
  IPrompts& prompts_;
  AppliedSettings settings_;
  std::optional<Language> run_language_;  // --language: wins over the stored language
  CardSession card_;
  std::unique_ptr<PairPlayback> playback_;

  // Controls; the window owns them as their parent.
  std::map<int, QWidget*> controls_;
  CBitmapSlider* slider_ = nullptr;
  GraphPanel* graph_panel_ = nullptr;
  SpeedometerWidget* speedometer_ = nullptr;
  PlaylistView* playlist_view_ = nullptr;
  QPixmap background_;
  bool graph_mode_gsensor_ = true;
  // Pointer minus window corner while the window itself follows a drag.
  std::optional<QPoint> drag_offset_;
  // The driving-information window of the last press, while it is open.
  CCarInfo* car_info_ = nullptr;
  // The pictures' own menu and its one entry, the export.
  QMenu* picture_menu_ = nullptr;
  QAction* export_action_ = nullptr;

  std::unique_ptr<PlaylistController> playlist_;
  std::unique_ptr<PlaybackDisplay> display_;
  std::unique_ptr<MapFollower> maps_;
  std::unique_ptr<ExportController> export_;
  std::unique_ptr<LibraryController> library_;
  // The desktop's media controls and its screen saver; children of the window.
  MprisService* mpris_ = nullptr;
  // Zoom into each channel's picture; made with the players.
  PictureZoom* front_zoom_ = nullptr;
  PictureZoom* rear_zoom_ = nullptr;
  // A channel full screen, while it is.
  ChannelFullScreen* full_screen_ = nullptr;
  // The sheet of keys while it is open.
  QPointer<QDialog> key_sheet_;
  platform::ScreenSaverInhibitor* screen_saver_ = nullptr;
};

}  // namespace direvovu::gui
