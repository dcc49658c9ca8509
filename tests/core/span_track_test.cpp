#include "core/export/span_track.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <pugixml.hpp>
#include <string>

#include "export_fixture.h"

namespace direvovu::exporting {
namespace {

using direvovu::testing::MakeDisplayTrack;

// Records 0..3 of the display track; record 2 has no fix.
TrackState FourRecords(const std::function<void(int, TrackSecond&)>& edit = {}) {
  return MakeDisplayTrack(4, 1.0, [&](int i, TrackSecond& r) {
    if (i == 2) r.latitudeText[0] = '\0';
    if (edit) edit(i, r);
  });
}

TEST(SpanTrackTest, CsvHasARowPerRecordOfTheSpanWithDecimalPointsInAnyLocale) {
  struct Case {
    CivilTime start;
    std::function<void(int, TrackSecond&)> edit;
    const char* rows;
  } const cases[] = {
      {direvovu::testing::kExportStart,
       {},
       "2009-08-07T14:25:31Z,2009-08-07 15:25:31 +01:00,38.707600,-9.135500,1,0.010,-0.020,1.000\n"
       "2009-08-07T14:25:32Z,2009-08-07 15:25:32 +01:00,,,2,0.020,-0.040,1.000\n"
       "2009-08-07T14:25:33Z,2009-08-07 15:25:33 +01:00,38.707600,-9.135500,3,0.030,-0.060,1.000\n"},
      // A clock days off gives no offset: UTC is then the track's own, where it has one.
      {{2009, 8, 10, 15, 25, 30},
       [](int i, TrackSecond& r) { r.year = i == 1 ? 0 : r.year; },
       ",2009-08-10 15:25:31,38.707600,-9.135500,1,0.010,-0.020,1.000\n"
       "2009-08-07T14:25:32Z,2009-08-10 15:25:32,,,2,0.020,-0.040,1.000\n"
       "2009-08-07T14:25:33Z,2009-08-10 15:25:33,38.707600,-9.135500,3,0.030,-0.060,1.000\n"},
  };
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where installed: a decimal comma
  for (const Case& c : cases) {
    const TrackState track = FourRecords(c.edit);
    const SpanSource source{{1.5, 5}, MakeTimeModel(c.start, track.Records()), track.Records()};
    EXPECT_EQ(SpanCsv(source), std::string(kSpanCsvHeader) + "\n" + c.rows);
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(SpanTrackTest, GpxHasATrackPointPerRecordWithAFix) {
  const TrackState track = FourRecords();
  const std::string gpx = SpanGpx(direvovu::testing::MakeSpanSource(track, {1.5, 5}), "a <name>");
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(gpx.c_str())) << gpx;
  const pugi::xml_node root = doc.child("gpx");
  EXPECT_STREQ(root.attribute("version").value(), "1.1");
  EXPECT_STREQ(root.attribute("xmlns:dv").value(), kGpxExtensionNamespace.data());
  EXPECT_STREQ(root.child("trk").child_value("name"), "a <name>");
  const auto points = root.select_nodes("/gpx/trk/trkseg/trkpt");
  ASSERT_EQ(points.size(), 2U);
  const pugi::xml_node third = points[1].node();
  EXPECT_STREQ(third.attribute("lat").value(), "38.707600");
  EXPECT_STREQ(third.attribute("lon").value(), "-9.135500");
  EXPECT_STREQ(third.child_value("time"), "2009-08-07T14:25:33Z");
  const pugi::xml_node extensions = third.child("extensions");
  EXPECT_STREQ(extensions.child("gpxtpx:TrackPointExtension").child_value("gpxtpx:speed"), "0.83");
  EXPECT_STREQ(extensions.child("dv:g").attribute("y").value(), "-0.060");
}

}  // namespace
}  // namespace direvovu::exporting
