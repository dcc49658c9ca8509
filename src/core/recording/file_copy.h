#pragma once

// Small binary-file handle and the copy used for working and decrypted copies. The
// copy goes through the kernel (copy_file_range: a reflink where the file system can,
// an in-kernel copy elsewhere) and falls back to reads and writes of 1 MiB blocks.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>

namespace direvovu {

class BinaryFile {
 public:
  BinaryFile() = default;
  ~BinaryFile();
  BinaryFile(BinaryFile&& other) noexcept;
  BinaryFile& operator=(BinaryFile&& other) noexcept;
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  // nullopt when the file cannot be opened (or is not a regular file).
  static std::optional<BinaryFile> OpenRead(const std::filesystem::path& path);
  // Creates the file for writing; `exclusive` refuses an existing file, otherwise an
  // existing file is emptied.
  static std::optional<BinaryFile> Create(const std::filesystem::path& path, bool exclusive);

  [[nodiscard]] bool is_open() const { return fd_ >= 0; }
  [[nodiscard]] std::optional<std::uint64_t> Size() const;
  // Reads up to out.size() bytes at `offset`; returns the count (short at the end of
  // the file), or nullopt on a read error.
  [[nodiscard]] std::optional<std::size_t> ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
  // True only when exactly out.size() bytes were read.
  [[nodiscard]] bool ReadExactlyAt(std::uint64_t offset, std::span<std::uint8_t> out) const;
  bool WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
  bool Sync();
  // Closes and reports a failure of the close itself (a late write error).
  bool Close();

  [[nodiscard]] int fd() const { return fd_; }

 private:
  explicit BinaryFile(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// What a long copy tells and asks while it runs, from the thread that copies: the bytes
// written so far (of this one copy) and whether it should give up.
struct CopyWatch {
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(std::uint64_t copied)> progress;

  [[nodiscard]] bool Cancelled() const { return cancel != nullptr && cancel->load(); }
  void Report(std::uint64_t copied) const {
    if (progress) progress(copied);
  }
};

// Copies `source` from `sourceOffset` to its end onto `target` at `targetOffset`.
// Returns false on any read or write failure (a full disk among them), and when the
// watch asks to give up; with a watch the copy goes in pieces small enough to answer soon.
bool CopyToEnd(const BinaryFile& source, std::uint64_t sourceOffset, BinaryFile& target,
               std::uint64_t targetOffset, const CopyWatch* watch = nullptr);

}  // namespace direvovu
