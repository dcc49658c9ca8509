#include "core/sdcard/copy_no_overwrite.h"

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>  // renameat2

#include <cerrno>
#include <system_error>

#include "core/io/atomic_file.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

CopyOutcome CopyOpened(const BinaryFile& in, const fs::path& temp, const fs::path& target,
                       const CopyWatch* watch) {
  auto out = BinaryFile::Create(temp, true);
  if (!out) return CopyOutcome::Failed;
  const bool copied = CopyToEnd(in, 0, *out, 0, watch);
  const bool closed = out->Close();
  std::error_code ec;
  if (!copied || !closed) {
    fs::remove(temp, ec);
    return watch != nullptr && watch->Cancelled() ? CopyOutcome::Cancelled : CopyOutcome::Failed;
  }
  bool exists = false;
  if (RenameNoReplace(temp, target, exists)) return CopyOutcome::Copied;
  fs::remove(temp, ec);
  return exists ? CopyOutcome::TargetExists : CopyOutcome::Failed;
}

}  // namespace

bool RenameNoReplace(const fs::path& temp, const fs::path& target, bool& exists) {
  exists = false;
#if defined(__linux__) && defined(RENAME_NOREPLACE)
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno == EEXIST) {
    exists = true;
    return false;
  }
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
#endif
  // File systems without the flag (some FUSE mounts): a hard link cannot replace either.
  if (::link(temp.c_str(), target.c_str()) == 0) {
    ::unlink(temp.c_str());
    return true;
  }
  if (errno == EEXIST) {
    exists = true;
    return false;
  }
  // No hard links either (FAT): check, then rename; the window between is a few
  // microseconds in a folder only this copy writes.
  if (Exists(target)) {
    exists = true;
    return false;
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  return !ec;
}

CopyOutcome CopyNoOverwrite(const fs::path& source, const fs::path& target, const CopyWatch* watch) {
  if (Exists(target)) return CopyOutcome::TargetExists;
  const auto in = BinaryFile::OpenRead(source);
  if (!in) return Exists(source) ? CopyOutcome::Failed : CopyOutcome::SourceMissing;
  return CopyOpened(*in, TemporarySibling(target), target, watch);
}

}  // namespace direvovu
