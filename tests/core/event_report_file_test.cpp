#include "core/reports/event_report_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings/texts.h"
#include "core/settings/utf.h"
#include "temp_folder.h"

namespace direvovu::reports {
namespace {

namespace fs = std::filesystem;

std::string S(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

EventList TwoEvents() {
  EventList list;
  list.Append({"2009/08/07", "14:25:42", 0.125, -0.031, 1.25});
  list.Append({"2009/08/07", "14:25:43", -1.5, 1.5, 0.0});
  return list;
}

// The parts that read the same in every language.
std::string RowsAndRules() {
  const std::string dashes85(85, '-');
  return dashes85 + "\r\n" + "   001" + S(5) + "2009/08/07" + S(5) + "14:25:42" + S(5) + "+0.125" + S(5) +
         "-0.031" + S(5) + "+1.250" + S(10) + "Z" + S(5) + "\r\n" + "   002" + S(5) + "2009/08/07" + S(5) +
         "14:25:43" + S(5) + "-1.500" + S(5) + "+1.500" + S(5) + "+0.000" + S(10) + "X" + S(5) + "\r\n" +
         dashes85 + "\r\n\r\n\r\n";
}

std::string AxisLines(bool russian) {
  const std::string dashes54(54, '-');
  return dashes54 + "\r\n" + S(russian ? 28 : 25) + "X" + S(10) + "Y" + S(11) + "Z" + S(7) + "\r\n" +
         dashes54 + "\r\n";
}

struct LanguageReport {
  int language;
  std::string header;  // the heading line as it must stand, without its line end
  std::string total;   // the totals label with its blanks, before the counts
};

// Written out by hand from the report layout, so a wrong blank in any language shows.
const LanguageReport kReports[] = {
    {0,
     "번호" + S(4) + "이벤트 날짜" + S(3) + "이벤트 시간" + S(7) + "X" + S(9) + "Y" + S(11) + "Z" + S(8) +
         "이벤트 요인",
     "전체 이벤트 요인" + S(8)},
    {1, "   NO.     Event Date     Event Time     X          Y           Z       Event Factor",
     "Total Event Factor" + S(7)},
    {2,
     "   NO." + S(6) + "発生日" + S(18) + "発生時刻" + S(12) + "X" + S(10) + "Y" + S(10) + "Z" + S(10) +
         "イベント要因",
     "イベント要因の合計" + S(11)},
    {3,
     "  序号" + S(6) + "事件日期" + S(6) + "事件时间" + S(8) + "X" + S(10) + "Y" + S(9) + "Z" + S(10) +
         "事件因素",
     "事件因素合计" + S(13)},
    {4,
     "№" + S(4) + "Дата события" + S(2) + "Время события" + S(5) + "X" + S(10) + "Y" + S(11) + "Z" + S(5) +
         "Ось события",
     "Итого по осям" + S(7)},
    {5,
     "  編號" + S(6) + "事件日期" + S(6) + "事件時間" + S(8) + "X" + S(10) + "Y" + S(9) + "Z" + S(10) +
         "事件因素",
     "事件因素合計" + S(13)},
    {6,
     "   Nº" + S(2) + "Data do Evento" + S(9) + "Hora do Evento" + S(8) + "X" + S(10) + "Y" + S(11) + "Z" +
         S(10) + "Fator do Evento",
     "Total por Fator de Evento" + S(14)},
};

std::string ExpectedText(const LanguageReport& r, const EventList& list) {
  const std::string dashes85(85, '-');
  return "\r\n" + dashes85 + "\r\n" + r.header + "\r\n" + RowsAndRules() + AxisLines(r.language == kRussian) +
         r.total + std::to_string(list.counts.x) + S(10) + std::to_string(list.counts.y) + S(10) +
         std::to_string(list.counts.z) + "\r\n";
}

TEST(EventReportBytes, EveryLanguageLaysOutItsHeadingsAndTotals) {
  const EventList list = TwoEvents();
  for (const LanguageReport& r : kReports) {
    SCOPED_TRACE(r.language);
    const std::vector<std::uint8_t> bytes = EventReportBytes(list, r.language);
    ASSERT_GE(bytes.size(), 2U);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const std::string text = Utf16LeToUtf8(std::span(bytes).subspan(2));
    EXPECT_EQ(text, ExpectedText(r, list));
    // The whole file is the byte-order mark and that text, two bytes a character.
    std::vector<std::uint8_t> expected{0xFF, 0xFE};
    const auto body = Utf8ToUtf16Le(ExpectedText(r, list));
    expected.insert(expected.end(), body.begin(), body.end());
    EXPECT_EQ(bytes, expected);
  }
}

TEST(EventReportBytes, StartsWithAnEmptyLineInLittleEndianUtf16) {
  const std::vector<std::uint8_t> bytes = EventReportBytes(TwoEvents(), kEnglish);
  const std::vector<std::uint8_t> start{0xFF, 0xFE, '\r', 0, '\n', 0, '-', 0};
  ASSERT_GE(bytes.size(), start.size());
  EXPECT_TRUE(std::equal(start.begin(), start.end(), bytes.begin()));
  EXPECT_EQ(bytes.size() % 2, 0U);
  // Hangul leaves the Latin range: the Korean heading starts with "번", U+BC88, low byte
  // first, after the mark, the empty line and the 85 dashes with their line end.
  const std::vector<std::uint8_t> korean = EventReportBytes(TwoEvents(), kKorean);
  constexpr std::size_t kHeading = 2 + 4 + 85 * 2 + 4;
  ASSERT_GT(korean.size(), kHeading + 1);
  EXPECT_EQ(korean[kHeading], 0x88);
  EXPECT_EQ(korean[kHeading + 1], 0xBC);
}

TEST(EventReportBytes, AnEmptyListStillHasTheTableAndZeroCounts) {
  const std::string text = EventReportText(EventList{}, kEnglish);
  const std::string dashes85(85, '-');
  EXPECT_NE(text.find(dashes85 + "\r\n" + dashes85 + "\r\n\r\n\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("Total Event Factor" + S(7) + "0" + S(10) + "0" + S(10) + "0\r\n"));
}

TEST(EventReportBytes, ALanguageOutOfRangeWritesTheDefaultLanguage) {
  EXPECT_EQ(EventReportBytes(TwoEvents(), 9), EventReportBytes(TwoEvents(), kDefaultLanguage));
  EXPECT_EQ(EventReportBytes(TwoEvents(), -1), EventReportBytes(TwoEvents(), kDefaultLanguage));
}

TEST(EventReportBytes, OnlyValuesWithoutAMinusGetAPlus) {
  EventList list;
  list.Append({"d", "t", -0.0004, 0.0, 2.0});  // rounds to "-0.000": it keeps its minus, no plus
  const std::string text = EventReportText(list, kEnglish);
  EXPECT_NE(text.find("   001" + S(5) + "d" + S(5) + "t" + S(5) + "-0.000" + S(5) + "+0.000" + S(5) +
                      "+2.000" + S(10) + "Z" + S(5) + "\r\n"),
            std::string::npos);
}

TEST(EventReportFile, NameIsTheMomentOfSaving) {
  EXPECT_EQ(EventReportFileName(CivilTime{2026, 1, 2, 3, 4, 5}), "Event_20260102_030405.txt");
  EXPECT_EQ(EventReportFileName(CivilTime{2009, 12, 31, 23, 59, 59}), "Event_20091231_235959.txt");
}

TEST(EventReportFile, SavingTwiceUnderOneNameReplacesTheFirstReport) {
  TempFolder folder;
  const fs::path file = folder / EventReportFileName(CivilTime{2026, 1, 2, 3, 4, 5});
  ASSERT_TRUE(WriteEventReport(file, TwoEvents(), kEnglish));
  EventList one;
  one.Append({"d", "t", 1, 0, 0});
  ASSERT_TRUE(WriteEventReport(file, one, kKorean));
  const std::string bytes = ReadText(file);
  const auto expected = EventReportBytes(one, kKorean);
  EXPECT_EQ(bytes, std::string(expected.begin(), expected.end()));
  // Nothing but the report is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(EventReportFile, AFolderThatIsNotThereFailsAndLeavesNothing) {
  TempFolder folder;
  EXPECT_FALSE(WriteEventReport(folder / "missing" / "Event_20260102_030405.txt", TwoEvents(), kEnglish));
  EXPECT_FALSE(fs::exists(folder / "missing"));
}

}  // namespace
}  // namespace direvovu::reports
