#include "track_box.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

namespace direvovu::sample {
namespace {

std::string Text(const std::array<char, 12>& field) {
  return std::string(field.data(), strnlen(field.data(), 12));
}

// The viewer's reading of an NMEA text: v = value / 100, degrees = trunc(v) + frac × 100 / 60.
double ViewerDegrees(const std::array<char, 12>& field) {
  const double v = std::strtod(Text(field).c_str(), nullptr) / 100.0;
  const double d = std::trunc(v);
  return d + (v - d) * 100.0 / 60.0;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}

std::uint32_t Be32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) |
         std::uint32_t{b[at + 3]};
}

TEST(NmeaText, DegreesAndMinutesWithSignAndPadding) {
  struct Case {
    double degrees;
    int digits;
    const char* text;
  };
  for (const Case& c : {Case{38.7077, 2, "3842.4620"}, Case{-9.1355, 3, "-00908.1300"},
                        Case{-37.390945, 2, "-3723.4567"}, Case{126.9784, 3, "12658.7040"},
                        Case{0.5, 2, "0030.0000"}, Case{59.999999999, 2, "6000.0000"},  // minutes carry
                        Case{-180.0, 3, "-18000.0000"}}) {
    const auto field = FormatNmeaCoordinate(c.degrees, c.digits);
    EXPECT_EQ(Text(field), c.text) << c.degrees;
    EXPECT_EQ(field[11], '\0') << c.degrees;
  }
}

TEST(NmeaText, ViewerReadsBackThePosition) {
  for (double degrees = -89.5; degrees < 90; degrees += 7.3217) {
    EXPECT_NEAR(ViewerDegrees(FormatNmeaCoordinate(degrees, 2)), degrees, 2e-6) << degrees;
    EXPECT_NEAR(ViewerDegrees(FormatNmeaCoordinate(degrees * 2, 3)), degrees * 2, 2e-6) << degrees;
  }
}

TEST(TrackRecords, OneASecondWithNoFixTexts) {
  std::vector<DriveSecond> drive(3);
  drive[0].speed_kmh = 0;  // no position: no fix
  drive[1].position = GeoPoint{38.7077, -9.1355};
  drive[1].speed_kmh = 43.26;
  drive[2].position = GeoPoint{38.7078, -9.1356};
  drive[2].speed_kmh = 12.349;
  drive[2].accel_x = -0.6;
  const auto records = MakeTrackRecords(drive, 1331715907);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[2].epoch_second, 1331715909u);
  EXPECT_EQ(Text(records[0].latitude), "0");
  EXPECT_EQ(Text(records[0].longitude), "0");
  EXPECT_EQ(records[0].speed_tenths, 0u);
  EXPECT_EQ(Text(records[1].longitude), "-00908.1300");
  EXPECT_EQ(records[1].speed_tenths, 433u);
  EXPECT_EQ(records[2].speed_tenths, 123u);
  EXPECT_FLOAT_EQ(records[2].accel_x, -0.6f);
}

TEST(TrackBox, ChildrenInOrderWithLittleEndianEntries) {
  std::vector<TrackRecord> records(2);
  records[0] = {
      1331715907, 0.1f, -0.2f, 1.0f, FormatNmeaCoordinate(38.7077, 2), FormatNmeaCoordinate(-9.1355, 3), 433};
  records[1] = {
      1331715908, -0.6f, 0.05f, 0.98f, FormatNmeaCoordinate(38.7078, 2), FormatNmeaCoordinate(-9.1356, 3), 0};
  const auto box = BuildTrackBox(records);
  ASSERT_EQ(box.size(), 8u + (8 + 2 * 4) + (8 + 2 * 12) + (8 + 2 * 28));
  EXPECT_EQ(Be32(box, 0), box.size());
  EXPECT_EQ(std::string(box.begin() + 4, box.begin() + 8), "dvtk");
  EXPECT_EQ(Be32(box, 8), 16u);
  EXPECT_EQ(std::string(box.begin() + 12, box.begin() + 16), "TIME");
  EXPECT_EQ(Le32(box, 16), 1331715907u);
  EXPECT_EQ(Le32(box, 20), 1331715908u);
  EXPECT_EQ(Be32(box, 24), 32u);
  EXPECT_EQ(std::string(box.begin() + 28, box.begin() + 32), "SENS");
  EXPECT_EQ(std::bit_cast<float>(Le32(box, 32 + 12)), -0.6f);
  EXPECT_EQ(std::bit_cast<float>(Le32(box, 32 + 20)), 0.98f);
  EXPECT_EQ(Be32(box, 56), 64u);
  EXPECT_EQ(std::string(box.begin() + 60, box.begin() + 64), "GPSI");
  EXPECT_EQ(std::string(box.begin() + 64, box.begin() + 73), "3842.4620");
  EXPECT_EQ(box[73], 0);
  EXPECT_EQ(std::string(box.begin() + 76, box.begin() + 87), "-00908.1300");
  EXPECT_EQ(Le32(box, 88), 433u);
  EXPECT_EQ(Le32(box, 88 + 28), 0u);
}

TEST(TrackBox, EmptyTrackIsThreeEmptyChildren) {
  const auto box = BuildTrackBox({});
  EXPECT_EQ(box.size(), 32u);
  EXPECT_EQ(Be32(box, 8), 8u);
}

}  // namespace
}  // namespace direvovu::sample
