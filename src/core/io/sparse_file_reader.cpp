#include "core/io/sparse_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace direvovu {

std::unique_ptr<SparseFileReader> SparseFileReader::Open(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  // Advice only: a file system that ignores it reads as before.
  (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);
  return std::unique_ptr<SparseFileReader>(new SparseFileReader(fd, static_cast<std::uint64_t>(st.st_size)));
}

SparseFileReader::~SparseFileReader() { ::close(fd_); }

std::size_t SparseFileReader::ReadDirect(std::uint64_t offset, std::span<std::uint8_t> out) const {
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::size_t SparseFileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset >= size_) return 0;
  const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), size_ - offset));
  const bool inWindow = offset >= windowStart_ && offset - windowStart_ + n <= window_.size();
  if (!inWindow) {
    const std::uint64_t start = offset / kSparseWindowBytes * kSparseWindowBytes;
    // A range across the window's end is read as it is.
    if (offset + n > start + kSparseWindowBytes) return ReadDirect(offset, out.first(n));
    window_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kSparseWindowBytes, size_ - start)));
    window_.resize(ReadDirect(start, window_));
    windowStart_ = start;
  }
  const auto at = static_cast<std::size_t>(offset - windowStart_);
  const std::size_t copied = std::min(n, window_.size() > at ? window_.size() - at : 0);
  if (copied > 0) std::memcpy(out.data(), window_.data() + at, copied);
  return copied;
}

}  // namespace direvovu
