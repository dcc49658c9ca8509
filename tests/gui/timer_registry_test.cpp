#include "gui/controls/timer_registry.h"

#include <gtest/gtest.h>

#include <QTest>

#include <array>

namespace direvovu::gui {
namespace {

TEST(TimerRegistry, StartRestartsAndStopIsHarmlessWhenIdle) {
  TimerRegistry timers;
  int ticks = 0;
  timers.Define(1, 1000, false, [&] { ++ticks; });
  EXPECT_FALSE(timers.IsActive(1));
  timers.Stop(1);  // not running: nothing happens
  EXPECT_TRUE(timers.Start(1));
  EXPECT_TRUE(timers.Start(1));  // running: restarted, not doubled
  EXPECT_TRUE(timers.IsActive(1));
  EXPECT_EQ(timers.ActiveIds(), std::vector<int>{1});
  timers.Tick(1);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(timers.IsActive(1));  // a periodic timer keeps running after its tick
  timers.Stop(1);
  EXPECT_FALSE(timers.IsActive(1));
}

TEST(TimerRegistry, OneShotStopsItselfBeforeItsWorkRuns) {
  TimerRegistry timers;
  bool active_during_tick = true;
  timers.Define(7, 10, true, [&] { active_during_tick = timers.IsActive(7); });
  ASSERT_TRUE(timers.Start(7));
  timers.Tick(7);
  EXPECT_FALSE(active_during_tick);
  EXPECT_FALSE(timers.IsActive(7));
}

TEST(TimerRegistry, OneShotMayRestartItselfFromItsTick) {
  TimerRegistry timers;
  int ticks = 0;
  timers.Define(3, 5, true, [&] {
    if (++ticks < 3) timers.Start(3);
  });
  timers.Start(3);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }, 5000));
  EXPECT_FALSE(timers.IsActive(3));
}

TEST(TimerRegistry, UndefinedIdsAndNonPositivePeriodsDoNotStart) {
  TimerRegistry timers;
  timers.Define(2, 0, false, [] {});
  EXPECT_FALSE(timers.Start(2));
  EXPECT_FALSE(timers.Start(99));
  EXPECT_FALSE(timers.Start(99, 100));
  EXPECT_FALSE(timers.IsActive(99));
  timers.Tick(99);  // nothing to run, nothing breaks
}

TEST(TimerRegistry, PeriodOverrideAndGroupStop) {
  TimerRegistry timers;
  for (int id : {10, 11, 12}) timers.Define(id, 1000, false, [] {});
  EXPECT_EQ(timers.Period(10), 1000);
  timers.Start(10, 7000);  // the marker interval
  EXPECT_EQ(timers.Period(10), 7000);
  timers.Start(11);
  timers.Start(12);
  const std::array group{10, 11};
  timers.StopAll(group);
  EXPECT_EQ(timers.ActiveIds(), std::vector<int>{12});
  timers.StopEverything();
  EXPECT_TRUE(timers.ActiveIds().empty());
}

TEST(TimerRegistry, RealTimerTicksRunTheHandler) {
  TimerRegistry timers;
  int ticks = 0;
  timers.Define(5, 5, false, [&] { ++ticks; });
  timers.Start(5);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
}

}  // namespace
}  // namespace direvovu::gui
