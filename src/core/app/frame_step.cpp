#include "core/app/frame_step.h"

#include <algorithm>

namespace direvovu {
namespace {

constexpr std::int64_t kUsPerSecond = 1'000'000;
constexpr std::int64_t kMsPerSecond = 1'000;

__extension__ typedef __int128 Wide;  // NOLINT(modernize-use-using): pedantic builds take it only so

// a * b / c rounded down or up, for non-negative a and positive b, c; 128 bits, since an
// hour in microseconds times 30000 overflows 64.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a * b / c, as written
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c, bool up) {
  const Wide product = static_cast<Wide>(a) * b;
  Wide quotient = product / c;
  if (up && quotient * c != product) ++quotient;
  return static_cast<std::int64_t>(quotient);
}

}  // namespace

std::int64_t FrameAt(std::int64_t time_us, FrameRate rate) {
  if (!rate.Known() || time_us <= 0) return 0;
  return MulDiv(time_us, rate.num, rate.den * kUsPerSecond, false);
}

std::int64_t FrameStartUs(std::int64_t index, FrameRate rate) {
  if (!rate.Known() || index <= 0) return 0;
  return MulDiv(index, rate.den * kUsPerSecond, rate.num, true);
}

std::int64_t FrameSeekMs(std::int64_t index, FrameRate rate) {
  if (!rate.Known() || index <= 0) return 0;
  return MulDiv(index, rate.den * kMsPerSecond, rate.num, false);
}

std::int64_t LastFrame(std::int64_t length_ms, FrameRate rate) {
  if (!rate.Known() || length_ms <= 0) return 0;
  // Frames that start before the end; the length is whole milliseconds, so a frame that
  // starts within its last one counts.
  return std::max<std::int64_t>(MulDiv(length_ms, rate.num, rate.den * kMsPerSecond, true) - 1, 0);
}

std::int64_t RearFrameFor(const PairStill& still, std::int64_t front_frame) {
  const std::int64_t at_us = FrameStartUs(front_frame, still.front_rate);
  const std::int64_t frame = FrameAt(at_us, still.rear_rate);
  return std::min(frame, LastFrame(still.rear_length_ms, still.rear_rate));
}

std::optional<FrameStepPlan> PlanFrameStep(const PairStill& still, bool forward) {
  if (!still.front_rate.Known()) return std::nullopt;
  const std::int64_t last = LastFrame(still.front_length_ms, still.front_rate);
  const std::int64_t from = std::clamp<std::int64_t>(still.front_frame, 0, last);
  const std::int64_t to = forward ? from + 1 : from - 1;
  if (to < 0 || to > last) return std::nullopt;
  FrameStepPlan plan;
  plan.front_frame = to;
  plan.position_us = FrameStartUs(to, still.front_rate);
  if (forward) {
    plan.front_next = true;
  } else {
    plan.front_seek_ms = FrameSeekMs(to, still.front_rate);
  }
  if (!still.rear_rate.Known()) return plan;
  const std::int64_t rear_from = RearFrameFor(still, from);
  const std::int64_t rear_to = RearFrameFor(still, to);
  const std::int64_t ahead = rear_to - rear_from;
  if (ahead == 0) return plan;  // a slower rear keeps its frame
  if (ahead > 0 && ahead <= kMaxRearNextFrames) {
    plan.rear_next = static_cast<int>(ahead);
  } else {
    plan.rear_seek_ms = FrameSeekMs(rear_to, still.rear_rate);
  }
  return plan;
}

}  // namespace direvovu
