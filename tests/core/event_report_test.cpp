#include "core/reports/event_report.h"

#include <gtest/gtest.h>

#include <string>

#include "core/display/event_text.h"
#include "core/limits.h"
#include "temp_folder.h"

namespace direvovu::reports {
namespace {

namespace fs = std::filesystem;

std::string Event(int n, const std::string& date, const std::string& x, const std::string& y,
                  const std::string& z) {
  return "[Event" + std::to_string(n) + "]\r\nDate=" + date + "\r\nTime=12:00:0" + std::to_string(n % 10) +
         "\r\nG_Sensor_X=" + x + "\r\nG_Sensor_Y=" + y + "\r\nG_Sensor_Z=" + z + "\r\n";
}

TEST(EventReportRules, FactorIsTheLargestAxisAndTiesGoToXThenY) {
  EXPECT_EQ(EventFactor(-1.5, 1.5, 0.2), EventAxis::X);
  EXPECT_EQ(EventFactor(0.1, 0.9, -0.9), EventAxis::Y);
  EXPECT_EQ(EventFactor(0.1, 0.2, -0.3), EventAxis::Z);
  EXPECT_EQ(EventFactor(0, 0, 0), EventAxis::X);
  EXPECT_EQ(EventFactor(0.5, -2, 1), EventAxis::Y);
}

TEST(EventReportRules, RowTextsAsTheListShowsThem) {
  EXPECT_EQ(EventNumberText(1), "   001");
  EXPECT_EQ(EventNumberText(1234), "   1234");
  EXPECT_EQ(EventValueText(0.125), "0.125");
  EXPECT_EQ(EventValueText(-0.03125), "-0.031");
  EXPECT_EQ(EventValueText(1.25), "1.250");
  EventList list;
  list.Append({"2009/08/07", "14:25:42", 0.125, -0.031, 1.25});
  list.Append({"2009/08/07", "14:25:43", -1.5, 1.5, 0.2});
  ASSERT_EQ(list.rows.size(), 2U);
  EXPECT_EQ(list.rows[1].number, "   002");
  EXPECT_EQ(list.rows[0].z, "1.250");
  EXPECT_EQ(list.rows[0].factor, EventAxis::Z);
  EXPECT_EQ(list.counts, (EventCounts{1, 0, 1}));
}

TEST(EventReportRules, FileNameComesFromTheFileNotTheFolder) {
  const struct {
    const char* found;
    const char* read;
  } cases[] = {
      // A folder holding "drf0" or "mp4" must not change which file is read.
      {"/cards/drf0mp4/Event/drf_20090807_142530.txt", "drf_20090807_142530.txt"},
      // Names other than the camera's 23 characters are read as they are: a "drf0" file
      // beside its "drf" twin is not read as the twin.
      {"/e/drf0_20090807_142530.txt", "drf0_20090807_142530.txt"},
      {"/e/notes.txt", "notes.txt"},
      {"/e/drf_2009080_142530.txt", "drf_2009080_142530.txt"},
      {"/e/drf_20090807_142530_b.txt", "drf_20090807_142530_b.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(EventFileName(c.found), c.read) << c.found;
}

TEST(EventReportFolder, RowsAreNumberedOnAcrossFilesInNameOrder) {
  TempFolder folder;
  WriteText(folder / "drf_20090807_150000.txt", Event(1, "B1", "0", "0.2", "0"));
  WriteText(
      folder / "drf_20090807_140000.txt",
      Event(1, "A1", "0.1", "0", "0") + Event(2, "A2", "0", "0", "-0.9") + Event(4, "A4", "1", "0", "0"));
  WriteText(folder / "readme.md", Event(1, "NO", "1", "0", "0"));
  fs::create_directories(folder / "sub.txt");
  WriteText(folder / "sub.txt" / "drf_20090807_130000.txt", Event(1, "DEEP", "1", "0", "0"));
  CardWorkTables tables;
  const EventList list = ReadEventFolder(folder.path(), tables);
  ASSERT_EQ(list.rows.size(), 3U);
  EXPECT_EQ(list.rows[0].date, "A1");
  EXPECT_EQ(list.rows[1].date, "A2");  // Event4 is not read: Event3 is missing
  EXPECT_EQ(list.rows[2].date, "B1");
  EXPECT_EQ(list.rows[2].number, "   003");
  EXPECT_EQ(list.counts, (EventCounts{1, 1, 1}));
  EXPECT_EQ(tables.recordings().size(), 2U);
}

TEST(EventReportFolder, BadFilesAddNothingAndTheRestIsRead) {
  TempFolder folder;
  std::string junk(5000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 37 % 256);
  WriteText(folder / "drf_20090807_100000.txt", junk);
  // UTF-16 with its byte-order mark is read as the INI reader reads it.
  const std::string ascii = Event(1, "U16", "nan", "inf", "-0.5");
  std::string utf16 = "\xFF\xFE";
  for (const char c : ascii) utf16 += std::string{c, '\0'};
  WriteText(folder / "drf_20090807_110000.txt", utf16);
  WriteText(folder / "drf_20090807_120000.txt", std::string(5 * 1024 * 1024, 'a'));  // over the INI limit
  CardWorkTables tables;
  const EventList list = ReadEventFolder(folder.path(), tables);
  ASSERT_EQ(list.rows.size(), 1U);
  EXPECT_EQ(list.rows[0].date, "U16");
  EXPECT_EQ(list.rows[0].x, "0.000");  // not finite: read as 0
  EXPECT_EQ(list.rows[0].y, "0.000");
  EXPECT_EQ(list.rows[0].factor, EventAxis::Z);
}

TEST(EventReportFolder, NoFolderGivesNoRowsAndLeavesTheTablesAlone) {
  CardWorkTables tables;
  tables.AddRecording("/card/Blackbox/drf0_20090807_142530.mp4");
  EXPECT_TRUE(ReadEventFolder("", tables).rows.empty());
  EXPECT_TRUE(ReadEventFolder("/no/such/folder", tables).rows.empty());
  EXPECT_EQ(tables.recordings().size(), 1U);
}

TEST(EventReportFolder, AFolderOfMoreFilesThanTheTableHoldsStopsAtTheCapacity) {
  TempFolder folder;
  for (std::size_t i = 0; i < kCardTableCapacity + 5; ++i) {
    char name[40];
    std::snprintf(name, sizeof(name), "drf_20090807_%06zu.txt", i);
    WriteText(folder / name, "");
  }
  CardWorkTables tables;
  EXPECT_EQ(ListEventFiles(folder.path(), tables).size(), kCardTableCapacity);
}

TEST(EventReportFolder, SectionsOfOneFileStopAtTheLimit) {
  std::string text;
  for (int n = 1; n <= limits::kMaxEventSections + 50; ++n) text += Event(n, "D", "1", "0", "0");
  const auto entries =
      display::ParseEventText(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  EXPECT_EQ(entries.size(), static_cast<std::size_t>(limits::kMaxEventSections));
}

}  // namespace
}  // namespace direvovu::reports
