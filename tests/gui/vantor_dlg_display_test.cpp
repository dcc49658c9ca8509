// The main window's graph buttons, enlarged graph and capture, with fake players.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "fake_player.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"
#include "gui/display/graph_panel.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using test::FakePlayer;

class MainWindowDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    folders_ = std::make_unique<WorkingFolders>(fs::path(root_.path().toStdString()) / "DirevOvu");
    dialog_ = std::make_unique<CVantorDlg>(*folders_, [this](Channel channel) {
      auto player = std::make_unique<FakePlayer>(channel, log_);
      (channel == Channel::kFront ? front_ : rear_) = player.get();
      return player;
    });
    dialog_->SetPacing(0);
    dialog_->SetConnectivityProbe([] { return true; });
    std::string error;
    ASSERT_TRUE(dialog_->Initialise(&error)) << error;
  }

  QTemporaryDir root_;
  std::unique_ptr<WorkingFolders> folders_;
  std::shared_ptr<std::vector<std::string>> log_ = std::make_shared<std::vector<std::string>>();
  FakePlayer* front_ = nullptr;
  FakePlayer* rear_ = nullptr;
  std::unique_ptr<CVantorDlg> dialog_;
};

TEST_F(MainWindowDisplay, GraphButtonsShareOnePlaceAndSwitchTheGraph) {
  QAbstractButton* gravity = dialog_->button(ctl::kGravityGraph);
  QAbstractButton* speed = dialog_->button(ctl::kSpeedGraph);
  ASSERT_NE(gravity, nullptr);
  ASSERT_NE(speed, nullptr);
  EXPECT_EQ(gravity->geometry().topLeft(), speed->geometry().topLeft());
  EXPECT_EQ(dialog_->graphPanel()->mode(), display::GraphMode::GSensor);
  EXPECT_TRUE(speed->isVisibleTo(dialog_.get()));
  EXPECT_FALSE(gravity->isVisibleTo(dialog_.get()));

  speed->click();
  EXPECT_EQ(dialog_->graphPanel()->mode(), display::GraphMode::Speed);
  EXPECT_TRUE(gravity->isVisibleTo(dialog_.get()));
  EXPECT_FALSE(speed->isVisibleTo(dialog_.get()));

  gravity->click();
  EXPECT_EQ(dialog_->graphPanel()->mode(), display::GraphMode::GSensor);
  EXPECT_TRUE(speed->isVisibleTo(dialog_.get()));
}

TEST_F(MainWindowDisplay, CaptureAndPrintDoNothingWithoutARecording) {
  MessageRecorder recorder;
  dialog_->button(ctl::kCapture)->click();
  dialog_->button(ctl::kPrint)->click();
  EXPECT_TRUE(recorder.requests().empty());
  EXPECT_EQ(std::count(log_->begin(), log_->end(), "front TakeSnapshot"), 0);
  EXPECT_FALSE(QDir(QString::fromStdString(folders_->capture().string())).entryList(QDir::Files).size() > 0);
}

}  // namespace
}  // namespace direvovu::gui
