// The main window's side of the route window: the route button pauses what plays, runs
// the SD search, opens one window, and Close plays on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include "core/app/main_window_layout.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "gui/map/router_dlg.h"
#include "gui/map/web_browser.h"
#include "main_window_fixture.h"
#include "scoped_environment.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

class RouteMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    SetCurrentLanguage(kEnglish);
    WriteViewerSettings("MAP_TILE_URL=" + RootPath().string() + "\r\nADDRESS_SERVICE_URL=\r\n");
  }
  ScopedEnvironment drives_{"DIREVOVU_DRIVES", "C=/:fixed"};
  SampleRecordings recordings_;
};

TEST_F(RouteMainWindowTest, TheRouteButtonPausesSearchesOpensOneWindowAndCloseResumes) {
  Initialise();
  const fs::path pair = recordings_.MakePair("2012-03-14T09:05:07");
  ASSERT_FALSE(pair.empty());
  StartPair(pair);
  ASSERT_TRUE(dialog_->playback().playing());
  messages_.clear();
  dialog_->button(ctl::kDrivingLogMode)->click();
  gui::CRouter* window = dialog_->maps().routeWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(dialog_->playback().playing());
  EXPECT_TRUE(dialog_->maps().routeOpen());
  // The SD search box, then "Please connect SD card." without a removable drive.
  EXPECT_EQ(messages_.rows(), (std::vector<MessageId>{msg::kSearchingSd, msg::kConnectSd}));
  QSignalSpy ready(window, &gui::CRouter::pageReady);
  ASSERT_TRUE(ready.wait(20000));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialog_->maps().pageLoaded());

  messages_.clear();
  dialog_->maps().RouteCommand();  // open: nothing happens
  EXPECT_TRUE(messages_.rows().empty());
  EXPECT_EQ(dialog_->maps().routeWindow(), window);

  window->button(map::route_ctl::kClose)->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(dialog_->maps().routeOpen());
  EXPECT_TRUE(dialog_->playback().playing());

  // A language change while closed: the next press shows the new texts and page.
  dialog_->maps().LanguageChanged(kKorean);
  EXPECT_TRUE(dialog_->maps().routeWindow()->reloadMarked());
  dialog_->maps().RouteCommand();
  EXPECT_FALSE(dialog_->maps().routeWindow()->reloadMarked());
  EXPECT_EQ(window->labelText(map::route_ctl::kDistanceUnit), QStringLiteral("km"));
  EXPECT_EQ(dialog_->maps().routeWindow(), window);
}

// The route button's pause is the route window's only while nothing else touched the
// pair: a play and a pause of the user's in between are not undone by the close.
TEST_F(RouteMainWindowTest, APauseOfTheUsersWhileTheRouteWindowIsOpenIsKeptAfterItsClose) {
  Initialise();
  const fs::path pair = recordings_.MakePair("2012-03-14T09:05:07");
  ASSERT_FALSE(pair.empty());
  StartPair(pair);
  dialog_->button(ctl::kDrivingLogMode)->click();
  gui::CRouter* window = dialog_->maps().routeWindow();
  ASSERT_NE(window, nullptr);
  QSignalSpy ready(window, &gui::CRouter::pageReady);
  ASSERT_TRUE(ready.wait(20000));
  ASSERT_EQ(dialog_->playback().state(), PlaybackState::Paused);
  dialog_->PlayCommand();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->playback().state() == PlaybackState::Playing; }, 5000));
  dialog_->PauseCommand();
  ASSERT_EQ(dialog_->playback().state(), PlaybackState::Paused);

  window->button(map::route_ctl::kClose)->click();
  QTest::qWait(300);
  EXPECT_EQ(dialog_->playback().state(), PlaybackState::Paused);
}

// A first page that fails to load leaves the window closed, not open and unseen: the
// next press loads it again and shows it.
TEST_F(RouteMainWindowTest, AFailedFirstPageLoadIsTriedAgainByTheNextPress) {
  Initialise();
  dialog_->maps().RouteCommand();
  gui::CRouter* window = dialog_->maps().routeWindow();
  ASSERT_NE(window, nullptr);
  window->browser()->Navigate(QStringLiteral("direvovu://map/no/such/page.html"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->maps().routeOpen(); }, 20000));
  QTest::qWait(300);  // the aborted first load may still report
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->reloadMarked());

  dialog_->maps().RouteCommand();
  EXPECT_TRUE(dialog_->maps().routeOpen());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 20000));
  EXPECT_TRUE(window->everLoaded());
  EXPECT_EQ(dialog_->maps().routeWindow(), window);
}

}  // namespace
}  // namespace direvovu::test
