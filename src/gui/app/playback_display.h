#pragma once

#include <QObject>

#include <optional>
#include <string>

#include "core/display/graph_geometry.h"
#include "core/display/speedometer.h"
#include "gui/controls/timer_registry.h"
#include "gui/display/readouts.h"

namespace direvovu::gui {

class CBitmapSlider;
class GraphPanel;
class PairPlayback;
class SpeedometerWidget;

// What the main window shows of the playing pair: the time texts, the seek slider's place,
// the graph strip, the gauge and the readouts. They follow the leading player once a
// second while the pair runs (timers 1001, 1005 and 1007 of main_timers.h), and at once
// after a seek.
class PlaybackDisplay : public QObject {
  Q_OBJECT

 public:
  struct Widgets {
    CBitmapSlider* slider = nullptr;
    GraphPanel* graphs = nullptr;
    SpeedometerWidget* speedometer = nullptr;
    ReadoutLabels readouts;
  };

  PlaybackDisplay(PairPlayback& playback, Widgets widgets);

  void SetSpeedUnit(display::SpeedUnit unit);
  // The pair runs: graphs now, then the timers.
  void Started();
  // The pair stopped: everything back to rest.
  void Stopped();
  // A seek reached the players: time, cursor and readouts follow now.
  void Seeked();
  // The A-B loop on the slider (set, or cleared).
  void ShowLoop();
  // The user holds the slider's thumb: the time display must not pull it back.
  void SliderGrabbed();
  // The thumb was let go where the seek goes.
  void SliderReleased();
  // A long copy's progress in place of the play time (-1: over).
  void ShowLoadProgress(int percent);
  // The event spikes of the recording that was just loaded.
  void LoadEvents();
  // The time texts again (after a language change).
  void RefreshTimeTexts();
  // The main window closes.
  void Stop() { timers_.StopEverything(); }

  [[nodiscard]] int playSecond() const { return play_second_; }
  TimerRegistry& timers() { return timers_; }

 private:
  void DefineTimers();
  void TimeDisplayTick();
  void ReadoutsTick();
  void RefreshGraphs();
  void RefreshReadouts();

  PairPlayback& playback_;
  Widgets widgets_;
  TimerRegistry timers_;
  std::string elapsed_text_;
  // The length's text, once a player knew the length.
  std::optional<std::string> total_text_;
  int play_second_ = 0;
};

}  // namespace direvovu::gui
