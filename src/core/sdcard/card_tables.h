#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace direvovu {

// The card walks' work tables hold at most this many folders and recordings each: the
// camera never writes more, and a stray folder of junk cannot make a walk unbounded.
inline constexpr std::size_t kCardTableCapacity = 7000;

// The folder and recording tables of a card walk, shared by the windows that walk the
// card (download, detail search, event report). Entries past the capacity are ignored.
class CardWorkTables {
 public:
  CardWorkTables();

  void Clear();
  // False (and nothing stored) when the table is full.
  bool AddFolder(std::filesystem::path folder);
  bool AddRecording(std::filesystem::path recording);

  [[nodiscard]] const std::vector<std::filesystem::path>& folders() const { return folders_; }
  [[nodiscard]] const std::vector<std::filesystem::path>& recordings() const { return recordings_; }

  // Indices into recordings(), ordered by file name (ordinal, ascending); recordings
  // with equal names keep the order they were found in.
  [[nodiscard]] std::vector<std::size_t> SortedOrder() const;

 private:
  std::vector<std::filesystem::path> folders_;
  std::vector<std::filesystem::path> recordings_;
};

}  // namespace direvovu
