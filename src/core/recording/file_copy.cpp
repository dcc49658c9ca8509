#include "core/recording/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace direvovu {
namespace {

constexpr std::size_t kFallbackBlock = std::size_t{1024} * 1024;
// copy_file_range takes a size_t; ask for at most 1 GiB per call.
constexpr std::size_t kKernelChunk = std::size_t{1} << 30;
// A watched copy answers a cancel and reports progress at least this often (a slow card
// does a few MB a second, so a piece is well under a second there).
constexpr std::size_t kWatchedChunk = std::size_t{8} << 20;

bool CopyByBlocks(int in, std::uint64_t from, int out, std::uint64_t to, const CopyWatch* watch) {
  std::vector<std::uint8_t> block(kFallbackBlock);
  const std::uint64_t start = to;
  for (;;) {
    if (watch != nullptr) {
      if (watch->Cancelled()) return false;
      watch->Report(to - start);
    }
    const ssize_t got = ::pread(in, block.data(), block.size(), static_cast<off_t>(from));
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    std::size_t done = 0;
    while (done < static_cast<std::size_t>(got)) {
      const ssize_t put = ::pwrite(out, block.data() + done, static_cast<std::size_t>(got) - done,
                                   static_cast<off_t>(to + done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      done += static_cast<std::size_t>(put);
    }
    from += done;
    to += done;
  }
}

}  // namespace

BinaryFile::~BinaryFile() {
  if (fd_ >= 0) ::close(fd_);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

std::optional<BinaryFile> BinaryFile::OpenRead(const std::filesystem::path& path) {
  // Non-blocking so that a FIFO given as a recording cannot hang the open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  BinaryFile file(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return file;
}

std::optional<BinaryFile> BinaryFile::Create(const std::filesystem::path& path, bool exclusive) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (exclusive ? O_EXCL : O_TRUNC);
  const int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) return std::nullopt;
  return BinaryFile(fd);
}

std::optional<std::uint64_t> BinaryFile::Size() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::size_t> BinaryFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool BinaryFile::ReadExactlyAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
  const auto got = ReadAt(offset, out);
  return got && *got == out.size();
}

bool BinaryFile::WriteAllAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool BinaryFile::Sync() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool BinaryFile::Close() {
  if (fd_ < 0) return true;
  const int rc = ::close(std::exchange(fd_, -1));
  return rc == 0;
}

bool CopyToEnd(const BinaryFile& source, std::uint64_t sourceOffset, BinaryFile& target,
               std::uint64_t targetOffset, const CopyWatch* watch) {
#ifdef __linux__
  auto in = static_cast<off_t>(sourceOffset);
  auto out = static_cast<off_t>(targetOffset);
  const std::size_t chunk = watch != nullptr ? kWatchedChunk : kKernelChunk;
  for (;;) {
    if (watch != nullptr) {
      if (watch->Cancelled()) return false;
      watch->Report(static_cast<std::uint64_t>(out) - targetOffset);
    }
    const ssize_t n = ::copy_file_range(source.fd(), &in, target.fd(), &out, chunk, 0);
    if (n > 0) continue;
    if (n == 0) {
      if (watch != nullptr) watch->Report(static_cast<std::uint64_t>(out) - targetOffset);
      return true;
    }
    if (errno == EINTR) continue;
    // Kernels or file systems without the call (or across some mounts): plain copy
    // from where the kernel stopped.
    if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP || errno == EBADF) {
      return CopyByBlocks(source.fd(), static_cast<std::uint64_t>(in), target.fd(),
                          static_cast<std::uint64_t>(out), watch);
    }
    return false;
  }
#else
  return CopyByBlocks(source.fd(), sourceOffset, target.fd(), targetOffset, watch);
#endif
}

}  // namespace direvovu
