#include "core/app/transport.h"

#include <algorithm>

namespace direvovu {

bool CanRateUp(float rate) { return rate < kFastestRate; }
bool CanRateDown(float rate) { return rate > kSlowestRate; }

float RateUp(float rate) { return CanRateUp(rate) ? std::min(rate * 2.0F, kFastestRate) : rate; }
float RateDown(float rate) { return CanRateDown(rate) ? std::max(rate / 2.0F, kSlowestRate) : rate; }

int VolumeUp(int step) { return step < kLoudestStep ? std::max(step + 1, 0) : kLoudestStep; }
int VolumeDown(int step) { return step >= 1 ? std::min(step - 1, kLoudestStep) : 0; }

std::int64_t SeekTargetMs(std::int64_t length_ms, int position, int range) {
  if (length_ms <= 0 || range <= 0) return 0;
  const std::int64_t p = std::clamp(position, 0, range);
  return length_ms * p / range;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): time, length, step, as the name reads
std::int64_t NudgedTimeMs(std::int64_t time_ms, std::int64_t length_ms, std::int64_t delta_ms) {
  if (length_ms <= 0) return 0;
  const std::int64_t last = std::max<std::int64_t>(length_ms - 1000, 0);
  return std::clamp<std::int64_t>(time_ms + delta_ms, 0, last);
}

}  // namespace direvovu
