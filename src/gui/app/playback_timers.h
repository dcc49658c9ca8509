#pragma once

namespace direvovu::gui::playback_timer {

// Ids of the pair's playback timers, in a registry of its own (the numbers the viewer
// has always used for them).
inline constexpr int kOpenAndStart = 1004;  // once, at once: open both players and start them
inline constexpr int kApplyRate = 1011;     // 500 ms once: current rate on both players
inline constexpr int kEndOfFile = 1012;     // 1000 ms once: stop and advance to the next row
inline constexpr int kStartVolume = 1015;   // 1000 ms once: volume on the front player
inline constexpr int kSettle = 1016;        // 2000 ms: the settle time after a start; stops itself

// As soon as the window has shown the video areas: any longer is only waiting.
inline constexpr int kOpenAndStartMs = 1;
inline constexpr int kApplyRateMs = 500;
inline constexpr int kEndOfFileMs = 1000;
inline constexpr int kStartVolumeMs = 1000;
inline constexpr int kSettleMs = 2000;

}  // namespace direvovu::gui::playback_timer
