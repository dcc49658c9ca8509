#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/sdcard/drive.h"
#include "core/sdcard/format_rule.h"

namespace direvovu::platform {

// What formatting a drive would touch, for the confirmation that names it.
struct FormatTarget {
  Drive drive;
  std::string device;      // block device (/dev/sdb1) or disk image file; "" when unknown
  bool imageFile = false;  // the drive is a disk image file (tests, emulators)
  bool mounted = false;    // the device is mounted at the drive's folder
  std::uint64_t sizeBytes = 0;
  std::string label;   // the FAT volume label, "" when none or unreadable
  std::string fsType;  // the mounted file system's type ("vfat"), "" when not mounted
  // Whether it may be formatted at all: only a removable card (or a disk image).
  FormatVerdict verdict = FormatVerdict::NoDevice;
  [[nodiscard]] bool Formattable() const {
    return verdict == FormatVerdict::Allowed || verdict == FormatVerdict::ImageFile;
  }
};

// Looks the drive up: a drive whose folder is a regular file is a disk image; otherwise
// the device mounted at the drive's folder, from the mount table, judged by what sysfs
// tells of its disk and by the mounts and swap of the running system.
FormatTarget DescribeFormatTarget(const Drive& drive);

enum class FormatBackend {
  None,     // nothing on this system can format it
  UDisks2,  // the desktop's disk service (asks the user for authorisation itself)
  Mkfs,     // mkfs.fat directly: disk images, or a block device when we are root
};

struct FormatResult {
  bool ok = false;
  std::string detail;  // what went wrong, for the message; "" on success
};

// Formats drives as FAT (vfat). The back-end is chosen at run time; tests replace it.
class IDriveFormatter {
 public:
  IDriveFormatter() = default;
  virtual ~IDriveFormatter() = default;
  IDriveFormatter(const IDriveFormatter&) = delete;
  IDriveFormatter& operator=(const IDriveFormatter&) = delete;

  [[nodiscard]] virtual FormatBackend BackendFor(const FormatTarget& target) const = 0;
  virtual FormatResult Format(const FormatTarget& target) = 0;
  // Unmounts the card and powers its reader off, so it can be pulled safely.
  virtual FormatResult Eject(const FormatTarget& target) {
    (void)target;
    return {false, "eject is not available here"};
  }
};

// The formatter of this system: mkfs.fat for disk images and, as root, for block devices
// (unmounted first, mounted again after); UDisks2 over the system bus otherwise.
class SystemDriveFormatter final : public IDriveFormatter {
 public:
  [[nodiscard]] FormatBackend BackendFor(const FormatTarget& target) const override;
  FormatResult Format(const FormatTarget& target) override;
  // UDisks2: Filesystem.Unmount, then Drive.PowerOff; as root without it, umount.
  FormatResult Eject(const FormatTarget& target) override;
};

// mkfs.fat on a device or image file that nothing has mounted, keeping `label` (FAT
// labels are at most 11 characters; "" writes none).
FormatResult FormatWithMkfs(const std::string& device, const std::string& label);

// The FAT label in the first sector of a device or image; "" when none or unreadable.
std::string FatLabelOf(const std::string& device);

// "FAT12", "FAT16" or "FAT32" from the first sector; "" when it is no FAT volume.
std::string FatTypeOf(const std::string& device);

// Where mkfs.fat is, "" when dosfstools is not installed.
std::string MkfsFatPath();

}  // namespace direvovu::platform
