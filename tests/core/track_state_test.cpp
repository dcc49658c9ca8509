#include "core/recording/track_state.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "comma_locale.h"

namespace direvovu {
namespace {

TrackState TrackOf(std::size_t n, double recordsPerSecond) {
  TrackState track;
  track.records.resize(n);
  track.count = static_cast<std::int32_t>(n);
  track.recordsPerSecond = recordsPerSecond;
  return track;
}

void SetPosition(TrackSecond& r, const char* latitude, const char* longitude) {
  std::strncpy(r.latitudeText, latitude, 12);
  std::strncpy(r.longitudeText, longitude, 12);
}

TEST(NmeaToDecimalDegreesTest, ConvertsDegreesAndMinutes) {
  struct Case {
    const char* text;
    double degrees;
  };
  const Case cases[] = {
      {"3723.4567", 37.390945},
      {"-3723.4567", -37.390945},  // the sign stays on both parts
      {"12658.1234", 126.968723},
      {"-00908.1300", -9.1355},
      {"0", 0},
      {"0000.0000", 0},
      {"", 0},
      {"N3723", 0},
      {" 3723.4567", 37.390945},
      {"+3723.4567", 37.390945},
      {"3723.4567xyz", 37.390945},
      {"nan", 0},
      {"inf", 0},
  };
  for (const auto& c : cases) EXPECT_NEAR(NmeaToDecimalDegrees(c.text), c.degrees, 5e-7) << c.text;
}

TEST(NmeaToDecimalDegreesTest, DoesNotFollowTheProcessLocale) {
  // Window toolkits switch the C locale to the user's; a decimal comma must not cut
  // the minutes off.
  const test::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_NEAR(NmeaToDecimalDegrees("3723.4567"), 37.390945, 5e-7);
}

TEST(TrackRecordIndexTest, ScalesPlayTimeAndStaysInsideTheTrack) {
  const TrackState track = TrackOf(10, 0.5);
  EXPECT_EQ(TrackRecordIndex(track, 0), 0);
  EXPECT_EQ(TrackRecordIndex(track, 5.9), 2);
  EXPECT_EQ(TrackRecordIndex(track, 18), 9);
  EXPECT_EQ(TrackRecordIndex(track, 500), 9);  // beyond the track: the last record
  EXPECT_EQ(TrackRecordIndex(track, -3), 0);
  EXPECT_EQ(TrackRecordIndex(track, 1e300), 9);
  EXPECT_EQ(TrackRecordIndex(track, std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(TrackRecordIndex(TrackOf(0, 0), 3), -1);
}

TEST(LocateTrackPositionTest, TakesThePositionOfTheRecordAtThePlaySecond) {
  TrackState track = TrackOf(3, 1.0);
  SetPosition(track.records[1], "3723.4567", "-12658.1234");
  SetPosition(track.records[2], "-3723.4567", "12700.0000");
  LocateTrackPosition(track, 1);
  EXPECT_NEAR(track.currentLatitude, 37.390945, 5e-7);
  EXPECT_NEAR(track.currentLongitude, -126.968723, 5e-7);
  LocateTrackPosition(track, 40);  // past the end: the last record
  EXPECT_NEAR(track.currentLatitude, -37.390945, 5e-7);
  EXPECT_DOUBLE_EQ(track.currentLongitude, 127.0);
  LocateTrackPosition(track, 0);  // a record without a fix
  EXPECT_EQ(track.currentLatitude, 0);
  EXPECT_FALSE(HasFix(track.currentLatitude, track.currentLongitude));
}

TEST(LocateTrackPositionTest, EmptyTrackClearsAndRatelessTrackKeepsThePosition) {
  TrackState track = TrackOf(2, 0);
  SetPosition(track.records[0], "3723.4567", "12658.1234");
  track.currentLatitude = 1.5;
  track.currentLongitude = 2.5;
  LocateTrackPosition(track, 0);
  EXPECT_EQ(track.currentLatitude, 1.5);

  TrackState empty;
  empty.currentLatitude = 1.5;
  empty.currentLongitude = 2.5;
  LocateTrackPosition(empty, 0);
  EXPECT_EQ(empty.currentLatitude, 0);
  EXPECT_EQ(empty.currentLongitude, 0);
}

TEST(ComputePeakMagnitudeTest, TakesTheLargestMagnitudeCappedAtTwo) {
  TrackState track = TrackOf(3, 1);
  track.records[0].accelZ = 1.0;
  track.records[1].accelX = 0.6;
  track.records[1].accelY = -0.8;
  track.records[1].accelZ = 1.0;
  ComputePeakMagnitude(track);
  EXPECT_DOUBLE_EQ(track.peakMagnitude, std::sqrt(2.0));

  track.records[2].accelX = -5;
  ComputePeakMagnitude(track);
  EXPECT_EQ(track.peakMagnitude, 2.0);

  track.records[2].accelX = std::numeric_limits<double>::quiet_NaN();
  ComputePeakMagnitude(track);
  EXPECT_DOUBLE_EQ(track.peakMagnitude, std::sqrt(2.0));

  track.count = 1;  // only the records in the track count
  ComputePeakMagnitude(track);
  EXPECT_DOUBLE_EQ(track.peakMagnitude, 1.0);

  TrackState empty;
  empty.peakMagnitude = 1.2;
  ComputePeakMagnitude(empty);
  EXPECT_EQ(empty.peakMagnitude, 0);
}

TEST(ResetTrackTest, EmptiesEverything) {
  TrackState track = TrackOf(5, 2);
  track.peakMagnitude = 1;
  track.currentLatitude = 3;
  track.currentLongitude = 4;
  ResetTrack(track);
  EXPECT_TRUE(track.records.empty());
  EXPECT_EQ(track.count, 0);
  EXPECT_EQ(track.recordsPerSecond, 0);
  EXPECT_EQ(track.peakMagnitude, 0);
  EXPECT_EQ(track.currentLatitude, 0);
  EXPECT_EQ(track.currentLongitude, 0);
  EXPECT_TRUE(track.Records().empty());
}

}  // namespace
}  // namespace direvovu
