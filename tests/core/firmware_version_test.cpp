#include "core/reports/firmware_version.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace direvovu::reports {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(FirmwareVersion, TextIsAtMostTwentyBytesUpToTheFirstNul) {
  EXPECT_EQ(FirmwareVersionText(Bytes("1.2.3")), "1.2.3");
  EXPECT_EQ(FirmwareVersionText(Bytes("ABCDEFGHIJKLMNOPQRSTUVWXYZ")), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(FirmwareVersionText(Bytes(std::string("V1.0\0junk", 9))), "V1.0");
  EXPECT_EQ(FirmwareVersionText(Bytes("")), "");
  EXPECT_EQ(FirmwareVersionText(Bytes(std::string("\0V1", 3))), "");
  // One character per byte: 0xE9 is "é", never half of a UTF-8 sequence.
  EXPECT_EQ(FirmwareVersionText(Bytes("V\xE9\xFF")), "V\u00E9\u00FF");
}

TEST(FirmwareVersion, LineJoinsLabelAndVersionWithABlankUnlessAFullWidthColonEndsTheLabel) {
  EXPECT_EQ(FirmwareLine("◈ Firmware Version:", std::string("1.2.3")), "◈ Firmware Version: 1.2.3");
  EXPECT_EQ(FirmwareLine("◈ ファームウェアのバージョン：", std::string("1.2.3")),
            "◈ ファームウェアのバージョン：1.2.3");
  EXPECT_EQ(FirmwareLine("◈ 固件版本:", std::string("1.2.3")), "◈ 固件版本: 1.2.3");
  EXPECT_EQ(FirmwareLine("◈ Firmware Version:", std::nullopt), "");
}

struct HiddenCalls {
  std::vector<std::pair<fs::path, bool>> calls;
  SetHiddenFn Fn() {
    return [this](const fs::path& file, bool hidden) {
      calls.emplace_back(file, hidden);
      return true;
    };
  }
};

TEST(FirmwareVersion, ReadsTheCardsFileAndHidesItAfterwards) {
  TempFolder card;
  fs::create_directories(card / "Setup");
  const fs::path file = FirmwareVersionFile(card.path());
  EXPECT_EQ(file, card.path() / "Setup" / "ver.txt");
  WriteText(file, "1.2.3");
  HiddenCalls hidden;
  EXPECT_EQ(ReadFirmwareVersion(file, hidden.Fn()), std::optional<std::string>("1.2.3"));
  ASSERT_EQ(hidden.calls.size(), 1U);
  EXPECT_EQ(hidden.calls[0].first, file);
  EXPECT_TRUE(hidden.calls[0].second);
}

TEST(FirmwareVersion, OddFilesGiveWhatCanBeShown) {
  TempFolder card;
  const fs::path file = card / "ver.txt";
  WriteText(file, "");
  EXPECT_EQ(ReadFirmwareVersion(file, nullptr), std::optional<std::string>(""));
  WriteText(file, "FW-2.0.1-build-7777777" + std::string(1024 * 1024, 'x'));  // 1 MB, no NUL
  EXPECT_EQ(ReadFirmwareVersion(file, nullptr), std::optional<std::string>("FW-2.0.1-build-77777"));
}

TEST(FirmwareVersion, NoFileOrAFolderGivesNoVersionAndTouchesNothing) {
  TempFolder card;
  HiddenCalls hidden;
  EXPECT_EQ(ReadFirmwareVersion(card / "ver.txt", hidden.Fn()), std::nullopt);
  fs::create_directories(card / "dir.txt");
  EXPECT_EQ(ReadFirmwareVersion(card / "dir.txt", hidden.Fn()), std::nullopt);
  EXPECT_TRUE(hidden.calls.empty());
}

TEST(FirmwareVersion, AFileThatCannotBeOpenedGivesNoVersion) {
  if (geteuid() == 0) GTEST_SKIP() << "root opens every file";
  TempFolder card;
  const fs::path file = card / "ver.txt";
  WriteText(file, "1.2.3");
  fs::permissions(file, fs::perms::none);
  HiddenCalls hidden;
  EXPECT_EQ(ReadFirmwareVersion(file, hidden.Fn()), std::nullopt);
  EXPECT_TRUE(hidden.calls.empty());
}

}  // namespace
}  // namespace direvovu::reports
