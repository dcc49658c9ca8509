// The real viewer plays a recording with the map window open, its tiles from a folder
// written here; what the page drew is read back from Leaflet. Run by
// tests/e2e/map_follows_recording.sh under xvfb-run, which makes the recording and names
// its folder in DIREVOVU_E2E_RECORDINGS; without it the test skips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <utility>

#include "display_test_support.h"
#include "gui/app/main_timers.h"
#include "gui/app/map_follower.h"
#include "gui/app/vantor_dlg.h"
#include "gui/map/map_dlg.h"
#include "gui/map/web_browser.h"
#include "map_test_support.h"
#include "player/channel_player.h"
#include "real_viewer.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

void WriteSettings(const WorkingFolders& folders, const fs::path& tiles, int mark_route) {
  std::ofstream(folders.settings_file(), std::ios::binary)
      << "[VIEWER_SETUP]\r\nLANGUAGE=1\r\nROUTE_INTERVAL=0\r\nMARK_ROUTE_ONOFF=" << mark_route
      << "\r\nMAP_TILE_URL=" << tiles.string() << "\r\n";
}

// Tiles at the page's zoom for every place the track passes.
int WriteTilesAlong(const TrackState& track, const fs::path& folder) {
  int written = 0;
  for (int i = 0; i < track.count; i += 5) {
    const TrackSecond& r = track.records[static_cast<std::size_t>(i)];
    const double lat = NmeaToDecimalDegrees(LatitudeText(r));
    const double lon = NmeaToDecimalDegrees(LongitudeText(r));
    if (lat == 0 || lon == 0) continue;
    written += test::WriteTileFolder(folder, 15, lat, lon, 2);
  }
  return written;
}

bool MarkerAtTrack(CMapDlg& map, const CVantorDlg& window) {
  const test::PageDrawing drawing = test::ReadDrawing(map.browser()->page());
  if (drawing.markers.size() != 1) return false;
  return std::fabs(drawing.markers[0].first - window.playback().track().currentLatitude) < 1e-7 &&
         std::fabs(drawing.markers[0].second - window.playback().track().currentLongitude) < 1e-7;
}

// With the route drawn, the map's timer and the track's second tick apart: the one marker
// may stand at the track's position or at the one just before it, never elsewhere.
bool MarkerAtTrackOrOneStepBehind(CMapDlg& map, const CVantorDlg& window, int milliseconds) {
  std::pair<double, double> now{window.playback().track().currentLatitude,
                                window.playback().track().currentLongitude};
  std::pair<double, double> before = now;
  return QTest::qWaitFor(
      [&] {
        const std::pair<double, double> position{window.playback().track().currentLatitude,
                                                 window.playback().track().currentLongitude};
        if (position != now) {
          before = now;
          now = position;
        }
        const test::PageDrawing drawing = test::ReadDrawing(map.browser()->page());
        if (drawing.markers.size() != 1) return false;
        const auto at = [&](const std::pair<double, double>& p) {
          return std::fabs(drawing.markers[0].first - p.first) < 1e-7 &&
                 std::fabs(drawing.markers[0].second - p.second) < 1e-7;
        };
        return at(now) || at(before);
      },
      milliseconds);
}

TEST(MapEndToEnd, TheMapFollowsThePlayingRecordingAndItsRouteGrows) {
  const fs::path folder = test::E2eRecordingsFolder();
  if (folder.empty()) GTEST_SKIP() << "needs DIREVOVU_E2E_RECORDINGS and an X server";
  const fs::path front = test::FindRecording(folder, "drf0_");
  ASSERT_FALSE(front.empty());

  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QTemporaryDir root;
  const WorkingFolders folders(fs::path(root.path().toStdString()) / "DirevOvu");
  ASSERT_TRUE(CreateWorkingFolders(folders));
  const fs::path tiles = fs::path(root.path().toStdString()) / "tiles";
  WriteSettings(folders, tiles, 0);
  test::RecordingPrompts prompts;
  CVantorDlg window(folders, test::SilentLibvlcPlayers(), prompts);
  ASSERT_TRUE(test::StartAndShow(window));
  QSignalSpy started(&window, &CVantorDlg::playbackStarted);
  ASSERT_TRUE(window.playback().Load(front));
  ASSERT_TRUE(started.wait(20000)) << "the pair never started";
  ASSERT_GT(WriteTilesAlong(window.playback().track(), tiles), 0);

  // Opened while the recording plays: it follows at once. (The connection watch may reload
  // the page once when it first sees the network; the waits outlast that.)
  window.maps().MapCommand();
  CMapDlg* map = window.maps().mapWindow();
  ASSERT_NE(map, nullptr);
  ASSERT_TRUE(test::WaitForPage(*map));
  map->move(window.frameGeometry().right() + 4, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return MarkerAtTrack(*map, window); }, 30000))
      << "the marker never stood at the track's position";
  EXPECT_TRUE(test::ReadDrawing(map->browser()->page()).lines.empty());

  // Route marking on: the drawn route grows second by second.
  WriteSettings(folders, tiles, 1);
  window.ReloadSettings();
  int points = 0;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto lines = test::ReadDrawing(map->browser()->page()).lines;
        points = lines.empty() ? 0 : lines[0];
        return points >= 2;
      },
      30000));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto lines = test::ReadDrawing(map->browser()->page()).lines;
        return !lines.empty() && lines[0] > points;
      },
      30000))
      << "the route did not grow past " << points << " points";
  EXPECT_TRUE(MarkerAtTrackOrOneStepBehind(*map, window, 5000))
      << "with the route drawn, the marker is not at the track's position";
  EXPECT_TRUE(test::ReadDrawing(map->browser()->page()).all_markers_in_view);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return test::ReadDrawing(map->browser()->page()).loaded_tiles >= 4; }, 10000));

  QTest::qWait(600);  // the last tiles paint
  const QRect both = window.frameGeometry().united(map->frameGeometry());
  QGuiApplication::primaryScreen()
      ->grabWindow(0, both.x(), both.y(), both.width(), both.height())
      .save(QString::fromStdString((test::ScreenshotFolder() / "map_follows_recording.png").string()));

  const auto capture = map->CaptureMap();
  ASSERT_TRUE(capture);
  const QImage bmp(QString::fromStdString(capture->string()));
  ASSERT_EQ(bmp.size(), QSize(535, 520));
  // A real picture of the map: tiles and route in many colours, not one flat fill.
  QSet<QRgb> colours;
  for (int y = 0; y < bmp.height(); y += 7) {
    for (int x = 0; x < bmp.width(); x += 7) colours.insert(bmp.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 8) << "the capture is flat";

  window.CloseCommand();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

}  // namespace
}  // namespace direvovu::gui
