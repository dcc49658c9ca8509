#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace direvovu {

// What the first sector of a FAT volume says about it.
struct FatBootSector {
  std::string type;   // "FAT12", "FAT16" or "FAT32" (the boot sector's own type text, trimmed)
  std::string label;  // the volume label, trimmed; "" for "NO NAME"
  std::uint32_t bytesPerSector = 0;
  std::uint64_t totalSectors = 0;
};

// nullopt when the bytes are not a FAT boot sector (too short, no 0x55AA signature,
// a sector size that is not a power of two from 512 to 4096, no FAT type text).
std::optional<FatBootSector> ParseFatBootSector(std::span<const std::uint8_t> bytes);

}  // namespace direvovu
