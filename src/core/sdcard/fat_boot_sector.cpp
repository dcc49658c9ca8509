#include "core/sdcard/fat_boot_sector.h"

#include <string_view>

namespace direvovu {
namespace {

constexpr std::size_t kSectorBytes = 512;

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): offset before size, as reads go
std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return value;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): offset before size, as reads go
std::string Trimmed(std::span<const std::uint8_t> b, std::size_t at, std::size_t size) {
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    const auto c = static_cast<char>(b[at + i]);
    text += (c >= 0x20 && c < 0x7f) ? c : ' ';
  }
  const auto end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

std::optional<FatBootSector> ParseFatBootSector(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSectorBytes || bytes[510] != 0x55 || bytes[511] != 0xAA) return std::nullopt;
  FatBootSector sector;
  sector.bytesPerSector = Le(bytes, 11, 2);
  const std::uint32_t s = sector.bytesPerSector;
  if (s < 512 || s > 4096 || (s & (s - 1)) != 0) return std::nullopt;
  const std::uint32_t small_total = Le(bytes, 19, 2);
  sector.totalSectors = small_total != 0 ? small_total : Le(bytes, 32, 4);
  // FAT32 keeps its extended fields 28 bytes further on than FAT12 and FAT16.
  const std::string fat32 = Trimmed(bytes, 82, 8);
  const std::string fat16 = Trimmed(bytes, 54, 8);
  std::size_t label_at = 0;
  if (fat32 == "FAT32") {
    sector.type = fat32;
    label_at = 71;
  } else if (fat16 == "FAT12" || fat16 == "FAT16") {
    sector.type = fat16;
    label_at = 43;
  } else {
    return std::nullopt;
  }
  sector.label = Trimmed(bytes, label_at, 11);
  if (sector.label == "NO NAME") sector.label.clear();
  return sector;
}

}  // namespace direvovu
