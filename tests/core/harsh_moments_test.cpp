// The harsh-moment rules on hand-made tracks: each rule at its edges, then the merging.
#include "core/library/harsh_moments.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace direvovu::library {
namespace {

constexpr int kNoFix = -1;  // a speed entry for a record without a position

// Records one a second with these speeds (kNoFix: no position), gravity on z.
std::vector<TrackSecond> Speeds(const std::vector<int>& speeds) {
  std::vector<TrackSecond> records(speeds.size());
  for (std::size_t i = 0; i < speeds.size(); ++i) {
    records[i].accelZ = 1.0;
    if (speeds[i] == kNoFix) continue;
    std::strcpy(records[i].latitudeText, "3730.0000");
    std::strcpy(records[i].longitudeText, "12700.0000");
    records[i].speed = speeds[i];
  }
  return records;
}

struct SpeedCase {
  const char* name;
  std::vector<int> speeds;
  std::vector<HarshMoment> expected;
};

TEST(HarshMoments, SpeedRulesAtTheirEdges) {
  using K = MomentKind;
  const std::vector<SpeedCase> cases{
      {"braking by 12 from 20", {20, 8}, {{1, K::Braking, -12}}},
      {"braking by 11 is not harsh", {20, 9}, {}},
      {"braking from 19 is not harsh", {19, 7}, {}},
      {"braking hard from speed", {60, 30}, {{1, K::Braking, -30}}},
      {"acceleration by 12", {0, 12}, {{1, K::Acceleration, 12}}},
      {"acceleration by 11 is not harsh", {0, 11}, {}},
      {"acceleration from speed", {50, 70}, {{1, K::Acceleration, 20}}},
      {"the earlier record has no fix", {kNoFix, 40, 40}, {}},
      {"the later record has no fix", {40, kNoFix, 10}, {}},
      {"a drop across a gap is not a step", {40, kNoFix, kNoFix, 10}, {}},
      {"steady driving", {50, 51, 49, 50, 50}, {}},
      {"one record", {80}, {}},
  };
  for (const SpeedCase& c : cases) {
    EXPECT_EQ(DetectHarshMoments(Speeds(c.speeds)), c.expected) << c.name;
  }
}

struct ShockCase {
  const char* name;
  double baseline;  // the axis' usual value (its median)
  double peak;      // one record's value
  int axis;         // 0 x, 1 y, 2 z
  bool harsh;
};

TEST(HarshMoments, ShockIsMeasuredFromTheAxisMedian) {
  const std::vector<ShockCase> cases{
      {"0.8 g above gravity", 1.0, 1.8, 2, true},
      {"0.79 g above gravity", 1.0, 1.79, 2, false},
      {"0.8 g below a tilted mount", 0.1, -0.7, 0, true},
      {"0.79 g below a tilted mount", 0.1, -0.69, 0, false},
      {"sideways 0.8 g", -0.25, 0.55, 1, true},
      {"gravity itself counts for nothing", 1.0, 1.0, 2, false},
  };
  for (const ShockCase& c : cases) {
    std::vector<TrackSecond> records = Speeds(std::vector<int>(9, kNoFix));
    double TrackSecond::*axis = c.axis == 0   ? &TrackSecond::accelX
                                : c.axis == 1 ? &TrackSecond::accelY
                                              : &TrackSecond::accelZ;
    // Values as the sensor writes them: floats.
    for (TrackSecond& r : records) r.*axis = static_cast<float>(c.baseline);
    records[4].*axis = static_cast<float>(c.peak);
    const auto moments = DetectHarshMoments(records);
    ASSERT_EQ(moments.size(), c.harsh ? 1U : 0U) << c.name;
    if (!c.harsh) continue;
    EXPECT_EQ(moments[0].second, 4) << c.name;
    EXPECT_EQ(moments[0].kind, MomentKind::Shock) << c.name;
    EXPECT_NEAR(moments[0].value, c.peak - c.baseline, 1e-6) << c.name;
  }
}

TEST(HarshMoments, TheMedianIgnoresTheShocksThemselves) {
  // Half of an even track sits at one value: the median is the middle pair's mean.
  std::vector<TrackSecond> records = Speeds(std::vector<int>(4, kNoFix));
  const float x[] = {0.0F, 0.0F, 0.4F, 1.2F};  // median 0.2: only 1.2 deviates by 1.0
  for (std::size_t i = 0; i < 4; ++i) records[i].accelX = x[i];
  const auto moments = DetectHarshMoments(records);
  ASSERT_EQ(moments.size(), 1U);
  EXPECT_EQ(moments[0].second, 3);
  EXPECT_NEAR(moments[0].value, 1.0, 1e-6);
}

TEST(HarshMoments, CloseMomentsOfOneKindAreOne) {
  using K = MomentKind;
  const std::vector<SpeedCase> cases{
      {"4 s apart: one, the first second, the largest value",
       {40, 28, 28, 28, 28, 10},
       {{1, K::Braking, -18}}},
      {"5 s apart: two", {40, 28, 28, 28, 28, 28, 16}, {{1, K::Braking, -12}, {6, K::Braking, -12}}},
      {"a run of steps each within 5 s is one",
       {0, 12, 12, 12, 12, 24, 24, 24, 24, 40},
       {{1, K::Acceleration, 16}}},
      {"kinds apart are not merged", {40, 20, 20, 40}, {{1, K::Braking, -20}, {3, K::Acceleration, 20}}},
  };
  for (const SpeedCase& c : cases) {
    EXPECT_EQ(DetectHarshMoments(Speeds(c.speeds)), c.expected) << c.name;
  }
  // Shocks merge the same way, the value of largest magnitude whatever its sign.
  std::vector<TrackSecond> records = Speeds(std::vector<int>(20, kNoFix));
  records[2].accelY = 0.9F;
  records[5].accelY = -1.5F;
  records[12].accelX = 0.85F;
  const auto shocks = DetectHarshMoments(records);
  ASSERT_EQ(shocks.size(), 2U);
  EXPECT_EQ(shocks[0].second, 2);
  EXPECT_NEAR(shocks[0].value, -1.5, 1e-6);
  EXPECT_EQ(shocks[1].second, 12);
}

TEST(HarshMoments, KindNamesRoundTrip) {
  for (const MomentKind k : {MomentKind::Braking, MomentKind::Acceleration, MomentKind::Shock}) {
    EXPECT_EQ(MomentKindOfName(MomentKindName(k)), k);
  }
  EXPECT_FALSE(MomentKindOfName("Braking").has_value());
}

}  // namespace
}  // namespace direvovu::library
