#include <gtest/gtest.h>

#include <algorithm>

#include "core/display/graph_geometry.h"
#include "display_track_fixture.h"

namespace direvovu::display {
namespace {

using testing::MakeDisplayTrack;

TEST(DisplayCursor, FollowsThePlayPositionAcrossThePanel) {
  EXPECT_EQ(CursorX(0, 60), 73);
  EXPECT_EQ(CursorX(30, 60), 235);  // 73 + 162.5, truncated
  EXPECT_EQ(CursorX(60, 60), 398);  // the last column still gets its cursor
  EXPECT_EQ(CursorX(60.2, 60), std::nullopt);
}

TEST(DisplayCursor, UnknownLengthDrawsNoCursor) {
  EXPECT_EQ(CursorX(5, 0), std::nullopt);
  EXPECT_EQ(CursorX(5, -1), std::nullopt);
}

TEST(DisplayPanel, GravityCurveStartsAtFirstRecordAndSkipsColumnsOfTheLastRecord) {
  const TrackState track =
      MakeDisplayTrack(60, 1.0, [](int i, TrackSecond& r) { r.accelX = i == 0 ? 2.0 : -2.0; });
  const auto points = PanelGravityCurve(track, 60, {}, Axis::X);
  // Columns 0..319 start before record 59; the last five columns belong to it and draw nothing.
  ASSERT_EQ(points.size(), 321U);
  EXPECT_EQ(points.front(), (Point{73, 524}));       // +2 g at the top
  EXPECT_EQ(points[1], (Point{74, 524}));            // column 0 is record 0 again
  EXPECT_EQ(points.back(), (Point{74 + 319, 624}));  // -2 g at the bottom
  EXPECT_EQ(PanelGravityY(1.0), 549);
  EXPECT_EQ(PanelGravityY(0.0), 574);
}

TEST(DisplayPanel, EventRecordWinsItsColumnSoTheSpikeStaysVisible) {
  // 10 records per second over 325 s: each column spans 10 records.
  const int spike = 57;
  const TrackState track = MakeDisplayTrack(3250, 10.0, [spike](int i, TrackSecond& r) {
    if (i == spike) {
      r.accelX = static_cast<float>(-1.8);  // the sensor's float, widened
      r.accelY = static_cast<float>(0.7);
      r.accelZ = static_cast<float>(1.6);
    }
  });
  const std::vector<GraphEvent> events{{5, -1.800, 0.700, 1.600}};
  EXPECT_EQ(PanelGravityColumns(track, 325, events)[5], spike);
  EXPECT_EQ(PanelGravityColumns(track, 325, {})[5], 50);
  const auto curve = PanelGravityCurve(track, 325, events, Axis::X);
  EXPECT_NE(std::find(curve.begin(), curve.end(), Point{74 + 5, PanelGravityY(track.records[spike].accelX)}),
            curve.end());

  // Matching X alone is not the event.
  const std::vector<GraphEvent> other{{5, -1.800, 0.100, 1.600}};
  EXPECT_EQ(PanelGravityColumns(track, 325, other)[5], 50);
}

TEST(DisplayPanel, PlayerLongerThanTheTrackDrawsOnlyWhatTheTrackHas) {
  const TrackState track = MakeDisplayTrack(10, 1.0);
  const auto columns = PanelGravityColumns(track, 20, {});  // the player says 20 s
  ASSERT_EQ(columns.size(), 325U);
  EXPECT_EQ(columns.back(), -1);
  EXPECT_TRUE(std::all_of(columns.begin(), columns.end(), [](int r) { return r < 9; }));
}

TEST(DisplayPanel, SpeedCurveIsCappedAt200AndNeedsASecondOfLength) {
  const TrackState track =
      MakeDisplayTrack(60, 1.0, [](int i, TrackSecond& r) { r.speed = i == 0 ? 250 : 100; });
  const auto points = PanelSpeedCurve(track, 60);
  ASSERT_EQ(points.size(), 325U);
  EXPECT_EQ(points.front(), (Point{73, 526}));  // 250 km/h drawn on the 200 line
  EXPECT_EQ(points.back(), (Point{73 + 324, 573}));
  EXPECT_TRUE(PanelSpeedCurve(track, 0.5).empty());
}

TEST(DisplayPanel, EmptyTrackHasNoCurves) {
  const TrackState empty;
  EXPECT_TRUE(PanelGravityCurve(empty, 60, {}, Axis::Z).empty());
  EXPECT_TRUE(PanelSpeedCurve(empty, 60).empty());
  EXPECT_TRUE(DialogGravityCurve(empty, 60, Axis::Z).empty());
  EXPECT_TRUE(DialogSpeedCurve(empty, 60).empty());
}

TEST(DisplayGraphDialog, ElevenColumnsASecondAndSpeedUncapped) {
  const TrackState track = MakeDisplayTrack(60, 1.0, [](int i, TrackSecond& r) {
    r.speed = i == 1 ? 250 : 0;
    r.accelZ = i == 1 ? 1.0 : 0.0;
  });
  const auto speed = DialogSpeedCurve(track, 60.9);  // whole seconds: 60
  ASSERT_EQ(speed.size(), 660U);
  EXPECT_EQ(speed[10], (Point{81, 206}));
  EXPECT_EQ(speed[11], (Point{82, 1}));  // 206 − 205: runs off the top, not capped
  const auto z = DialogGravityCurve(track, 60, Axis::Z);
  EXPECT_EQ(z[11], (Point{82, 85}));
  EXPECT_EQ(z[0], (Point{71, 126}));
}

TEST(DisplayGraphDialog, DoubleClickAreaIsTheGraphStrip) {
  EXPECT_TRUE(InEnlargeArea(35, 520));
  EXPECT_TRUE(InEnlargeArea(410, 628));
  EXPECT_FALSE(InEnlargeArea(34, 600));
  EXPECT_FALSE(InEnlargeArea(200, 629));
}

}  // namespace
}  // namespace direvovu::display
