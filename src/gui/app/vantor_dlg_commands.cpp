// What the main window's buttons, slider and keys do: most go to a controller; the graph
// strip, capture, print, the viewer setup and the driving information are the window's.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

#include "core/app/key_map.h"
#include "core/app/main_window_layout.h"
#include "core/app/transport.h"
#include "core/display/capture_names.h"
#include "core/display/graph_geometry.h"
#include "core/recording/recording_name.h"
#include "gui/app/export_controller.h"
#include "gui/app/library_controller.h"
#include "gui/app/map_follower.h"
#include "gui/app/picture_zoom.h"
#include "gui/app/playback_display.h"
#include "gui/app/playlist_controller.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/controls/ui_text.h"
#include "gui/display/capture.h"
#include "gui/display/graph_dlg.h"
#include "gui/display/graph_panel.h"
#include "gui/display/printing.h"
#include "gui/map/car_info.h"
#include "gui/setup/env_set_dialog.h"
#include "platform/runtime_folder.h"

namespace direvovu::gui {

void CVantorDlg::ConnectCommands() {
  const auto on = [this](int id, const auto& command) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kClose, [this] { CloseCommand(); });
  on(ctl::kMinimize, [this] { showMinimized(); });
  on(ctl::kPlay, [this] { PlayCommand(); });
  on(ctl::kPause, [this] { PauseCommand(); });
  on(ctl::kStop, [this] { StopCommand(); });
  on(ctl::kSpeedUp, [this] { RateUpCommand(); });
  on(ctl::kSpeedDown, [this] { RateDownCommand(); });
  on(ctl::kVolumeUp, [this] { VolumeUpCommand(); });
  on(ctl::kVolumeDown, [this] { VolumeDownCommand(); });
  on(ctl::kCapture, [this] { CaptureCommand(); });
  on(ctl::kPrint, [this] { PrintCommand(); });
  on(ctl::kGravityGraph, [this] { ShowGraph(true); });
  on(ctl::kSpeedGraph, [this] { ShowGraph(false); });
  connect(graph_panel_, &GraphPanel::enlargeRequested, this, &CVantorDlg::OpenEnlargedGraph);

  on(ctl::kOpen, [this] { playlist_->OpenCommand(); });
  on(ctl::kDeleteItem, [this] { playlist_->DeleteSelected(); });
  on(ctl::kDeleteAll, [this] { playlist_->DeleteAll(); });
  on(ctl::kDecryption, [this] { playlist_->DecryptSelected(); });
  connect(playlist_view_, &QTreeWidget::itemDoubleClicked, this, [this] { playlist_->RowActivated(); });

  on(ctl::kMap, [this] { maps_->MapCommand(); });
  on(ctl::kDrivingLogMode, [this] {
    if (!playback_->closed()) maps_->RouteCommand();
  });

  // The buttons that open dialogs do nothing once the window closes.
  const auto unless_closed = [this, on](int id, auto command) {
    on(id, [this, command] {
      if (!playback_->closed()) command();
    });
  };
  unless_closed(ctl::kSdDownload, [this] {
    if (const auto change = card_.Download(this)) {
      playlist_->Apply(*change);
      library_->AddToIndex(change->paths);
    }
  });
  unless_closed(ctl::kDetailSearch, [this] {
    // Playback starts one second later, as after any new play list.
    if (const auto taken = card_.DetailSearch(this); !taken.empty()) playlist_->Replace(taken);
  });
  unless_closed(ctl::kSetup, [this] { card_.CameraSetup(this); });
  unless_closed(ctl::kEventLog, [this] { card_.EventReport(this); });
  unless_closed(ctl::kInfo, [this] { card_.ProgramInfo(this); });
  unless_closed(ctl::kPassword, [this] {
    if (!playback_->loadPending()) card_.CardPassword(this);
  });
  unless_closed(ctl::kViewerSetup, [this] { ViewerSetupCommand(); });
  unless_closed(ctl::kDrivingInfo, [this] { DrivingInfoCommand(); });
  unless_closed(ctl::kExport, [this] { export_->OpenDialog(); });

  connect(slider_, &CBitmapSlider::moving, this, [this] {
    if (playback_->loadPending()) return;
    display_->SliderGrabbed();
  });
  connect(slider_, &CBitmapSlider::moved, this, [this](int position) { SeekCommand(position); });
  ConnectKeys();
  ConnectPictureMenu();
}

// The keys people know from other players (core/app/key_map.h), anywhere in the window.
// The list keeps its own Up/Down and Enter, and a focused slider its own Left/Right (one
// step each), so those move the play time only where nothing else takes them.
void CVantorDlg::ConnectKeys() {
  BindKeys(this);
  // Enter plays the list's selected row, in the list only.
  for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(enter), playlist_view_);
    shortcut->setContext(Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { playlist_->RowActivated(); });
  }
}

