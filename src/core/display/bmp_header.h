#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace direvovu::display {

// A device-independent bitmap as a window capture produces it: uncompressed, rows
// bottom-up, each row padded to a multiple of four bytes.
inline constexpr std::uint32_t kBmpFileHeaderBytes = 14;
inline constexpr std::uint32_t kBmpInfoHeaderBytes = 40;

// Bytes of one stored row.
std::uint32_t BmpRowStride(std::int32_t width, std::uint16_t bitsPerPixel);
// Entries of the colour table: 2^bits for 8 bits per pixel or fewer, none above.
std::uint32_t BmpColourTableEntries(std::uint16_t bitsPerPixel);
// Offset of the pixel data from the start of the file.
std::uint32_t BmpPixelOffset(std::uint16_t bitsPerPixel);

struct BmpImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bitsPerPixel = 24;  // 1, 4, 8, 16, 24 or 32
  // 0x00RRGGBB entries; shorter tables are padded with black to the full size.
  std::vector<std::uint32_t> colourTable;
  // height rows of BmpRowStride bytes, bottom row first.
  std::vector<std::uint8_t> pixels;
};

// The whole file; empty when the sizes do not fit together (bad depth, pixel bytes that
// are not height × stride, a table longer than the depth allows).
std::vector<std::uint8_t> EncodeBmp(const BmpImage& image);

// Writes the file; false when it cannot be encoded or written.
bool SaveBmpFile(const std::filesystem::path& path, const BmpImage& image);

}  // namespace direvovu::display
