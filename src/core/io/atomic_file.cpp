#include "core/io/atomic_file.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define DIREVOVU_HAVE_FSYNC 1
#endif

namespace direvovu {
namespace {

// Room for the target's name in a temporary name: 255 bytes less the dot and the longest
// suffix (".tmp-" and two counters of ten digits).
constexpr std::size_t kTemporaryNameRoom = 255 - 1 - 5 - 10 - 1 - 10;

// Pushes the file's data to the device before the rename makes it visible.
bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifdef DIREVOVU_HAVE_FSYNC
  if (::fsync(::fileno(f)) != 0) return false;
#endif
  return true;
}

}  // namespace

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  // A file name has at most 255 bytes: a long target name is cut (at a character's start)
  // so that the dot and the suffix still fit.
  std::string base = target.filename().string();
  if (base.size() > kTemporaryNameRoom) {
    std::size_t cut = kTemporaryNameRoom;
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
    base.resize(cut);
  }
  std::error_code ec;
  for (;;) {
    const auto name =
        "." + base + ".tmp-" + std::to_string(stamp % 1000000007) + "-" + std::to_string(counter++);
    auto candidate = target.parent_path() / name;
    if (!std::filesystem::exists(candidate, ec)) return candidate;
  }
}

bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
  const auto temp = TemporarySibling(target);
  std::FILE* f = std::fopen(temp.string().c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && FlushToDisk(f);
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (written && closed) {
    std::filesystem::rename(temp, target, ec);
    if (!ec) return true;
  }
  std::filesystem::remove(temp, ec);
  return false;
}

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::filesystem::path& path,
                                                       std::uintmax_t max_bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> data;
  char chunk[16384];
  while (in) {
    in.read(chunk, sizeof chunk);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (data.size() + got > max_bytes) return std::nullopt;
    data.insert(data.end(), chunk, chunk + got);
  }
  if (in.bad()) return std::nullopt;
  return data;
}

}  // namespace direvovu
