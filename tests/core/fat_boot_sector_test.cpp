#include "core/sdcard/fat_boot_sector.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace direvovu {
namespace {

std::array<std::uint8_t, 512> Sector(std::size_t type_at, const char* type, std::size_t label_at,
                                     const char* label) {
  std::array<std::uint8_t, 512> s{};
  s[11] = 0x00;
  s[12] = 0x02;  // 512 bytes a sector
  s[510] = 0x55;
  s[511] = 0xAA;
  std::memcpy(s.data() + type_at, type, 8);
  std::memcpy(s.data() + label_at, label, 11);
  return s;
}

TEST(FatBootSector, ReadsTheLabelWhereEachTypeKeepsIt) {
  auto fat32 = Sector(82, "FAT32   ", 71, "DASHCAM    ");
  fat32[32] = 0x00;
  fat32[33] = 0x00;
  fat32[34] = 0x40;  // 0x400000 sectors: 2 GiB
  const auto boot = ParseFatBootSector(fat32);
  ASSERT_TRUE(boot);
  EXPECT_EQ(boot->type, "FAT32");
  EXPECT_EQ(boot->label, "DASHCAM");
  EXPECT_EQ(boot->totalSectors, 0x400000U);

  const auto fat16 = ParseFatBootSector(Sector(54, "FAT16   ", 43, "NO NAME    "));
  ASSERT_TRUE(fat16);
  EXPECT_EQ(fat16->label, "");  // the formatter's word for none
  EXPECT_FALSE(ParseFatBootSector(Sector(54, "NTFS    ", 43, "DISK       ")));
}

}  // namespace
}  // namespace direvovu
