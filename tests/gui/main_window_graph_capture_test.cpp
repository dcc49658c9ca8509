// The main window's side of the graphs and of capture: which event file marks the
// spikes, the enlarged graph on a double click, and capture going through the window's
// own pause and play commands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/display/event_text.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/display/graph_dlg.h"
#include "gui/display/graph_panel.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class MainWindowGraphCapture : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    Initialise();
    if (HasFatalFailure()) return;
    front_path_ = recordings_.MakePair("2012-03-14T09:05:07");
    ASSERT_FALSE(front_path_.empty());
  }

  // One event a second after the first record (09:05:08), as the camera logs it.
  void WriteEventFile() const {
    std::ofstream(display::EventTextFileFor(front_path_), std::ios::binary)
        << "[Event1]\r\nDate=2012/03/14\r\nTime=09:05:08\r\nG_Sensor_X=-1.250\r\nG_Sensor_Y=0.125\r\n"
           "G_Sensor_Z=0.980\r\n";
  }

  test::SampleRecordings recordings_;
  fs::path front_path_;
};

TEST_F(MainWindowGraphCapture, EventsComeFromThePairsEventFileEvenWhenOnlyTheRearPlays) {
  WriteEventFile();
  // The front is gone: the rear plays alone and its track is the one shown, but the
  // camera's event file is still the one named after the front (drf_…txt).
  fs::remove(front_path_);
  ASSERT_TRUE(dialog_->playback().Load(front_path_));
  WaitForCopies();
  ASSERT_FALSE(dialog_->playback().frontPresent());
  ASSERT_TRUE(dialog_->playback().rearPresent());
  ASSERT_GT(dialog_->playback().track().count, 0);
  const auto& events = Graphs()->events();
  ASSERT_EQ(events.size(), 1U);
  EXPECT_EQ(events[0].offsetSeconds, 1);
  EXPECT_DOUBLE_EQ(events[0].x, -1.25);
}

TEST_F(MainWindowGraphCapture, DoubleClickOnTheGraphOpensTheEnlargedGraphEvenWithNothingLoaded) {
  bool opened = false;
  std::size_t curves_with_points = 1;
  QTimer::singleShot(0, [&] {
    if (auto* graph = qobject_cast<CGraphDlg*>(QApplication::activeModalWidget())) {
      opened = true;
      curves_with_points = 0;
      for (const auto& curve : graph->curves()) curves_with_points += curve.empty() ? 0U : 1U;
      graph->closeButton()->click();
    }
  });
  QTest::mouseDClick(Graphs(), Qt::LeftButton, {}, QPoint(100, 50));
  EXPECT_TRUE(opened);
  EXPECT_EQ(curves_with_points, 0U);
}

TEST_F(MainWindowGraphCapture, CaptureShowsPlayWhileItsMessageIsOpenThenPlaysOn) {
  StartPair(front_path_);
  if (HasFatalFailure()) return;
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);  // loaded and playing
  ASSERT_TRUE(dialog_->playback().loaded());
  ASSERT_FALSE(PlayShown());

  bool play_shown_during_message = false;
  messages_.doWhileNextShown([&] { play_shown_during_message = PlayShown(); });
  const long plays = Count("front Play");
  dialog_->button(ctl::kCapture)->click();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kCaptureSaved});
  EXPECT_TRUE(play_shown_during_message) << "capture pauses through the pause command";
  ASSERT_TRUE(QTest::qWaitFor([&] { return Count("front Play") > plays; }, 2000));
  EXPECT_FALSE(PlayShown());
  // The rear resumes first, as the play command always does.
  const auto last = [&](const std::string& call) { return std::find(log_->rbegin(), log_->rend(), call); };
  EXPECT_GT(last("rear Play"), last("front Play"));
}

TEST_F(MainWindowGraphCapture, PairStoppedWhileTheCaptureMessageIsOpenIsNotStartedAgain) {
  // The row stays selected in the list, as after a double click.
  ListView()->AppendRows({front_path_.string()});
  ListView()->SelectRow(0);
  StartPair(front_path_);
  if (HasFatalFailure()) return;
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);
  ASSERT_TRUE(dialog_->playback().loaded());

  messages_.doWhileNextShown([&] { dialog_->StopCommand(); });
  const long plays = Count("front Play");
  dialog_->button(ctl::kCapture)->click();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kCaptureSaved});
  QTest::qWait(50);
  EXPECT_FALSE(dialog_->playback().loadPending()) << "the stopped row was loaded again";
  EXPECT_EQ(Count("front Play"), plays);
  EXPECT_TRUE(PlayShown());
}

}  // namespace
}  // namespace direvovu::gui
