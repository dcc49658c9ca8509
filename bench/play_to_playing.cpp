// From "play" on a play-list row to both channels playing, against its parts measured in
// the same run: copying the two recordings with cp, and libvlc alone bringing the two
// copies to "playing". Also: opening 7000 recordings into the play list.
//   play_to_playing FRONT_RECORDING [RUNS]     (under a display: xvfb-run)
//   play_to_playing --rows 7000
//   play_to_playing --with-map FRONT_RECORDING [RUNS]
//       the same with the map window open (tiles from an empty local folder)
//   play_to_playing --gap FRONT_RECORDING [RUNS]
//       from the end of one row to both channels of the next playing, with the next
//       row's copies made ahead and without, against libvlc alone opening the pair
// Prints one line per run and the medians.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "bench_timing.h"
#include "core/app/main_window_layout.h"
#include "core/recording/embedded_track.h"
#include "core/recording/recording_name.h"
#include "core/recording/working_copies.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/dialog_prompts.h"
#include "gui/app/map_follower.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/map_dlg.h"
#include "gui/map/web_engine.h"
#include "gui_bench_support.h"
#include "player/channel_player.h"
#include "viewer_bench_support.h"

namespace {

// The map window is open during the runs (--with-map).
bool g_with_map = false;

namespace fs = std::filesystem;
using direvovu::Channel;
using direvovu::ChannelPlayer;
using direvovu::bench::Median;
using direvovu::bench::StallWatch;
using direvovu::gui::CVantorDlg;

direvovu::gui::PlaylistView* PlaylistOf(const CVantorDlg& dialog) {
  return qobject_cast<direvovu::gui::PlaylistView*>(dialog.control(direvovu::ctl::kPlayList));
}

const QStringList kOptions{QStringLiteral("--aout=dummy")};

// Waits (running the event loop) until `done` holds or 20 s pass. The thread sleeps
// between events, as the viewer's would: a loop that spun here would take a core from
// the copies and the decoders it times.
template <typename Done>
bool Await(Done done) {
  QElapsedTimer clock;
  clock.start();
  QTimer wake;  // for the limit, when nothing else happens
  wake.start(10);
  while (!done()) {
    if (clock.elapsed() > 20000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

double CopyWithCp(const fs::path& front, const fs::path& folder) {
  QElapsedTimer clock;
  clock.start();
  QProcess::execute(QStringLiteral("cp"),
                    {QString::fromStdString(front.string()),
                     QString::fromStdString(direvovu::RearCompanionPath(front).string()),
                     QString::fromStdString(folder.string())});
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double LibvlcAlone(const fs::path& front, const fs::path& rear) {
  QWidget window;
  window.resize(900, 340);
  auto* left = new QWidget(&window);
  auto* right = new QWidget(&window);
  left->setGeometry(0, 0, 437, 328);
  right->setGeometry(450, 0, 437, 328);
  for (QWidget* area : {left, right}) area->setAttribute(Qt::WA_NativeWindow);
  window.show();
  ChannelPlayer a(Channel::kFront, kOptions);
  ChannelPlayer b(Channel::kRear, kOptions);
  a.Init();
  b.Init();
  a.SetDrawable(static_cast<std::uintptr_t>(left->winId()));
  b.SetDrawable(static_cast<std::uintptr_t>(right->winId()));
  bool a_playing = false;
  bool b_playing = false;
  QObject::connect(&a, &ChannelPlayer::playing, [&] { a_playing = true; });
  QObject::connect(&b, &ChannelPlayer::playing, [&] { b_playing = true; });
  QElapsedTimer clock;
  clock.start();
  b.Open(rear);
  a.Open(front);
  b.Play();
  a.Play();
  const bool ok = Await([&] { return a_playing && b_playing; });
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  b.Release();
  a.Release();
  return ok ? ms : -1;
}

// The load's own share: both working copies and the track of the pair.
double CopiesAndTrack(const fs::path& front, const fs::path& folder) {
  direvovu::PasswordState passwords;
  direvovu::TrackState track;
  QElapsedTimer clock;
  clock.start();
  const auto copies = direvovu::MakeWorkingCopies(front, folder / "F.dat", folder / "R.dat", passwords, {});
  direvovu::ParseTrackOfPair(folder / "F.dat", folder / "R.dat", track);
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return copies.status == direvovu::LoadStatus::Ready ? ms : -1;
}

struct ViewerTimes {
  double both_reported = -1;  // both players' first "playing"
  double released = -1;       // the synchronised start let both go
  double longest_stall = -1;  // the longest time the window's thread processed no event
};

ViewerTimes Viewer(const fs::path& front, const fs::path& root) {
  direvovu::gui::DialogPrompts prompts;
  CVantorDlg dialog(direvovu::WorkingFolders(root), direvovu::bench::SilentPlayers(), prompts);
  if (!direvovu::bench::Initialised(dialog)) return {};
  dialog.show();
  if (g_with_map) {
    dialog.maps().MapCommand();
    Await([&] { return dialog.maps().pageLoaded(); });
  }
  PlaylistOf(dialog)->AppendRows({front.string()});
  PlaylistOf(dialog)->SelectRow(0);
  bool settled = false;  // the window is on screen before the clock starts
  QTimer::singleShot(300, [&] { settled = true; });
  Await([&] { return settled; });
  QElapsedTimer clock;
  ViewerTimes times;
  int reported = 0;
  const auto count = [&] {
    if (++reported == 2) times.both_reported = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  };
  QObject::connect(dialog.playback().front(), &direvovu::IChannelPlayer::playing, count);
  QObject::connect(dialog.playback().rear(), &direvovu::IChannelPlayer::playing, count);
  QObject::connect(&dialog, &CVantorDlg::playbackStarted,
                   [&] { times.released = static_cast<double>(clock.nsecsElapsed()) / 1e6; });
  StallWatch stalls;
  clock.start();
  stalls.Start();
  dialog.PlayCommand();
  Await([&] { return times.released >= 0; });
  times.longest_stall = stalls.Longest();
  Await([&] { return !dialog.playback().loadPending(); });
  dialog.CloseCommand();
  return times;
}

int PlayToPlaying(const fs::path& front, int runs) {
  std::vector<double> cp_ms, vlc_ms, reported_ms, released_ms, load_ms, stall_ms;
  for (int run = 0; run < runs; ++run) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    const double cp = CopyWithCp(front, folder);
    const double vlc =
        LibvlcAlone(folder / front.filename(), folder / direvovu::RearCompanionPath(front).filename());
    if (g_with_map) {
      fs::create_directories(folder / "root" / "tiles");
      std::ofstream(folder / "root" / "Env_Setup.txt")
          << "[VIEWER_SETUP]\r\nMAP_TILE_URL=" << (folder / "root" / "tiles").string() << "\r\n";
    }
    const ViewerTimes viewer = Viewer(front, folder / "root");
    const double load = CopiesAndTrack(front, folder);
    load_ms.push_back(load);
    std::printf(
        "run %d: cp %.0f ms, libvlc alone %.0f ms, viewer to both playing %.0f ms, to release %.0f ms, "
        "longest stall of the window %.0f ms\n",
        run + 1, cp, vlc, viewer.both_reported, viewer.released, viewer.longest_stall);
    stall_ms.push_back(viewer.longest_stall);
    cp_ms.push_back(cp);
    vlc_ms.push_back(vlc);
    reported_ms.push_back(viewer.both_reported);
    released_ms.push_back(viewer.released);
  }
  const double budget = Median(cp_ms) + Median(vlc_ms);
  std::printf(
      "median: cp %.0f + libvlc %.0f = %.0f ms; viewer %.0f ms to both playing (%.2f x), %.0f ms to release "
      "(%.2f x)\n",
      Median(cp_ms), Median(vlc_ms), budget, Median(reported_ms), Median(reported_ms) / budget,
      Median(released_ms), Median(released_ms) / budget);
  std::printf("of which the working copies and the track: %.0f ms; longest stall of the window %.0f ms\n",
              Median(load_ms), Median(stall_ms));
  return 0;
}

// Two rows of the same pair (in two folders); the first is sought to its last moments,
// and the clock runs from the end-of-file stop to the next row's release.
double RowToRowGap(const fs::path& front, const fs::path& folder, bool ahead) {
  std::vector<fs::path> rows;
  for (const char* name : {"a", "b"}) {
    fs::create_directories(folder / name);
    fs::copy_file(front, folder / name / front.filename());
    fs::copy_file(direvovu::RearCompanionPath(front),
                  folder / name / direvovu::RearCompanionPath(front).filename());
    rows.push_back(folder / name / front.filename());
  }
  direvovu::gui::DialogPrompts prompts;
  CVantorDlg dialog(direvovu::WorkingFolders(folder / "root"), direvovu::bench::SilentPlayers(), prompts);
  if (!direvovu::bench::Initialised(dialog)) return -1;
  if (!ahead) dialog.playback().SetNextRowSource({});
  dialog.show();
  int starts = 0;
  QElapsedTimer clock;
  double gap = -1;
  QObject::connect(&dialog, &CVantorDlg::playbackStarted, [&] {
    if (++starts == 2) gap = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  });
  QObject::connect(&dialog.playback(), &direvovu::gui::PairPlayback::ended, [&] { clock.start(); });
  QStringList files;
  for (const fs::path& row : rows) files << QString::fromStdString(row.string());
  dialog.OpenFiles(files);
  if (!Await([&] { return starts == 1; })) return -1;
  if (ahead && !Await([&] { return dialog.playback().preparedRecording() == rows[1]; })) return -1;
  dialog.SeekCommand(9990);
  Await([&] { return gap >= 0; });
  Await([&] { return !dialog.playback().loadPending(); });
  dialog.CloseCommand();
  return gap;
}

int RowGaps(const fs::path& front, int runs) {
  std::vector<double> vlc_ms, ahead_ms, copy_ms;
  for (int run = 0; run < runs; ++run) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    CopyWithCp(front, folder);
    const double vlc =
        LibvlcAlone(folder / front.filename(), folder / direvovu::RearCompanionPath(front).filename());
    const double ahead = RowToRowGap(front, folder / "ahead", true);
    const double copying = RowToRowGap(front, folder / "copying", false);
    std::printf(
        "run %d: libvlc alone %.0f ms; row to row %.0f ms with the copies made ahead, %.0f ms without\n",
        run + 1, vlc, ahead, copying);
    vlc_ms.push_back(vlc);
    ahead_ms.push_back(ahead);
    copy_ms.push_back(copying);
  }
  const double goal = 1.5 * Median(vlc_ms) + 50;
  std::printf("median: libvlc alone %.0f ms (goal %.0f ms); row to row %.0f ms ahead, %.0f ms without\n",
              Median(vlc_ms), goal, Median(ahead_ms), Median(copy_ms));
  return 0;
}

int OpenRows(int count) {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  QStringList files;
  for (int i = 0; i < count; ++i) {
    char name[64];
    std::snprintf(name, sizeof(name), "drf0_2012%04d_%06d.mp4", 101 + (i / 500), (count - i) % 1000000);
    std::ofstream(folder / name) << "x";
    files.push_back(QString::fromStdString((folder / name).string()));
  }
  std::vector<double> ms;
  for (int run = 0; run < 5; ++run) {
    direvovu::gui::DialogPrompts prompts;
    CVantorDlg dialog(direvovu::WorkingFolders(folder / "root"), direvovu::bench::SilentPlayers(), prompts);
    QElapsedTimer clock;
    clock.start();
    dialog.OpenFiles(files);
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (PlaylistOf(dialog)->RowCount() != count)
      std::fprintf(stderr, "rows: %d\n", PlaylistOf(dialog)->RowCount());
  }
  std::printf("opening %d recordings into the play list: median %.0f ms (best %.0f ms)\n", count, Median(ms),
              *std::min_element(ms.begin(), ms.end()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments();
  if (args.size() >= 2 && args.at(1) == QLatin1String("--with-map")) {
    g_with_map = true;
    args.removeAt(1);
  }
  if (args.size() >= 3 && args.at(1) == QLatin1String("--rows")) return OpenRows(args.at(2).toInt());
  if (args.size() >= 3 && args.at(1) == QLatin1String("--gap"))
    return RowGaps(args.at(2).toStdString(), args.size() > 3 ? args.at(3).toInt() : 5);
  if (args.size() < 2) {
    std::fprintf(stderr,
                 "usage: play_to_playing FRONT_RECORDING [RUNS] | --rows N | --gap FRONT_RECORDING [RUNS]\n");
    return 2;
  }
  return PlayToPlaying(args.at(1).toStdString(), args.size() > 2 ? args.at(2).toInt() : 5);
}
