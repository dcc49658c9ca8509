#include "core/sdcard/card_health.h"

#include "core/recording/encrypted_recording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

// A top-level box: size, type and `body` bytes of filler; `claimed` overrides the size field.
std::string Box(const char* type, std::size_t body, std::uint32_t claimed = 0) {
  const std::uint32_t size = claimed != 0 ? claimed : static_cast<std::uint32_t>(8 + body);
  std::string box{static_cast<char>(size >> 24), static_cast<char>(size >> 16), static_cast<char>(size >> 8),
                  static_cast<char>(size)};
  return box + type + std::string(body, '\0');
}

std::string LargeBox(const char* type, std::uint64_t size) {
  std::string box{0, 0, 0, 1};
  box += type;
  for (int shift = 56; shift >= 0; shift -= 8) box += static_cast<char>(size >> shift);
  return box + std::string(static_cast<std::size_t>(size) - 16, '\0');
}

CardMark MarkOf(const std::string& bytes, bool failing = false) {
  return MarkOfBoxes(
      [&](std::uint64_t offset, std::span<std::uint8_t> out) -> std::optional<std::size_t> {
        if (failing) return std::nullopt;
        const std::size_t n = std::min(out.size(), bytes.size() - static_cast<std::size_t>(offset));
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
        return n;
      },
      bytes.size());
}

TEST(CardHealth, TheBoxesTellTheMark) {
  const std::string ftyp = Box("ftyp", 24);
  struct Case {
    const char* name;
    std::string bytes;
    CardMark mark;
    bool failing = false;
  };
  const std::vector<Case> cases{
      {"camera layout", ftyp + Box("mdat", 100) + Box("moov", 40) + Box("gps ", 12), CardMark::None},
      {"64-bit mdat, moov to the end",
       ftyp + LargeBox("mdat", 64) + std::string("\0\0\0\0moov", 8) + std::string(20, 'm'), CardMark::None},
      {"empty", "", CardMark::Empty},
      {"no moov: the camera stopped mid-file", ftyp + Box("mdat", 100), CardMark::Truncated},
      {"mdat running past the end", ftyp + Box("mdat", 100, 5000) + Box("moov", 8), CardMark::Truncated},
      {"a header cut short", ftyp + Box("mdat", 10) + Box("moov", 10) + std::string(2, '\0'),
       CardMark::Truncated},
      {"text with a recording's name", "front-1 is not a movie at all", CardMark::NotRecording},
      {"no ftyp first", Box("mdat", 100) + Box("moov", 40), CardMark::NotRecording},
      {"no mdat", ftyp + Box("moov", 40), CardMark::NotRecording},
      {"a box smaller than its header", ftyp + Box("mdat", 0, 4), CardMark::NotRecording},
      {"a box type of binary bytes", ftyp + Box("\x01\x02\x03\x04", 10), CardMark::NotRecording},
      {"a read error", ftyp + Box("mdat", 10), CardMark::Unreadable, true},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkOf(c.bytes, c.failing), c.mark) << c.name;
}

TEST(CardHealth, TheCardCheckMarksRowsOnTheCard) {
  TempFolder temp;
  const std::string good = Box("ftyp", 24) + Box("mdat", 100) + Box("moov", 40);
  fs::create_directories(temp / "Blackbox");
  const std::vector<std::pair<std::string, std::string>> files{
      {"drf0_20261208_081500.mp4", good}, {"drf1_20261208_081500.mp4", good},
      {"drf0_20261208_082500.mp4", good},  // no rear
      {"drf0_20261208_083500.mp4", ""},   {"drf1_20261208_083500.mp4", good},
  };
  for (const auto& [name, bytes] : files) WriteText(temp.path() / "Blackbox" / name, bytes);
  // A pair the camera scrambled with a password is one of its recordings like any other.
  const auto scrambled =
      ScrambleRecording(std::span(reinterpret_cast<const std::uint8_t*>(good.data()), good.size()), "1234");
  ASSERT_TRUE(scrambled);
  for (const char* name : {"drf0_20261208_084500.mp4", "drf1_20261208_084500.mp4"})
    WriteText(temp.path() / "Blackbox" / name, std::string(scrambled->begin(), scrambled->end()));
  CardWorkTables tables;
  const auto rows = WalkSdCard(temp.path(), CardKind::All, tables);
  ASSERT_EQ(rows.size(), 4U);
  EXPECT_EQ(CheckCardRows(rows),
            (std::vector<CardMark>{CardMark::None, CardMark::NoRear, CardMark::Empty, CardMark::None}));
  EXPECT_EQ(CheckRecording(temp / "gone.mp4"), CardMark::Unreadable);
  EXPECT_EQ(CardMarkKey(CardMark::NoRear), "no-rear");
}

}  // namespace
}  // namespace direvovu
