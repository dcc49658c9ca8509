#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace direvovu {

// The paths of newly opened recordings, put in order before they become play-list
// rows. The order is the one users know from the camera's viewer: by the whole text
// without regard to case (ASCII letters), equal texts keeping the order they came in.
// The sort is O(n log n): 7000 names from one open must not take quadratic time.
class CSortStringArray {
 public:
  void Add(std::string text) { items_.push_back(std::move(text)); }
  void RemoveAll() { items_.clear(); }
  void Sort();

  [[nodiscard]] std::size_t GetSize() const { return items_.size(); }
  [[nodiscard]] const std::string& GetAt(std::size_t index) const { return items_.at(index); }
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }

  // The comparison the sort uses: true when a sorts before b (case ignored).
  static bool LessIgnoringCase(const std::string& a, const std::string& b);

 private:
  std::vector<std::string> items_;
};

}  // namespace direvovu
