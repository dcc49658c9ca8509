#pragma once

#include <cstdint>
#include <optional>

namespace direvovu {

// The A-B loop of the pair: the loop key sets A, then B, then clears both.
struct AbLoop {
  std::optional<std::int64_t> a_ms;
  std::optional<std::int64_t> b_ms;

  [[nodiscard]] bool Looping() const { return a_ms && b_ms; }
  bool operator==(const AbLoop&) const = default;
};

// A span shorter than this is no loop: the second press is ignored (a double press).
inline constexpr std::int64_t kMinLoopSpanMs = 100;

// The loop after the loop key at play time `now_ms`. A B before A swaps them, so the
// loop runs forward whichever way the user went.
AbLoop PressLoopKey(const AbLoop& loop, std::int64_t now_ms);

// Where the pair jumps back to at play time `now_ms`: A once B is reached.
std::optional<std::int64_t> LoopJumpMs(const AbLoop& loop, std::int64_t now_ms);

}  // namespace direvovu