void CVantorDlg::BindKeys(QWidget* owner) {
  const std::map<KeyCommand, std::function<void()>> actions = KeyActions();
  for (const KeyBinding& binding : KeyBindings()) {
    const auto action = actions.find(binding.command);
    if (action == actions.end()) continue;
    for (const std::string_view key : binding.keys) {
      if (key.empty()) continue;
      auto* shortcut =
          new QShortcut(QKeySequence(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())),
                                     QKeySequence::PortableText),
                        owner);
      shortcut->setContext(Qt::WindowShortcut);
      shortcut->setAutoRepeat(binding.repeats);
      connect(shortcut, &QShortcut::activated, this, action->second);
    }
  }
}

std::map<KeyCommand, std::function<void()>> CVantorDlg::KeyActions() {
  using K = KeyCommand;
  // The window's shortcut comes before the focused slider or list: they get their keys from here.
  const auto seek = [this](Qt::Key key, K command) {
    return [this, key, command] {
      if (slider_->hasFocus() && slider_->PressKey(key)) return;
      if (playlist_view_->hasFocus() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(playlist_view_, &press);
        return;
      }
      playback_->Nudge(SeekKeyDeltaMs(command));
    };
  };
  const auto nudge = [this](K command) {
    return [this, command] { playback_->Nudge(SeekKeyDeltaMs(command)); };
  };
  return {
      {K::PlayPause, [this] { playlist_->TogglePause(); }},
      {K::Back5s, seek(Qt::Key_Left, K::Back5s)},
      {K::Forward5s, seek(Qt::Key_Right, K::Forward5s)},
      {K::Back1s, nudge(K::Back1s)},
      {K::Forward1s, nudge(K::Forward1s)},
      {K::Back60s, seek(Qt::Key_Down, K::Back60s)},
      {K::Forward60s, seek(Qt::Key_Up, K::Forward60s)},
      {K::FrameBack, [this] { playback_->StepFrame(false); }},
      {K::FrameForward, [this] { playback_->StepFrame(true); }},
      {K::Loop, [this] { playback_->LoopKey(); }},
      {K::RateDown, [this] { RateDownCommand(); }},
      {K::RateUp, [this] { RateUpCommand(); }},
      {K::RateNormal, [this] { playback_->SetRate(1.0F); }},
      {K::Mute, [this] { playback_->ToggleMute(); }},
      {K::VolumeUp, [this] { VolumeUpCommand(); }},
      {K::VolumeDown, [this] { VolumeDownCommand(); }},
      {K::NextRow, [this] { playlist_->PlayRowBeside(1); }},
      {K::PreviousRow, [this] { playlist_->PlayRowBeside(-1); }},
      {K::Capture, [this] { CaptureCommand(); }},
      {K::KeySheet, [this] { KeySheetCommand(); }},
      {K::FullScreenFront, [this] { ToggleFullScreen(true); }},
      {K::FullScreenRear, [this] { ToggleFullScreen(false); }},
      {K::ZoomReset,
       [this] {
         for (PictureZoom* zoom : {front_zoom_, rear_zoom_}) {
           if (zoom != nullptr) zoom->Reset();
         }
       }},
      {K::Open,
       [this] {
         if (!playback_->closed()) playlist_->OpenCommand();
       }},
      // In and out, as editors mark a span; E opens the export over it.
      {K::MarkIn, [this] { export_->MarkIn(); }},
      {K::MarkOut, [this] { export_->MarkOut(); }},
      {K::Export,
       [this] {
         if (!playback_->closed()) export_->OpenDialog();
       }},
      {K::Library,
       [this] {
         if (!playback_->closed()) library_->OpenWindow();
       }},
  };
}

// A right click on either picture offers the export of what it shows.
void CVantorDlg::ConnectPictureMenu() {
  picture_menu_ = new QMenu(this);
  export_action_ = picture_menu_->addAction(
      UiText(TextTable::ExportWindow, rows::export_window::kPictureMenu), this, [this] {
        if (!playback_->closed()) export_->OpenDialog();
      });
  connect(picture_menu_, &QMenu::aboutToShow, this,
          [this] { export_action_->setEnabled(playback_->loaded()); });
  for (const int id : {ctl::kFrontVideo, ctl::kRearVideo}) {
    QWidget* area = control(id);
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area, &QWidget::customContextMenuRequested, this,
            [this, area](const QPoint& at) { picture_menu_->popup(area->mapToGlobal(at)); });
  }
}

void CVantorDlg::OpenFiles(const QStringList& files) { playlist_->OpenFiles(files); }

void CVantorDlg::PlayCommand() { playlist_->Play(); }

void CVantorDlg::PauseCommand() { playback_->Pause(); }

void CVantorDlg::StopCommand() { playback_->StopCommand(); }

void CVantorDlg::SeekCommand(int position) {
  playback_->SeekToSlider(position, kSeekRange);
  display_->SliderReleased();
}

