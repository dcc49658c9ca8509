#include "core/sdcard/card_tables.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace direvovu {

CardWorkTables::CardWorkTables() {
  // Reserved once, so a walk of a full card allocates nothing per entry.
  folders_.reserve(kCardTableCapacity);
  recordings_.reserve(kCardTableCapacity);
}

void CardWorkTables::Clear() {
  folders_.clear();
  recordings_.clear();
}

bool CardWorkTables::AddFolder(std::filesystem::path folder) {
  if (folders_.size() >= kCardTableCapacity) return false;
  folders_.push_back(std::move(folder));
  return true;
}

bool CardWorkTables::AddRecording(std::filesystem::path recording) {
  if (recordings_.size() >= kCardTableCapacity) return false;
  recordings_.push_back(std::move(recording));
  return true;
}

std::vector<std::size_t> CardWorkTables::SortedOrder() const {
  std::vector<std::string> names;
  names.reserve(recordings_.size());
  for (const auto& path : recordings_) names.push_back(path.filename().string());
  std::vector<std::size_t> order(recordings_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&names](std::size_t a, std::size_t b) { return names[a] < names[b]; });
  return order;
}

}  // namespace direvovu
