#include <gtest/gtest.h>

#include <string>

#include "core/display/event_text.h"
#include "core/limits.h"
#include "display_track_fixture.h"
#include "temp_folder.h"

namespace direvovu::display {
namespace {

using testing::MakeDisplayTrack;

std::vector<EventEntry> Parse(const std::string& text) {
  return ParseEventText(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(DisplayEventText, ReadingStopsAtTheFirstMissingSection) {
  const auto entries = Parse(
      "[Event1]\r\nFile=drf0_20090807_142530.mp4\r\nDate=2009/08/07\r\nTime=14:25:42\r\n"
      "G_Sensor_X=-1.800\r\nG_Sensor_Y=0.700\r\nG_Sensor_Z=1.600\r\n"
      "[Event2]\r\nDate=2009/08/07\r\nTime=14:25:50\r\nG_Sensor_X=junk\r\n"
      "[Event4]\r\nDate=2009/08/07\r\nTime=14:26:00\r\n");
  ASSERT_EQ(entries.size(), 2U);
  EXPECT_EQ(entries[0].date, "2009/08/07");
  EXPECT_EQ(entries[0].time, "14:25:42");
  EXPECT_DOUBLE_EQ(entries[0].x, -1.8);
  EXPECT_DOUBLE_EQ(entries[0].z, 1.6);
  EXPECT_DOUBLE_EQ(entries[1].x, 0);  // not a number
  EXPECT_DOUBLE_EQ(entries[1].y, 0);  // missing: "0.0"
}

TEST(DisplayEventText, AFileOfManySectionsIsReadUpToTheLimit) {
  // Each key is found through one index of the file: searching the file from the top
  // per key made a crafted file like this one stall the load for minutes. Sections past
  // the limit are not read.
  std::string text;
  constexpr int kSections = limits::kMaxEventSections;
  for (int n = 1; n <= kSections; ++n) {
    text += "[Event" + std::to_string(n) +
            "]\nDate=2009/08/07\nTime=14:25:42\nG_Sensor_X=" + std::to_string(n) + "\n";
  }
  const std::string past = "[Event" + std::to_string(kSections + 1) + "]\nDate=2009/08/07\n";
  const auto entries = Parse(text + past);
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(kSections));
  EXPECT_DOUBLE_EQ(entries.back().x, kSections);
}

TEST(DisplayEventText, EmptyDateEndsTheList) {
  EXPECT_TRUE(Parse("[Event1]\nDate=\nTime=1\n[Event2]\nDate=2009/08/07\n").empty());
  EXPECT_TRUE(Parse("").empty());
}

TEST(DisplayEventText, EventFileOfARecordingChangesOnlyTheName) {
  EXPECT_EQ(EventTextFileFor("/data/mp4s/Event/drf0_20090807_142530.mp4"),
            std::filesystem::path("/data/mp4s/Event/drf_20090807_142530.txt"));
}

TEST(DisplayEventText, ReadsTheFileAndRefusesAMissingOne) {
  TempFolder folder;
  WriteText(folder / "drf_20090807_142530.txt", "[Event1]\nDate=20090807\nTime=142542\n");
  const auto entries = ReadEventTextFile(EventTextFileFor(folder / "drf0_20090807_142530.mp4"));
  ASSERT_TRUE(entries);
  EXPECT_EQ(entries->size(), 1U);
  EXPECT_FALSE(ReadEventTextFile(folder / "nothing.txt"));
}

TEST(DisplayEventText, EventsOfARecordingComeFromItsEventFile) {
  TempFolder folder;
  const TrackState track = MakeDisplayTrack(60);
  WriteText(folder / "drf_20090807_142530.txt",
            "[Event1]\r\nDate=2009/08/07\r\nTime=14:25:50\r\nG_Sensor_X=-1.8\r\n");
  const auto events = EventsOfRecording(folder / "drf0_20090807_142530.mp4", track);
  ASSERT_EQ(events.size(), 1U);
  EXPECT_EQ(events[0].offsetSeconds, 20);
  EXPECT_TRUE(EventsOfRecording(folder / "drf0_20090807_150000.mp4", track).empty());
}

TEST(DisplayEventText, EventDateAndTimeForms) {
  const auto at = [](std::string d, std::string t) { return EventSeconds({std::move(d), std::move(t)}); };
  EXPECT_EQ(at("1970/01/02", "00:00:01"), 86401);
  EXPECT_EQ(at("19700102", "000001"), 86401);
  EXPECT_EQ(at("1970-01-02", "00-00-01"), 86401);
  EXPECT_EQ(at("2009.08.07", "14:25:30"), 1249655130);
  EXPECT_EQ(at("2009/13/07", "14:25:30"), std::nullopt);
  EXPECT_EQ(at("yesterday", "14:25:30"), std::nullopt);
  EXPECT_EQ(at("2009/08/07", "1425"), std::nullopt);
}

TEST(DisplayEventText, GraphEventsCountFromTheFirstRecordAndKeepTen) {
  const TrackState track = MakeDisplayTrack(60);  // starts 2009-08-07 14:25:30
  std::vector<EventEntry> entries;
  entries.push_back({"2009/08/07", "14:25:42", -1.8, 0.7, 1.6});
  entries.push_back({"bad", "14:25:42", 0, 0, 0});
  for (int i = 0; i < 12; ++i) entries.push_back({"2009/08/07", "14:26:0" + std::to_string(i % 10), 0, 0, 1});
  const auto events = GraphEventsOf(entries, track);
  ASSERT_EQ(events.size(), 10U);
  EXPECT_EQ(events[0].offsetSeconds, 12);
  EXPECT_DOUBLE_EQ(events[0].x, -1.8);
  EXPECT_EQ(events[1].offsetSeconds, 30);
  EXPECT_TRUE(GraphEventsOf(entries, TrackState{}).empty());
}

}  // namespace
}  // namespace direvovu::display
