// direvovu-sample drivelog as the viewer reads it: one trip a day, the records without a
// fix, the stops, the GPS jump that adds nothing; and the options it refuses.
#include <gtest/gtest.h>

#include <cmath>

#include "core/map/driving_log.h"
#include "core/map/trips.h"
#include "drive_log.h"

namespace direvovu::sample {
namespace {

DriveLogOptions ThreeDays() {
  DriveLogOptions options;
  options.out = "unused.dat";
  options.start = {2026, 12, 6, 8, 10, 0};
  options.days = 3;
  options.minutes = 10;
  return options;
}

TEST(DriveLog, TheViewerReadsOneTripADayWithStopsAndRecordsWithoutAFix) {
  const auto bytes = MakeDriveLog(ThreeDays());
  const map::ParsedLog log = map::ParseDrivingLog(bytes);
  ASSERT_TRUE(log.Loaded());
  const int per_day = 10 * 60 / kLogIntervalSeconds + 12;
  ASSERT_EQ(log.records.size(), static_cast<std::size_t>(3 * per_day));
  for (int day = 0; day < 3; ++day) {
    const auto& first = log.records[static_cast<std::size_t>(day * per_day)];
    EXPECT_FALSE(first.HasFix());
    EXPECT_EQ(first.day, 6 + day);
    EXPECT_EQ(first.hour, 8);
    EXPECT_TRUE(log.records[static_cast<std::size_t>(day * per_day + 3)].HasFix());
  }
  const auto trips = map::BuildTrips(log.records);
  ASSERT_EQ(trips.size(), 3U);
  for (const auto& trip : trips) {
    EXPECT_GT(trip.distance, 1.0);
    EXPECT_LT(trip.distance, 12.0);
    EXPECT_GE(trip.stoppedSeconds, 110);  // the parked minutes at least
    EXPECT_GT(trip.maximumSpeed, 20);
  }
}

TEST(DriveLog, TheGpsJumpIsOneRecordFarOffWhoseStepsAddNothing) {
  const auto with_jump = map::ParseDrivingLog(MakeDriveLog(ThreeDays()));
  DriveLogOptions plain = ThreeDays();
  plain.gps_jump = false;
  const auto without = map::ParseDrivingLog(MakeDriveLog(plain));
  int jumps = 0;
  for (std::size_t i = 0; i < with_jump.records.size(); ++i) {
    const double off = std::fabs(with_jump.records[i].latitude - without.records[i].latitude);
    if (off > 0.04) {
      ++jumps;
      EXPECT_EQ(with_jump.records[i].stepDistance, 0);
      EXPECT_EQ(with_jump.records[i - 1].stepDistance, 0);
    }
  }
  EXPECT_EQ(jumps, 1);
}

TEST(DriveLog, OptionsAreCheckedAndTheSameOptionsGiveTheSameLog) {
  const std::vector<std::string_view> good{"--out", "x.dat", "--start", "2026-12-06T08:10:00", "--days", "2"};
  const auto parsed = ParseDriveLogOptions(good);
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->days, 2);
  EXPECT_EQ(MakeDriveLog(*parsed.options), MakeDriveLog(*parsed.options));
  for (const std::vector<std::string_view>& bad :
       {std::vector<std::string_view>{"--out", "x.dat"},
        {"--start", "2026-12-06T08:10:00"},
        {"--out", "x.dat", "--start", "2026-13-06T08:10:00"},
        {"--out", "x.dat", "--start", "2026-12-06T08:10:00", "--days", "0"},
        {"--out", "x.dat", "--start", "2026-12-06T08:10:00", "--minutes"},
        {"--bogus"}}) {
    EXPECT_FALSE(ParseDriveLogOptions(bad).options);
  }
  EXPECT_TRUE(ParseDriveLogOptions(std::vector<std::string_view>{"--help"}).help_requested);
}

}  // namespace
}  // namespace direvovu::sample
