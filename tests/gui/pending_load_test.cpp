// A load that does not end the usual way: a stop while the start waits for the rear, a
// leading channel that never shows a picture, and the other channel's error arriving
// while the failed load's notice is up. None of them may leave the window refusing
// every command (and its own close).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

// Two small camera-format pairs, made once.
struct PendingLoadPairs {
  static const PendingLoadPairs& Get() {
    static const PendingLoadPairs made;
    return made;
  }

 private:
  test::SampleRecordings made_;  // first, so that it exists when the pairs are made

 public:
  const fs::path first = made_.MakePair("2012-05-02T08:00:00");
  const fs::path second = made_.MakePair("2012-05-02T08:01:00");
};

class PendingLoad : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_FALSE(PendingLoadPairs::Get().first.empty());
    ASSERT_FALSE(PendingLoadPairs::Get().second.empty());
    Initialise();
  }

  void OpenBoth() {
    const PendingLoadPairs& pairs = PendingLoadPairs::Get();
    dialog_->OpenFiles(test::PathTexts({pairs.first, pairs.second}));
    dialog_->playlist().timers().Tick(timer::kPlayOpened);
    ASSERT_EQ(dialog_->playback().recording(), pairs.first);
  }
  // Timer 1004: both players opened and started; the test decides who reports.
  void OpenPlayers() {
    WaitForCopies();
    ASSERT_TRUE(dialog_->playback().loadPending());
    const long plays = Count("front Play");
    dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("front Play") > plays; }, 5000));
  }
  const std::vector<MessageRequest>& shown() const { return messages_.requests(); }
};

TEST_F(PendingLoad, StopWhileTheStartAwaitsTheRearEndsTheLoadAndTheWindowStillCloses) {
  dialog_->playback().SetSyncWait(50);
  ASSERT_TRUE(dialog_->playback().Load(PendingLoadPairs::Get().first));
  OpenPlayers();
  front_->ReportPlaying();  // the front holds at its first picture; the rear is late
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);
  ASSERT_TRUE(dialog_->playback().loaded());
  ASSERT_TRUE(dialog_->playback().loadPending());

  dialog_->StopCommand();
  EXPECT_FALSE(dialog_->playback().loadPending());
  EXPECT_FALSE(dialog_->button(ctl::kPlay)->isHidden());
  EXPECT_EQ(front_->GetState(), PlayerState::kStopped);
  // The abandoned start does not come back to play the front alone.
  QTest::qWait(150);
  EXPECT_EQ(front_->GetState(), PlayerState::kStopped);
  EXPECT_EQ(Count("front Play"), 1);
  // The commands answer again: play starts the selected row anew, and close works.
  ListView()->AppendRows({PendingLoadPairs::Get().second.string()});
  ListView()->SelectRow(0);
  dialog_->PlayCommand();
  EXPECT_TRUE(dialog_->playback().loadPending());
  OpenPlayers();
  front_->ReportPlaying();
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  dialog_->CloseCommand();
  EXPECT_TRUE(dialog_->playback().closed());
  EXPECT_TRUE(shown().empty());
}

// Quit from the desktop's media controls, a signal or the close button may come while
// the start is under way: the close waits for the start and is not lost.
TEST_F(PendingLoad, CloseAskedWhileTheStartAwaitsTheRearHappensOnceThePairPlays) {
  ASSERT_TRUE(dialog_->playback().Load(PendingLoadPairs::Get().first));
  OpenPlayers();
  front_->ReportPlaying();
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);
  ASSERT_TRUE(dialog_->playback().loadPending());

  dialog_->CloseCommand();
  dialog_->CloseCommand();  // asked twice, closed once
  EXPECT_FALSE(dialog_->playback().closed());
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->playback().closed(); }, 5000));
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(Count("front Release"), 1);
  EXPECT_TRUE(shown().empty());
}

TEST_F(PendingLoad, LeadingChannelThatNeverShowsAPictureFailsTheLoadAndTheNextRowPlays) {
  dialog_->playback().SetFirstPictureWait(50);
  OpenBoth();
  OpenPlayers();
  rear_->ReportPlaying();  // only the rear answers; the front, which leads, never does
  ASSERT_TRUE(QTest::qWaitFor([&] { return !shown().empty(); }, 5000));
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_EQ(shown().front().detail.toStdString(), PendingLoadPairs::Get().first.string());
  EXPECT_TRUE(shown().front().auto_close);
  EXPECT_EQ(dialog_->playback().recording(), PendingLoadPairs::Get().second);
  EXPECT_TRUE(dialog_->playback().loadPending());

  // The next one starts normally: its reports end the load and the bound does nothing.
  OpenPlayers();
  front_->ReportPlaying();
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  QTest::qWait(150);
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_EQ(front_->GetState(), PlayerState::kPlaying);
}

TEST_F(PendingLoad, OtherChannelsErrorDuringTheNoticeDoesNotFailTheNextRowToo) {
  OpenBoth();
  OpenPlayers();
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);  // loaded: an error of either channel counts
  // While the notice of the front's failure is up, the rear fails as well.
  // (The rear's report was on its way before the stop: its state does not change.)
  bool rear_failed = false;
  messages_.doWhileNextShown([&] {
    emit rear_->error(QStringLiteral("rear too"));
    rear_failed = true;
  });
  front_->ReportError(QStringLiteral("front"));
  ASSERT_TRUE(rear_failed);
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_EQ(dialog_->playback().recording(), PendingLoadPairs::Get().second);
  EXPECT_EQ(ListView()->SelectedRow(), 1);
  EXPECT_TRUE(dialog_->playback().loadPending());
  WaitForCopies();
  EXPECT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
}

// Recordings handed over (a second start, a drop) while a load is pending: the load of
// the rows that went is given up at once, so its late failure can neither stop the new
// rows' start nor take their first row's turn.
TEST_F(PendingLoad, FilesHandedOverDuringALoadPlayFromTheirFirstRow) {
  const PendingLoadPairs& pairs = PendingLoadPairs::Get();
  OpenBoth();
  OpenPlayers();
  dialog_->OpenFiles(test::PathTexts({pairs.second, pairs.first}));
  EXPECT_FALSE(dialog_->playback().loadPending());
  front_->ReportError(QStringLiteral("late failure of the pair that went"));
  EXPECT_TRUE(messages_.rows().empty());
  ASSERT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  EXPECT_EQ(ListView()->SelectedRow(), 0);
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), pairs.first);
}

// Rows added by another window while a load runs wait for it; when that load fails, its
// failure neither cancels their start nor moves the selection past their first row.
TEST_F(PendingLoad, RowsAddedDuringALoadThatFailsStillStartFromTheFirstRow) {
  const PendingLoadPairs& pairs = PendingLoadPairs::Get();
  OpenBoth();
  OpenPlayers();
  dialog_->playlist().AddRows({pairs.second.string()});
  ASSERT_EQ(ListView()->SelectedRow(), 0);
  front_->ReportError(QStringLiteral("undecodable"));
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_FALSE(dialog_->playback().loadPending());
  ASSERT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  EXPECT_EQ(ListView()->SelectedRow(), 0);
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), pairs.first);
}

}  // namespace
}  // namespace direvovu::gui
