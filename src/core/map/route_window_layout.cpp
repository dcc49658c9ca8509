#include "core/map/route_window_layout.h"

#include <array>

#include "core/settings/text_rows.h"

namespace direvovu::map {
namespace {

namespace tip = rows::main_window;
namespace dl = rows::driving_log;
namespace kinds = rows::recording_kinds;

constexpr int kToolW = 38, kToolH = 26;
constexpr int kTraceW = 40, kTraceH = 40;

constexpr std::array kButtons{
    RouteButton{route_ctl::kOpen, {16, 35, kToolW, kToolH}, tip::kOpenFile, "folder", false},
    RouteButton{route_ctl::kCapture, {58, 35, kToolW, kToolH}, tip::kMapCapture, "camera", false},
    RouteButton{route_ctl::kPrint, {101, 35, kToolW, kToolH}, tip::kPrintScreen, "printer", false},
    RouteButton{route_ctl::kClose, {916, 8, 24, 24}, tip::kClose, "close", false},
    RouteButton{route_ctl::kPlay, {397, 680, kTraceW, kTraceH}, tip::kPlay, "play", false},
    RouteButton{route_ctl::kPause, {397, 680, kTraceW, kTraceH}, tip::kPause, "pause", true},
    RouteButton{route_ctl::kTimeOn, {349, 680, kTraceW, kTraceH}, tip::kDisplayTime, "clock", false},
    RouteButton{route_ctl::kTimeOff, {349, 680, kTraceW, kTraceH}, tip::kNoDisplayTime, "clock_off", true},
    RouteButton{route_ctl::kMarkerOn, {443, 680, kTraceW, kTraceH}, tip::kDisplayMarker, "marker", false},
    RouteButton{
        route_ctl::kMarkerOff, {443, 680, kTraceW, kTraceH}, tip::kNoDisplayMarker, "marker_off", true},
};

// The left column below the trip list: the trip's figures, then the current point.
constexpr int kLabelX = 15, kLabelW = 122;
constexpr int kValueX = 140, kValueW = 116;
constexpr int kUnitX = 259, kUnitW = 74;
constexpr int kRowH = 22;

constexpr Rect LabelAt(int y) { return {kLabelX, y, kLabelW, kRowH}; }
constexpr Rect ValueAt(int y) { return {kValueX, y, kValueW, kRowH}; }
constexpr Rect UnitAt(int y) { return {kUnitX, y, kUnitW, kRowH}; }

using K = StaticKind;
constexpr std::array kStatics{
    RouteStatic{route_ctl::kCaption, kRouteCaptionRect, K::Heading, -1},
    RouteStatic{route_ctl::kDrivingHeading, {10, 246, 325, 24}, K::Heading, dl::kDrivingInformation},
    RouteStatic{1043, LabelAt(276), K::Label, dl::kDriver},
    RouteStatic{route_ctl::kDriverName, {kValueX, 276, 193, kRowH}, K::Value, -1},
    RouteStatic{1186, LabelAt(302), K::Label, dl::kLicenseNumber},
    RouteStatic{route_ctl::kCarNumber, {kValueX, 302, 193, kRowH}, K::Value, -1},
    RouteStatic{1164, LabelAt(328), K::Label, dl::kDistance},
    RouteStatic{route_ctl::kDistance, ValueAt(328), K::Value, -1},
    RouteStatic{route_ctl::kDistanceUnit, UnitAt(328), K::Unit, -1},
    RouteStatic{1165, LabelAt(354), K::Label, dl::kDrivingTime},
    RouteStatic{route_ctl::kDrivingTime, ValueAt(354), K::Value, -1},
    RouteStatic{route_ctl::kDrivingTimeUnit, UnitAt(354), K::Unit, -1},
    RouteStatic{1166, LabelAt(380), K::Label, dl::kStoppedDuration},
    RouteStatic{route_ctl::kStoppedTime, ValueAt(380), K::Value, -1},
    RouteStatic{route_ctl::kStoppedTimeUnit, UnitAt(380), K::Unit, -1},
    RouteStatic{1167, LabelAt(406), K::Label, dl::kAverageSpeed},
    RouteStatic{route_ctl::kAverageSpeed, ValueAt(406), K::Value, -1},
    RouteStatic{route_ctl::kAverageUnit, UnitAt(406), K::Unit, -1},
    RouteStatic{1168, LabelAt(432), K::Label, dl::kMaximumSpeed},
    RouteStatic{route_ctl::kMaximumSpeed, ValueAt(432), K::Value, -1},
    RouteStatic{route_ctl::kMaximumUnit, UnitAt(432), K::Unit, -1},
    RouteStatic{route_ctl::kPlayHeading, {10, 468, 325, 24}, K::Heading, dl::kPlayInformation},
    RouteStatic{1182, LabelAt(498), K::Label, dl::kDate},
    RouteStatic{route_ctl::kDate, {kValueX, 498, 193, kRowH}, K::Value, -1},
    RouteStatic{1181, LabelAt(524), K::Label, dl::kTime},
    RouteStatic{route_ctl::kTime, {kValueX, 524, 193, kRowH}, K::Value, -1},
    RouteStatic{1179, LabelAt(550), K::Label, dl::kLatitude},
    RouteStatic{route_ctl::kLatitude, {kValueX, 550, 193, kRowH}, K::Value, -1},
    RouteStatic{1180, LabelAt(576), K::Label, dl::kLongitude},
    RouteStatic{route_ctl::kLongitude, {kValueX, 576, 193, kRowH}, K::Value, -1},
    RouteStatic{1178, LabelAt(602), K::Label, dl::kAddress},
    RouteStatic{route_ctl::kAddress1, {kLabelX, 628, 318, kRowH}, K::Value, -1},
    RouteStatic{route_ctl::kAddress2, {kLabelX, 654, 318, kRowH}, K::Value, -1},
};

// All three in view beside a vertical scroll bar: the number gives up the room.
constexpr std::array kColumns{
    RouteColumn{kinds::kNumber, 45},
    RouteColumn{kinds::kDriveDate, 104},
    RouteColumn{kinds::kDriveTime, 157},
};

}  // namespace

std::span<const RouteButton> RouteButtons() { return kButtons; }
std::span<const RouteStatic> RouteStatics() { return kStatics; }
std::span<const RouteColumn> RouteListColumns() { return kColumns; }

}  // namespace direvovu::map
