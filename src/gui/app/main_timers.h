#pragma once

#include <array>

namespace direvovu::gui::timer {

// Ids of the timers of the main window's controllers (the numbers the window has always
// used), each in the registry of the controller that runs it: PlaybackDisplay 1001, 1005
// and 1007, MapFollower 1002, 1003 and 1009, PlaylistController 1010. The pair's playback
// has its own (playback_timers.h).
inline constexpr int kTimeDisplay = 1001;   // 1000 ms: time text and seek slider
inline constexpr int kMapPoints = 1002;     // marker interval: position to the map
inline constexpr int kMapRefresh = 1003;    // 1000 ms once: map page refresh after going online
inline constexpr int kGraphs = 1005;        // 1000 ms: graph panel
inline constexpr int kReadouts = 1007;      // 1000 ms: speed and G-sensor readouts
inline constexpr int kConnectivity = 1009;  // 3000 ms: internet connection check
inline constexpr int kPlayOpened = 1010;    // 1000 ms once: play the first of newly opened rows

inline constexpr int kTimeDisplayMs = 1000;
inline constexpr int kMapRefreshMs = 1000;
inline constexpr int kGraphsMs = 1000;
inline constexpr int kReadoutsMs = 1000;
inline constexpr int kConnectivityMs = 3000;
inline constexpr int kPlayOpenedMs = 1000;

// Stopped by a stop and by the close (the connectivity check only by the close).
inline constexpr std::array kPlaybackTimers{kTimeDisplay, kGraphs, kReadouts, kMapRefresh, kMapPoints, kPlayOpened};

}  // namespace direvovu::gui::timer
