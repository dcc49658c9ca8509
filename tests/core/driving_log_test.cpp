// The driving log: records from bytes, refused files, and the step distance.
#include <gtest/gtest.h>

#include <cmath>

#include "core/map/driving_log.h"
#include "driving_log_bytes.h"

namespace direvovu::map {
namespace {

using test::LogBytes;
using test::Utc;

TEST(DrivingLogParse, RecordsAreWholeThirtyTwoByteRunsAndTheTailIsIgnored) {
  LogBytes log;
  log.Add(Utc(2012, 3, 14, 9, 5, 7), "3728.2182", "12702.5189", 305)
      .Add(Utc(2012, 3, 14, 9, 5, 17), "-3330.0000", "-05830.0000", 9);
  std::vector<std::uint8_t> bytes = log.bytes();
  bytes.resize(95, 0xAB);  // 31 bytes of a third record that never finished
  const ParsedLog parsed = ParseDrivingLog(bytes);
  ASSERT_TRUE(parsed.Loaded());
  ASSERT_EQ(parsed.records.size(), 2U);
  const LogRecord& first = parsed.records[0];
  EXPECT_EQ((CivilTime{first.year, first.month, first.day, first.hour, first.minute, first.second}),
            (CivilTime{2012, 3, 14, 9, 5, 7}));
  EXPECT_STREQ(first.latitudeText, "3728.2182");
  EXPECT_EQ(first.speed, 30);  // tenths, truncated
  EXPECT_NEAR(first.latitude, 37.470303, 1e-6);
  EXPECT_NEAR(first.longitude, 127.041982, 1e-6);
  // South and west keep their sign on degrees and minutes alike.
  EXPECT_NEAR(parsed.records[1].latitude, -33.5, 1e-9);
  EXPECT_NEAR(parsed.records[1].longitude, -58.5, 1e-9);
  EXPECT_EQ(parsed.records[1].speed, 0);
  EXPECT_EQ(parsed.records[1].stepDistance, 0);  // the last record has no step
}

TEST(DrivingLogParse, ShortFilesAndYearsBeyond2100AreRefusedWithNoRecordsLeft) {
  EXPECT_EQ(ParseDrivingLog(std::vector<std::uint8_t>{}).refusal, LogRefusal::TooShort);
  EXPECT_EQ(ParseDrivingLog(std::vector<std::uint8_t>(31, 1)).refusal, LogRefusal::TooShort);
  EXPECT_EQ(ParseDrivingLog(std::vector<std::uint8_t>(33, 0)).records.size(), 1U);

  LogBytes log;
  log.Add(Utc(2012, 3, 14, 9, 0, 0), "3728.2182", "12702.5189", 0)
      .Add(Utc(2101, 1, 1, 0, 0, 0), "3728.2182", "12702.5189", 0);
  const ParsedLog parsed = ParseDrivingLog(log.bytes());
  EXPECT_EQ(parsed.refusal, LogRefusal::BadYear);
  EXPECT_TRUE(parsed.records.empty());
  // The last moment of 2100 is still a year the camera may write.
  LogBytes edge;
  edge.Add(Utc(2100, 12, 31, 23, 59, 59), "0", "0", 0);
  EXPECT_TRUE(ParseDrivingLog(edge.bytes()).Loaded());
}

TEST(DrivingLogParse, JunkTextsReadAsNoFixAndFullTextsStayTerminated) {
  LogBytes log;
  log.Add(Utc(2012, 3, 14, 9, 0, 0), "abc\xff\x01", "\x80\x80", 12)
      .Add(Utc(2012, 3, 14, 9, 0, 10), "123456789012", "-12345678901", 0xFFFFFFFFU);
  const ParsedLog parsed = ParseDrivingLog(log.bytes());
  ASSERT_TRUE(parsed.Loaded());
  EXPECT_FALSE(parsed.records[0].HasFix());
  EXPECT_EQ(parsed.records[0].stepDistance, 0);
  EXPECT_EQ(std::string(parsed.records[1].latitudeText).size(), 12U);
  EXPECT_EQ(parsed.records[1].speed, 429496729);
}

TEST(DrivingLogParse, TenMillionBytesWithoutAFixLoadWithoutDistance) {
  const std::vector<std::uint8_t> zeros(10'000'000, 0);
  const ParsedLog parsed = ParseDrivingLog(zeros);
  ASSERT_TRUE(parsed.Loaded());
  ASSERT_EQ(parsed.records.size(), 312'500U);
  EXPECT_EQ(parsed.records.back().year, 1970);
  for (const LogRecord& r : parsed.records) ASSERT_EQ(r.stepDistance, 0);
}

// A reader that fails after its first bytes, as a card pulled out mid-read.
class FailingReader final : public ByteReader {
 public:
  [[nodiscard]] std::uint64_t Size() const override { return 32 * 10000; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    return offset == 0 ? 0 : out.size();
  }
};

TEST(DrivingLogParse, AReadFailureRefusesTheLog) {
  FailingReader reader;
  const ParsedLog parsed = ParseDrivingLog(reader);
  EXPECT_EQ(parsed.refusal, LogRefusal::ReadFailed);
  EXPECT_TRUE(parsed.records.empty());
}

TEST(DrivingLogDistance, ShortStepsMatchTheEllipsoid) {
  EXPECT_EQ(StepDistance(37.5, 127.0, 37.5, 127.0), 0);
  // A thousandth of a degree of latitude at 37.5° is about 110.99 m on WGS-84.
  EXPECT_NEAR(StepDistance(37.5, 127.0, 37.501, 127.0), 0.11099, 0.0002);
  // Along the equator a thousandth of a degree is 111.3 m; one evaluation without
  // iteration stays within half a percent of it.
  EXPECT_NEAR(StepDistance(0.0001, 10.0, 0.0001, 10.001), 0.111319, 0.0005);
  // Symmetric.
  EXPECT_NEAR(StepDistance(37.5, 127.0, 37.5012, 127.0031), StepDistance(37.5012, 127.0031, 37.5, 127.0),
              1e-12);
}

TEST(DrivingLogDistance, TheSingleArcTangentTurnsFarStepsNegativeAndTheyCountZero) {
  // Seoul to the no-fix point (0, 0) is more than a quarter of the globe away.
  const double seoul_to_nowhere = StepDistance(37.5665, 126.978, 0, 0);
  EXPECT_LT(seoul_to_nowhere, -6000);
  EXPECT_LT(StepDistance(37.5, 127.0, -37.5, -53.0), 0);

  LogRecord seoul;
  seoul.latitude = 37.5665;
  seoul.longitude = 126.978;
  LogRecord nofix;
  LogRecord opposite;
  opposite.latitude = -37.5;
  opposite.longitude = -53.0;
  LogRecord jump = seoul;
  jump.latitude += 0.02;  // about 2.2 km: a GPS jump
  LogRecord near = seoul;
  near.latitude += 0.001;
  EXPECT_EQ(CountedStepDistance(seoul, nofix), 0);
  EXPECT_EQ(CountedStepDistance(nofix, seoul), 0);
  EXPECT_EQ(CountedStepDistance(seoul, opposite), 0);
  EXPECT_EQ(CountedStepDistance(seoul, jump), 0);
  EXPECT_GT(CountedStepDistance(seoul, near), 0.1);
  // Only the longitude missing is no fix either.
  LogRecord half = seoul;
  half.longitude = 0;
  EXPECT_EQ(CountedStepDistance(seoul, half), 0);
}

}  // namespace
}  // namespace direvovu::map
