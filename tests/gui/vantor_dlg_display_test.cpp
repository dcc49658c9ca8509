// The main window's graph buttons, enlarged graph and capture, with fake players.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>

#include <algorithm>

#include "core/app/main_window_layout.h"
#include "gui/display/graph_panel.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

// Initialised before every test.
class MainWindowDisplay : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (!HasFatalFailure()) Initialise();
  }
};

TEST_F(MainWindowDisplay, GraphButtonsShareOnePlaceAndSwitchTheGraph) {
  QAbstractButton* gravity = dialog_->button(ctl::kGravityGraph);
  QAbstractButton* speed = dialog_->button(ctl::kSpeedGraph);
  ASSERT_NE(gravity, nullptr);
  ASSERT_NE(speed, nullptr);
  EXPECT_EQ(gravity->geometry().topLeft(), speed->geometry().topLeft());
  EXPECT_EQ(Graphs()->mode(), display::GraphMode::GSensor);
  EXPECT_TRUE(speed->isVisibleTo(dialog_.get()));
  EXPECT_FALSE(gravity->isVisibleTo(dialog_.get()));

  speed->click();
  EXPECT_EQ(Graphs()->mode(), display::GraphMode::Speed);
  EXPECT_TRUE(gravity->isVisibleTo(dialog_.get()));
  EXPECT_FALSE(speed->isVisibleTo(dialog_.get()));

  gravity->click();
  EXPECT_EQ(Graphs()->mode(), display::GraphMode::GSensor);
  EXPECT_TRUE(speed->isVisibleTo(dialog_.get()));
}

TEST_F(MainWindowDisplay, CaptureAndPrintDoNothingWithoutARecording) {
  dialog_->button(ctl::kCapture)->click();
  dialog_->button(ctl::kPrint)->click();
  EXPECT_TRUE(messages_.requests().empty());
  EXPECT_EQ(std::count(log_->begin(), log_->end(), "front TakeSnapshot"), 0);
  EXPECT_FALSE(QDir(QString::fromStdString(folders_->capture().string())).entryList(QDir::Files).size() > 0);
}

}  // namespace
}  // namespace direvovu::gui
