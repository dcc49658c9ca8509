// The route window on the real page: a log made by direvovu-sample opens, trip 1 is drawn
// (read back from Leaflet), tracing runs to the end, and the address lines come from a
// local server answering as each service would. Run by tests/e2e/route_traces_trip.sh
// under xvfb-run, which names the log in DIREVOVU_E2E_DRIVELOG; without it the test skips.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "address_server.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "display_test_support.h"
#include "gui/app/card_session.h"
#include "gui/map/router_dlg.h"
#include "gui/map/web_browser.h"
#include "map_test_support.h"
#include "recording_prompts.h"
#include "scoped_environment.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
namespace ctl = map::route_ctl;
using test::AddressServer;

struct Service {
  const char* kind;
  AddressServer::Handler handler;
  QString line1;
};

void WriteSettings(const WorkingFolders& folders, const fs::path& tiles, const Service& service,
                   const AddressServer& server) {
  std::ofstream(folders.settings_file(), std::ios::binary)
      << "[VIEWER_SETUP]\r\nLANGUAGE=1\r\nMAP_TILE_URL=" << tiles.string()
      << "\r\nADDRESS_SERVICE_KIND=" << service.kind
      << "\r\nADDRESS_SERVICE_URL=" << server.baseUrl().toStdString() << "\r\n";
}

// Tiles at the zooms a trip of a few kilometres is shown at, around its start.
void WriteTiles(const fs::path& folder, const map::LogRecord& start) {
  for (int zoom = 13; zoom <= 16; ++zoom)
    test::WriteTileFolder(folder, zoom, start.latitude, start.longitude, 3);
}

void Screenshot(const CRouter& window, const std::string& name) {
  const QRect area = window.frameGeometry();
  QGuiApplication::primaryScreen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(QString::fromStdString((test::ScreenshotFolder() / name).string()));
}

std::string Describe(const test::PageDrawing& drawing) {
  std::string text = std::to_string(drawing.circles.size()) + " circles, " +
                     std::to_string(drawing.markers.size()) + " markers, lines of";
  for (const int points : drawing.lines) text += " " + std::to_string(points);
  return text;
}

void TraceTheFirstTrip(const Service& service, const fs::path& log, bool screenshot) {
  AddressServer server(service.handler);
  ASSERT_TRUE(server.listening());
  QTemporaryDir root;
  const WorkingFolders folders(root.path().toStdString() + "/DirevOvu");
  ASSERT_TRUE(CreateWorkingFolders(folders));
  test::RecordingPrompts prompts;
  CardSession card(folders, prompts);
  prompts.setFileAnswer([&](const QString&) { return QStringList{QString::fromStdString(log.string())}; });
  WriteSettings(folders, root.path().toStdString() + "/tiles", service, server);
  {
    std::ifstream in(log, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const map::ParsedLog parsed = map::ParseDrivingLog(bytes);
    ASSERT_GT(parsed.records.size(), 10U);
    WriteTiles(root.path().toStdString() + "/tiles", parsed.records[5]);
  }
  CRouter window(folders, card, prompts);
  window.SetOpen(true);
  QSignalSpy ready(&window, &CRouter::pageReady);
  ASSERT_TRUE(ready.wait(30000));
  ASSERT_TRUE(ready.first().first().toBool());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  window.OpenDrivingLog();
  ASSERT_FALSE(window.trips().empty());
  const map::TripSummary trip = window.trips().front();
  const auto points = map::TripRoutePoints(window.records(), trip);
  // The start and end marks stand where those records have a fix (a log's first records
  // have none yet).
  const std::size_t marks =
      static_cast<std::size_t>(window.records()[static_cast<std::size_t>(trip.startIndex)].HasFix()) +
      static_cast<std::size_t>(window.records()[static_cast<std::size_t>(trip.endIndex - 1)].HasFix());
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto drawing = test::ReadDrawing(window.browser()->page());
        return drawing.lines.size() == 1 && drawing.lines[0] == static_cast<int>(points.size()) &&
               drawing.circles.size() == marks;
      },
      10000))
      << "trip 1 drawn with its " << points.size()
      << " points and its start and end; drawn: " << Describe(test::ReadDrawing(window.browser()->page()));

  window.speedList()->setCurrentIndex(3);
  window.SetTimeSwitch(true);  // the marker is shown from the start
  window.StartTracing();
  const int half = (trip.endIndex - trip.startIndex) / 2;
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.trace().progress >= half; }, 30000));
  if (screenshot) {
    window.PauseTracing();
    QTest::qWait(1500);  // the tiles and the address of the paused point
    Screenshot(window, "route_window_tracing.png");
    window.StartTracing();
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.timerRunning(); }, 60000)) << "tracing ran to the end";
  const map::LogRecord& last = window.records()[static_cast<std::size_t>(trip.endIndex)];
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const auto drawing = test::ReadDrawing(window.browser()->page());
        return drawing.markers.size() == 1 && std::abs(drawing.markers[0].first - last.latitude) < 1e-5;
      },
      5000))
      << "the moving marker ends on the trip's last record";
  const QString town = QStringLiteral("Town ") + QString::fromStdString(map::FixedText(last.latitude, 6));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.labelText(ctl::kAddress2).endsWith(town); }, 10000))
      << window.labelText(ctl::kAddress2).toStdString() << " wanted the last point's " << town.toStdString();
  EXPECT_EQ(window.labelText(ctl::kAddress1), service.line1);
  EXPECT_FALSE(server.requests().empty());
}

TEST(RouteEndToEnd, ATripOfASampleLogIsDrawnTracedAndGivenItsAddressesByEitherService) {
  const QByteArray log = qgetenv("DIREVOVU_E2E_DRIVELOG");
  if (log.isEmpty()) GTEST_SKIP() << "run by tests/e2e/route_traces_trip.sh";
  SetCurrentLanguage(kEnglish);
  TraceTheFirstTrip({"rgc", AddressServer::RgcAnswer, QStringLiteral("KR Seoul")}, log.toStdString(), false);
  TraceTheFirstTrip({"nominatim", AddressServer::NominatimAnswer, QString::fromUtf8("대한민국 서울특별시")},
                    log.toStdString(), true);
  SetCurrentLanguage(kDefaultLanguage);
}

}  // namespace
}  // namespace direvovu::gui
