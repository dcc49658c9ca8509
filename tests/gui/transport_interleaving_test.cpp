// A pause that comes while the paced steps of a seek or of a resume still run: the
// pictures stay paused, as the PLAY button says.
#include <gtest/gtest.h>

#include <QTest>

#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "main_window_fixture.h"

namespace direvovu::test {
namespace {

using TransportInterleaving = PlaylistTest;

TEST_F(TransportInterleaving, PauseWhileASeekRunsHoldsBothChannels) {
  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  front_->SetClock(10'000, 60'000);
  log_->clear();
  dialog_->SeekCommand(5000);  // both pause at once; the times follow in later steps
  dialog_->PauseCommand();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("rear SetTime(30000)"); }, 2000));
  QTest::qWait(20);  // the steps after the times, if any
  EXPECT_FALSE(Logged("front Play"));
  EXPECT_FALSE(Logged("rear Play"));
  EXPECT_EQ(front_->GetState(), PlayerState::kPaused);
  EXPECT_EQ(rear_->GetState(), PlayerState::kPaused);
  EXPECT_TRUE(PlayShown());
  // PLAY then resumes both from the new time.
  dialog_->PlayCommand();
  ASSERT_TRUE(QTest::qWaitFor([&] { return front_->GetState() == PlayerState::kPlaying; }, 2000));
  EXPECT_EQ(rear_->GetState(), PlayerState::kPlaying);
  EXPECT_EQ(front_->GetTime(), 30'000);
}

TEST_F(TransportInterleaving, PauseBetweenTheRearAndTheFrontOfAResumeHoldsBoth) {
  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  dialog_->PauseCommand();
  dialog_->PlayCommand();  // the rear goes on at once, the front in the next turn
  EXPECT_EQ(rear_->GetState(), PlayerState::kPlaying);
  dialog_->PauseCommand();
  QTest::qWait(20);
  EXPECT_EQ(front_->GetState(), PlayerState::kPaused);
  EXPECT_EQ(rear_->GetState(), PlayerState::kPaused);
  EXPECT_FALSE(dialog_->playback().playing());
  EXPECT_TRUE(PlayShown());
}

TEST_F(TransportInterleaving, RateChosenWhileTheStartAwaitsTheRearReachesBothPlayers) {
  dialog_->OpenFiles(PathTexts({PlaylistPairs::Get().plain[0]}));
  dialog_->playlist().timers().Tick(gui::timer::kPlayOpened);
  WaitForCopies();
  dialog_->playback().timers().Tick(gui::playback_timer::kOpenAndStart);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("front Play"); }, 2000));
  front_->ReportPlaying();                         // the front holds at its first picture; the rear is slow
  dialog_->playback().timers().Tick(gui::playback_timer::kApplyRate);  // the rate of the start is applied already
  QTest::qWait(5);                                 // (the rear's a paced step later)
  ASSERT_TRUE(dialog_->playback().loadPending());
  dialog_->RateUpCommand();
  EXPECT_EQ(dialog_->playback().rate(), 2.0F);
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 2000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return rear_->rate() == 2.0F; }, 2000));
  EXPECT_EQ(front_->rate(), 2.0F);
}

}  // namespace
}  // namespace direvovu::test
