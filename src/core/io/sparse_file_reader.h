#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/io/byte_reader.h"

namespace direvovu {

// Reads a few small ranges of a large file: positioned reads through a window of
// kSparseWindowBytes, and no read-ahead. A parser that seeks to a recording's boxes
// touches kilobytes at its two ends; the kernel's read-ahead would bring in the video
// between them (most of a short recording, from a cold card).
inline constexpr std::size_t kSparseWindowBytes = 4096;

class SparseFileReader final : public ByteReader {
 public:
  // nullptr when the file cannot be opened or is not a regular file.
  static std::unique_ptr<SparseFileReader> Open(const std::filesystem::path& path);
  ~SparseFileReader() override;
  SparseFileReader(const SparseFileReader&) = delete;
  SparseFileReader& operator=(const SparseFileReader&) = delete;

  [[nodiscard]] std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  SparseFileReader(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  [[nodiscard]] std::size_t ReadDirect(std::uint64_t offset, std::span<std::uint8_t> out) const;

  int fd_;
  std::uint64_t size_;
  std::uint64_t windowStart_ = 0;
  std::vector<std::uint8_t> window_;  // the file's bytes from windowStart_
};

}  // namespace direvovu
