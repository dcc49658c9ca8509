// Linux: volumes from the mount table; removable means the block device says so, or
// the desktop mounted it under /media or /run/media.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>

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

// udev's names in /dev/disk/by-label escape characters as "\xNN".
std::string DecodeLinkName(const std::string& name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    unsigned value = 0;
    if (name.compare(i, 2, "\\x") == 0 && i + 4 <= name.size() &&
        std::sscanf(name.substr(i + 2, 2).c_str(), "%2x", &value) == 1) {
      out += static_cast<char>(value);
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

// The links of /dev/disk/by-uuid or by-label: the device they name → the link's name.
std::map<std::filesystem::path, std::string> DiskLinks(const char* folder) {
  std::map<std::filesystem::path, std::string> links;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec); !ec && it != std::filesystem::directory_iterator();
       it.increment(ec)) {
    std::error_code link_ec;
    const auto device = std::filesystem::canonical(it->path(), link_ec);
    if (!link_ec) links[device] = DecodeLinkName(it->path().filename().string());
  }
  return links;
}

// The UUID and label of each volume's file system, from the links udev keeps (the
// same names the desktop's UDisks2 reports).
void AddIdentities(DriveList& drives) {
  const auto uuids = DiskLinks("/dev/disk/by-uuid");
  const auto labels = DiskLinks("/dev/disk/by-label");
  for (Drive& drive : drives) {
    if (drive.device.rfind("/dev/", 0) != 0) continue;
    std::error_code ec;
    const auto device = std::filesystem::canonical(drive.device, ec);
    if (ec) continue;
    if (const auto it = uuids.find(device); it != uuids.end()) drive.uuid = it->second;
    if (const auto it = labels.find(device); it != labels.end()) drive.label = it->second;
  }
}

}  // namespace

DriveList SystemDrives() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  DriveList drives = DrivesFromMounts(ParseMountsText(text.str()), IsRemovableMount);
  AddIdentities(drives);
  return drives;
}

}  // namespace direvovu::platform
