// The route window's layout: every control inside the window, the two buttons of a pair
// on one place, and no two statics of the left column over one another.
#include <gtest/gtest.h>

#include <set>

#include "core/map/route_window_layout.h"

namespace direvovu::map {
namespace {

bool Inside(const Rect& r, const Rect& area) {
  return r.left >= area.left && r.top >= area.top && r.left + r.width <= area.left + area.width &&
         r.top + r.height <= area.top + area.height;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

constexpr Rect kWindow{0, 0, kRouteWindowWidth, kRouteWindowHeight};

TEST(RouteWindowLayout, ButtonsAreInsideAndOnlyThePairsShareAPlace) {
  std::set<int> ids;
  const auto buttons = RouteButtons();
  for (const RouteButton& b : buttons) {
    EXPECT_TRUE(ids.insert(b.id).second) << b.id;
    EXPECT_TRUE(Inside(b.rect, kWindow)) << b.id;
    EXPECT_FALSE(Overlap(b.rect, kRouteBrowserRect)) << b.id;
  }
  const std::set<std::set<int>> pairs{{route_ctl::kPlay, route_ctl::kPause},
                                      {route_ctl::kTimeOn, route_ctl::kTimeOff},
                                      {route_ctl::kMarkerOn, route_ctl::kMarkerOff}};
  for (const RouteButton& a : buttons) {
    for (const RouteButton& b : buttons) {
      if (a.id >= b.id || !Overlap(a.rect, b.rect)) continue;
      EXPECT_TRUE(pairs.contains({a.id, b.id})) << a.id << " over " << b.id;
      EXPECT_NE(a.hidden_at_start, b.hidden_at_start) << "one of a pair is hidden at start";
    }
  }
  EXPECT_FALSE(Overlap(kRouteSpeedListRect, kRouteSliderRect));
}

TEST(RouteWindowLayout, TheStaticsOfTheLeftColumnStandApartBelowTheList) {
  const auto statics = RouteStatics();
  for (const RouteStatic& s : statics) {
    EXPECT_TRUE(Inside(s.rect, kWindow)) << s.id;
    if (s.id == route_ctl::kCaption) continue;
    EXPECT_LE(s.rect.left + s.rect.width, kRouteBrowserRect.left) << s.id;
    EXPECT_GE(s.rect.top, kRouteListRect.top + kRouteListRect.height) << s.id;
    for (const RouteStatic& other : statics) {
      if (other.id != s.id) {
        EXPECT_FALSE(Overlap(s.rect, other.rect)) << s.id << " over " << other.id;
      }
    }
  }
  // The trip list's columns stay in view inside its frame beside a vertical scroll bar.
  int width = 0;
  for (const RouteColumn& c : RouteListColumns()) width += c.width;
  EXPECT_LE(width, kRouteListRect.width - 4 - 15);
}

}  // namespace
}  // namespace direvovu::map
