#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/map/map_page.h"

namespace direvovu::map {

// One call of a page function: its name and its string arguments in order.
struct PageCall {
  std::string function;
  std::vector<std::string> arguments;
  bool operator==(const PageCall&) const = default;
};

// A position the page can draw: both numbers finite, within ±90 and ±180, and neither
// exactly 0 (the camera writes 0 while it has no fix).
bool IsDrawablePosition(double latitude, double longitude);

// The map window's position update: on_set_route while route marking is on, else
// on_set_point, with longitude then latitude at 10 decimals. None for a position the
// page cannot draw.
std::optional<PageCall> MapPointCall(double latitude, double longitude, bool mark_route);

// The route window's whole trip for show_route: latitude, longitude, … at 4 decimals.
PageCall ShowRouteCall(const std::vector<GeoPoint>& points);

// One point of a trip as start_route, end_route and on_set_route2 take it.
struct RoutePoint {
  int progress = 0;  // records from the start of the trip
  GeoPoint position;
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  bool show_time = false;
  bool hide_marker = false;  // the marker switch: 1 hides the moving marker
};
PageCall RoutePointCall(const std::string& function, const RoutePoint& point);

// A function that takes no data is called with one empty string.
PageCall NoDataCall(const std::string& function);

}  // namespace direvovu::map
