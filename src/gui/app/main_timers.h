#pragma once

#include <array>

namespace direvovu::gui::timer {

// Ids of the main window's timers (the numbers the window has always used).
inline constexpr int kTimeDisplay = 1001;   // 1000 ms: time text and seek slider
inline constexpr int kMapPoints = 1002;     // marker interval: position to the map
inline constexpr int kMapRefresh = 1003;    // 1000 ms once: map page refresh after going online
inline constexpr int kOpenAndStart = 1004;  // 10 ms once: open both players and start them
inline constexpr int kGraphs = 1005;        // 1000 ms: graph panel
inline constexpr int kReadouts = 1007;      // 1000 ms: speed and G-sensor readouts
inline constexpr int kConnectivity = 1009;  // 3000 ms: internet connection check
inline constexpr int kPlayOpened = 1010;    // 1000 ms once: play the first of newly opened rows
inline constexpr int kApplyRate = 1011;     // 500 ms once: current rate on both players
inline constexpr int kEndOfFile = 1012;     // 1000 ms once: stop and advance to the next row
inline constexpr int kStartVolume = 1015;   // 1000 ms once: volume on the front player
inline constexpr int kSettle = 1016;        // 2000 ms: stops itself

inline constexpr int kTimeDisplayMs = 1000;
inline constexpr int kMapRefreshMs = 1000;
inline constexpr int kOpenAndStartMs = 10;
inline constexpr int kGraphsMs = 1000;
inline constexpr int kReadoutsMs = 1000;
inline constexpr int kConnectivityMs = 3000;
inline constexpr int kPlayOpenedMs = 1000;
inline constexpr int kApplyRateMs = 500;
inline constexpr int kEndOfFileMs = 1000;
inline constexpr int kStartVolumeMs = 1000;
inline constexpr int kSettleMs = 2000;

// Started together once both channels run (kMapPoints only with a map window).
inline constexpr std::array kStartSet{kTimeDisplay, kMapPoints, kReadouts, kGraphs, kSettle};
// Stopped together by stop and close (the connectivity check is not among them).
inline constexpr std::array kPlaybackTimers{kTimeDisplay, kGraphs,     kReadouts,  kOpenAndStart, kMapRefresh,
                                            kMapPoints,   kPlayOpened, kApplyRate, kEndOfFile,    kSettle};

}  // namespace direvovu::gui::timer
