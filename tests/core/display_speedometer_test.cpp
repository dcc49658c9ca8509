#include <gtest/gtest.h>

#include "core/display/speedometer.h"

namespace direvovu::display {
namespace {

TEST(DisplaySpeedometer, KmhNeedleStepsEveryFiveAndStopsAtTheLastPoint) {
  ASSERT_EQ(NeedleTable(SpeedUnit::Kmh).size(), 40U);
  EXPECT_EQ(NeedleIndex(0, SpeedUnit::Kmh), 0);
  EXPECT_EQ(NeedleIndex(4, SpeedUnit::Kmh), 0);
  EXPECT_EQ(NeedleIndex(5, SpeedUnit::Kmh), 1);
  EXPECT_EQ(NeedleIndex(195, SpeedUnit::Kmh), 39);
  EXPECT_EQ(NeedleEnd(0, SpeedUnit::Kmh), (Point{431, 558}));
  EXPECT_EQ(NeedleEnd(95, SpeedUnit::Kmh), (Point{473, 485}));  // straight up
  EXPECT_EQ(NeedleEnd(200, SpeedUnit::Kmh), (Point{511, 563}));
  EXPECT_EQ(NeedleEnd(5000, SpeedUnit::Kmh), (Point{511, 563}));
  EXPECT_EQ(NeedleIndex(-3, SpeedUnit::Kmh), 0);
}

TEST(DisplaySpeedometer, MphConvertsTruncatesAndStepsBy3Point3) {
  ASSERT_EQ(NeedleTable(SpeedUnit::Mph).size(), 36U);
  EXPECT_EQ(DisplaySpeed(100, SpeedUnit::Mph), 62);  // 62.137…
  EXPECT_EQ(DisplaySpeed(100, SpeedUnit::Kmh), 100);
  EXPECT_EQ(NeedleIndex(62, SpeedUnit::Mph), 18);  // 18.8
  EXPECT_EQ(NeedleEnd(62, SpeedUnit::Mph), (Point{480, 486}));
  EXPECT_EQ(NeedleEnd(DisplaySpeed(200, SpeedUnit::Mph), SpeedUnit::Mph), (Point{510, 567}));
  EXPECT_EQ(NeedleIndex(3, SpeedUnit::Mph), 0);
  EXPECT_EQ(NeedleIndex(4, SpeedUnit::Mph), 1);
}

TEST(DisplaySpeedometer, NumberIsPaddedByTheUnitsThresholds) {
  EXPECT_EQ(SpeedNumberText(9, SpeedUnit::Kmh), "  9");
  EXPECT_EQ(SpeedNumberText(10, SpeedUnit::Kmh), " 10");
  EXPECT_EQ(SpeedNumberText(99, SpeedUnit::Kmh), " 99");
  EXPECT_EQ(SpeedNumberText(100, SpeedUnit::Kmh), "100");
  EXPECT_EQ(SpeedNumberText(16, SpeedUnit::Mph), "  16");
  EXPECT_EQ(SpeedNumberText(17, SpeedUnit::Mph), " 17");
  EXPECT_EQ(SpeedNumberText(169, SpeedUnit::Mph), " 169");
  EXPECT_EQ(SpeedNumberText(170, SpeedUnit::Mph), "170");
}

TEST(DisplaySpeedometer, UnitSettingZeroIsMph) {
  EXPECT_EQ(SpeedUnitFromSetting(0), SpeedUnit::Mph);
  EXPECT_EQ(SpeedUnitFromSetting(1), SpeedUnit::Kmh);
  EXPECT_EQ(SpeedUnitFromSetting(7), SpeedUnit::Kmh);
}

}  // namespace
}  // namespace direvovu::display
