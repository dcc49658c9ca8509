#include "core/display/transport_indicators.h"

#include <gtest/gtest.h>

#include <cmath>

namespace direvovu::display {
namespace {

TEST(TransportIndicators, RateTextsForEveryRateAndOddInput) {
  EXPECT_EQ(RateIndicatorText(1.0F), "x1");
  EXPECT_EQ(RateIndicatorText(2.0F), "x2");
  EXPECT_EQ(RateIndicatorText(8.0F), "x8");
  EXPECT_EQ(RateIndicatorText(0.5F), "x1/2");
  EXPECT_EQ(RateIndicatorText(0.125F), "x1/8");
  // Beyond the buttons' range, or nonsense, stays readable.
  EXPECT_EQ(RateIndicatorText(64.0F), "x8");
  EXPECT_EQ(RateIndicatorText(0.001F), "x1/8");
  EXPECT_EQ(RateIndicatorText(0.0F), "x1");
  EXPECT_EQ(RateIndicatorText(std::nanf("")), "x1");
}

TEST(TransportIndicators, VolumeBarsFollowTheStepWithinTen) {
  EXPECT_EQ(VolumeBarsLit(0), 0);
  EXPECT_EQ(VolumeBarsLit(5), 5);
  EXPECT_EQ(VolumeBarsLit(10), 10);
  EXPECT_EQ(VolumeBarsLit(12), 10);
  EXPECT_EQ(VolumeBarsLit(-1), 0);
}

}  // namespace
}  // namespace direvovu::display
