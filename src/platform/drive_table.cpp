#include "platform/drive_table.h"

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "core/sdcard/drive_table_text.h"

namespace direvovu::platform {

DriveList CurrentDrives() {
  if (const char* env = std::getenv("DIREVOVU_DRIVES"); env != nullptr) {
    std::string reason;
    if (auto drives = ParseDriveOverride(env, &reason)) return *drives;
    std::cerr << "direvovu: ignoring DIREVOVU_DRIVES: " << reason << '\n';
  }
  return SystemDrives();
}

DriveType DriveTypeOf(char letter) {
  const auto drive = DriveByLetter(CurrentDrives(), letter);
  if (!drive) return DriveType::NoRootDir;
  return drive->removable ? DriveType::Removable : DriveType::Fixed;
}

std::optional<std::uintmax_t> FreeSpace(const std::filesystem::path& path) {
  std::error_code ec;
  const auto info = std::filesystem::space(path, ec);
  if (ec) return std::nullopt;
  return info.available;
}

}  // namespace direvovu::platform
