#include "player/media_player.h"

#include <gtest/gtest.h>

#include "core/app/transport.h"

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

// The player follows the window's rule: the same bounds as the rate the window shows.
TEST(PlayerRate, DoublesAndHalvesWithinTheWindowsBounds) {
  EXPECT_FLOAT_EQ(RateUp(1.0F), 2.0F);
  EXPECT_FLOAT_EQ(RateUp(4.0F), 8.0F);
  EXPECT_FLOAT_EQ(RateUp(8.0F), 8.0F);
  EXPECT_FLOAT_EQ(RateDown(1.0F), 0.5F);
  EXPECT_FLOAT_EQ(RateDown(0.25F), 0.125F);
  EXPECT_FLOAT_EQ(RateDown(0.125F), 0.125F);
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
