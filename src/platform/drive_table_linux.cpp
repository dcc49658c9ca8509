// Linux: volumes from the mount table; removable means the block device says so, or
// the desktop mounted it under /media or /run/media.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <fstream>
#include <sstream>
#include <string>

#include "core/sdcard/drive_table_text.h"
#include "platform/drive_table.h"

namespace direvovu::platform {
namespace {

std::string ReadFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// /sys/dev/block/MAJ:MIN is the partition; its parent (or itself) carries "removable".
bool BlockDeviceRemovable(const std::string& device) {
  struct stat st {};
  if (device.rfind("/dev/", 0) != 0 || ::stat(device.c_str(), &st) != 0 || !S_ISBLK(st.st_mode)) return false;
  const std::string sys =
      "/sys/dev/block/" + std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
  if (ReadFirstLine(sys + "/removable") == "1") return true;
  return ReadFirstLine(sys + "/../removable") == "1";
}

bool IsRemovableMount(const MountEntry& m) {
  if (m.mount_point.rfind("/media/", 0) == 0 || m.mount_point.rfind("/run/media/", 0) == 0) return true;
  return BlockDeviceRemovable(m.device);
}

}  // namespace

DriveList SystemDrives() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  return DrivesFromMounts(ParseMountsText(text.str()), IsRemovableMount);
}

}  // namespace direvovu::platform
