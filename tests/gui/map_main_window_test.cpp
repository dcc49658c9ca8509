// The main window's side of the map: the map button, the map-point timer, the connection
// watch, the first playback and a language change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <fstream>

#include "core/map/map_page.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/map/map_dlg.h"
#include "gui/map/web_browser.h"
#include "main_window_fixture.h"
#include "map_test_support.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;
using gui::CMapDlg;

class MapMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    SetCurrentLanguage(kEnglish);
    pair_ = recordings_.MakePair("2012-03-14T09:05:07");
    ASSERT_FALSE(pair_.empty());
  }
  // Tiles from a folder (no network needed) or, with `local` false, from a server.
  void UseTiles(bool local) {
    fs::create_directories(folders_->root);
    const std::string tiles = local ? RootPath().string() : "http://127.0.0.1:9/{z}/{x}/{y}.png";
    std::ofstream(folders_->settings_file(), std::ios::binary)
        << "[VIEWER_SETUP]\r\nMAP_TILE_URL=" << tiles << "\r\n";
  }
  CMapDlg* OpenMap() {
    dialog_->maps().MapCommand();
    CMapDlg* window = dialog_->maps().mapWindow();
    EXPECT_NE(window, nullptr);
    if (window != nullptr) {
      EXPECT_TRUE(WaitForPage(*window));
    }
    return window;
  }
  PageDrawing Drawing() { return ReadDrawing(dialog_->maps().mapWindow()->browser()->page()); }

  SampleRecordings recordings_;
  fs::path pair_;
};

TEST_F(MapMainWindowTest, TheMapButtonOpensOneWindowAndAPressWhileOpenDoesNothing) {
  UseTiles(true);
  Initialise();
  EXPECT_EQ(dialog_->maps().mapWindow(), nullptr);
  CMapDlg* window = OpenMap();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(dialog_->maps().mapOpen());
  EXPECT_TRUE(dialog_->maps().pageLoaded());
  EXPECT_TRUE(window->isVisible());
  dialog_->maps().MapCommand();
  EXPECT_EQ(dialog_->maps().mapWindow(), window);

  // Closed with Escape, the button only sets the flag; the main window's next activation
  // shows the same window with the same page.
  QWebEnginePage* page = window->browser()->page();
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(dialog_->maps().mapOpen());
  dialog_->maps().MapCommand();
  EXPECT_TRUE(dialog_->maps().mapOpen());
  EXPECT_FALSE(window->isVisible());
  dialog_->show();
  QApplication::setActiveWindow(dialog_.get());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 3000));
  EXPECT_EQ(dialog_->maps().mapWindow(), window);
  EXPECT_EQ(window->browser()->page(), page);
}

TEST_F(MapMainWindowTest, AWindowOpenedWhileARecordingPlaysFollowsItAtOnce) {
  UseTiles(true);
  Initialise();
  dialog_->ReloadSettings();
  StartPair(pair_);
  ASSERT_TRUE(dialog_->playback().playing());
  EXPECT_FALSE(dialog_->maps().timers().IsActive(gui::timer::kMapPoints));  // no map window yet
  OpenMap();
  ASSERT_TRUE(dialog_->maps().timers().IsActive(gui::timer::kMapPoints));

  // Two seconds in, the track has a position; each tick draws it (route marking is on by
  // default, so the route grows).
  front_->SetClock(1500, 2000);
  dialog_->display().timers().Tick(gui::timer::kTimeDisplay);
  const double lat = dialog_->playback().track().currentLatitude;
  const double lon = dialog_->playback().track().currentLongitude;
  ASSERT_NE(lat, 0);
  dialog_->maps().timers().Tick(gui::timer::kMapPoints);
  PageDrawing drawing = Drawing();
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_NEAR(drawing.markers[0].first, lat, 1e-9);
  EXPECT_NEAR(drawing.markers[0].second, lon, 1e-9);
  EXPECT_EQ(drawing.lines.size(), 1u);
}

TEST_F(MapMainWindowTest, TheFirstPlaybackAfterStartUpStartsOnAnEmptyMapTheNextOnesDoNot) {
  UseTiles(true);
  Initialise();
  CMapDlg* window = OpenMap();
  ASSERT_NE(window, nullptr);
  TrackState somewhere;
  somewhere.currentLatitude = 38.9;
  somewhere.currentLongitude = -77.0;
  ASSERT_TRUE(window->SetMapPoint(somewhere, false));
  StartPair(pair_);
  EXPECT_TRUE(Drawing().markers.empty());
  dialog_->playback().Stop(gui::StopKind::Command);
  ASSERT_TRUE(window->SetMapPoint(somewhere, false));
  StartPair(pair_);
  EXPECT_EQ(Drawing().markers.size(), 1u);
}

TEST_F(MapMainWindowTest, WithoutAConnectionTheOfflinePictureCoversTheMapUntilItReturns) {
  UseTiles(false);
  Initialise();
  StartPair(pair_);
  CMapDlg* window = OpenMap();
  ASSERT_NE(window, nullptr);
  connected_ = false;
  dialog_->maps().timers().Tick(gui::timer::kConnectivity);
  EXPECT_TRUE(window->offline());
  EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 1, 1));
  EXPECT_FALSE(dialog_->maps().timers().IsActive(gui::timer::kMapPoints));

  connected_ = true;
  dialog_->maps().timers().Tick(gui::timer::kConnectivity);
  EXPECT_FALSE(window->offline());
  EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 535, 520));
  ASSERT_TRUE(dialog_->maps().timers().IsActive(gui::timer::kMapRefresh));
  dialog_->maps().timers().Tick(gui::timer::kMapRefresh);  // reloads the page and resumes the points
  EXPECT_TRUE(WaitForPage(*window));
}

TEST_F(MapMainWindowTest, LocalTilesKeepTheMapWhenTheNetworkGoes) {
  UseTiles(true);
  Initialise();
  StartPair(pair_);
  CMapDlg* window = OpenMap();
  ASSERT_NE(window, nullptr);
  connected_ = false;
  dialog_->maps().timers().Tick(gui::timer::kConnectivity);
  EXPECT_FALSE(window->offline());
  EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 535, 520));
  EXPECT_TRUE(dialog_->maps().timers().IsActive(gui::timer::kMapPoints));
}

TEST_F(MapMainWindowTest, ALanguageChangeReloadsAnOpenMapAndMarksAClosedOne) {
  UseTiles(true);
  Initialise();
  CMapDlg* window = OpenMap();
  ASSERT_NE(window, nullptr);
  SetCurrentLanguage(kJapanese);
  dialog_->maps().LanguageChanged(CurrentLanguage());
  ASSERT_TRUE(WaitForPage(*window));
  EXPECT_EQ(window->browser()->url().path(), QStringLiteral("/map/googlemap_jpn.html"));
  EXPECT_NEAR(Drawing().centre_lat, 35.68951, 1e-5);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("地図表示"));

  window->reject();
  SetCurrentLanguage(kRussian);
  dialog_->maps().LanguageChanged(CurrentLanguage());
  EXPECT_TRUE(dialog_->maps().mapReloadMarked());
  dialog_->maps().MapCommand();
  EXPECT_FALSE(dialog_->maps().mapReloadMarked());
  EXPECT_TRUE(window->isVisible());
  ASSERT_TRUE(WaitForPage(*window));
  EXPECT_EQ(window->browser()->url().path(), QStringLiteral("/map/googlemap_russia.html"));
}

}  // namespace
}  // namespace direvovu::test
