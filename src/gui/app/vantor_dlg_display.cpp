// The graph strip and the readouts the main window hosts; they follow the leading
// player on the playback timers.
#include <QLabel>

#include "core/app/main_window_layout.h"
#include "core/display/speedometer.h"
#include "gui/app/vantor_dlg.h"
#include "gui/display/graph_panel.h"
#include "gui/display/readouts.h"
#include "gui/display/speedometer_widget.h"
#include "gui/display/transport_indicators.h"

namespace direvovu::gui {

void CVantorDlg::BuildDisplays() {
  graph_panel_ = new GraphPanel(this);
  graph_panel_->SetTrack(&playback_->track());
  speedometer_ = new SpeedometerWidget(this);
  speedometer_->SetTrack(&playback_->track());
  // The rate and volume commands repaint the window, and these with it.
  new RateIndicator([this] { return playback_->rate(); }, this);
  new VolumeIndicator([this] { return settings_.volume_step; }, this);
  ApplyDisplaySettings();
  ResetReadouts(Readouts());
}

ReadoutLabels CVantorDlg::Readouts() const {
  ReadoutLabels labels;
  labels.elapsed = label(ctl::kElapsedTime);
  labels.total = label(ctl::kTotalTime);
  labels.x = label(ctl::kReadoutX);
  labels.y = label(ctl::kReadoutY);
  labels.z = label(ctl::kReadoutZ);
  labels.recordTime = label(ctl::kRecordTime);
  labels.peak = label(ctl::kPeak);
  labels.latitude = label(ctl::kLatitude);
  labels.longitude = label(ctl::kLongitude);
  return labels;
}

void CVantorDlg::ApplyDisplaySettings() {
  const display::SpeedUnit unit = settings_.speed_unit;
  graph_panel_->SetUnit(unit);
  speedometer_->SetUnit(unit);
  // The volume well shows the step just loaded.
  if (auto* volume = findChild<VolumeIndicator*>()) volume->update();
}

// Timer 1005 and the end of the synchronised start: cursor, curves and X/Y/Z.
void CVantorDlg::RefreshGraphs() {
  if (!playback_->LeadingPlays()) return;
  IChannelPlayer* player = playback_->Leading();
  const std::optional<display::AxisTexts> texts = graph_panel_->Refresh(
      static_cast<double>(player->GetTime()) / 1000.0, static_cast<double>(player->GetLength()) / 1000.0);
  if (texts) ShowAxisTexts(Readouts(), *texts);
}

// Timer 1007: the gauge and the record's date, peak and position for the play second.
void CVantorDlg::RefreshReadouts() {
  speedometer_->ShowSecond(play_second_);
  ShowRecordTexts(Readouts(), track(), play_second_);
}

void CVantorDlg::ResetDisplays() {
  graph_panel_->Clear();
  speedometer_->Clear();
  ResetReadouts(Readouts());
}

}  // namespace direvovu::gui
