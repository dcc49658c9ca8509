#pragma once

#include <span>

namespace direvovu::map {

// Control ids of the route window, as the main window and the settings of old know them.
namespace route_ctl {
inline constexpr int kPlay = 1004;
inline constexpr int kPause = 1005;
inline constexpr int kMarkerOn = 1006;
inline constexpr int kMarkerOff = 1007;
inline constexpr int kOpen = 1009;
inline constexpr int kClose = 1012;
inline constexpr int kPrint = 1013;
inline constexpr int kCapture = 1017;
inline constexpr int kSpeedList = 1099;
inline constexpr int kTripList = 1130;
inline constexpr int kTimeOn = 1172;
inline constexpr int kTimeOff = 1177;
inline constexpr int kBrowser = 1174;
inline constexpr int kSlider = 1183;
inline constexpr int kCaption = 1185;
inline constexpr int kDriverName = 1044;
inline constexpr int kCarNumber = 1187;
inline constexpr int kDistance = 1169;
inline constexpr int kDrivingTime = 1189;
inline constexpr int kStoppedTime = 1190;
inline constexpr int kAverageSpeed = 1191;
inline constexpr int kMaximumSpeed = 1192;
inline constexpr int kDate = 1193;
inline constexpr int kTime = 1194;
inline constexpr int kLatitude = 1195;
inline constexpr int kLongitude = 1196;
inline constexpr int kAddress1 = 1197;
inline constexpr int kAddress2 = 1198;
inline constexpr int kDrivingHeading = 1188;
inline constexpr int kPlayHeading = 1184;
inline constexpr int kDistanceUnit = 1170;
inline constexpr int kAverageUnit = 1175;
inline constexpr int kMaximumUnit = 1176;
inline constexpr int kDrivingTimeUnit = 1171;
inline constexpr int kStoppedTimeUnit = 1173;
}  // namespace route_ctl

inline constexpr int kRouteWindowWidth = 947;
inline constexpr int kRouteWindowHeight = 730;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A bitmap button: its place, its size (its picture's) and its tip (main window tooltip row).
struct RouteButton {
  int id;
  Rect rect;
  int tooltip_row;
  const char* icon;
  bool hidden_at_start;
};
std::span<const RouteButton> RouteButtons();

// What a static shows and where: a label of a table row, a unit, or a value.
enum class StaticKind { Heading, Label, Unit, Value };
struct RouteStatic {
  int id;
  Rect rect;
  StaticKind kind;
  int row;  // driving log table row of a label or heading; -1 otherwise
};
std::span<const RouteStatic> RouteStatics();

inline constexpr Rect kRouteBrowserRect{348, 33, 588, 640};
inline constexpr Rect kRouteListRect{10, 65, 325, 170};
inline constexpr Rect kRouteSpeedListRect{490, 690, 80, 20};
inline constexpr Rect kRouteSliderRect{580, 688, 334, 20};
inline constexpr Rect kRouteCaptionRect{150, 8, 640, 22};

// The trip list's columns: heading row of the recording kinds table and width.
struct RouteColumn {
  int row;
  int width;
};
std::span<const RouteColumn> RouteListColumns();

}  // namespace direvovu::map
