// The transport of the main window with fake players: play, pause and stop, seeking,
// the rate, the volume and the keys.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include <algorithm>

#include "core/recording/recording_name.h"
#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/controls/bitmap_slider.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using test::PlaylistPairs;
using Playlist = test::PlaylistTest;

TEST_F(Playlist, PauseHoldsBothChannelsAndPlayResumesRearFirst) {
  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  ASSERT_FALSE(PlayShown());
  log_->clear();
  dialog_->PauseCommand();
  EXPECT_EQ(*log_, (std::vector<std::string>{"front Pause", "rear Pause"}));
  EXPECT_FALSE(dialog_->playback().playing());
  EXPECT_TRUE(PlayShown());
  log_->clear();
  dialog_->PlayCommand();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("front Play"); }, 2000));
  EXPECT_EQ(*log_, (std::vector<std::string>{"rear Play", "front Play"}));
  EXPECT_TRUE(dialog_->playback().playing());
  EXPECT_FALSE(PlayShown());
  // Play while playing: the players never settle, the command is dropped after its tries.
  log_->clear();
  dialog_->PlayCommand();
  QTest::qWait(50);
  EXPECT_TRUE(log_->empty());
}

TEST_F(Playlist, StopDoesNotWaitForAPlayerThatNeverSettles) {
  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  dialog_->StopCommand();
  EXPECT_FALSE(dialog_->playback().loaded());
  EXPECT_TRUE(PlayShown());
  EXPECT_FALSE(dialog_->playback().stopSettling());  // the fakes stop at once
  EXPECT_EQ(front_->GetState(), PlayerState::kStopped);

  // A player stuck "playing": the window goes on and gives up after its bound.
  OpenAndPlay({PlaylistPairs::Get().plain[1]});
  front_->IgnoreStop(true);
  dialog_->StopCommand();
  EXPECT_EQ(front_->GetState(), PlayerState::kPlaying);
  EXPECT_TRUE(PlayShown());
  EXPECT_TRUE(dialog_->playback().stopSettling());
  // The window keeps answering while it waits: a timer of its own still fires.
  bool answered = false;
  QTimer::singleShot(50, dialog_.get(), [&] { answered = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 1000));
  EXPECT_TRUE(dialog_->playback().stopSettling());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().stopSettling(); }, 6000));
  front_->IgnoreStop(false);
  // Play cannot start over a player that is still busy.
  dialog_->PlayCommand();
  EXPECT_FALSE(dialog_->playback().loadPending());
  front_->SetState(PlayerState::kStopped);
  dialog_->PlayCommand();
  EXPECT_TRUE(dialog_->playback().loadPending());
}

// The next row's copies are made while a row plays, so the advance does not copy; a
// change of the list throws them away.
TEST_F(Playlist, NextRowIsPreparedAheadAndTheAdvanceUsesIt) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  OpenAndPlay({pairs.plain[0], pairs.plain[1], pairs.plain[2]});
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return dialog_->playback().preparedRecording() == pairs.plain[1]; }, 5000));
  front_->ReportEnd();
  dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[1]);
  // No copy to wait for: the players open at the next tick.
  EXPECT_EQ(dialog_->playback().state(), PlaybackState::Opening);
  EXPECT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
  EXPECT_EQ(fs::file_size(folders_->front_copy()), fs::file_size(pairs.plain[1]));
  EXPECT_GT(dialog_->playback().track().count, 0);
  FinishLoad();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return dialog_->playback().preparedRecording() == pairs.plain[2]; }, 5000));
  const fs::path ahead = folders_->front_copy().string() + ".next";
  EXPECT_TRUE(fs::exists(ahead));
  list_->SelectRow(2);
  dialog_->playlist().DeleteSelected();
  EXPECT_TRUE(dialog_->playback().preparedRecording().empty());
  EXPECT_FALSE(fs::exists(ahead));
}

TEST_F(Playlist, KeysToggleSeekAndChangeTheRate) {
  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  dialog_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  dialog_->activateWindow();
  front_->SetClock(10'000, 60'000);
  log_->clear();
  // The focused slider takes its arrows as a slider does: one step.
  Slider()->setFocus();
  Slider()->SetPos(1000);
  QTest::keyClick(dialog_.get(), Qt::Key_Right);
  EXPECT_EQ(Slider()->GetPos(), 1001);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("rear SetTime(6006)"); }, 2000));
  EXPECT_FALSE(Logged("rear SetTime(15000)"));
  // Elsewhere they seek five seconds.
  ListView()->setFocus();
  front_->SetClock(10'000, 60'000);
  log_->clear();
  QTest::keyClick(dialog_.get(), Qt::Key_Right);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("rear SetTime(15000)"); }, 2000));
  QTest::keyClick(dialog_.get(), Qt::Key_Space);
  EXPECT_FALSE(dialog_->playback().playing());
  QTest::keyClick(dialog_.get(), Qt::Key_Space);
  EXPECT_TRUE(dialog_->playback().playing());
  QTest::keyClick(dialog_.get(), Qt::Key_BracketRight);
  EXPECT_FLOAT_EQ(dialog_->playback().rate(), 2.0F);
  QTest::keyClick(dialog_.get(), Qt::Key_BracketLeft);
  QTest::keyClick(dialog_.get(), Qt::Key_BracketLeft);
  EXPECT_FLOAT_EQ(dialog_->playback().rate(), 0.5F);
}

TEST_F(Playlist, VolumeStaysBetweenZeroAndTenAndReachesTheFrontPlayer) {
  for (int i = 0; i < 7; ++i) dialog_->VolumeUpCommand();
  EXPECT_EQ(front_->GetVolume(), 10);
  EXPECT_TRUE(Logged("front SetVolume(10)"));
  EXPECT_FALSE(Logged("rear SetVolume(10)"));
  for (int i = 0; i < 12; ++i) dialog_->VolumeDownCommand();
  EXPECT_EQ(front_->GetVolume(), 0);
}

TEST_F(Playlist, RearChannelAloneSeeksWithoutPausing) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  const fs::path here = RootPath();
  const fs::path front = here / pairs.plain[0].filename();
  fs::copy_file(RearCompanionPath(pairs.plain[0]), RearCompanionPath(front));
  dialog_->OpenFiles(test::PathTexts({front}));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  ASSERT_TRUE(dialog_->playback().loadPending());
  WaitForCopies();
  ASSERT_FALSE(dialog_->playback().frontPresent());
  dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);
  QTest::qWait(5);
  rear_->SetClock(1'000, 60'000);
  log_->clear();
  dialog_->SeekCommand(5000);
  QTest::qWait(20);
  EXPECT_EQ(*log_, std::vector<std::string>{"rear SetTime(30000)"});
}

}  // namespace
}  // namespace direvovu::gui
