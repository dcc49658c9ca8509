#pragma once

#include <string>

namespace direvovu::display {

// The wells between the rate buttons and between the volume buttons show what those
// buttons set, in main-window pixels.
inline constexpr int kRateWellLeft = 120;
inline constexpr int kVolumeWellLeft = 298;
inline constexpr int kIndicatorWellTop = 490;
inline constexpr int kIndicatorWellWidth = 52;
inline constexpr int kIndicatorWellHeight = 24;

// "x1", "x2" … "x8" and "x1/2" … "x1/8" for the play rates; the nearest of them for a
// rate between (the rate only ever halves or doubles from 1).
std::string RateIndicatorText(float rate);

// Bars lit for a volume step (0 to 10); steps outside are held to that range.
inline constexpr int kVolumeBars = 10;
int VolumeBarsLit(int volumeStep);

}  // namespace direvovu::display
