#include "core/recording/card_layout.h"

#include <gtest/gtest.h>

namespace direvovu {
namespace {

using Path = std::filesystem::path;

TEST(CardLayoutTest, DrivingRecordingKeepsItsTwoFolders) {
  const auto plan = PlanCardCopy("/media/card", "/home/u/DirevOvu/SD",
                                 "/media/card/Blackbox/20090807/drf0_20090807_142530.mp4");
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->frontTarget, Path("/home/u/DirevOvu/SD/Blackbox/20090807/drf0_20090807_142530.mp4"));
  ASSERT_EQ(plan->folders.size(), 2u);
  EXPECT_EQ(plan->folders[0], Path("/home/u/DirevOvu/SD/Blackbox"));
  EXPECT_EQ(plan->folders[1], Path("/home/u/DirevOvu/SD/Blackbox/20090807"));
  EXPECT_EQ(plan->rearSource, Path("/media/card/Blackbox/20090807/drf1_20090807_142530.mp4"));
  EXPECT_EQ(plan->rearTarget, Path("/home/u/DirevOvu/SD/Blackbox/20090807/drf1_20090807_142530.mp4"));
}

TEST(CardLayoutTest, EventAndParkingRecordingsKeepTheirFolder) {
  for (const char* folder : {"Event", "Parking"}) {
    const auto plan =
        PlanCardCopy("/media/card/", "/dl", Path("/media/card") / folder / "drf0_20090807_142530.mp4");
    ASSERT_TRUE(plan) << folder;
    EXPECT_EQ(plan->frontTarget, Path("/dl") / folder / "drf0_20090807_142530.mp4");
    ASSERT_EQ(plan->folders.size(), 1u);
    EXPECT_EQ(plan->folders[0], Path("/dl") / folder);
  }
}

// Deeper folders are mirrored as they are instead of losing the file name.
TEST(CardLayoutTest, DeeperFoldersAreMirrored) {
  const auto plan = PlanCardCopy("/c", "/dl", "/c/Event/0807/drf0_20090807_142530.mp4");
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->frontTarget, Path("/dl/Event/0807/drf0_20090807_142530.mp4"));
  EXPECT_EQ(plan->folders.size(), 2u);
}

TEST(CardLayoutTest, RecordingAtTheRootNeedsNoFolder) {
  const auto plan = PlanCardCopy("/c", "/dl", "/c/drf0_20090807_142530.mp4");
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->frontTarget, Path("/dl/drf0_20090807_142530.mp4"));
  EXPECT_TRUE(plan->folders.empty());
}

TEST(CardLayoutTest, RefusesPathsOutsideTheCard) {
  EXPECT_FALSE(PlanCardCopy("/c", "/dl", "/other/Event/drf0_20090807_142530.mp4"));
  EXPECT_FALSE(PlanCardCopy("/c", "/dl", "/c/../etc/drf0_20090807_142530.mp4"));
  EXPECT_FALSE(PlanCardCopy("/c", "/dl", "/c"));
  EXPECT_FALSE(PlanCardCopy("/c", "/dl", "/c/Event/"));
  EXPECT_FALSE(PlanCardCopy("/c", "/dl", "relative/drf0_20090807_142530.mp4"));
}

}  // namespace
}  // namespace direvovu
