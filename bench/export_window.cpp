// The evidence export from the window while the pair plays on: from the Export button to
// the export's first progress report, the whole export, and the longest time the window's
// thread answered nothing meanwhile (goal: under 50 ms). The same export is run once
// without the window in the same run, as the baseline of the whole.
//   export_window FRONT_RECORDING [RUNS]     (under a display: xvfb-run)
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench_timing.h"
#include "core/app/main_window_layout.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/export_controller.h"
#include "gui/app/export_runner.h"
#include "gui/app/pair_playback.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/export/export_dialog.h"
#include "gui/export/incident_report.h"
#include "gui_bench_support.h"
#include "player/channel_player.h"
#include "viewer_bench_support.h"

namespace {

namespace fs = std::filesystem;
using direvovu::Channel;
using direvovu::ChannelPlayer;
using direvovu::WorkingFolders;
using direvovu::bench::Await;
using direvovu::bench::Median;
using direvovu::bench::Ms;
using direvovu::bench::StallWatch;
using direvovu::gui::CExportDialog;
using direvovu::gui::CVantorDlg;
using Clock = std::chrono::steady_clock;

constexpr double kFrom = 15;
constexpr double kTo = 45;
constexpr int kLimitMs = 600000;

struct WindowTimes {
  double first_progress = -1;
  double finished = -1;
  double longest_stall = -1;
};

// The viewer's own backend, with the moment of its first progress report noted.
direvovu::gui::ExportBackend Noting(const WorkingFolders& folders, std::atomic<Clock::rep>& first) {
  direvovu::gui::ExportBackend backend = direvovu::gui::ProductionExportBackend(folders);
  backend.run = [run = backend.run, &first](const direvovu::media::IncidentRequest& request,
                                            const direvovu::media::ReportWriter& report,
                                            const direvovu::gui::ExportProgress& progress,
                                            const std::atomic<bool>& cancel) {
    return run(
        request, report,
        [&](const direvovu::media::IncidentProgress& step) {
          Clock::rep none = 0;
          first.compare_exchange_strong(none, Clock::now().time_since_epoch().count());
          progress(step);
        },
        cancel);
  };
  return backend;
}

WindowTimes ExportFromTheWindow(const fs::path& front, const fs::path& root) {
  const WorkingFolders folders(root);
  direvovu::bench::WriteOfflineMapSettings(folders, 1);
  direvovu::gui::DialogPrompts prompts;
  CVantorDlg dialog(folders, direvovu::bench::SilentPlayers(), prompts);
  if (!direvovu::bench::Initialised(dialog)) return {};
  dialog.show();
  auto* list = qobject_cast<direvovu::gui::PlaylistView*>(dialog.control(direvovu::ctl::kPlayList));
  list->AppendRows({front.string()});
  list->SelectRow(0);
  bool started = false;
  QObject::connect(&dialog, &CVantorDlg::playbackStarted, [&] { started = true; });
  dialog.PlayCommand();
  if (!Await([&] { return started; }, kLimitMs)) return {};

  std::atomic<Clock::rep> first{0};
  dialog.exports().SetBackend(Noting(folders, first));
  dialog.exports().OpenDialog();
  CExportDialog* window = dialog.exports().dialog();
  window->fromBox()->setValue(kFrom);
  window->toBox()->setValue(kTo);
  StallWatch stalls;
  QElapsedTimer clock;
  const Clock::time_point pressed = Clock::now();
  clock.start();
  stalls.Start();
  window->exportButton()->click();
  WindowTimes times;
  if (!Await([&] { return window->state() == CExportDialog::State::Finished; }, kLimitMs)) return {};
  times.finished = Ms(clock);
  times.longest_stall = stalls.Longest();
  if (window->finishedFolder().empty()) {
    std::fprintf(stderr, "export: %s\n", window->statusLabel()->text().toStdString().c_str());
    return {};
  }
  times.first_progress =
      std::chrono::duration<double, std::milli>(Clock::time_point(Clock::duration(first.load())) - pressed)
          .count();
  dialog.CloseCommand();
  return times;
}

// The same export with nothing else running: the viewer's backend on this thread.
double ExportAlone(const fs::path& front, const fs::path& root) {
  const WorkingFolders folders(root);
  direvovu::bench::WriteOfflineMapSettings(folders, 1);
  const direvovu::gui::ExportBackend backend = direvovu::gui::ProductionExportBackend(folders);
  direvovu::media::IncidentRequest request;
  request.front = front;
  request.span = {kFrom, kTo};
  request.parent = root / "alone";
  fs::create_directories(request.parent);
  const std::atomic<bool> cancel{false};
  QElapsedTimer clock;
  clock.start();
  const auto outcome = backend.run(request, backend.write_report, {}, cancel);
  return outcome.end == direvovu::media::IncidentEnd::Done ? Ms(clock) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: export_window FRONT_RECORDING [RUNS]\n");
    return 2;
  }
  const fs::path front = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  std::vector<double> first_ms, window_ms, alone_ms, stall_ms;
  for (int run = 0; run < runs; ++run) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    const double alone = ExportAlone(front, folder / "alone-root");
    const WindowTimes times = ExportFromTheWindow(front, folder / "root");
    if (alone < 0 || times.finished < 0) {
      std::fprintf(stderr, "run %d failed\n", run + 1);
      return 1;
    }
    std::printf(
        "run %d: alone %.0f ms; from the window (playing) %.0f ms, first progress after %.0f ms, longest "
        "stall of the window %.0f ms\n",
        run + 1, alone, times.finished, times.first_progress, times.longest_stall);
    first_ms.push_back(times.first_progress);
    window_ms.push_back(times.finished);
    alone_ms.push_back(alone);
    stall_ms.push_back(times.longest_stall);
  }
  std::printf(
      "median: alone %.0f ms, from the window %.0f ms (%.2f x); first progress %.0f ms; longest stall %.0f "
      "ms "
      "(goal under 50 ms; worst %.0f ms)\n",
      Median(alone_ms), Median(window_ms), Median(window_ms) / Median(alone_ms), Median(first_ms),
      Median(stall_ms), *std::max_element(stall_ms.begin(), stall_ms.end()));
  return 0;
}
