#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/file_attributes.h"

namespace direvovu::platform {

bool SetHiddenAttribute(const std::filesystem::path& file, bool hidden) {
  const int fd = ::open(file.c_str(), O_RDONLY);
  if (fd < 0) return false;
  std::uint32_t attrs = 0;
  bool ok = true;
  if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs) == 0) {
    attrs = hidden ? (attrs | ATTR_HIDDEN) : (attrs & ~static_cast<std::uint32_t>(ATTR_HIDDEN));
    ok = ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attrs) == 0;
  }
  // Not a FAT volume (ENOTTY and kin): there is no hidden attribute to set.
  ::close(fd);
  return ok;
}

}  // namespace direvovu::platform
