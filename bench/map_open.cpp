// The map window: from the map button to the page loaded and the first point drawn, and
// the GUI thread's cost of one SetMapPoint. Run under a display (xvfb-run):
//   map_open [RUNS]
// The first open of a process starts WebEngine on the profile's disk cache as it finds
// it; run it once on an empty XDG_CACHE_HOME (cold) and again on the same one (warm).
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/settings/viewer_settings.h"
#include "gui/app/dialog_prompts.h"
#include "gui/map/map_dlg.h"
#include "gui/map/web_browser.h"
#include "bench_timing.h"
#include "gui/map/web_engine.h"
#include "gui_bench_support.h"

namespace {

namespace fs = std::filesystem;
using direvovu::bench::Await;
using direvovu::bench::Median;
using direvovu::bench::Ms;
using direvovu::gui::CMapDlg;

struct OpenTimes {
  double loaded = -1;
  double drawn = -1;
  double set_point_us = -1;
};

bool MarkerDrawn(CMapDlg& window) {
  return direvovu::bench::PageValue(window.browser()->page(), QStringLiteral("drawn.point !== null")).toBool();
}

OpenTimes OpenOnce(const direvovu::WorkingFolders& folders, direvovu::gui::IPrompts& prompts) {
  OpenTimes times;
  QElapsedTimer clock;
  clock.start();
  CMapDlg window(folders, prompts);
  window.SetOpen(true);
  bool ready = false;
  QObject::connect(&window, &CMapDlg::pageReady, [&](bool ok) { ready = ok; });
  if (!Await([&] { return ready; })) return times;
  times.loaded = Ms(clock);
  direvovu::TrackState track;
  track.currentLatitude = 37.4703;
  track.currentLongitude = 127.0419;
  window.SetMapPoint(track, false);
  if (!Await([&] { return MarkerDrawn(window); })) return times;
  times.drawn = Ms(clock);

  // The GUI thread's share: the calls only queue their scripts.
  constexpr int kCalls = 2000;
  QElapsedTimer cost;
  cost.start();
  for (int i = 0; i < kCalls; ++i) {
    track.currentLatitude = 37.4703 + i * 1e-5;
    window.SetMapPoint(track, true);
  }
  times.set_point_us = Ms(cost) * 1000 / kCalls;
  Await([&] { return MarkerDrawn(window); });  // let the page work them off
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  QTemporaryDir root;
  const direvovu::WorkingFolders folders(fs::path(root.path().toStdString()));
  direvovu::bench::WriteOfflineMapSettings(folders, 0);
  direvovu::gui::DialogPrompts prompts;
  std::vector<double> loaded, drawn, cost;
  for (int run = 0; run < runs; ++run) {
    const OpenTimes t = OpenOnce(folders, prompts);
    if (t.drawn < 0) {
      std::fprintf(stderr, "run %d: the page never loaded or drew\n", run + 1);
      return 1;
    }
    std::printf("run %d%s: page loaded %.0f ms, first point drawn %.0f ms, SetMapPoint %.1f us\n", run + 1,
                run == 0 ? " (first in the process)" : "", t.loaded, t.drawn, t.set_point_us);
    if (run > 0) {
      loaded.push_back(t.loaded);
      drawn.push_back(t.drawn);
    }
    cost.push_back(t.set_point_us);
  }
  std::printf(
      "median of the later opens: page loaded %.0f ms, first point drawn %.0f ms; SetMapPoint %.1f us\n",
      Median(loaded), Median(drawn), Median(cost));
  return 0;
}
