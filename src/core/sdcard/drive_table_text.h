#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/sdcard/drive.h"

namespace direvovu {

// The $DIREVOVU_DRIVES form, e.g. "E=/tmp/card1,G=/tmp/card2,C=/:fixed": each entry
// a letter, "=", a folder, and ":fixed" for a volume that is not removable. nullopt
// (with a reason) when an entry is malformed or a letter is used twice.
std::optional<DriveList> ParseDriveOverride(std::string_view text, std::string* reason = nullptr);

// One mounted volume as the system lists it.
struct MountEntry {
  std::string device;       // e.g. /dev/sdb1
  std::string mount_point;  // e.g. /media/user/CARD
  std::string fs_type;      // e.g. vfat
};

// Entries of /proc/self/mounts text (octal escapes such as \040 decoded).
std::vector<MountEntry> ParseMountsText(std::string_view text);

// Letters for mounted volumes: "/" is C:, every removable volume gets D:, E:, ... in
// mount-point order. `is_removable` tells whether a mount's device is removable.
DriveList DrivesFromMounts(const std::vector<MountEntry>& mounts,
                           const std::function<bool(const MountEntry&)>& is_removable);

}  // namespace direvovu
