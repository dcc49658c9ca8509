#pragma once

#include <sys/mount.h>

#include <filesystem>

#include "temp_folder.h"

namespace direvovu {

// A fresh tmpfs (root only: mounting needs CAP_SYS_ADMIN), unmounted at the end.
class SmallDisk {
 public:
  SmallDisk(const char* options, unsigned long flags) : path_(folder_ / "disk") {
    std::filesystem::create_directory(path_);
    mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", flags, options) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  [[nodiscard]] bool mounted() const { return mounted_; }
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  TempFolder folder_;
  std::filesystem::path path_;
  bool mounted_ = false;
};

}  // namespace direvovu
