// A FAT boot sector over arbitrary bytes: parsed or refused, never read past its end;
// what it reports stays inside what the sector can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/sdcard/fat_boot_sector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto boot = direvovu::ParseFatBootSector(std::span(data, size));
  if (boot && (boot->label.size() > 11 || boot->bytesPerSector < 512 || boot->bytesPerSector > 4096))
    std::abort();
  return 0;
}
