// Which volumes may be formatted, judged on sysfs trees made here and on the answers
// UDisks2 gives for a drive.
#include "core/sdcard/format_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

// A sysfs tree: devices/<bus path>/block/<disk>[/<partition>] with class/block links.
class FakeSysfs {
 public:
  // `busPath` as the kernel hangs the disk: "pci0000:00/0000:00:14.0/usb1/1-1/host6/target6:0:0/6:0:0:0".
  void Disk(const std::string& busPath, const std::string& disk, bool removable,
            const std::vector<std::string>& partitions) {
    const fs::path folder = root() / "devices" / busPath / "block" / disk;
    fs::create_directories(folder);
    WriteText(folder / "removable", removable ? "1\n" : "0\n");
    Link(disk, folder);
    for (const std::string& part : partitions) {
      fs::create_directories(folder / part);
      WriteText(folder / part / "partition", "1\n");
      Link(part, folder / part);
    }
  }
  // A device-mapper device (LVM, LUKS) over partitions of other disks.
  void Mapper(const std::string& name, const std::vector<std::string>& slaves) {
    const fs::path folder = root() / "devices/virtual/block" / name;
    fs::create_directories(folder / "slaves");
    WriteText(folder / "removable", "0\n");
    for (const std::string& slave : slaves)
      fs::create_directory_symlink(fs::canonical(root() / "class/block" / slave), folder / "slaves" / slave);
    Link(name, folder);
  }
  [[nodiscard]] fs::path root() const { return temp_.path() / "sys"; }

 private:
  void Link(const std::string& name, const fs::path& folder) {
    fs::create_directories(root() / "class/block");
    fs::create_directory_symlink(folder, root() / "class/block" / name);
  }
  TempFolder temp_;
};

TEST(FormatRule, OnlyARemovableCardHoldingNothingOfTheSystemIsFormatted) {
  FakeSysfs sys;
  sys.Disk("pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0", "sda", false, {"sda1", "sda2", "sda3"});
  sys.Disk("pci0000:00/0000:00:14.0/usb1/1-1/host6/target6:0:0/6:0:0:0", "sdb", true, {"sdb1"});
  sys.Disk("platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa", "mmcblk0", false, {"mmcblk0p1"});
  sys.Disk("pci0000:00/0000:00:1d.0/nvme/nvme0", "nvme0n1", false, {"nvme0n1p1"});
  sys.Disk("pci0000:00/0000:00:14.0/usb2/2-1/host7/target7:0:0/7:0:0:0", "sdc", false, {"sdc1", "sdc2"});
  sys.Disk("pci0000:00/0000:00:1f.2/ata2/host1/target1:0:0/1:0:0:0", "sdd", false, {"sdd1", "sdd2"});
  sys.Mapper("dm-7", {"sdd2"});

  // / on sda1, /boot on sda2, a data partition of the internal disk at /media; /home on
  // an LVM volume of sdd; swap on sdc2 (a USB disk that holds the system's swap).
  const auto mounts = ParseMountsText(
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sda2 /boot vfat rw 0 0\n"
      "/dev/sda3 /media/u/DATA vfat rw 0 0\n"
      "/dev/dm-7 /home ext4 rw 0 0\n"
      "/dev/sdb1 /media/u/CARD vfat rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n");
  const auto swaps = ParseSwapsText(
      "Filename\tType\tSize\tUsed\tPriority\n/dev/sdc2 partition 1000 0 -2\n/swapfile file 100 0 -3\n");
  ASSERT_EQ(swaps, std::vector<std::string>{"/dev/sdc2"});
  const auto system = SystemDisks(sys.root(), mounts, swaps);
  EXPECT_EQ(system, (std::vector<std::string>{"sdc", "sda", "sdd"}));

  struct Case {
    const char* name;
    std::string device;
    FormatVerdict verdict;
  };
  const Case cases[] = {
      {"a USB card reader", "/dev/sdb1", FormatVerdict::Allowed},
      {"an SD card in the laptop's slot", "/dev/mmcblk0p1", FormatVerdict::Allowed},
      {"the internal disk's partition under /media", "/dev/sda3", FormatVerdict::HoldsSystem},
      {"the root partition itself", "/dev/sda1", FormatVerdict::HoldsSystem},
      {"an internal NVMe disk", "/dev/nvme0n1p1", FormatVerdict::NotRemovable},
      {"a USB disk holding swap", "/dev/sdc1", FormatVerdict::HoldsSystem},
      {"a disk under /home's LVM volume", "/dev/sdd1", FormatVerdict::HoldsSystem},
      {"a device sysfs does not know", "/dev/sdz9", FormatVerdict::NotRemovable},
      {"no device (a folder)", "", FormatVerdict::NoDevice},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(JudgeFormat(false, c.device, BlockFactsFromSysfs(sys.root(), c.device), system), c.verdict);
  }
  const auto card = BlockFactsFromSysfs(sys.root(), "/dev/sdb1");
  ASSERT_TRUE(card);
  EXPECT_EQ(card->disk, "sdb");
  EXPECT_EQ(card->bus, "usb");
  EXPECT_TRUE(card->removable);
  // A disk image named as a drive is a file: it stays formattable.
  EXPECT_EQ(JudgeFormat(true, "/tmp/card.img", std::nullopt, system), FormatVerdict::ImageFile);
}

TEST(FormatRule, UDisksAnswersForADrive) {
  // UDisks2's Drive object: Removable, ConnectionBus ("usb", "sdio", "" for internal).
  struct Case {
    BlockFacts facts;
    FormatVerdict verdict;
  };
  const Case cases[] = {
      {{"sdb", true, ""}, FormatVerdict::Allowed},
      {{"mmcblk0", false, "sdio"}, FormatVerdict::Allowed},
      {{"sdc", false, "usb"}, FormatVerdict::Allowed},
      {{"sdd", false, ""}, FormatVerdict::NotRemovable},
      {{"sda", true, "usb"}, FormatVerdict::HoldsSystem},  // the system booted from it
  };
  for (const Case& c : cases)
    EXPECT_EQ(JudgeFormat(false, "/dev/x1", c.facts, {"sda"}), c.verdict) << c.facts.disk;
  EXPECT_TRUE(IsRemovableMountPoint("/run/media/u/CARD"));
  EXPECT_FALSE(IsRemovableMountPoint("/media"));
}

}  // namespace
}  // namespace direvovu
