// Trips of a driving log: the cut by date, the figures, the row texts and the drawn route.
#include <gtest/gtest.h>

#include "core/map/trips.h"
#include "core/settings/texts.h"
#include "driving_log_bytes.h"

namespace direvovu::map {
namespace {

using test::LogBytes;
using test::Utc;

std::vector<LogRecord> Records(const LogBytes& log) {
  ParsedLog parsed = ParseDrivingLog(log.bytes());
  EXPECT_TRUE(parsed.Loaded());
  return std::move(parsed.records);
}

TEST(Trips, TwoRecordsOfOneDayMakeOneTripWithTheFirstRecordsFigures) {
  LogBytes log;
  log.Add(Utc(2012, 3, 14, 9, 5, 7), "3728.2182", "12702.5189", 300)
      .Add(Utc(2012, 3, 14, 9, 5, 17), "3728.2782", "12702.5189", 450);
  const auto records = Records(log);
  const auto trips = BuildTrips(records);
  ASSERT_EQ(trips.size(), 1U);
  const TripSummary& t = trips[0];
  EXPECT_EQ(t.number, "   001");
  EXPECT_EQ(t.date, "2012-03-14");
  EXPECT_EQ(t.times, "9:5:7~9:5:17");
  EXPECT_EQ(t.startIndex, 0);
  EXPECT_EQ(t.endIndex, 1);
  EXPECT_EQ(t.drivingSeconds, 10);
  EXPECT_EQ(t.stoppedSeconds, 0);
  EXPECT_DOUBLE_EQ(t.averageSpeed, 30);
  EXPECT_DOUBLE_EQ(t.maximumSpeed, 30);
  EXPECT_GT(records[0].stepDistance, 0.1);
  EXPECT_DOUBLE_EQ(t.distance, records[0].stepDistance);
  const TripInfoTexts info = TripInfo(t, kKorean);
  EXPECT_EQ(info.drivingTime, "00:00:10");
  EXPECT_EQ(info.stoppedTime, "00:00:00");
  EXPECT_EQ(info.averageSpeed, "30.0");
  EXPECT_EQ(info.maximumSpeed, "30.0");
}

TEST(Trips, TwoDatesGiveTwoRowsAndTheSecondTracesFromTheFirstOnesLastRecord) {
  LogBytes log;
  log.Add(Utc(2012, 3, 14, 23, 59, 40), "3728.2182", "12702.5189", 300)
      .Add(Utc(2012, 3, 14, 23, 59, 50), "3728.2782", "12702.5189", 300)
      .Add(Utc(2012, 3, 15, 8, 0, 0), "3728.2782", "12702.5789", 200)
      .Add(Utc(2012, 3, 15, 8, 0, 10), "3728.3382", "12702.5789", 0);
  const auto trips = BuildTrips(Records(log));
  ASSERT_EQ(trips.size(), 2U);
  EXPECT_EQ(trips[0].endIndex, 1);
  EXPECT_EQ(trips[1].startIndex, 1);
  EXPECT_EQ(trips[1].endIndex, 3);
  EXPECT_EQ(trips[1].number, "   002");
  EXPECT_EQ(trips[1].date, "2012-03-15");
  // The row (and the trip's own records) start at the record after the first trip's end.
  EXPECT_EQ(trips[1].times, "8:0:0~8:0:10");
  EXPECT_EQ(trips[0].firstRecord, 0);
  EXPECT_EQ(trips[1].firstRecord, 2);
}

TEST(Trips, ADayWithoutDistanceCountsIntoTheNextTrip) {
  LogBytes log;
  log.Add(Utc(2012, 3, 13, 10, 0, 0), "3728.2182", "12702.5189", 0)  // parked all day
      .Add(Utc(2012, 3, 13, 10, 0, 10), "3728.2182", "12702.5189", 0)
      .Add(Utc(2012, 3, 14, 9, 0, 0), "3728.2182", "12702.5189", 300)
      .Add(Utc(2012, 3, 14, 9, 0, 10), "3728.2782", "12702.5189", 300);
  const auto trips = BuildTrips(Records(log));
  ASSERT_EQ(trips.size(), 1U);
  EXPECT_EQ(trips[0].startIndex, 0);
  EXPECT_EQ(trips[0].date, "2012-03-14");
  EXPECT_EQ(trips[0].times, "10:0:0~9:0:10");
  EXPECT_EQ(trips[0].stoppedSeconds, 10);  // the parked day's sample
  EXPECT_EQ(trips[0].drivingSeconds, 10);
  EXPECT_DOUBLE_EQ(trips[0].averageSpeed, 30);
}

TEST(Trips, GpsJumpsAndRecordsWithoutAFixAddNoDistance) {
  LogBytes plain;
  plain.Add(Utc(2013, 5, 1, 9, 0, 0), "3733.9900", "12658.6800", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 10), "3734.0500", "12658.6800", 300);
  const double straight = BuildTrips(Records(plain))[0].distance;
  ASSERT_GT(straight, 0.1);

  // The same step, then no fix and the same place again, a jump across the globe and
  // back, and a jump of 2 km.
  LogBytes broken;
  broken.Add(Utc(2013, 5, 1, 9, 0, 0), "3733.9900", "12658.6800", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 10), "3734.0500", "12658.6800", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 15), "0", "0", 0)
      .Add(Utc(2013, 5, 1, 9, 0, 20), "3734.0500", "12658.6800", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 25), "-3734.0500", "-05301.3200", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 30), "3734.0500", "12658.6800", 300)
      .Add(Utc(2013, 5, 1, 9, 0, 35), "3734.0500", "12700.0000", 300);
  const auto trips = BuildTrips(Records(broken));
  ASSERT_EQ(trips.size(), 1U);
  EXPECT_NEAR(trips[0].distance, straight, 1e-12);
}

