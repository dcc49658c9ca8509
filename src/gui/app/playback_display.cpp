#include "gui/app/playback_display.h"

#include <QLabel>

#include "core/app/main_window_geometry.h"
#include "core/app/main_window_layout.h"
#include "core/display/event_text.h"
#include "gui/app/main_timers.h"
#include "gui/app/pair_playback.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/display/graph_panel.h"
#include "gui/display/speedometer_widget.h"

namespace direvovu::gui {
namespace {

constexpr char kNoTime[] = "00:00";

}  // namespace

PlaybackDisplay::PlaybackDisplay(PairPlayback& playback, Widgets widgets)
    : playback_(playback), widgets_(widgets), timers_(this), elapsed_text_(kNoTime) {
  DefineTimers();
  ResetReadouts(widgets_.readouts);
}

void PlaybackDisplay::DefineTimers() {
  using namespace timer;
  timers_.Define(kTimeDisplay, kTimeDisplayMs, false, [this] { TimeDisplayTick(); });
  timers_.Define(kGraphs, kGraphsMs, false, [this] { RefreshGraphs(); });
  timers_.Define(kReadouts, kReadoutsMs, false, [this] { ReadoutsTick(); });
}

void PlaybackDisplay::SetSpeedUnit(display::SpeedUnit unit) {
  widgets_.graphs->SetUnit(unit);
  widgets_.speedometer->SetUnit(unit);
}

void PlaybackDisplay::Started() {
  RefreshGraphs();
  // In this order: the time display finds the play second the others show.
  for (const int id : {timer::kTimeDisplay, timer::kReadouts, timer::kGraphs}) timers_.Start(id);
}

void PlaybackDisplay::Stopped() {
  timers_.StopEverything();
  elapsed_text_ = kNoTime;
  total_text_.reset();
  play_second_ = 0;
  widgets_.slider->SetPos(0);
  widgets_.graphs->Clear();
  widgets_.speedometer->Clear();
  ResetReadouts(widgets_.readouts);
  RefreshTimeTexts();
}

void PlaybackDisplay::Seeked() {
  if (!timers_.IsActive(timer::kTimeDisplay)) timers_.Start(timer::kTimeDisplay);
  TimeDisplayTick();
  RefreshGraphs();
  RefreshReadouts();
}

void PlaybackDisplay::ShowLoop() {
  const AbLoop& loop = playback_.loop();
  const std::int64_t length = playback_.LengthMs();
  if (!loop.a_ms || length <= 0) {
    widgets_.slider->SetLoopRange(std::nullopt);
    return;
  }
  const int a = SliderPosition(*loop.a_ms, length, kSeekRange);
  const int b = loop.b_ms ? SliderPosition(*loop.b_ms, length, kSeekRange) : a;
  widgets_.slider->SetLoopRange(std::pair{a, b});
}

void PlaybackDisplay::SliderGrabbed() {
  if (!playback_.LeadingPlays()) widgets_.slider->SetPos(0);
  timers_.Stop(timer::kTimeDisplay);
}

void PlaybackDisplay::SliderReleased() {
  if (playback_.loaded() && !timers_.IsActive(timer::kTimeDisplay)) timers_.Start(timer::kTimeDisplay);
}

void PlaybackDisplay::ShowLoadProgress(int percent) {
  if (percent < 0) {
    RefreshTimeTexts();
    return;
  }
  if (widgets_.readouts.elapsed != nullptr)
    widgets_.readouts.elapsed->setText(QStringLiteral("%1%").arg(percent));
}

// The camera writes one event file per pair, named after the front recording
// (drf_<date>_<time>.txt); it marks the spikes even when the rear's track is the one
// shown, since both channels record the same moment.
void PlaybackDisplay::LoadEvents() {
  widgets_.graphs->SetEvents(display::EventsOfRecording(playback_.recording(), playback_.track()));
}

void PlaybackDisplay::RefreshTimeTexts() {
  ShowTimeTexts(widgets_.readouts, QString::fromStdString(elapsed_text_),
                QString::fromStdString(total_text_.value_or(kNoTime)));
}

// Timer 1001: play time, total time and the seek slider follow the leading player.
void PlaybackDisplay::TimeDisplayTick() {
  IChannelPlayer* player = playback_.Leading();
  if (!playback_.LeadingPlays()) {
    timers_.Stop(timer::kTimeDisplay);
    return;
  }
  const std::int64_t length = player->GetLength();
  if (length <= 0) return;
  // Exact to the frame while the pair steps frames.
  const std::int64_t time = playback_.PositionUs() / 1000;
  widgets_.slider->SetPos(SliderPosition(time, length, kSeekRange));
  elapsed_text_ = ClockText(time);
  play_second_ = PlaySecond(time);
  if (!total_text_) total_text_ = ClockText(length);
  RefreshTimeTexts();
  LocateTrackPosition(playback_.track(), play_second_);
}

// Timer 1007: the readouts for the current second.
void PlaybackDisplay::ReadoutsTick() {
  if (!playback_.LeadingPlays()) {
    timers_.Stop(timer::kReadouts);
    return;
  }
  RefreshReadouts();
}

// Timer 1005 and the end of the synchronised start: cursor, curves and X/Y/Z.
void PlaybackDisplay::RefreshGraphs() {
  if (!playback_.LeadingPlays()) return;
  IChannelPlayer* player = playback_.Leading();
  const std::optional<display::AxisTexts> texts = widgets_.graphs->Refresh(
      static_cast<double>(player->GetTime()) / 1000.0, static_cast<double>(player->GetLength()) / 1000.0);
  if (texts) ShowAxisTexts(widgets_.readouts, *texts);
}

// Timer 1007: the gauge and the record's date, peak and position for the play second.
void PlaybackDisplay::RefreshReadouts() {
  widgets_.speedometer->ShowSecond(play_second_);
  ShowRecordTexts(widgets_.readouts, playback_.track(), play_second_);
}

}  // namespace direvovu::gui
