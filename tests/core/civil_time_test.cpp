#include "core/civil_time.h"

#include <gtest/gtest.h>

namespace direvovu {
namespace {

TEST(CivilTimeTest, CalendarRulesOfTheCenturies) {
  EXPECT_EQ(DaysInMonth(2000, 2), 29);  // divisible by 400
  EXPECT_EQ(DaysInMonth(2100, 2), 28);  // by 100 only
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 0), 0);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(CivilTimeTest, OnlyRealMomentsAreValid) {
  EXPECT_TRUE(IsValidCivilTime({2024, 2, 29, 23, 59, 59}));
  EXPECT_FALSE(IsValidCivilTime({2023, 2, 29, 12, 0, 0}));
  EXPECT_FALSE(IsValidCivilTime({2023, 1, 0, 12, 0, 0}));
  EXPECT_FALSE(IsValidCivilTime({2023, 1, 1, 24, 0, 0}));
  EXPECT_FALSE(IsValidCivilTime({2023, 1, 1, 0, 60, 0}));
  EXPECT_FALSE(IsValidCivilTime({2023, 1, 1, 0, 0, 60}));
  EXPECT_FALSE(IsValidCivilTime({2023, 1, 1, 0, -1, 0}));
}

TEST(CivilTimeTest, SecondsCountAcrossMonthAndYearEnds) {
  EXPECT_EQ(SecondsSinceEpoch({1970, 1, 1, 0, 0, 0}), 0);
  EXPECT_EQ(SecondsSinceEpoch({1971, 1, 1, 0, 0, 0}) - SecondsSinceEpoch({1970, 12, 31, 23, 59, 59}), 1);
  EXPECT_EQ(SecondsSinceEpoch({2024, 3, 1, 0, 0, 0}) - SecondsSinceEpoch({2024, 2, 28, 0, 0, 0}), 2 * 86400);
}

TEST(CivilTimeTest, AddingSecondsCrossesDaysYearsAndTheEpochBothWays) {
  struct Case {
    CivilTime from;
    std::int64_t seconds;
    CivilTime to;
  } const cases[] = {
      {{2012, 12, 31, 23, 59, 59}, 1, {2013, 1, 1, 0, 0, 0}},
      {{2024, 3, 1, 0, 0, 0}, -1, {2024, 2, 29, 23, 59, 59}},
      {{1970, 1, 1, 0, 0, 0}, -1, {1969, 12, 31, 23, 59, 59}},
      {{1969, 12, 31, 23, 0, 0}, 3600 * 25, {1970, 1, 2, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(AddSeconds(c.from, c.seconds), c.to) << c.seconds;
}

TEST(CivilTimeTest, NowIsAValidMoment) { EXPECT_TRUE(IsValidCivilTime(LocalNow())); }

}  // namespace
}  // namespace direvovu
