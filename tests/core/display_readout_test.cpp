#include <gtest/gtest.h>

#include "core/display/readout_texts.h"
#include "display_track_fixture.h"

namespace direvovu::display {
namespace {

using testing::MakeDisplayTrack;

TEST(DisplayPosition, DegreesMinutesSecondsAndHemisphere) {
  EXPECT_EQ(PositionText("-3723.4567", true), "37°23'  27.40 \"  S");
  EXPECT_EQ(PositionText("3723.4567", true), "37°23'  27.40 \"  N");
  EXPECT_EQ(PositionText("-00908.1300", false), "09°08'  07.80 \"  W");
  EXPECT_EQ(PositionText("12730.0000", false), "127°30'  00.00 \"  E");
  EXPECT_EQ(PositionText("", true), "00°00'  00.00 \"  N");
  EXPECT_EQ(PositionText("junk", false), "00°00'  00.00 \"  E");
}

TEST(DisplayPosition, DecimalParseIsTheCLibrarysPrefixRule) {
  EXPECT_DOUBLE_EQ(ParseDecimal("  +12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(ParseDecimal("-0.031"), -0.031);
  EXPECT_DOUBLE_EQ(ParseDecimal("abc"), 0);
  EXPECT_DOUBLE_EQ(ParseDecimal("-"), 0);
}

TEST(DisplayReadouts, FixedFormats) {
  EXPECT_EQ(AxisText(Axis::X, -1.8), "X: -1.800");
  EXPECT_EQ(AxisText(Axis::Y, 0.0625), "Y: 0.062");
  EXPECT_EQ(AxisText(Axis::Z, 1), "Z: 1.000");
  EXPECT_EQ(PeakText(1.23456), "1.235");
  TrackSecond r;
  r.year = 2009;
  r.month = 8;
  r.day = 7;
  r.hour = 4;
  r.minute = 5;
  r.second = 9;
  EXPECT_EQ(RecordTimeText(r), "2009.08.07  04:05:09");
}

TEST(DisplayReadouts, EventSecondShowsTheEventsValuesNotTheRecords) {
  const TrackState track = MakeDisplayTrack(60);
  const std::vector<GraphEvent> events{{12, -1.5, 0.25, 1.75}};
  EXPECT_EQ(AxisReadouts(track, events, 12.9), (AxisTexts{"X: -1.500", "Y: 0.250", "Z: 1.750"}));
  const TrackSecond& r13 = track.records[13];
  EXPECT_EQ(AxisReadouts(track, events, 13.0),
            (AxisTexts{AxisText(Axis::X, r13.accelX), AxisText(Axis::Y, r13.accelY),
                       AxisText(Axis::Z, r13.accelZ)}));
  EXPECT_EQ(AxisReadouts(TrackState{}, {}, 3), std::nullopt);
  // The event's values show even without a track.
  EXPECT_TRUE(AxisReadouts(TrackState{}, events, 12).has_value());
}

TEST(DisplayReadouts, RecordTextsForThePlaySecond) {
  const TrackState track = MakeDisplayTrack(60);
  EXPECT_EQ(RecordReadouts(track, 0), std::nullopt);  // not at the very start
  EXPECT_EQ(RecordReadouts(TrackState{}, 5), std::nullopt);
  const auto texts = RecordReadouts(track, 5);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->recordTime, "2009.08.07  14:25:35");
  EXPECT_EQ(texts->peak, PeakText(track.peakMagnitude));
  EXPECT_EQ(texts->latitude, "38°42'  27.36 \"  N");
  EXPECT_EQ(texts->longitude, "09°08'  07.80 \"  W");
  // Beyond the track: the last record.
  EXPECT_EQ(RecordReadouts(track, 500)->recordTime, "2009.08.07  14:26:29");
}

}  // namespace
}  // namespace direvovu::display

namespace direvovu::display {
namespace {

// Regression: in binary fractions 127.3 − 127 is 0.2999…, which truncated to 29' 59.99".
TEST(DisplayPosition, WholeMinutesStayWhole) {
  EXPECT_EQ(PositionText("12730.0000", false), "127°30'  00.00 \"  E");
  EXPECT_EQ(PositionText("0030.5000", true), "00°30'  30.00 \"  N");
}

}  // namespace
}  // namespace direvovu::display
