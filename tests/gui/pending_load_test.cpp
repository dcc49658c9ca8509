// A load that does not end the usual way: a stop while the start waits for the rear, a
// leading channel that never shows a picture, and the other channel's error arriving
// while the failed load's notice is up. None of them may leave the window refusing
// every command (and its own close).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "core/app/main_window_layout.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "fake_player.h"
#include "gui/app/main_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/app/vantor_dlg.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

using test::FakePlayer;
namespace fs = std::filesystem;

// Two small camera-format pairs, made once.
struct PendingLoadPairs {
  static const PendingLoadPairs& Get() {
    static const PendingLoadPairs made;
    return made;
  }
  fs::path first;
  fs::path second;
  bool ok = true;

 private:
  PendingLoadPairs() {
    const fs::path dir = folder_.path().toStdString();
    for (const char* start : {"2012-05-02T08:00:00", "2012-05-02T08:01:00"}) {
      QProcess run;
      run.start(QStringLiteral(DIREVOVU_BINARY_DIR "/direvovu-sample"),
                {"recording", "--out", folder_.path(), "--start", start, "--seconds", "2", "--size", "160x96",
                 "--no-audio"});
      ok = ok && run.waitForFinished(60000) && run.exitCode() == 0;
    }
    first = dir / "drf0_20120502_080000.mp4";
    second = dir / "drf0_20120502_080100.mp4";
    ok = ok && fs::exists(first) && fs::exists(second) && fs::exists(RearCompanionPath(first));
  }
  QTemporaryDir folder_;
};

class PendingLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    ASSERT_TRUE(PendingLoadPairs::Get().ok);
    folders_ = std::make_unique<WorkingFolders>(fs::path(root_.path().toStdString()) / "DirevOvu");
    dialog_ = std::make_unique<CVantorDlg>(*folders_, [this](Channel channel) {
      auto player = std::make_unique<FakePlayer>(channel, log_);
      (channel == Channel::kFront ? front_ : rear_) = player.get();
      return player;
    });
    dialog_->SetPacing(0);
    dialog_->SetConnectivityProbe([] { return true; });
    // Every message is recorded; `on_message_` may act while the box would be up.
    SetMessageHandler([this](const MessageRequest& request) {
      shown_.push_back(request);
      if (on_message_) std::exchange(on_message_, {})();
      return true;
    });
    std::string error;
    ASSERT_TRUE(dialog_->Initialise(&error)) << error;
  }
  void TearDown() override { SetMessageHandler({}); }

  long Count(const std::string& call) const { return std::count(log_->begin(), log_->end(), call); }
  void OpenBoth() {
    const PendingLoadPairs& pairs = PendingLoadPairs::Get();
    dialog_->OpenFiles(
        {QString::fromStdString(pairs.first.string()), QString::fromStdString(pairs.second.string())});
    dialog_->timers().Tick(timer::kPlayOpened);
    ASSERT_EQ(dialog_->currentRecording(), pairs.first);
  }
  // Timer 1004: both players opened and started; the test decides who reports.
  void OpenPlayers() {
    ASSERT_TRUE(dialog_->loadPending());
    const long plays = Count("front Play");
    dialog_->timers().Tick(timer::kOpenAndStart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("front Play") > plays; }, 5000));
  }
  std::vector<int> Rows() const {
    std::vector<int> rows;
    for (const MessageRequest& request : shown_) rows.push_back(request.row);
    return rows;
  }

  QTemporaryDir root_;
  std::unique_ptr<WorkingFolders> folders_;
  std::shared_ptr<std::vector<std::string>> log_ = std::make_shared<std::vector<std::string>>();
  FakePlayer* front_ = nullptr;
  FakePlayer* rear_ = nullptr;
  std::unique_ptr<CVantorDlg> dialog_;
  std::vector<MessageRequest> shown_;
  std::function<void()> on_message_;
};

TEST_F(PendingLoad, StopWhileTheStartAwaitsTheRearEndsTheLoadAndTheWindowStillCloses) {
  dialog_->SetSyncWait(50);
  ASSERT_TRUE(dialog_->PlayPair(PendingLoadPairs::Get().first));
  OpenPlayers();
  front_->ReportPlaying();  // the front holds at its first picture; the rear is late
  dialog_->timers().Tick(timer::kApplyRate);
  ASSERT_TRUE(dialog_->loaded());
  ASSERT_TRUE(dialog_->loadPending());

  dialog_->StopCommand();
  EXPECT_FALSE(dialog_->loadPending());
  EXPECT_FALSE(dialog_->button(ctl::kPlay)->isHidden());
  EXPECT_EQ(front_->GetState(), PlayerState::kStopped);
  // The abandoned start does not come back to play the front alone.
  QTest::qWait(150);
  EXPECT_EQ(front_->GetState(), PlayerState::kStopped);
  EXPECT_EQ(Count("front Play"), 1);
  // The commands answer again: play starts the selected row anew, and close works.
  dialog_->playlist()->AppendRows({PendingLoadPairs::Get().second.string()});
  dialog_->playlist()->SelectRow(0);
  dialog_->PlayCommand();
  EXPECT_TRUE(dialog_->loadPending());
  OpenPlayers();
  front_->ReportPlaying();
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->loadPending(); }, 5000));
  dialog_->CloseCommand();
  EXPECT_TRUE(dialog_->closing());
  EXPECT_TRUE(shown_.empty());
}

TEST_F(PendingLoad, LeadingChannelThatNeverShowsAPictureFailsTheLoadAndTheNextRowPlays) {
  dialog_->SetFirstPictureWait(50);
  OpenBoth();
  OpenPlayers();
  rear_->ReportPlaying();  // only the rear answers; the front, which leads, never does
  ASSERT_TRUE(QTest::qWaitFor([&] { return !shown_.empty(); }, 5000));
  EXPECT_EQ(Rows(), std::vector<int>{msg::kIllegalFile});
  EXPECT_EQ(shown_.front().detail.toStdString(), PendingLoadPairs::Get().first.string());
  EXPECT_TRUE(shown_.front().auto_close);
  EXPECT_EQ(dialog_->currentRecording(), PendingLoadPairs::Get().second);
  EXPECT_TRUE(dialog_->loadPending());

  // The next one starts normally: its reports end the load and the bound does nothing.
  OpenPlayers();
  front_->ReportPlaying();
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->loadPending(); }, 5000));
  QTest::qWait(150);
  EXPECT_EQ(Rows(), std::vector<int>{msg::kIllegalFile});
  EXPECT_EQ(front_->GetState(), PlayerState::kPlaying);
}

TEST_F(PendingLoad, OtherChannelsErrorDuringTheNoticeDoesNotFailTheNextRowToo) {
  OpenBoth();
  OpenPlayers();
  dialog_->timers().Tick(timer::kApplyRate);  // loaded: an error of either channel counts
  // While the notice of the front's failure is up, the rear fails as well.
  // (The rear's report was on its way before the stop: its state does not change.)
  on_message_ = [this] { emit rear_->error(QStringLiteral("rear too")); };
  front_->ReportError(QStringLiteral("front"));
  EXPECT_EQ(Rows(), std::vector<int>{msg::kIllegalFile});
  EXPECT_EQ(dialog_->currentRecording(), PendingLoadPairs::Get().second);
  EXPECT_EQ(dialog_->playlist()->SelectedRow(), 1);
  EXPECT_TRUE(dialog_->loadPending());
  EXPECT_TRUE(dialog_->timers().IsActive(timer::kOpenAndStart));
}

}  // namespace
}  // namespace direvovu::gui
