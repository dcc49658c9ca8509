// The event report window over a full event folder (7000 files of 5 events): from its
// creation to its list filled, against the core's read of the same folder alone, so the
// difference is what the list's 35 000 rows cost. Runs offscreen or under a display:
//   event_dlg_open [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/reports/event_report.h"
#include "gui/controls/prompts.h"
#include "gui/reports/event_dlg.h"

namespace {

namespace fs = std::filesystem;
using namespace direvovu;

void MakeFolder(const fs::path& folder) {
  fs::create_directories(folder);
  char name[40];
  char section[200];
  for (int i = 0; i < 7000; ++i) {
    std::snprintf(name, sizeof(name), "drf_20261%03d_%06d.txt", i / 1000, i % 1000000);
    std::ofstream out(folder / name, std::ios::binary);
    for (int n = 1; n <= 5; ++n) {
      std::snprintf(
          section, sizeof(section),
          "[Event%d]\r\nDate=2026-12-09\r\nTime=08:%02d:%02d\r\nG_Sensor_X=%.3f\r\nG_Sensor_Y=-0.2\r\n"
          "G_Sensor_Z=0.98\r\n",
          n, i / 60 % 60, i % 60, 0.2 * n);
      out << section;
    }
  }
}

// Answers nothing: the window asks nothing while it opens.
class SilentPrompts final : public gui::IPrompts {
 public:
  bool Message(const gui::MessageRequest&) override { return false; }
  bool Password(const PasswordQuestion&) override { return false; }
  QStringList ChooseFiles(const QString&, const QString&, const QString&, gui::FilePick) override {
    return {};
  }
  QString ChooseFolder(const QString&, const QString&) override { return {}; }
  bool ChoosePrinter(QPrinter&) override { return false; }
  void Alert(const QString&) override {}
  bool ConfirmFormat(const gui::FormatQuestion&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  QTemporaryDir root;
  const fs::path base = root.path().toStdString();
  const fs::path folder = base / "Event";
  MakeFolder(folder);
  fs::create_directories(base / "DirevOvu");
  std::ofstream(base / "DirevOvu" / "Env_Setup.txt")
      << "[VIEWER_SETUP]\r\nEVENT_PATH=" << folder.string() << "\r\n";

  SilentPrompts prompts;
  qint64 best_core = -1;
  qint64 best_window = -1;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer clock;
    clock.start();
    CardWorkTables tables;
    const auto rows = reports::ReadEventFolder(folder, tables).rows.size();
    const qint64 core_ms = clock.elapsed();
    clock.restart();
    gui::EventDlgContext context;
    context.folders = WorkingFolders(base / "DirevOvu");
    gui::CEventDlg dialog(context, prompts);
    const int listed = dialog.list()->topLevelItemCount();
    const qint64 window_ms = clock.elapsed();
    std::printf("run %d: core read %lld ms (%zu rows), window open with list %lld ms (%d rows)\n", run + 1,
                static_cast<long long>(core_ms), rows, static_cast<long long>(window_ms), listed);
    best_core = best_core < 0 ? core_ms : std::min(best_core, core_ms);
    best_window = best_window < 0 ? window_ms : std::min(best_window, window_ms);
  }
  std::printf("best: core read %lld ms, window with list %lld ms\n", static_cast<long long>(best_core),
              static_cast<long long>(best_window));
  return 0;
}
