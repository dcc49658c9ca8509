#include "core/sdcard/verified_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/io/durable_folder.h"
#include "core/sdcard/copy_no_overwrite.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBlock = std::size_t{1} << 20;

std::error_code LastError() { return {errno, std::generic_category()}; }

// Closes a descriptor at the end of a scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&&) = delete;
  Fd& operator=(Fd&&) = delete;
  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] bool ok() const { return fd_ >= 0; }
  bool Close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

bool IsFull(const std::error_code& error) {
  return error == std::errc::no_space_on_device || error.value() == EDQUOT;
}

VerifiedOutcome WriteOutcome(const std::error_code& error) {
  return IsFull(error) ? VerifiedOutcome::DiskFull : VerifiedOutcome::WriteFailed;
}

// Reads up to `size` bytes, retrying interrupted calls; -1 on error.
ssize_t ReadSome(int fd, std::uint8_t* data, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, data, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return false;
    if (put == 0) {
      errno = ENOSPC;
      return false;
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

std::int64_t MtimeNs(const struct stat& st) {
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// The source as it was opened: what a pulled card would change.
struct OpenedSource {
  int fd;
  const fs::path& path;
  struct stat st;
};

// The source still has the file it had when the copy began, and all of it was read.
bool SourceUnchanged(const OpenedSource& source, std::uint64_t read) {
  struct stat now {};
  if (::stat(source.path.c_str(), &now) != 0) return false;
  return now.st_ino == source.st.st_ino && now.st_dev == source.st.st_dev &&
         std::cmp_equal(now.st_size, source.st.st_size) && std::cmp_equal(read, source.st.st_size) &&
         MtimeNs(now) == MtimeNs(source.st);
}

// One pass: card → temporary file, hashing on the way; the temporary file is flushed.
VerifiedCopy Transfer(const OpenedSource& source, int out, const CopyWatch* watch) {
  VerifiedCopy result;
  ::posix_fadvise(source.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  ::lseek(source.fd, 0, SEEK_SET);
  Sha256 hasher;
  std::vector<std::uint8_t> block(kBlock);
  for (;;) {
    if (watch != nullptr) {
      if (watch->Cancelled()) {
        result.outcome = VerifiedOutcome::Cancelled;
        return result;
      }
      watch->Report(result.size);
    }
    const ssize_t got = ReadSome(source.fd, block.data(), block.size());
    if (got < 0) {
      result.error = LastError();
      result.outcome =
          SourceUnchanged(source, result.size) ? VerifiedOutcome::ReadFailed : VerifiedOutcome::SourceLost;
      // An I/O error on a file whose card is gone is the pulled card.
      std::error_code ec;
      if (!fs::exists(source.path, ec)) result.outcome = VerifiedOutcome::SourceLost;
      return result;
    }
    if (got == 0) break;
    hasher.Update(std::span(block).first(static_cast<std::size_t>(got)));
    if (!WriteAll(out, block.data(), static_cast<std::size_t>(got))) {
      result.error = LastError();
      result.outcome = WriteOutcome(result.error);
      return result;
    }
    result.size += static_cast<std::uint64_t>(got);
  }
  if (!SourceUnchanged(source, result.size)) {
    result.outcome = VerifiedOutcome::SourceLost;
    result.error = std::make_error_code(std::errc::no_such_file_or_directory);
    return result;
  }
  const timespec times[2] = {source.st.st_atim, source.st.st_mtim};
  ::futimens(out, times);
  if (::fsync(out) != 0) {
    result.error = LastError();
    result.outcome = WriteOutcome(result.error);
    return result;
  }
  const auto digest = hasher.Finish();
  if (!digest) {
    result.error = std::make_error_code(std::errc::not_enough_memory);
    return result;
  }
  result.digest = *digest;
  result.outcome = VerifiedOutcome::Copied;
  return result;
}

VerifiedCopy Attempt(const OpenedSource& source, const fs::path& target, const VerifiedCopyOptions& options) {
  const fs::path temp = TemporarySibling(target);
  Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  VerifiedCopy result;
  if (!out.ok()) {
    result.error = LastError();
    result.outcome = WriteOutcome(result.error);
    return result;
  }
  result = Transfer(source, out.get(), options.watch);
  if (!out.Close() && result.outcome == VerifiedOutcome::Copied) {
    result.error = LastError();
    result.outcome = WriteOutcome(result.error);
  }
  std::error_code ec;
  if (result.outcome != VerifiedOutcome::Copied) {
    fs::remove(temp, ec);
    return result;
  }
  if (options.beforeReadBack) options.beforeReadBack(temp);
  const auto back = Sha256OfFileOnDisk(temp, ec);
  if (!back || *back != result.digest) {
    fs::remove(temp, ec);
    result.outcome = back ? VerifiedOutcome::Mismatch : VerifiedOutcome::WriteFailed;
    result.error = back ? std::make_error_code(std::errc::io_error) : ec;
    return result;
  }
  bool exists = false;
  if (options.replace) {
    fs::rename(temp, target, ec);
  } else if (!RenameNoReplace(temp, target, exists)) {
    ec = exists ? std::make_error_code(std::errc::file_exists) : LastError();
  }
  if (ec) {
    std::error_code remove_ec;
    fs::remove(temp, remove_ec);
    result.outcome = exists ? VerifiedOutcome::TargetExists : VerifiedOutcome::WriteFailed;
    result.error = ec;
    return result;
  }
  SyncFolder(target.parent_path());
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) result.copyMtime = MtimeNs(st);
  return result;
}

}  // namespace

std::optional<Sha256Digest> Sha256OfFileOnDisk(const fs::path& path, std::error_code& error,
                                               const CopyWatch* watch) {
  {
    // Clean pages only go: a file just written was flushed by its writer.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.ok()) ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
  }
  return Sha256OfFile(path, error, watch);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): from, then to, as every copy
VerifiedCopy CopyVerified(const fs::path& source, const fs::path& target,
                          const VerifiedCopyOptions& options) {
  VerifiedCopy result;
  std::error_code ec;
  if (!options.replace && fs::exists(fs::symlink_status(target, ec))) {
    result.outcome = VerifiedOutcome::TargetExists;
    return result;
  }
  const Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  OpenedSource opened{in.get(), source, {}};
  if (!in.ok() || ::fstat(in.get(), &opened.st) != 0 || !S_ISREG(opened.st.st_mode)) {
    result.error = in.ok() ? std::make_error_code(std::errc::invalid_argument) : LastError();
    result.outcome = result.error == std::errc::no_such_file_or_directory ? VerifiedOutcome::SourceMissing
                                                                          : VerifiedOutcome::ReadFailed;
    return result;
  }
  // The card's bytes may have been read wrong once (a flaky reader); the second try
  // reads them again.
  for (int attempt = 0; attempt < 2; ++attempt) {
    result = Attempt(opened, target, options);
    if (result.outcome != VerifiedOutcome::Mismatch) break;
  }
  return result;
}

}  // namespace direvovu
