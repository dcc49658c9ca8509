#include "core/io/byte_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <system_error>
#include <utility>

namespace direvovu {
namespace {

// How many of `wanted` bytes at offset lie inside [0, size).
std::size_t Available(std::uint64_t offset, std::size_t wanted, std::uint64_t size) {
  if (offset >= size) return 0;
  return static_cast<std::size_t>(std::min<std::uint64_t>(wanted, size - offset));
}

bool Holds(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t n) {
  return at <= bytes.size() && bytes.size() - at >= n;
}

}  // namespace

std::optional<std::uint32_t> BigEndianAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (!Holds(bytes, at, 4)) return std::nullopt;
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
         (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

std::optional<std::uint32_t> LittleEndianAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (!Holds(bytes, at, 4)) return std::nullopt;
  return (std::uint32_t{bytes[at + 3]} << 24) | (std::uint32_t{bytes[at + 2]} << 16) |
         (std::uint32_t{bytes[at + 1]} << 8) | std::uint32_t{bytes[at]};
}

bool PutBigEndianAt(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  if (!Holds(bytes, at, 4)) return false;
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
  return true;
}

std::optional<std::uint32_t> ByteReader::ReadBigEndian(std::uint64_t offset) {
  std::array<std::uint8_t, 4> word{};
  if (!ReadExact(offset, word)) return std::nullopt;
  return BigEndianAt(word, 0);
}

std::size_t SpanReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  const std::size_t n = Available(offset, out.size(), bytes_.size());
  if (n > 0) std::memcpy(out.data(), bytes_.data() + offset, n);
  return n;
}

std::unique_ptr<FileReader> FileReader::Open(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return nullptr;
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return nullptr;
  return std::unique_ptr<FileReader>(new FileReader(std::move(stream), size));
}

std::size_t FileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  const std::size_t n = Available(offset, out.size(), size_);
  if (n == 0) return 0;
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  if (!stream_) return 0;
  stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(n));
  return static_cast<std::size_t>(std::max<std::streamsize>(stream_.gcount(), 0));
}

OverlayReader::OverlayReader(ByteReader& base, std::vector<std::uint8_t> head, std::uint64_t size)
    : base_(base), head_(std::move(head)), size_(std::min(size, base.Size())) {}

std::size_t OverlayReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  const std::size_t n = Available(offset, out.size(), size_);
  std::size_t done = 0;
  // The part that falls on the replaced head comes from head_, the rest from the base.
  if (offset < head_.size() && n > 0) {
    done = std::min<std::size_t>(n, head_.size() - static_cast<std::size_t>(offset));
    std::memcpy(out.data(), head_.data() + offset, done);
  }
  if (done < n) done += base_.ReadAt(offset + done, out.subspan(done, n - done));
  return done;
}

}  // namespace direvovu
