// Reads on worker threads, results in order: the order, the bound on reading ahead, a
// read that throws, and stopping with reads left.
#include "core/io/ordered_readers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>

namespace direvovu {
namespace {

struct ReadersCase {
  const char* name;
  std::size_t count;
  std::size_t threads;
  std::size_t ahead;
  int slowEvery;  // every n-th read sleeps, so later ones finish first (0: none)
  int throwAt;    // the read that throws (-1: none)
};

TEST(OrderedReaders, HandBackEveryResultInOrderWithinTheirReachAhead) {
  const std::vector<ReadersCase> cases{
      {"one thread", 50, 1, 4, 0, -1},
      {"more threads than reads", 3, 8, 16, 0, -1},
      {"slow reads finish after later ones", 200, 8, 16, 7, -1},
      {"a reach of one", 40, 4, 1, 3, -1},
      {"a read that throws", 60, 4, 8, 5, 17},
      {"nothing to read", 0, 4, 8, 0, -1},
  };
  for (const ReadersCase& c : cases) {
    std::atomic<std::size_t> taken{0};
    std::atomic<bool> overreached{false};
    OrderedReaders<std::string> readers(c.count, c.threads, c.ahead, [&](std::size_t i) {
      if (i > taken.load() + c.ahead) overreached = true;  // Take may not have told us yet
      if (c.slowEvery > 0 && i % static_cast<std::size_t>(c.slowEvery) == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      if (static_cast<int>(i) == c.throwAt) throw std::runtime_error("unreadable " + std::to_string(i));
      return std::to_string(i);
    });
    ASSERT_EQ(readers.size(), c.count) << c.name;
    for (std::size_t i = 0; i < c.count; ++i) {
      if (static_cast<int>(i) == c.throwAt) {
        EXPECT_THROW(readers.Take(), std::runtime_error) << c.name;
      } else {
        EXPECT_EQ(readers.Take(), std::to_string(i)) << c.name;
      }
      taken = i + 1;
    }
    EXPECT_FALSE(overreached) << c.name;
  }
}

TEST(OrderedReaders, StopWithReadsLeftWithoutReadingThemAll) {
  std::atomic<std::size_t> read{0};
  {
    OrderedReaders<int> readers(10000, 4, 8, [&](std::size_t i) {
      ++read;
      return static_cast<int>(i);
    });
    EXPECT_EQ(readers.Take(), 0);
    EXPECT_EQ(readers.Take(), 1);
  }
  EXPECT_LE(read.load(), 2u + 8u);
}

}  // namespace
}  // namespace direvovu
