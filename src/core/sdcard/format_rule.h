#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/sdcard/drive_table_text.h"

namespace direvovu {

// What the system tells of the block device under a volume (sysfs, or UDisks2's Drive
// object on a desktop).
struct BlockFacts {
  std::string disk;        // the whole disk the device is (or is a partition of): "sdb", "mmcblk0"
  bool removable = false;  // the disk says its medium can be removed
  std::string bus;         // "usb", "mmc" (SD and MMC, "sdio" for UDisks2), "ata", "nvme", "virtio", ""
};

enum class FormatVerdict {
  Allowed,       // a removable disk, or one on a USB or SD/MMC bus, holding nothing of the system
  ImageFile,     // a disk image file named as a drive: a file, not a device
  NoDevice,      // no block device of its own (a folder on another volume)
  NotRemovable,  // an internal disk, wherever it is mounted
  HoldsSystem,   // its disk holds /, /boot, /home, swap or another file system of the system
};

// The facts of a device from a sysfs tree at `sysRoot` ("/sys" on a running system):
// class/block/<name> leads to the device's folder; a partition's disk is the folder
// above it; the bus is read from the path the device hangs on; a device-mapper
// device answers for the disks below it (slaves). nullopt when sysfs does not know it.
std::optional<BlockFacts> BlockFactsFromSysfs(const std::filesystem::path& sysRoot,
                                              const std::string& device);

// The disks a device sits on: its own disk, or for a device-mapper device (LVM, LUKS)
// every disk below it.
std::vector<std::string> DisksOfDevice(const std::filesystem::path& sysRoot, const std::string& device);

// A mount point where the desktop or the user puts removable volumes; every other mount
// is part of the running system.
bool IsRemovableMountPoint(const std::string& mountPoint);

// Whether the volume of `target` may be formatted. `device` is the block device mounted
// at the drive's folder ("" when none); `facts` its facts; `systemDisks` the disks that
// hold a mount of the running system or swap.
FormatVerdict JudgeFormat(bool imageFile, const std::string& device, const std::optional<BlockFacts>& facts,
                          const std::vector<std::string>& systemDisks);

// The disks holding the running system's mounts (those not under /media, /run/media
// or /mnt) and its swap devices.
std::vector<std::string> SystemDisks(const std::filesystem::path& sysRoot,
                                     const std::vector<MountEntry>& mounts,
                                     const std::vector<std::string>& swapDevices);

// The devices of /proc/swaps text (files used as swap are left out).
std::vector<std::string> ParseSwapsText(std::string_view text);

}  // namespace direvovu