TEST(Trips, AStopSouthOfTheEquatorIsAStop) {
  LogBytes log;
  log.Add(Utc(2014, 6, 1, 12, 0, 0), "-2332.0000", "-04638.0000", 0)  // São Paulo, at a light
      .Add(Utc(2014, 6, 1, 12, 0, 10), "-2332.0000", "-04638.0000", 0)
      .Add(Utc(2014, 6, 1, 12, 0, 20), "-2332.0000", "-04638.0000", 400)
      .Add(Utc(2014, 6, 1, 12, 0, 30), "-2332.0600", "-04638.0000", 400);
  const auto trips = BuildTrips(Records(log));
  ASSERT_EQ(trips.size(), 1U);
  EXPECT_EQ(trips[0].stoppedSeconds, 20);
  EXPECT_EQ(trips[0].drivingSeconds, 10);
  EXPECT_DOUBLE_EQ(trips[0].averageSpeed, 40);
}

TEST(Trips, ATripWithoutMovingSamplesAveragesZero) {
  // Creeping at under 1 km/h: the camera reports 0 while the position moves.
  LogBytes log;
  log.Add(Utc(2014, 6, 1, 12, 0, 0), "3728.2182", "12702.5189", 5)
      .Add(Utc(2014, 6, 1, 12, 0, 10), "3728.2282", "12702.5189", 5);
  const auto trips = BuildTrips(Records(log));
  ASSERT_EQ(trips.size(), 1U);
  EXPECT_EQ(trips[0].drivingSeconds, 0);
  EXPECT_EQ(trips[0].averageSpeed, 0);
  EXPECT_EQ(TripInfo(trips[0], kKorean).averageSpeed, "0.0");
}

TEST(Trips, EveryDayOfAMonthIsATripBeyondTwentyFour) {
  LogBytes log;
  for (int day = 1; day <= 30; ++day) {
    log.Add(Utc(2015, 4, day, 8, 0, 0), "3728.2182", "12702.5189", 300)
        .Add(Utc(2015, 4, day, 8, 0, 10), "3728.2782", "12702.5189", 300);
  }
  const auto trips = BuildTrips(Records(log));
  ASSERT_EQ(trips.size(), 30U);
  EXPECT_EQ(trips.back().number, "   030");
  EXPECT_EQ(trips.back().endIndex, 59);
}

TEST(Trips, LogsWithoutDistanceHaveNoTrips) {
  LogBytes nofix;
  for (int i = 0; i < 5; ++i) nofix.Add(Utc(2015, 4, 1, 8, 0, i * 10), "0", "0", 300);
  EXPECT_TRUE(BuildTrips(Records(nofix)).empty());
  LogBytes one;
  one.Add(Utc(2015, 4, 1, 8, 0, 0), "3728.2182", "12702.5189", 300);
  EXPECT_TRUE(BuildTrips(Records(one)).empty());
  EXPECT_TRUE(BuildTrips({}).empty());
}

TEST(Trips, TheDrawnRouteSkipsRepeatsAndPointsWithoutAFix) {
  LogBytes log;
  log.Add(Utc(2012, 3, 14, 9, 0, 0), "3728.2182", "12702.5189", 300)
      .Add(Utc(2012, 3, 14, 9, 0, 10), "3728.2182", "12702.5189", 0)
      .Add(Utc(2012, 3, 14, 9, 0, 20), "0", "0", 0)
      .Add(Utc(2012, 3, 14, 9, 0, 30), "3728.2782", "12702.5189", 300)
      .Add(Utc(2012, 3, 14, 9, 0, 40), "3728.2782", "12702.5789", 300);
  const auto records = Records(log);
  const auto trips = BuildTrips(records);
  ASSERT_EQ(trips.size(), 1U);
  const auto points = TripRoutePoints(records, trips[0]);
  ASSERT_EQ(points.size(), 3U);
  EXPECT_NEAR(points[0].latitude, 37.470303, 1e-6);
  EXPECT_NEAR(points[2].longitude, 127.042982, 1e-6);
}

TEST(TripTexts, EnglishShowsMilesAndEveryOtherLanguageKilometres) {
  TripSummary trip;
  trip.distance = 10.0;
  trip.averageSpeed = 50.0;
  trip.maximumSpeed = 100.0;
  trip.drivingSeconds = 3 * 3600 + 25 * 60 + 7;
  EXPECT_EQ(TripInfo(trip, kEnglish).distance, "6.2");
  EXPECT_EQ(TripInfo(trip, kEnglish).maximumSpeed, "62.1");
  EXPECT_EQ(TripInfo(trip, kKorean).distance, "10.0");
  EXPECT_EQ(TripInfo(trip, kRussian).averageSpeed, "50.0");
  EXPECT_EQ(TripInfo(trip, kKorean).drivingTime, "03:25:07");
  EXPECT_EQ(DurationText(100 * 3600), "100:00:00");
  EXPECT_EQ(DistanceUnitLabel(kEnglish), "mile");
  EXPECT_EQ(SpeedUnitLabel(kEnglish), "mile/h");
  EXPECT_EQ(DistanceUnitLabel(kJapanese), "km");
  EXPECT_EQ(SpeedUnitLabel(kPortugueseBrazil), "km/h");
  LogRecord r;
  r.year = 2012, r.month = 3, r.day = 4, r.hour = 5, r.minute = 6, r.second = 7;
  EXPECT_EQ(RecordDateText(r), "2012.03.04");
  EXPECT_EQ(RecordTimeText(r), "05:06:07");
}

}  // namespace
}  // namespace direvovu::map
