#include "core/sdcard/format_rule.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace direvovu {
namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// The kernel's name of a device path: /dev/sdb1 → sdb1, /dev/mapper/x → dm-N.
std::string KernelName(const std::string& device) {
  std::error_code ec;
  const fs::path real = fs::canonical(device, ec);
  return (ec ? fs::path(device) : real).filename().string();
}

// The device's folder in sysfs and whether it is a partition.
std::optional<fs::path> DeviceFolder(const fs::path& sysRoot, const std::string& name) {
  std::error_code ec;
  const fs::path folder = fs::canonical(sysRoot / "class" / "block" / name, ec);
  if (ec) return std::nullopt;
  return folder;
}

std::string BusOf(const fs::path& diskFolder) {
  const std::string path = diskFolder.generic_string();
  for (const char* bus : {"usb", "mmc", "nvme", "virtio", "ata"}) {
    if (path.find(std::string("/") + bus) != std::string::npos) return bus;
  }
  return "";
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::vector<std::string> DisksOfDevice(const fs::path& sysRoot, const std::string& device) {
  const auto folder = DeviceFolder(sysRoot, KernelName(device));
  if (!folder) return {};
  std::error_code ec;
  if (fs::exists(*folder / "partition", ec)) return {folder->parent_path().filename().string()};
  std::vector<std::string> disks;
  for (fs::directory_iterator it(*folder / "slaves", ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    for (std::string& disk : DisksOfDevice(sysRoot, it->path().filename().string()))
      if (!Contains(disks, disk)) disks.push_back(std::move(disk));
  }
  if (disks.empty()) disks.push_back(folder->filename().string());
  return disks;
}

std::optional<BlockFacts> BlockFactsFromSysfs(const fs::path& sysRoot, const std::string& device) {
  const auto folder = DeviceFolder(sysRoot, KernelName(device));
  if (!folder) return std::nullopt;
  std::error_code ec;
  const bool partition = fs::exists(*folder / "partition", ec);
  const fs::path disk = partition ? folder->parent_path() : *folder;
  BlockFacts facts;
  facts.disk = disk.filename().string();
  facts.removable = FirstLine(disk / "removable") == "1";
  facts.bus = BusOf(disk);
  return facts;
}

bool IsRemovableMountPoint(const std::string& mountPoint) {
  return mountPoint.starts_with("/media/") || mountPoint.starts_with("/run/media/") ||
         mountPoint.starts_with("/mnt/");
}

FormatVerdict JudgeFormat(bool imageFile, const std::string& device, const std::optional<BlockFacts>& facts,
                          const std::vector<std::string>& systemDisks) {
  if (imageFile) return FormatVerdict::ImageFile;
  if (device.empty()) return FormatVerdict::NoDevice;
  if (!facts) return FormatVerdict::NotRemovable;
  if (Contains(systemDisks, facts->disk)) return FormatVerdict::HoldsSystem;
  const bool cardBus = facts->bus == "usb" || facts->bus == "mmc" || facts->bus == "sdio";
  return facts->removable || cardBus ? FormatVerdict::Allowed : FormatVerdict::NotRemovable;
}

std::vector<std::string> SystemDisks(const fs::path& sysRoot, const std::vector<MountEntry>& mounts,
                                     const std::vector<std::string>& swapDevices) {
  std::vector<std::string> devices = swapDevices;
  for (const MountEntry& m : mounts) {
    if (m.device.starts_with("/dev/") && !IsRemovableMountPoint(m.mount_point)) devices.push_back(m.device);
  }
  std::vector<std::string> disks;
  for (const std::string& device : devices) {
    for (std::string& disk : DisksOfDevice(sysRoot, device))
      if (!Contains(disks, disk)) disks.push_back(std::move(disk));
  }
  return disks;
}

std::vector<std::string> ParseSwapsText(std::string_view text) {
  std::vector<std::string> devices;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const auto field = line.substr(0, line.find_first_of(" \t"));
    if (field.starts_with("/dev/")) devices.emplace_back(field);
  }
  return devices;
}

}  // namespace direvovu
