#pragma once

#include <span>
#include <string>

#include "core/display/graph_geometry.h"
#include "core/settings/speed_unit.h"

namespace direvovu::display {

using direvovu::SpeedUnit;

// The dial picture and where the needle and the number go, in main-window pixels.
inline constexpr int kDialLeft = 403;
inline constexpr int kDialTop = 462;
inline constexpr int kDialWidth = 144;
inline constexpr int kDialHeight = 185;
inline constexpr Point kDialCentre{473, 534};
inline constexpr Point kSpeedNumberOrigin{460, 615};  // top-left of the number text

// Needle end points, one per step: 5 km/h (40 steps) or 3.3 mph (36 steps).
std::span<const Point> NeedleTable(SpeedUnit unit);

// The speed shown for a record's whole km/h: unchanged, or truncated miles per hour.
int DisplaySpeed(int speedKmh, SpeedUnit unit);

// Table index for a displayed speed; speeds past the dial's end stay on the last point.
int NeedleIndex(int displaySpeed, SpeedUnit unit);

Point NeedleEnd(int displaySpeed, SpeedUnit unit);

// The number under the dial, padded with blanks so that the digits stay in place.
std::string SpeedNumberText(int displaySpeed, SpeedUnit unit);

// Marks on the dial: the speeds (in the unit) that get a label, and the angle from the
// centre to a needle point, in degrees counter-clockwise from the positive x axis with y up.
double NeedleAngleDegrees(Point end);

}  // namespace direvovu::display
