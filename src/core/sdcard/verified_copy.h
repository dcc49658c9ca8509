#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>

#include "core/io/sha256.h"
#include "core/recording/file_copy.h"

namespace direvovu {

enum class VerifiedOutcome {
  Copied,         // the target holds the source's bytes, read back from the disk and compared
  TargetExists,   // something has the target's name; left untouched
  SourceMissing,  // no source file
  SourceLost,     // the source vanished, shrank or changed while it was read (a pulled card)
  ReadFailed,     // the source could not be read (an I/O error)
  DiskFull,       // the download folder's volume filled up
  WriteFailed,    // the copy could not be written (read-only, no folder)
  Mismatch,       // the bytes read back differed from the card's, twice
  Cancelled,
};

struct VerifiedCopy {
  VerifiedOutcome outcome = VerifiedOutcome::WriteFailed;
  Sha256Digest digest{};       // of the source, when copied
  std::uint64_t size = 0;      // bytes copied
  std::int64_t copyMtime = 0;  // the copy's modification time (ns) after the rename
  std::error_code error;       // the reason of a failure
};

struct VerifiedCopyOptions {
  const CopyWatch* watch = nullptr;
  // Replace a file that has the target's name (a damaged copy this program made).
  bool replace = false;
  // Called with the temporary file after it was flushed and before it is read back;
  // tests damage it there as a failing disk would.
  std::function<void(const std::filesystem::path& temp)> beforeReadBack;
};

// Copies `source` to a hidden temporary name beside `target`, hashing it while reading
// it; flushes the copy, drops its cached pages and reads it back from the disk; only a
// copy whose digest matches takes the target's name (never replacing a file unless
// asked). A mismatch is tried once more. The copy keeps the source's modification time.
// Nothing is ever left under the target's name but a whole, verified copy.
VerifiedCopy CopyVerified(const std::filesystem::path& source, const std::filesystem::path& target,
                          const VerifiedCopyOptions& options = {});

class PendingCopy;

// CopyVerified in two halves, so that one file is checked while the next is copied:
// the first writes the temporary copy (its flush to the disk already started), the
// second, on any thread, waits for the flush, reads the copy back, compares and names
// it. The retry after a mismatch copies the source again under `retryWatch`.
PendingCopy BeginVerifiedCopy(const std::filesystem::path& source, const std::filesystem::path& target,
                              const VerifiedCopyOptions& options = {});
VerifiedCopy FinishVerifiedCopy(PendingCopy pending, const CopyWatch* retryWatch = nullptr);

// A copy written and hashed whose check is still to come. Dropped unfinished, it takes
// its temporary file with it.
class PendingCopy {
 public:
  PendingCopy();
  ~PendingCopy();
  PendingCopy(PendingCopy&& other) noexcept;
  PendingCopy& operator=(PendingCopy&& other) noexcept;
  PendingCopy(const PendingCopy&) = delete;
  PendingCopy& operator=(const PendingCopy&) = delete;

  // Copied while the check is to come; any other outcome is final.
  [[nodiscard]] const VerifiedCopy& result() const { return result_; }

  struct State;  // the open source and the temporary copy; known to the copy's own code only

 private:
  friend PendingCopy BeginVerifiedCopy(const std::filesystem::path& source,
                                       const std::filesystem::path& target,
                                       const VerifiedCopyOptions& options);
  friend VerifiedCopy FinishVerifiedCopy(PendingCopy pending, const CopyWatch* retryWatch);
  VerifiedCopy result_;
  std::unique_ptr<State> state_;
};

// The digest of a file read from the disk rather than the page cache where the system
// allows (its cached pages are dropped first). nullopt with `error` set on failure.
std::optional<Sha256Digest> Sha256OfFileOnDisk(const std::filesystem::path& path, std::error_code& error,
                                               const CopyWatch* watch = nullptr);

}  // namespace direvovu
