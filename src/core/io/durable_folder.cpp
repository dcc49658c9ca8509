#include "core/io/durable_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>  // renameat2

namespace direvovu {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code SyncPath(const fs::path& path, bool isFolder) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (isFolder ? O_DIRECTORY : 0));
  if (fd < 0) return LastError();
  // Some file systems cannot sync a folder (EINVAL); its entries are then as safe as they get.
  const bool synced = ::fsync(fd) == 0 || (isFolder && errno == EINVAL);
  const std::error_code error = synced ? std::error_code() : LastError();
  ::close(fd);
  return error;
}

}  // namespace

std::error_code SyncFolder(const fs::path& folder) { return SyncPath(folder, true); }

std::error_code SyncTree(const fs::path& folder) {
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code status_ec;
    if (it->is_symlink(status_ec)) continue;
    const bool isFolder = it->is_directory(status_ec);
    if (!isFolder && !it->is_regular_file(status_ec)) continue;
    if (const auto error = SyncPath(it->path(), isFolder)) return error;
  }
  return ec ? ec : SyncFolder(folder);
}

FolderRename RenameFolderNoReplace(const fs::path& from, const fs::path& to, std::error_code& error) {
  error.clear();
#if defined(__linux__) && defined(RENAME_NOREPLACE)
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return FolderRename::Renamed;
  if (errno == EEXIST) return FolderRename::NameTaken;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
    error = LastError();
    return FolderRename::Failed;
  }
#endif
  // mkdir never replaces anything, and a folder renamed onto an empty one replaces it: the
  // empty folder claims the name first.
  if (::mkdir(to.c_str(), 0700) != 0) {
    if (errno == EEXIST) return FolderRename::NameTaken;
    error = LastError();
    return FolderRename::Failed;
  }
  if (::rename(from.c_str(), to.c_str()) == 0) return FolderRename::Renamed;
  error = LastError();
  ::rmdir(to.c_str());
  return FolderRename::Failed;
}

}  // namespace direvovu
