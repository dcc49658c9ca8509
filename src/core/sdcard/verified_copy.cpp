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
// How much written data waits before it is handed to the disk.
constexpr std::uint64_t kWritebackStep = std::uint64_t{8} << 20;

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
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }

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

// Starts writing a range of the copy to the disk without waiting for it.
void StartWriteback(int fd, std::uint64_t offset, std::uint64_t length) {
#ifdef __linux__
  if (length > 0)
    ::sync_file_range(fd, static_cast<off64_t>(offset), static_cast<off64_t>(length), SYNC_FILE_RANGE_WRITE);
#else
  (void)fd, (void)offset, (void)length;
#endif
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

// One pass: card → temporary file, hashing on the way. The written bytes are handed to
// the disk as they come, so the flush that the check waits for has little left to do.
VerifiedCopy Transfer(const OpenedSource& source, int out, const CopyWatch* watch) {
  VerifiedCopy result;
  ::posix_fadvise(source.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  ::lseek(source.fd, 0, SEEK_SET);
  Sha256 hasher;
  std::vector<std::uint8_t> block(kBlock);
  std::uint64_t handed = 0;
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
    if (result.size - handed >= kWritebackStep) {
      StartWriteback(out, handed, result.size - handed);
      handed = result.size;
    }
  }
  if (!SourceUnchanged(source, result.size)) {
    result.outcome = VerifiedOutcome::SourceLost;
    result.error = std::make_error_code(std::errc::no_such_file_or_directory);
    return result;
  }
  const timespec times[2] = {source.st.st_atim, source.st.st_mtim};
  ::futimens(out, times);
  StartWriteback(out, handed, result.size - handed);
  const auto digest = hasher.Finish();
  if (!digest) {
    result.error = std::make_error_code(std::errc::not_enough_memory);
    return result;
  }
  result.digest = *digest;
  result.outcome = VerifiedOutcome::Copied;
  return result;
}

}  // namespace

// The source held open from the first read to the last retry, and the temporary copy.
struct PendingCopy::State {
  State() = default;
  ~State() { Drop(); }
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  State(State&&) = delete;
  State& operator=(State&&) = delete;

  [[nodiscard]] OpenedSource Source() const { return {in.get(), source, st}; }

  // Removes the temporary copy (a failed or abandoned one).
  void Drop() {
    out.Close();
    std::error_code ec;
    if (!temp.empty()) fs::remove(temp, ec);
    temp.clear();
  }

  fs::path source;
  fs::path target;
  bool replace = false;
  std::function<void(const fs::path&)> beforeReadBack;
  Fd in{-1};
  struct stat st {};
  fs::path temp;
  Fd out{-1};
};

namespace {

using State = PendingCopy::State;

// Writes a new temporary copy of the source.
VerifiedCopy Write(State& state, const CopyWatch* watch) {
  state.Drop();
  VerifiedCopy result;
  state.temp = TemporarySibling(state.target);
  state.out.Reset(::open(state.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!state.out.ok()) {
    result.error = LastError();
    result.outcome = WriteOutcome(result.error);
    state.temp.clear();
    return result;
  }
  result = Transfer(state.Source(), state.out.get(), watch);
  if (result.outcome != VerifiedOutcome::Copied) state.Drop();
  return result;
}

// Waits for the copy to reach the disk and compares what the disk holds.
VerifiedCopy Check(State& state, VerifiedCopy result) {
  if (::fsync(state.out.get()) != 0 || !state.out.Close()) {
    result.error = LastError();
    result.outcome = WriteOutcome(result.error);
    state.Drop();
    return result;
  }
  if (state.beforeReadBack) state.beforeReadBack(state.temp);
  std::error_code ec;
  const auto back = Sha256OfFileOnDisk(state.temp, ec);
  if (!back || *back != result.digest) {
    state.Drop();
    result.outcome = back ? VerifiedOutcome::Mismatch : VerifiedOutcome::WriteFailed;
    result.error = back ? std::make_error_code(std::errc::io_error) : ec;
  }
  return result;
}

// Gives the checked copy its name.
VerifiedCopy Place(State& state, VerifiedCopy result) {
  std::error_code ec;
  bool exists = false;
  if (state.replace) {
    fs::rename(state.temp, state.target, ec);
  } else if (!RenameNoReplace(state.temp, state.target, exists)) {
    ec = exists ? std::make_error_code(std::errc::file_exists) : LastError();
  }
  if (ec) {
    state.Drop();
    result.outcome = exists ? VerifiedOutcome::TargetExists : VerifiedOutcome::WriteFailed;
    result.error = ec;
    return result;
  }
  state.temp.clear();
  SyncFolder(state.target.parent_path());
  struct stat st {};
  if (::stat(state.target.c_str(), &st) == 0) result.copyMtime = MtimeNs(st);
  return result;
}

}  // namespace

PendingCopy::PendingCopy() = default;
PendingCopy::~PendingCopy() = default;
PendingCopy::PendingCopy(PendingCopy&& other) noexcept = default;
PendingCopy& PendingCopy::operator=(PendingCopy&& other) noexcept = default;

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
PendingCopy BeginVerifiedCopy(const fs::path& source, const fs::path& target,
                              const VerifiedCopyOptions& options) {
  PendingCopy pending;
  VerifiedCopy& result = pending.result_;
  std::error_code ec;
  if (!options.replace && fs::exists(fs::symlink_status(target, ec))) {
    result.outcome = VerifiedOutcome::TargetExists;
    return pending;
  }
  auto state = std::make_unique<State>();
  state->source = source;
  state->target = target;
  state->replace = options.replace;
  state->beforeReadBack = options.beforeReadBack;
  state->in.Reset(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!state->in.ok() || ::fstat(state->in.get(), &state->st) != 0 || !S_ISREG(state->st.st_mode)) {
    result.error = state->in.ok() ? std::make_error_code(std::errc::invalid_argument) : LastError();
    result.outcome = result.error == std::errc::no_such_file_or_directory ? VerifiedOutcome::SourceMissing
                                                                          : VerifiedOutcome::ReadFailed;
    return pending;
  }
  result = Write(*state, options.watch);
  if (result.outcome == VerifiedOutcome::Copied) pending.state_ = std::move(state);
  return pending;
}

VerifiedCopy FinishVerifiedCopy(PendingCopy pending, const CopyWatch* retryWatch) {
  if (pending.result_.outcome != VerifiedOutcome::Copied || !pending.state_) return pending.result_;
  State& state = *pending.state_;
  VerifiedCopy result = Check(state, pending.result_);
  if (result.outcome == VerifiedOutcome::Mismatch) {
    // The card's bytes may have been read wrong once (a flaky reader); the second try
    // reads them again.
    result = Write(state, retryWatch);
    if (result.outcome == VerifiedOutcome::Copied) result = Check(state, result);
  }
  if (result.outcome == VerifiedOutcome::Copied) result = Place(state, result);
  return result;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): from, then to, as every copy
VerifiedCopy CopyVerified(const fs::path& source, const fs::path& target,
                          const VerifiedCopyOptions& options) {
  return FinishVerifiedCopy(BeginVerifiedCopy(source, target, options), options.watch);
}

}  // namespace direvovu
