#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace direvovu {

// 32-bit words read from bytes in memory. A word that does not lie wholly inside the
// bytes reads as nothing, so a size field at the end of a cut file cannot read past it.
[[nodiscard]] std::optional<std::uint32_t> BigEndianAt(std::span<const std::uint8_t> bytes, std::size_t at);
[[nodiscard]] std::optional<std::uint32_t> LittleEndianAt(std::span<const std::uint8_t> bytes,
                                                          std::size_t at);
// Writes a big-endian word; false (and nothing written) when it does not fit.
bool PutBigEndianAt(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value);

// Random access to a bounded run of bytes. Parsers read through this so that they
// can work on memory (tests, fuzzers) and on large files alike without loading them.
class ByteReader {
 public:
  virtual ~ByteReader() = default;
  // Number of bytes that can be read; reads never reach beyond it.
  [[nodiscard]] virtual std::uint64_t Size() const = 0;
  // Copies up to out.size() bytes starting at offset; returns how many were copied
  // (fewer at the end of the data or on a read error, 0 past the end).
  virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;

  // True only when all of out could be filled.
  bool ReadExact(std::uint64_t offset, std::span<std::uint8_t> out) {
    return ReadAt(offset, out) == out.size();
  }

  // The big-endian word at offset; nothing when fewer than four bytes remain there.
  [[nodiscard]] std::optional<std::uint32_t> ReadBigEndian(std::uint64_t offset);
};

// Reads from bytes held by the caller, who keeps them alive.
class SpanReader final : public ByteReader {
 public:
  explicit SpanReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  [[nodiscard]] std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// Reads a file on demand; only the requested ranges are read.
class FileReader final : public ByteReader {
 public:
  // nullptr when the file cannot be opened (or is not a regular file).
  static std::unique_ptr<FileReader> Open(const std::filesystem::path& path);
  [[nodiscard]] std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  FileReader(std::ifstream stream, std::uint64_t size) : stream_(std::move(stream)), size_(size) {}
  std::ifstream stream_;
  std::uint64_t size_;
};

// Presents another reader with its first bytes replaced and its length cut short:
// an encrypted recording read as the plain recording it was made from (decrypted
// header in front, trailer left off) without writing a copy.
class OverlayReader final : public ByteReader {
 public:
  // The base reader must outlive this one. size is capped at base.Size().
  OverlayReader(ByteReader& base, std::vector<std::uint8_t> head, std::uint64_t size);
  [[nodiscard]] std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  ByteReader& base_;
  std::vector<std::uint8_t> head_;
  std::uint64_t size_;
};

}  // namespace direvovu
