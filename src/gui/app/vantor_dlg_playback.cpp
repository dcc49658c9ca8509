// What the pair's playback reports, drawn by the window: the video areas, the
// transport's buttons, the time display, the graphs and the timers that follow playback.
#include <QAbstractButton>
#include <QLabel>

#include "core/app/main_window_layout.h"
#include "gui/app/main_timers.h"
#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {

void CVantorDlg::ConnectPlayback() {
  PairPlayback* p = playback_.get();
  connect(p, &PairPlayback::stateChanged, this, &CVantorDlg::PlaybackStateChanged);
  connect(p, &PairPlayback::channelsChanged, this, &CVantorDlg::ShowChannels);
  connect(p, &PairPlayback::trackLoaded, this, &CVantorDlg::LoadGraphEvents);
  connect(p, &PairPlayback::loadProgress, this, &CVantorDlg::ShowLoadProgress);
  connect(p, &PairPlayback::started, this, &CVantorDlg::PlaybackStarted);
  connect(p, &PairPlayback::stopped, this, &CVantorDlg::PlaybackStopped);
  connect(p, &PairPlayback::ended, this, &CVantorDlg::RecordingEnded);
  connect(p, &PairPlayback::seeked, this, &CVantorDlg::RefreshAfterSeek);
  connect(p, &PairPlayback::indicatorsChanged, this, [this] { update(); });
  connect(p, &PairPlayback::loadFailed, this, [this] {
    // Rows just added wait for their own start: the failed row does not take its turn.
    if (timers_.IsActive(timer::kPlayOpened)) return;
    if (!PlayNextRow()) ShowOneOf(ctl::kPlay, ctl::kPause);
  });
}

void CVantorDlg::EmptyWorkingCopies() {
  // Whatever a previous run left is of no use and may be large.
  direvovu::gui::EmptyWorkingCopies(folders_);
}

void CVantorDlg::ShowChannels(bool front, bool rear) {
  front_video_->setVisible(front);
  rear_video_->setVisible(rear);
}

void CVantorDlg::PlaybackStateChanged(PlaybackState state) {
  // A copy from a slow card takes seconds: the window says it is busy, and answers.
  if (state == PlaybackState::Loading) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
  }
  switch (state) {
    case PlaybackState::Opening:
    case PlaybackState::Playing:
      ShowOneOf(ctl::kPause, ctl::kPlay);
      break;
    case PlaybackState::Paused:
    case PlaybackState::SeekingPaused:
      ShowOneOf(ctl::kPlay, ctl::kPause);
      break;
    default:
      break;
  }
}

// The copy's progress in the time display while it lasts.
void CVantorDlg::ShowLoadProgress(int percent) {
  if (percent < 0) {
    RefreshTimeTexts();
    return;
  }
  if (QLabel* elapsed = label(ctl::kElapsedTime)) elapsed->setText(QStringLiteral("%1%").arg(percent));
}

void CVantorDlg::PlaybackStarted() {
  PrepareMapOnce();
  RefreshGraphs();
  StartPlaybackTimers();
  emit playbackStarted();
}

void CVantorDlg::PlaybackStopped(StopKind kind) {
  // A failed load leaves the start of rows added meanwhile (timer 1010) as it is.
  const bool rows_waiting = kind == StopKind::Failed && timers_.IsActive(timer::kPlayOpened);
  StopPlaybackTimers();
  if (rows_waiting) timers_.Start(timer::kPlayOpened);
  elapsed_text_ = total_text_ = "00:00";
  play_second_ = 0;
  SetSliderPosition(0);
  ResetDisplays();
  RefreshTimeTexts();
  // A stop on behalf of the play that follows does not flash PLAY up.
  if (kind != StopKind::Internal) ShowOneOf(ctl::kPlay, ctl::kPause);
  update();
}

// Timer 1012 stopped the pair that ended: the next row plays, or the transport rests.
void CVantorDlg::RecordingEnded() {
  if (!PlayNextRow()) ShowOneOf(ctl::kPlay, ctl::kPause);
}

// The pictures moved: the time, the cursor and the readouts follow now, not at the next
// tick a second later.
void CVantorDlg::RefreshAfterSeek() {
  if (!timers_.IsActive(timer::kTimeDisplay)) timers_.Start(timer::kTimeDisplay);
  TimeDisplayTick();
  RefreshGraphs();
  RefreshReadouts();
}

void CVantorDlg::StopPlayback(StopKind kind) { playback_->Stop(kind); }

bool CVantorDlg::PlayPair(const std::filesystem::path& front_path) {
  if (closing()) return false;
  return playback_->Load(front_path);
}

}  // namespace direvovu::gui
