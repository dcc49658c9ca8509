#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/sdcard/drive.h"

namespace direvovu::platform {

// The volumes of this machine: $DIREVOVU_DRIVES when set (tests and unusual setups),
// otherwise what the system reports. Read anew at every call: cards come and go.
DriveList CurrentDrives();

// What the system reports, without the override.
DriveList SystemDrives();

enum class DriveType { NoRootDir, Removable, Fixed };
// The type of a drive letter, as the card functions ask it.
DriveType DriveTypeOf(char letter);

// Bytes free for the user on the volume that holds path; nullopt when unknown.
std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& path);

}  // namespace direvovu::platform
