// The main window's side of the route window: the route button pauses what plays, runs
// the SD search, opens one window, and Close plays on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>

#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "gui/map/router_dlg.h"
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
    fs::create_directories(folders_->root);
    std::ofstream(folders_->settings_file(), std::ios::binary)
        << "[VIEWER_SETUP]\r\nMAP_TILE_URL=" << RootPath().string() << "\r\nADDRESS_SERVICE_URL=\r\n";
  }
  ScopedEnvironment drives_{"DIREVOVU_DRIVES", "C=/:fixed"};
  SampleRecordings recordings_;
};

TEST_F(RouteMainWindowTest, TheRouteButtonPausesSearchesOpensOneWindowAndCloseResumes) {
  Initialise();
  const fs::path pair = recordings_.MakePair("2012-03-14T09:05:07");
  ASSERT_FALSE(pair.empty());
  StartPair(pair);
  ASSERT_TRUE(dialog_->isPlaying());
  messages_.clear();
  dialog_->button(ctl::kDrivingLogMode)->click();
  gui::CRouter* window = dialog_->routeWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(dialog_->isPlaying());
  EXPECT_TRUE(dialog_->routeFlags().open);
  // The SD search box, then "Please connect SD card." without a removable drive.
  EXPECT_EQ(messages_.rows(), (std::vector<int>{msg::kSearchingSd, msg::kConnectSd}));
  QSignalSpy ready(window, &gui::CRouter::pageReady);
  ASSERT_TRUE(ready.wait(20000));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialog_->mapFlags().page_loaded);

  messages_.clear();
  dialog_->RouteCommand();  // open: nothing happens
  EXPECT_TRUE(messages_.rows().empty());
  EXPECT_EQ(dialog_->routeWindow(), window);

  window->button(map::route_ctl::kClose)->click();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(dialog_->routeFlags().open);
  EXPECT_TRUE(dialog_->isPlaying());

  // A language change while closed: the next press shows the new texts and page.
  dialog_->RouteLanguageChanged(kKorean);
  EXPECT_TRUE(dialog_->routeFlags().reload_mark);
  dialog_->RouteCommand();
  EXPECT_FALSE(dialog_->routeFlags().reload_mark);
  EXPECT_EQ(window->labelText(map::route_ctl::kDistanceUnit), QStringLiteral("km"));
  EXPECT_EQ(dialog_->routeWindow(), window);
}

}  // namespace
}  // namespace direvovu::test
