#include "core/app/frame_step.h"

#include <gtest/gtest.h>

#include <vector>

namespace direvovu {
namespace {

constexpr FrameRate k30{30, 1};
constexpr FrameRate kNtsc{30000, 1001};
constexpr FrameRate k25{25, 1};
constexpr FrameRate k60{60, 1};
constexpr FrameRate kNone{0, 1};

TEST(FrameStep, FrameTimesRoundTripForEveryRate) {
  struct Row {
    FrameRate rate;
    std::int64_t index;
    std::int64_t start_us;
    std::int64_t seek_ms;
  };
  const std::vector<Row> rows = {
      {k30, 0, 0, 0},
      {k30, 1, 33'334, 33},
      {k30, 2, 66'667, 66},
      {k30, 300, 10'000'000, 10'000},
      {kNtsc, 1, 33'367, 33},
      {kNtsc, 30, 1'001'000, 1'001},
      {k25, 3, 120'000, 120},
      // Two hours at 60 frames a second: no overflow on the way.
      {k60, 432'000, 7'200'000'000, 7'200'000},
      {kNone, 5, 0, 0},
      {k30, -3, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.rate.num << "/" << row.rate.den << " #" << row.index);
    EXPECT_EQ(FrameStartUs(row.index, row.rate), row.start_us);
    EXPECT_EQ(FrameSeekMs(row.index, row.rate), row.seek_ms);
    if (row.rate.Known() && row.index >= 0) {
      EXPECT_EQ(FrameAt(row.start_us, row.rate), row.index);
      EXPECT_EQ(FrameAt(row.start_us - 1, row.rate), row.index - (row.index > 0 ? 1 : 0));
      // The millisecond the seek asks for is not after the frame and after the one before.
      EXPECT_LE(row.seek_ms * 1000, row.start_us);
      if (row.index > 0) {
        EXPECT_GT(row.seek_ms * 1000, FrameStartUs(row.index - 1, row.rate));
      }
    }
  }
  EXPECT_EQ(LastFrame(10'000, k30), 299);
  EXPECT_EQ(LastFrame(10'001, k30), 300);  // a frame starts in the last millisecond
  EXPECT_EQ(LastFrame(0, k30), 0);
}

TEST(FrameStep, PlansMoveBothChannelsToTheSameMoment) {
  struct Row {
    const char* name;
    PairStill still;
    bool forward;
    bool planned;
    std::int64_t front_frame;
    std::int64_t position_us;
    std::optional<std::int64_t> front_seek_ms;
    int rear_next;
    std::optional<std::int64_t> rear_seek_ms;
  };
  const std::vector<Row> rows = {
      {"same rate forward", {10, 10'000, k30, k30, 10'000}, true, true, 11, 366'667, {}, 1, {}},
      {"same rate back seeks both", {10, 10'000, k30, k30, 10'000}, false, true, 9, 300'000, 300, 0, 300},
      {"no rear", {10, 10'000, k30, kNone, 0}, true, true, 11, 366'667, {}, 0, {}},
      {"first frame stays", {0, 10'000, k30, k30, 10'000}, false, false, 0, 0, {}, 0, {}},
      {"last frame stays", {299, 10'000, k30, k30, 10'000}, true, false, 0, 0, {}, 0, {}},
      {"a frame past the end is taken as the last",
       {400, 10'000, k30, k30, 10'000},
       true,
       false,
       0,
       0,
       {},
       0,
       {}},
      {"unknown front rate", {10, 10'000, kNone, k30, 10'000}, true, false, 0, 0, {}, 0, {}},
      // A 25 fps rear under a 30 fps front: frame 5 at 166.7 ms shows rear frame 4
      // (160 ms); frame 6 at 200 ms shows rear frame 5; frame 7 at 233 ms still rear 5.
      {"slower rear follows", {5, 10'000, k30, k25, 10'000}, true, true, 6, 200'000, {}, 1, {}},
      {"slower rear keeps its frame", {6, 10'000, k30, k25, 10'000}, true, true, 7, 233'334, {}, 0, {}},
      {"slower rear back", {6, 10'000, k30, k25, 10'000}, false, true, 5, 166'667, 166, 0, 160},
      {"slower rear back keeps its frame",
       {7, 10'000, k30, k25, 10'000},
       false,
       true,
       6,
       200'000,
       200,
       0,
       {}},
      // A 60 fps rear moves two of its frames for each of the front's.
      {"faster rear", {10, 10'000, k30, k60, 10'000}, true, true, 11, 366'667, {}, 2, {}},
      // A shorter rear stays at its last frame.
      {"rear shorter", {200, 10'000, k30, k30, 5'000}, true, true, 201, 6'700'000, {}, 0, {}},
      {"rear shorter, back from past it",
       {151, 10'000, k30, k30, 5'000},
       false,
       true,
       150,
       5'000'000,
       5'000,
       0,
       {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<FrameStepPlan> plan = PlanFrameStep(row.still, row.forward);
    ASSERT_EQ(plan.has_value(), row.planned);
    if (!plan) continue;
    EXPECT_EQ(plan->front_frame, row.front_frame);
    EXPECT_EQ(plan->position_us, row.position_us);
    EXPECT_EQ(plan->front_next, row.forward);
    EXPECT_EQ(plan->front_seek_ms, row.front_seek_ms);
    EXPECT_EQ(plan->rear_next, row.rear_next);
    EXPECT_EQ(plan->rear_seek_ms, row.rear_seek_ms);
  }
}

TEST(FrameStep, RearFrameIsNeverAfterTheFront) {
  for (const FrameRate rear : {k25, k30, kNtsc, k60}) {
    const PairStill still{0, 60'000, k30, rear, 60'000};
    for (std::int64_t front = 0; front < 1800; ++front) {
      const std::int64_t rear_frame = RearFrameFor(still, front);
      const std::int64_t front_us = FrameStartUs(front, k30);
      ASSERT_LE(FrameStartUs(rear_frame, rear), front_us) << front;
      ASSERT_GT(FrameStartUs(rear_frame + 1, rear), front_us) << front;
    }
  }
}

}  // namespace
}  // namespace direvovu
