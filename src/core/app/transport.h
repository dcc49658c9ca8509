#pragma once

#include <cstdint>

#include "core/limits.h"

namespace direvovu {

// The window's playback rates: halved or doubled between these bounds.
inline constexpr float kSlowestRate = 0.125F;
inline constexpr float kFastestRate = 8.0F;
// The volume step the window keeps (0..10).
inline constexpr int kLoudestStep = kMaxVolumeStep;

// Play waits for both players to settle: this many tries, this far apart.
inline constexpr int kPlayAttempts = 11;
inline constexpr int kPlayRetryMs = 300;
// Stop waits for the players to report stopped, testing this often, at most this long.
inline constexpr int kStopPollMs = 100;
inline constexpr int kStopWaitBoundMs = 3000;
// The arrow keys move the play time by this much.
inline constexpr std::int64_t kKeySeekMs = 5000;

// The next rate up or down; the bound itself stays where it is.
float RateUp(float rate);
float RateDown(float rate);
// Whether the rate can still move that way.
bool CanRateUp(float rate);
bool CanRateDown(float rate);

int VolumeUp(int step);
int VolumeDown(int step);

// Play time for a slider position of 0..range over a recording of `length_ms`. Exact
// in 64 bits (the length is not divided first, so short recordings seek exactly too).
std::int64_t SeekTargetMs(std::int64_t length_ms, int position, int range);

// The play time `delta_ms` away from `time_ms`, held inside the recording; a target at
// or past the end is put one second before it, so the seek lands on a picture.
std::int64_t NudgedTimeMs(std::int64_t time_ms, std::int64_t length_ms, std::int64_t delta_ms);

}  // namespace direvovu
