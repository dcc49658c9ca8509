#include "core/map/page_calls.h"

#include <cmath>
#include <cstdio>

#include "core/map/script_call.h"

namespace direvovu::map {
namespace {

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof(buffer), "%02d", value);
  return buffer;
}

}  // namespace

bool IsDrawablePosition(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude)) return false;
  if (latitude == 0 || longitude == 0) return false;
  return std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180;
}

std::optional<PageCall> MapPointCall(double latitude, double longitude, bool mark_route) {
  if (!IsDrawablePosition(latitude, longitude)) return std::nullopt;
  // Formatted as one text and cut at the comma, as every caller of the page does.
  const std::string text = FixedText(longitude, 10) + "," + FixedText(latitude, 10);
  return PageCall{mark_route ? "on_set_route" : "on_set_point", SplitArguments(text)};
}

PageCall ShowRouteCall(const std::vector<GeoPoint>& points) {
  PageCall call{"show_route", {}};
  for (const GeoPoint& p : points) {
    call.arguments.push_back(FixedText(p.latitude, 4));
    call.arguments.push_back(FixedText(p.longitude, 4));
  }
  return call;
}

PageCall RoutePointCall(const std::string& function, const RoutePoint& point) {
  char date[32];
  std::snprintf(date, sizeof(date), "%04d.%02d.%02d", point.year, point.month, point.day);
  const std::string time =
      TwoDigits(point.hour) + ":" + TwoDigits(point.minute) + ":" + TwoDigits(point.second);
  return PageCall{function,
                  {std::to_string(point.progress), FixedText(point.position.longitude, 5),
                   FixedText(point.position.latitude, 5), date, time, point.show_time ? "1" : "0",
                   point.hide_marker ? "1" : "0"}};
}

PageCall NoDataCall(const std::string& function) { return PageCall{function, {""}}; }

}  // namespace direvovu::map
