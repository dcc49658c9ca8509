// A pause that comes while the paced steps of a seek or of a resume still run: the
// pictures stay paused, as the PLAY button says.
#include <gtest/gtest.h>

#include <QTest>

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
  EXPECT_FALSE(dialog_->isPlaying());
  EXPECT_TRUE(PlayShown());
}

}  // namespace
}  // namespace direvovu::test