void CVantorDlg::RateUpCommand() { playback_->RateUp(); }

void CVantorDlg::RateDownCommand() { playback_->RateDown(); }

void CVantorDlg::VolumeUpCommand() {
  settings_.volume_step = VolumeUp(settings_.volume_step);
  playback_->SetVolume(settings_.volume_step);
}

void CVantorDlg::VolumeDownCommand() {
  settings_.volume_step = VolumeDown(settings_.volume_step);
  playback_->SetVolume(settings_.volume_step);
}

// The two graph buttons share one place: the one shown switches to the other graph.
void CVantorDlg::ShowGraph(bool gsensor) {
  graph_mode_gsensor_ = gsensor;
  graph_panel_->SetMode(gsensor ? display::GraphMode::GSensor : display::GraphMode::Speed);
  if (gsensor) {
    ShowOneOf(ctl::kSpeedGraph, ctl::kGravityGraph);
  } else {
    ShowOneOf(ctl::kGravityGraph, ctl::kSpeedGraph);
  }
}

// Opens whatever plays: with nothing loaded the graph is empty, as the track is.
void CVantorDlg::OpenEnlargedGraph() {
  IChannelPlayer* player = playback_->Leading();
  const double length =
      player != nullptr && playback_->loaded() ? static_cast<double>(player->GetLength()) / 1000.0 : 0;
  CGraphDlg dialog(playback_->track(), graph_panel_->mode(), settings_.speed_unit, length, this);
  dialog.exec();
}

void CVantorDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (display::InEnlargeArea(at.x(), at.y())) {
    OpenEnlargedGraph();
    return;
  }
  QDialog::mouseDoubleClickEvent(event);
}

void CVantorDlg::ViewerSetupCommand() {
  CEnvSet dialog(
      folders_, settings_.volume_step, prompts_,
      [this](bool language_changed) { ApplyViewerSettings(language_changed); }, this);
  dialog.exec();
  update();
}

// A new window at each press, kept while it is open.
void CVantorDlg::DrivingInfoCommand() {
  DestroyCarInfoWindow();
  CarInfoContext context;
  context.folders = folders_;
  context.driving = &playback_->driving();
  context.playing = [this] { return playback_->playing(); };
  context.position = [this] {
    ObdPlayPosition at;
    at.recording = playback_->recording();
    if (const IChannelPlayer* leading = playback_->Leading()) at.playMs = leading->GetTime();
    at.recordsPerSecond = playback_->track().recordsPerSecond;
    at.recordCount = static_cast<std::size_t>(std::max(playback_->track().count, 0));
    return at;
  };
  car_info_ = new CCarInfo(std::move(context), prompts_, this);
  // Closed by its button, it goes; the next press makes a new one anyway.
  connect(car_info_, &QDialog::finished, this, [this] {
    if (car_info_ != nullptr) car_info_->deleteLater();
    car_info_ = nullptr;
  });
  car_info_->show();
}

void CVantorDlg::DestroyCarInfoWindow() {
  delete car_info_;
  car_info_ = nullptr;
}

namespace {

// What capture and printing see of the pair. They hold the picture still through the
// pause command, so PLAY shows while their boxes are open, and play on through the play
// command, but only the pair they paused: had it been stopped meanwhile (a box is open
// while it waits), playing now would start the selected row afresh.
PlaybackView ViewOf(PairPlayback& playback, PlaylistController& playlist) {
  PlaybackView view;
  view.front = playback.frontPresent() ? playback.front() : nullptr;
  view.rear = playback.rearPresent() ? playback.rear() : nullptr;
  view.frontRecording = playback.recording();
  view.rearRecording = RearCompanionPath(playback.recording());
  view.loadPending = playback.loadPending();
  view.pause = [&playback] { playback.Pause(); };
  view.play = [&playback, &playlist] {
    if (playback.state() == PlaybackState::Paused) playlist.Play();
  };
  return view;
}

}  // namespace

void CVantorDlg::CaptureCommand() {
  if (!playback_->loaded()) return;
  CaptureVideo(ViewOf(*playback_, *playlist_), SettingFolder(folders_, FolderKind::Capture), prompts_);
}

void CVantorDlg::PrintCommand() {
  if (!playback_->loaded()) return;
  // The picture lives in this user's and this root's own folder: a second viewer must
  // not delete it halfway through a print.
  const std::filesystem::path folder = platform::ViewerRuntimeFolder(folders_.root);
  if (folder.empty()) {
    prompts_.Alert(UiText(TextTable::ProgramTexts, rows::program_texts::kCantMakePrinterFile));
    return;
  }
  PrintTarget target;
  target.prompts = &prompts_;
  PrintVideo(ViewOf(*playback_, *playlist_), display::PrintPictureFile(folder), target);
}

}  // namespace direvovu::gui
