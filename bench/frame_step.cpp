// From the frame-step key to both channels showing the next frame (paused), against
// libvlc's next-frame alone on one player of the same recording in the same run; beside
// it the previous-frame step, a one-second seek of the still pair, and the pictures the
// players lost while a channel went full screen and back.
//   frame_step FRONT_RECORDING [STEPS]     (under a display: xvfb-run)
// A channel shows its next frame when its video area on the screen has changed (grabbed
// from the X server every turn, a few milliseconds each; the test picture moves every
// frame). The key's work is the controller's StepFrame, which the key calls and nothing
// else.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "bench_timing.h"
#include "core/app/main_window_layout.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/web_engine.h"
#include "player/channel_player.h"
#include "viewer_bench_support.h"

namespace {

namespace fs = std::filesystem;
using direvovu::Channel;
using direvovu::ChannelPlayer;
using direvovu::bench::Median;
using direvovu::gui::CVantorDlg;

const QStringList kOptions{QStringLiteral("--aout=dummy")};
constexpr int kWaitMs = 3000;

// Runs the event loop until `done` holds; the milliseconds it took, or -1 after the bound.
double Until(const std::function<bool()>& done, int bound_ms = kWaitMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > bound_ms) return -1;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void Settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  Until([&] { return clock.elapsed() >= ms; }, ms + 100);
}

QImage Grab(QWidget* area) { return area->screen()->grabWindow(area->winId()).toImage(); }

// Every area shows another picture than before `work`; the milliseconds from `work` on.
double TimeToShow(const std::vector<QWidget*>& areas, const std::function<void()>& work) {
  std::vector<QImage> before;
  for (QWidget* area : areas) before.push_back(Grab(area));
  QElapsedTimer clock;
  clock.start();
  work();
  std::vector<bool> changed(areas.size(), false);
  const double waited = Until([&] {
    for (std::size_t i = 0; i < areas.size(); ++i) {
      if (!changed[i]) changed[i] = Grab(areas[i]) != before[i];
    }
    return std::all_of(changed.begin(), changed.end(), [](bool c) { return c; });
  });
  return waited < 0 ? -1 : static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

std::vector<double> LibvlcAlone(const fs::path& front, int steps) {
  QWidget window;
  window.resize(437, 328);
  window.setAttribute(Qt::WA_NativeWindow);
  window.show();
  ChannelPlayer player(Channel::kFront, kOptions);
  player.Init();
  player.SetDrawable(static_cast<std::uintptr_t>(window.winId()));
  bool playing = false;
  QObject::connect(&player, &ChannelPlayer::playing, [&] { playing = true; });
  player.Open(front);
  player.Play();
  std::vector<double> ms;
  if (Until([&] { return playing; }, 20000) < 0) return ms;
  Settle(1000);
  player.Pause();
  Settle(500);
  for (int i = 0; i < steps; ++i) {
    ms.push_back(TimeToShow({&window}, [&] { player.NextFrame(); }));
    Settle(100);
  }
  player.Release();
  return ms;
}

struct ViewerFigures {
  std::vector<double> forward, back, seek;
  // Pictures lost (front, rear) in the window, entering full screen, in it, and leaving it.
  std::pair<int, int> still{-1, -1};
  std::pair<int, int> enter{-1, -1};
  std::pair<int, int> full{-1, -1};
  std::pair<int, int> leave{-1, -1};
};

ViewerFigures Viewer(const fs::path& front, const fs::path& root, int steps) {
  ViewerFigures figures;
  direvovu::gui::DialogPrompts prompts;
  CVantorDlg dialog(direvovu::WorkingFolders(root), direvovu::bench::SilentPlayers(), prompts);
  if (!direvovu::bench::Initialised(dialog)) return figures;
  dialog.show();
  bool started = false;
  QObject::connect(&dialog, &CVantorDlg::playbackStarted, [&] { started = true; });
  dialog.OpenFiles({QString::fromStdString(front.string())});
  if (Until([&] { return started; }, 30000) < 0) return figures;
  Settle(1500);
  auto& playback = dialog.playback();
  const std::vector<QWidget*> both{dialog.control(direvovu::ctl::kFrontVideo),
                                   dialog.control(direvovu::ctl::kRearVideo)};

  // The pictures lost while the front goes full screen and comes back, each way on its
  // own, beside those lost over as long a time in the window.
  const auto lost = [&playback] {
    return std::pair{playback.front()->LostPictures(), playback.rear()->LostPictures()};
  };
  const auto lost_over = [&lost](const std::function<void()>& change) {
    const auto before = lost();
    change();
    Settle(1500);
    const auto after = lost();
    return std::pair{after.first - before.first, after.second - before.second};
  };
  figures.still = lost_over([] {});
  figures.enter = lost_over([&dialog] { dialog.ToggleFullScreen(true); });
  figures.full = lost_over([] {});
  figures.leave = lost_over([&dialog] { dialog.ToggleFullScreen(true); });

  playback.Pause();
  Settle(800);
  for (int i = 0; i < steps; ++i) {
    figures.forward.push_back(TimeToShow(both, [&] { playback.StepFrame(true); }));
    Settle(100);
  }
  for (int i = 0; i < steps; ++i) {
    figures.back.push_back(TimeToShow(both, [&] { playback.StepFrame(false); }));
    Settle(100);
  }
  for (int i = 0; i < 5; ++i) {
    figures.seek.push_back(TimeToShow(both, [&] { playback.SeekToUs(playback.PositionUs() + 1'000'000); }));
    Settle(300);
  }
  dialog.CloseCommand();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: frame_step FRONT_RECORDING [STEPS]\n");
    return 2;
  }
  const fs::path front = args.at(1).toStdString();
  const int steps = args.size() > 2 ? args.at(2).toInt() : 20;
  QTemporaryDir dir;
  const std::vector<double> alone = LibvlcAlone(front, steps);
  const ViewerFigures viewer = Viewer(front, fs::path(dir.path().toStdString()) / "root", steps);
  const double goal = 1.5 * Median(alone) + 10;
  std::printf("libvlc next-frame alone: median %.1f ms over %zu steps (goal for the pair %.1f ms)\n",
              Median(alone), alone.size(), goal);
  std::printf(
      "pair, next frame: median %.1f ms (%zu steps); previous frame: median %.1f ms; 1 s seek: median %.1f "
      "ms\n",
      Median(viewer.forward), viewer.forward.size(), Median(viewer.back), Median(viewer.seek));
  std::printf(
      "pictures lost (front, rear) over 1.5 s: in the window %d, %d; entering full screen %d, %d; "
      "in full screen %d, %d; leaving it %d, %d\n",
      viewer.still.first, viewer.still.second, viewer.enter.first, viewer.enter.second, viewer.full.first,
      viewer.full.second, viewer.leave.first, viewer.leave.second);
  return 0;
}
