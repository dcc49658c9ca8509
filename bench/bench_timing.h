#pragma once
// Timing helpers of the benchmark programs: a run's wall time, the best of several runs
// and the median of a series.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace direvovu::bench {

inline double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Best(int runs, const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(work));
  return best;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace direvovu::bench
