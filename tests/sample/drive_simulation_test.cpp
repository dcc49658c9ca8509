#include "drive_simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace direvovu::sample {
namespace {

bool Same(const DriveSecond& a, const DriveSecond& b) {
  const bool same_position = a.position.has_value() == b.position.has_value() &&
                             (!a.position || (a.position->latitude == b.position->latitude &&
                                              a.position->longitude == b.position->longitude));
  return a.accel_x == b.accel_x && a.accel_y == b.accel_y && a.accel_z == b.accel_z &&
         a.speed_kmh == b.speed_kmh && same_position;
}

double MetresBetween(const GeoPoint& a, const GeoPoint& b) {
  const double dy = (a.latitude - b.latitude) * 110540.0;
  const double dx = (a.longitude - b.longitude) * 111320.0 * std::cos(a.latitude * 3.14159265 / 180.0);
  return std::hypot(dx, dy);
}

std::vector<DriveSecond> Drive(int seconds, std::uint32_t seed = 1) {
  DriveOptions options;
  options.seconds = seconds;
  options.seed = seed;
  return SimulateDrive(options);
}

TEST(DriveSimulation, SameOptionsSameDriveOtherSeedOtherDrive) {
  const auto a = Drive(300), b = Drive(300), c = Drive(300, 2);
  ASSERT_EQ(a.size(), 300u);
  EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), Same));
  EXPECT_FALSE(std::equal(a.begin(), a.end(), c.begin(), Same));
}

TEST(DriveSimulation, OffsetContinuesTheSameDrive) {
  const auto whole = Drive(120);
  DriveOptions later;
  later.seconds = 60;
  later.offset_seconds = 60;
  const auto part = SimulateDrive(later);
  ASSERT_EQ(part.size(), 60u);
  EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + 60, Same));
}

TEST(DriveSimulation, PlausibleCityDriving) {
  const auto drive = Drive(1800);
  int stopped = 0, hard_braking = 0;
  double top = 0;
  for (std::size_t i = 0; i < drive.size(); ++i) {
    const auto& s = drive[i];
    ASSERT_TRUE(s.position);
    EXPECT_GE(s.speed_kmh, 0);
    EXPECT_LE(s.speed_kmh, 66);
    EXPECT_NEAR(s.accel_z, 1.0, 0.1);
    EXPECT_LE(std::fabs(s.accel_y), 0.6);
    EXPECT_GT(s.accel_x, -0.75);
    EXPECT_LT(s.accel_x, 0.4);
    // Central Lisbon, between the river and Marquês de Pombal.
    EXPECT_NEAR(s.position->latitude, 38.716, 0.012);
    EXPECT_NEAR(s.position->longitude, -9.145, 0.012);
    if (i > 0) {
      // The car moves about as far as its speed says.
      const double mean_speed = (drive[i - 1].speed_kmh + s.speed_kmh) / 2 / 3.6;
      EXPECT_NEAR(MetresBetween(drive[i - 1].position.value(), s.position.value()), mean_speed,
                  2.0 + mean_speed * 0.2);
    }
    stopped += s.speed_kmh == 0;
    hard_braking += s.accel_x < -0.5;
    top = std::max(top, s.speed_kmh);
  }
  EXPECT_GT(stopped, 60);      // waits at lights
  EXPECT_LT(stopped, 900);     // but mostly drives
  EXPECT_GE(hard_braking, 1);  // braking spikes on the G-sensor
  EXPECT_GT(top, 40);
}

TEST(DriveSimulation, EvenAShortDrivePullsAwayAndBrakesHard) {
  const auto drive = Drive(90);
  EXPECT_TRUE(std::any_of(drive.begin(), drive.end(), [](const DriveSecond& s) { return s.accel_x < -0.5; }));
}

TEST(DriveSimulation, StartMovesTheRoute) {
  DriveOptions options;
  options.seconds = 30;
  options.start = GeoPoint{37.5665, 126.9780};
  const auto drive = SimulateDrive(options);
  EXPECT_NEAR(drive[0].position->latitude, 37.5665, 1e-9);
  EXPECT_NEAR(drive[0].position->longitude, 126.9780, 1e-9);
  for (const auto& s : drive) EXPECT_LT(MetresBetween(*s.position, *options.start), 3000);
}

TEST(DriveSimulation, FirstSecondsWithoutFix) {
  DriveOptions options;
  options.seconds = 10;
  options.no_fix_seconds = 3;
  const auto drive = SimulateDrive(options);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(drive[i].position.has_value(), i >= 3) << i;
    if (i < 3) {
      EXPECT_EQ(drive[i].speed_kmh, 0);
    }
  }
}

TEST(DriveSimulation, ImpactSpikeInTheMiddleThenStandstill) {
  DriveOptions options;
  options.seconds = 120;
  options.impact = true;
  const auto drive = SimulateDrive(options);
  const auto& hit = drive[60];
  EXPECT_GT(std::sqrt(hit.accel_x * hit.accel_x + hit.accel_y * hit.accel_y + hit.accel_z * hit.accel_z),
            2.0);
  for (std::size_t i = 60; i < 120; ++i) EXPECT_EQ(drive[i].speed_kmh, 0) << i;
  for (std::size_t i = 0; i < 60; ++i) {
    const auto& s = drive[i];
    EXPECT_LT(std::sqrt(s.accel_x * s.accel_x + s.accel_y * s.accel_y + s.accel_z * s.accel_z), 1.4) << i;
  }
}

TEST(DriveSimulation, ParkedCarStaysPutUntilKnocked) {
  DriveOptions options;
  options.seconds = 40;
  options.parked = true;
  options.impact = true;
  const auto drive = SimulateDrive(options);
  for (const auto& s : drive) {
    EXPECT_EQ(s.speed_kmh, 0);
    EXPECT_EQ(s.position->latitude, drive[0].position->latitude);
    EXPECT_EQ(s.position->longitude, drive[0].position->longitude);
  }
  const auto& knock = drive[20];
  EXPECT_GT(std::sqrt(knock.accel_x * knock.accel_x + knock.accel_y * knock.accel_y +
                      knock.accel_z * knock.accel_z),
            2.0);
  EXPECT_NEAR(drive[19].accel_z, 1.0, 0.05);
}

TEST(DriveSimulation, RouteIsAClosedLoop) {
  const auto& route = CityRoute();
  ASSERT_GE(route.size(), 10u);
  EXPECT_EQ(route.front().latitude, route.back().latitude);
  EXPECT_EQ(route.front().longitude, route.back().longitude);
}

}  // namespace
}  // namespace direvovu::sample
