#include "core/app/ab_loop.h"

#include <algorithm>
#include <cstdlib>

namespace direvovu {

AbLoop PressLoopKey(const AbLoop& loop, std::int64_t now_ms) {
  const std::int64_t now = std::max<std::int64_t>(now_ms, 0);
  if (loop.Looping()) return {};
  if (!loop.a_ms) return {now, std::nullopt};
  if (std::llabs(now - *loop.a_ms) < kMinLoopSpanMs) return loop;
  return {std::min(*loop.a_ms, now), std::max(*loop.a_ms, now)};
}

std::optional<std::int64_t> LoopJumpMs(const AbLoop& loop, std::int64_t now_ms) {
  if (!loop.Looping() || now_ms < *loop.b_ms) return std::nullopt;
  return *loop.a_ms;
}

}  // namespace direvovu
