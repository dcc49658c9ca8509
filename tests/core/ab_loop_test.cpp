#include "core/app/ab_loop.h"

#include <gtest/gtest.h>

#include <vector>

namespace direvovu {
namespace {

TEST(AbLoop, TheLoopKeySetsAThenBThenClears) {
  struct Row {
    const char* name;
    AbLoop before;
    std::int64_t now_ms;
    AbLoop after;
  };
  const std::vector<Row> rows = {
      {"first press sets A", {}, 4'000, {4'000, {}}},
      {"second press sets B", {4'000, {}}, 9'000, {4'000, 9'000}},
      {"B before A swaps them", {9'000, {}}, 4'000, {4'000, 9'000}},
      {"a press within the shortest span is ignored", {4'000, {}}, 4'050, {4'000, {}}},
      {"third press clears", {4'000, 9'000}, 6'000, {}},
      {"a time before the start counts as the start", {}, -20, {0, {}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PressLoopKey(row.before, row.now_ms), row.after);
  }
}

TEST(AbLoop, JumpsBackToAOnceBIsReached) {
  const AbLoop loop{4'000, 9'000};
  struct Row {
    AbLoop loop;
    std::int64_t now_ms;
    std::optional<std::int64_t> jump;
  };
  const std::vector<Row> rows = {
      {loop, 3'000, {}},     {loop, 8'999, {}},         {loop, 9'000, 4'000},
      {loop, 12'000, 4'000}, {{4'000, {}}, 12'000, {}},  // A alone does not loop
      {{}, 12'000, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(LoopJumpMs(row.loop, row.now_ms), row.jump) << row.now_ms;
}

}  // namespace
}  // namespace direvovu
