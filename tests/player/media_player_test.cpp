#include "player/media_player.h"

#include <gtest/gtest.h>


namespace direvovu {
namespace {

TEST(PlayerState, MapsLibvlc3NumbersByMeaning) {
  EXPECT_EQ(PlayerStateFromLibvlc(0), PlayerState::kIdle);
  EXPECT_EQ(PlayerStateFromLibvlc(1), PlayerState::kOpening);
  EXPECT_EQ(PlayerStateFromLibvlc(2), PlayerState::kBuffering);
  EXPECT_EQ(PlayerStateFromLibvlc(3), PlayerState::kPlaying);
  EXPECT_EQ(PlayerStateFromLibvlc(4), PlayerState::kPaused);
  EXPECT_EQ(PlayerStateFromLibvlc(5), PlayerState::kStopped);
  // In libvlc 3, 6 is "ended" (it meant "forward" in the old numbering) and 7 is "error".
  EXPECT_EQ(PlayerStateFromLibvlc(6), PlayerState::kEnded);
  EXPECT_EQ(PlayerStateFromLibvlc(7), PlayerState::kError);
  EXPECT_EQ(PlayerStateFromLibvlc(8), PlayerState::kError);
  EXPECT_EQ(PlayerStateFromLibvlc(-1), PlayerState::kError);
}

TEST(PlayerVolume, StepIsTenPercentOfLibvlcScale) {
  EXPECT_EQ(LibvlcVolumeFromStep(0), 0);
  EXPECT_EQ(LibvlcVolumeFromStep(5), 50);
  EXPECT_EQ(LibvlcVolumeFromStep(10), 100);
  EXPECT_EQ(LibvlcVolumeFromStep(11), 100);
  EXPECT_EQ(LibvlcVolumeFromStep(-3), 0);
  EXPECT_EQ(VolumeStepFromLibvlc(50), 5);
  EXPECT_EQ(VolumeStepFromLibvlc(100), 10);
  EXPECT_EQ(VolumeStepFromLibvlc(200), 10);
  EXPECT_EQ(VolumeStepFromLibvlc(-1), 0);
}

}  // namespace
}  // namespace direvovu
