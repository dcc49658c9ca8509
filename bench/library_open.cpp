// The library window over a full library: from the window's creation to every route and
// moment drawn on the map page, and the part of it spent reading the index and filling
// the lists and the timeline. Run under a display (xvfb-run) on a library that
// library_bench left behind:
//   library_bench /tmp/card && xvfb-run -a library_open /tmp/card/warm.sqlite [RUNS]
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWebEnginePage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "bench_timing.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/library_map_host.h"
#include "gui/library/library_dlg.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"
#include "gui_bench_support.h"

namespace {

namespace fs = std::filesystem;
using direvovu::bench::Await;
using direvovu::bench::Median;
using direvovu::bench::Ms;
using direvovu::gui::CLibraryDlg;
using direvovu::gui::LibraryMapHost;

struct OpenTimes {
  double filled = -1;
  double drawn = -1;
  double filtered = -1;  // a kind chosen: the index read again and the lists filled
  QString counts;
};

OpenTimes OpenOnce(const direvovu::WorkingFolders& folders, direvovu::gui::IPrompts& prompts,
                   const fs::path& library) {
  OpenTimes times;
  QElapsedTimer clock;
  clock.start();
  auto map = std::make_unique<LibraryMapHost>(folders);
  LibraryMapHost* host = map.get();
  CLibraryDlg window(folders, prompts, library, std::move(map));
  bool drawn = false;
  QObject::connect(&window, &CLibraryDlg::mapDrawn, [&] { drawn = true; });
  if (!window.OpenLibrary()) return times;
  times.filled = Ms(clock);
  window.show();
  if (!Await([&] { return drawn; }, 120000)) return times;
  times.drawn = Ms(clock);
  times.counts =
      direvovu::bench::PageValue(host->browser()->page(), QStringLiteral("library_counts()")).toString();
  clock.restart();
  window.kindFilter()->setCurrentIndex(1);
  times.filtered = Ms(clock);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: library_open LIBRARY.sqlite [RUNS]\n");
    return 1;
  }
  const fs::path library = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  QTemporaryDir root;
  const direvovu::WorkingFolders folders(fs::path(root.path().toStdString()));
  direvovu::bench::WriteOfflineMapSettings(folders, 1);
  direvovu::gui::DialogPrompts prompts;
  std::vector<double> filled, drawn, filtered;
  for (int run = 0; run < runs; ++run) {
    const OpenTimes t = OpenOnce(folders, prompts, library);
    if (t.drawn < 0) {
      std::fprintf(stderr, "run %d: the library was not drawn\n", run + 1);
      return 1;
    }
    std::printf(
        "run %d: index read and lists filled %.0f ms, map drawn %.0f ms (routes,moments %s), a kind chosen "
        "%.0f ms\n",
        run + 1, t.filled, t.drawn, t.counts.toStdString().c_str(), t.filtered);
    filled.push_back(t.filled);
    drawn.push_back(t.drawn);
    filtered.push_back(t.filtered);
  }
  std::printf(
      "median: index read and lists filled %.0f ms, everything drawn %.0f ms, a kind chosen %.0f ms\n",
      Median(filled), Median(drawn), Median(filtered));
  return 0;
}
