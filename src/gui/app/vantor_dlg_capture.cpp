// Graph buttons, the enlarged graph, capture and printing of the main window: the
// display widgets do the work, the window says what plays.
#include <QAbstractButton>
#include <QMouseEvent>

#include "core/app/main_window_layout.h"
#include "core/display/capture_names.h"
#include "core/display/event_text.h"
#include "core/display/graph_geometry.h"
#include "core/display/speedometer.h"
#include "core/recording/recording_name.h"
#include "gui/app/vantor_dlg.h"
#include "gui/display/capture.h"
#include "gui/display/graph_dlg.h"
#include "gui/display/graph_panel.h"
#include "gui/display/printing.h"
#include "platform/runtime_folder.h"

namespace direvovu::gui {

void CVantorDlg::ConnectDisplayCommands() {
  const auto on = [this](int id, void (CVantorDlg::*command)()) {
    if (QAbstractButton* pressed = button(id)) connect(pressed, &QAbstractButton::clicked, this, command);
  };
  on(ctl::kGravityGraph, &CVantorDlg::GravityGraphCommand);
  on(ctl::kSpeedGraph, &CVantorDlg::SpeedGraphCommand);
  on(ctl::kCapture, &CVantorDlg::CaptureCommand);
  on(ctl::kPrint, &CVantorDlg::PrintCommand);
  connect(graph_panel_, &GraphPanel::enlargeRequested, this, &CVantorDlg::OpenEnlargedGraph);
}

// The two graph buttons share one place: the one shown switches to the other graph.
void CVantorDlg::GravityGraphCommand() {
  graph_mode_gsensor_ = true;
  graph_panel_->SetMode(display::GraphMode::GSensor);
  ShowOneOf(ctl::kSpeedGraph, ctl::kGravityGraph);
}

void CVantorDlg::SpeedGraphCommand() {
  graph_mode_gsensor_ = false;
  graph_panel_->SetMode(display::GraphMode::Speed);
  ShowOneOf(ctl::kGravityGraph, ctl::kSpeedGraph);
}

// Opens whatever plays: with nothing loaded the graph is empty, as the track is.
void CVantorDlg::OpenEnlargedGraph() {
  IChannelPlayer* player = playback_->Leading();
  const double length = player != nullptr && loaded() ? static_cast<double>(player->GetLength()) / 1000.0 : 0;
  CGraphDlg dialog(track(), graph_panel_->mode(), settings_.speed_unit, length, this);
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

// The camera writes one event file per pair, named after the front recording
// (drf_<date>_<time>.txt); it marks the spikes even when the rear's track is the one
// shown, since both channels record the same moment.
void CVantorDlg::LoadGraphEvents() {
  graph_panel_->SetEvents(display::EventsOfRecording(currentRecording(), track()));
}

PlaybackView CVantorDlg::CurrentPlayback() {
  PlaybackView view;
  view.front = frontPresent() ? frontPlayer() : nullptr;
  view.rear = rearPresent() ? rearPlayer() : nullptr;
  view.frontRecording = currentRecording();
  view.rearRecording = RearCompanionPath(currentRecording());
  view.loadPending = loadPending();
  view.pause = [this] { PauseForCapture(); };
  view.play = [this] { ResumeAfterCapture(); };
  return view;
}

// Capture and print hold the picture still through the pause command, so PLAY shows
// while their boxes are open, and play on through the play command.
void CVantorDlg::PauseForCapture() { PauseCommand(); }

// Only the pair the capture paused: had it been stopped meanwhile (a box is open while
// it waits), playing now would start the selected row afresh.
void CVantorDlg::ResumeAfterCapture() {
  if (playback_->state() == PlaybackState::Paused) PlayCommand();
}

void CVantorDlg::CaptureCommand() {
  if (!loaded()) return;
  CaptureVideo(CurrentPlayback(), SettingFolder(folders_, FolderKind::Capture), prompts_);
}

void CVantorDlg::PrintCommand() {
  if (!loaded()) return;
  // The picture lives in this user's and this root's own folder: a second viewer must
  // not delete it halfway through a print.
  const std::filesystem::path folder = platform::ViewerRuntimeFolder(folders_.root);
  if (folder.empty()) {
    prompts_.Alert(QStringLiteral("Can't make printer file"));
    return;
  }
  PrintTarget target;
  target.prompts = &prompts_;
  PrintVideo(CurrentPlayback(), display::PrintPictureFile(folder), target);
}

}  // namespace direvovu::gui
