// The route window: from selecting a trip of 10 000 points to its route drawn on the page,
// and the GUI thread's share of it. Run under a display (xvfb-run):
//   route_draw [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/settings/viewer_settings.h"
#include "gui/app/card_session.h"
#include "gui/app/dialog_prompts.h"
#include "gui/map/router_dlg.h"
#include "gui/map/web_browser.h"
#include "bench_timing.h"
#include "gui/map/web_engine.h"
#include "gui_bench_support.h"

namespace {

namespace fs = std::filesystem;
using direvovu::bench::Await;
using direvovu::bench::Median;
using direvovu::bench::Ms;
using direvovu::gui::CRouter;

constexpr int kPoints = 10000;
constexpr std::uint32_t kStart = 1765180800;  // 2025-12-08 08:00:00 UTC

void Le32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
}

// One day of 10 000 records winding north-east, every one a point of its own.
void WriteLog(const fs::path& file) {
  std::ofstream out(file, std::ios::binary);
  for (int i = 0; i < kPoints; ++i) {
    char lat[12] = {}, lon[12] = {};
    std::snprintf(lat, sizeof lat, "37%07.4f", 10.0 + 0.002 * i);
    std::snprintf(lon, sizeof lon, "127%07.4f", 10.0 + 0.002 * (i % 500) + 0.0005 * i);
    Le32(out, kStart + static_cast<std::uint32_t>(i) * 5);
    out.write(lat, 12);
    out.write(lon, 12);
    Le32(out, 300);
  }
}

int DrawnPoints(CRouter& window) {
  return direvovu::bench::PageValue(window.browser()->page(),
                                    QStringLiteral("drawn.trip ? drawn.trip.getLatLngs().length : 0"))
      .toInt();
}

}  // namespace

int main(int argc, char** argv) {
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  QTemporaryDir root;
  const direvovu::WorkingFolders folders(fs::path(root.path().toStdString()));
  direvovu::bench::WriteOfflineMapSettings(folders, 1);
  const fs::path log = folders.root / "year.dat";
  WriteLog(log);
  direvovu::gui::DialogPrompts prompts;
  direvovu::gui::CardSession card(folders, prompts);
  CRouter window(folders, card, prompts);
  window.SetOpen(true);
  bool ready = false;
  QObject::connect(&window, &CRouter::pageReady, [&](bool ok) { ready = ok; });
  if (!Await([&] { return ready; }) || !window.ParseDrivingLog(log) || window.trips().empty()) {
    std::fprintf(stderr, "the page never loaded or the log was not read\n");
    return 1;
  }
  std::vector<double> drawn, gui;
  for (int run = 0; run < runs; ++run) {
    window.tripList()->topLevelItem(0)->setSelected(true);
    QElapsedTimer clock;
    clock.start();
    window.SelectTrip();
    window.DrawSelectedTrip();
    const double gui_ms = Ms(clock);
    if (!Await([&] { return DrawnPoints(window) == kPoints; })) {
      std::fprintf(stderr, "run %d: the route was not drawn\n", run + 1);
      return 1;
    }
    const double ms = Ms(clock);
    std::printf("run %d: %d points drawn %.0f ms after the selection (GUI thread %.1f ms)\n", run + 1,
                kPoints, ms, gui_ms);
    drawn.push_back(ms);
    gui.push_back(gui_ms);
  }
  std::printf("median: drawn %.0f ms, GUI thread %.1f ms\n", Median(drawn), Median(gui));
  return 0;
}
