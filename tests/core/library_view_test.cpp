// The library window's rules: the page's calls and picks, and the day timeline.
#include "core/library/library_view.h"

#include <gtest/gtest.h>

namespace direvovu::library {
namespace {

TEST(LibraryView, RoutesGoToThePageInBoundedCallsOfEveryFifthPoint) {
  std::vector<RouteDrawing> routes;
  for (int r = 0; r < 450; ++r) {
    RouteDrawing d{r + 1, r % 4, {}};
    for (int s = 0; s < 12; ++s) d.points.push_back({s, std::nullopt, 37.5 + s * 1e-4, 127.0, 40, 0, 0, 1});
    routes.push_back(d);
  }
  routes.push_back({999, 0, {}});  // no points: not drawn
  const auto calls = RouteCalls(routes);
  ASSERT_EQ(calls.size(), 3U);  // 200 + 200 + 50
  EXPECT_EQ(calls[0].function, "library_routes");
  ASSERT_EQ(calls[0].arguments.size(), 1U);
  const std::string first = calls[0].arguments[0].substr(0, calls[0].arguments[0].find('|'));
  EXPECT_EQ(first,
            "1;0;0,37.500000,127.000000;5,37.500500,127.000000;10,37.501000,127.000000;"
            "11,37.501100,127.000000");
  EXPECT_EQ(calls[2].arguments[0].find("999;"), std::string::npos);
}

TEST(LibraryView, MomentLabelsCannotBreakTheirCall) {
  const auto call = MomentsCall({{3, 14, MomentKind::Shock, 37.5, 127.25, "a|b;c"}});
  ASSERT_EQ(call.arguments.size(), 1U);
  EXPECT_EQ(call.arguments[0], "3;14;shock;37.500000;127.250000;a b c");
  EXPECT_EQ(PlaceCall(37.5, 127.25, 250.4).arguments,
            (std::vector<std::string>{"37.500000", "127.250000", "250"}));
}

TEST(LibraryView, PicksFromThePage) {
  struct Case {
    const char* text;
    std::optional<PagePick::What> what;
    std::int64_t id;
    int second;
  };
  const std::vector<Case> cases{
      {"route,12,30", PagePick::What::Recording, 12, 30},
      {"moment,7,0", PagePick::What::Recording, 7, 0},
      {"place,37.5,127.25", PagePick::What::Place, 0, 0},
      {"route,12,-1", std::nullopt, 0, 0},
      {"route,x,1", std::nullopt, 0, 0},
      {"place,95,1", std::nullopt, 0, 0},
      {"", std::nullopt, 0, 0},
      {"null", std::nullopt, 0, 0},
      {"other,1,2", std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    const auto pick = ParsePagePick(c.text);
    ASSERT_EQ(pick.has_value(), c.what.has_value()) << c.text;
    if (!pick) continue;
    EXPECT_EQ(pick->what, *c.what) << c.text;
    EXPECT_EQ(pick->id, c.id) << c.text;
    EXPECT_EQ(pick->second, c.second) << c.text;
  }
  EXPECT_DOUBLE_EQ(ParsePagePick("place,37.5,127.25")->longitude, 127.25);
}

TEST(LibraryView, PositionOfASecondFallsBackToTheLastFix) {
  const std::vector<TrackPoint> points{{3, std::nullopt, 1, 1, 0, 0, 0, 0},
                                       {6, std::nullopt, 2, 2, 0, 0, 0, 0}};
  EXPECT_EQ(PositionAt(points, 0), (std::pair{1.0, 1.0}));
  EXPECT_EQ(PositionAt(points, 5), (std::pair{1.0, 1.0}));
  EXPECT_EQ(PositionAt(points, 6), (std::pair{2.0, 2.0}));
  EXPECT_EQ(PositionAt(points, 99), (std::pair{2.0, 2.0}));
  EXPECT_FALSE(PositionAt({}, 0).has_value());
}

TEST(LibraryView, TimelineSplitsAtMidnightAndPlacesRecordingsByName) {
  FoundRecording overMidnight;
  overMidnight.id = 1;
  overMidnight.kind = 0;
  overMidnight.localStart = {2026, 12, 7, 23, 59, 30};
  overMidnight.localEnd = {2026, 12, 8, 0, 0, 29};
  overMidnight.lengthMs = 60000;
  FoundRecording locked;  // scrambled: no length, no track time
  locked.id = 2;
  locked.kind = 3;
  locked.localStart = {2026, 12, 9, 10, 0, 0};
  locked.localEnd = locked.localStart;
  FoundRecording parked;
  parked.id = 3;
  parked.kind = 2;
  parked.localStart = {2026, 12, 8, 12, 0, 0};
  parked.localEnd = {2026, 12, 8, 12, 0, 9};
  parked.lengthMs = 10000;
  const std::vector<FoundMoment> moments{{1, "", overMidnight.localStart, 40, MomentKind::Braking, -13}};
  const auto days = BuildTimeline({overMidnight, parked, locked}, moments);
  ASSERT_EQ(days.size(), 3U);
  EXPECT_EQ(days[0].day, 7);
  ASSERT_EQ(days[0].spans.size(), 1U);
  EXPECT_EQ(days[0].spans[0].from, 86370);
  EXPECT_EQ(days[0].spans[0].to, 86399);
  ASSERT_EQ(days[1].spans.size(), 2U);
  EXPECT_EQ(days[1].spans[0].from, 0);
  EXPECT_EQ(days[1].spans[0].to, 29);
  EXPECT_EQ(days[1].spans[0].startSecond, 30);
  EXPECT_EQ(days[1].spans[1].kind, TimelineKind::Parked);
  ASSERT_EQ(days[1].ticks.size(), 1U);
  EXPECT_EQ(days[1].ticks[0].at, 10);
  EXPECT_EQ(days[2].spans[0].kind, TimelineKind::Event);
  EXPECT_EQ(days[2].spans[0].to - days[2].spans[0].from, kUnknownLengthSeconds - 1);

  // A click: a tick wins over the span under it; within a span, its own second.
  EXPECT_EQ(HitTimeline(days[1], 12, 5)->second, 40);
  EXPECT_EQ(HitTimeline(days[1], 25, 2)->second, 55);
  EXPECT_EQ(HitTimeline(days[1], 12 * 3600 + 4, 0)->id, 3);
  EXPECT_FALSE(HitTimeline(days[1], 6 * 3600, 60).has_value());
}

}  // namespace
}  // namespace direvovu::library
