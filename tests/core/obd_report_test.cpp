#include "core/map/obd_report.h"

#include <gtest/gtest.h>

#include <string>

#include "comma_locale.h"
#include "core/settings/utf.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

const std::string S(5, ' ');

DrivingSecond Sample() {
  DrivingSecond second;
  second.SetInt(DrivingSecond::kDrivingSeconds, 5400);
  second.SetInt(DrivingSecond::kSuddenStarts, 2);
  second.SetInt(DrivingSecond::kSuddenAccelerations, 3);
  second.SetFloat(DrivingSecond::kDistanceKm, 12.5F);
  second.SetFloat(DrivingSecond::kAverageEconomy, 11.75F);
  second.SetFloat(DrivingSecond::kFuelLitres, 3.25F);
  second.SetFloat(DrivingSecond::kCarbonKg, 7.5F);
  return second;
}

TEST(ObdReport, FieldsAreWordsReadAsIntsOrFloats) {
  DrivingSecond second = Sample();
  EXPECT_EQ(second.words[0], 5400U);
  EXPECT_EQ(second.words[7], 0x41480000U);  // 12.5f
  EXPECT_EQ(second.Float(DrivingSecond::kDistanceKm), 12.5F);
  second.SetInt(DrivingSecond::kSuddenStarts, -1);
  EXPECT_EQ(second.words[5], 0xFFFFFFFFU);
  EXPECT_EQ(sizeof(second.words), 76U);
}

TEST(ObdReport, StampAndFileNameComeFromTheRecordingsLastNineteenCharacters) {
  const auto stamp = ObdStampOf("/card/Blackbox/drf0_20110305_090703.mp4");
  ASSERT_TRUE(stamp);
  EXPECT_EQ(stamp->year, "2011");
  EXPECT_EQ(stamp->minute, "07");
  EXPECT_EQ(ObdReportFileName(*stamp), "OBD_2011.03.05_09.07.txt");
  EXPECT_FALSE(ObdStampOf("/card/short.mp4"));
}

TEST(ObdReport, RecordIndexFollowsThePlayPositionAndStaysInTheTrack) {
  EXPECT_EQ(ObdRecordIndex(0, 1, 60), std::optional<std::size_t>(0));
  EXPECT_EQ(ObdRecordIndex(2999, 1, 60), std::optional<std::size_t>(2));
  EXPECT_EQ(ObdRecordIndex(2999, 2, 60), std::optional<std::size_t>(4));
  EXPECT_EQ(ObdRecordIndex(600000, 1, 60), std::optional<std::size_t>(59));
  EXPECT_EQ(ObdRecordIndex(-5, 1, 60), std::optional<std::size_t>(0));
  EXPECT_EQ(ObdRecordIndex(1000, 1, 0), std::nullopt);
}

TEST(ObdReport, BytesAreTheKoreanLayoutWithoutAFinalLineBreak) {
  const auto stamp = ObdStampOf("drf0_20110305_090703.mp4");
  ASSERT_TRUE(stamp);
  const std::vector<std::uint8_t> bytes = ObdReportBytes(*stamp, Sample());
  ASSERT_GE(bytes.size(), 2U);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  const std::string dashes(122, '-');
  const std::string expected = dashes + "\r\n" + "\t 날자" + S + S + "시간" + S + "\t총운행시간" + S +
                               "총운행거리" + S + "총연료소모량" + S + "평균연비" + S + "총탄소배출량" + S +
                               "총급출발/총급가속\r\n" + dashes + "\r\n" + "2011/03/05" + S + "\t09:07" + S +
                               "\t1시간 30분" + S + " 12.50Km" + S + "\t    3.25L" + S + "\t   11.75L" + S +
                               "\t7.50KgCO2" + S + "\t     2/3" + S;
  EXPECT_EQ(Utf16LeToUtf8(std::span(bytes).subspan(2)), expected);
  std::vector<std::uint8_t> whole{0xFF, 0xFE};
  const auto body = Utf8ToUtf16Le(expected);
  whole.insert(whole.end(), body.begin(), body.end());
  EXPECT_EQ(bytes, whole);
  // The report is a file: its numbers keep the point under a decimal-comma locale.
  const test::CommaLocale comma;
  if (comma.active()) {
    EXPECT_EQ(ObdReportBytes(*stamp, Sample()), whole);
  }
}

TEST(ObdReport, ExtremeValuesStillFormat) {
  DrivingSecond second;
  second.SetInt(DrivingSecond::kDrivingSeconds, 59);  // under a minute
  second.SetFloat(DrivingSecond::kDistanceKm, 3.0e38F);
  second.SetFloat(DrivingSecond::kCarbonKg, -1.0F);
  const auto bytes = ObdReportBytes(ObdStamp{"2011", "03", "05", "09", "07"}, second);
  const std::string text = Utf16LeToUtf8(std::span(bytes).subspan(2));
  EXPECT_NE(text.find("\t0시간 0분"), std::string::npos);
  EXPECT_NE(text.find(".00Km"), std::string::npos);
  EXPECT_NE(text.find("-1.00KgCO2"), std::string::npos);
}

TEST(ObdReport, WrittenIntoTheFolderUnderTheRecordingsMinute) {
  TempFolder root;
  const auto file = WriteObdReport(root.path(), "/card/drf0_20110305_090703.mp4", Sample());
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, root.path() / "OBD_2011.03.05_09.07.txt");
  const std::string text = ReadText(*file);
  const auto expected = ObdReportBytes(*ObdStampOf("drf0_20110305_090703.mp4"), Sample());
  EXPECT_EQ(text, std::string(expected.begin(), expected.end()));
  // The folder is not made here: without it nothing is written.
  EXPECT_FALSE(WriteObdReport(root / "OBD", "/card/drf0_20110305_090703.mp4", Sample()));
  EXPECT_FALSE(fs::exists(root / "OBD"));
  EXPECT_FALSE(WriteObdReport(root.path(), "x.mp4", Sample()));
}

}  // namespace
}  // namespace direvovu
