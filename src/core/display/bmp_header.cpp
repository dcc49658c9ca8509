#include "core/display/bmp_header.h"

#include "core/io/atomic_file.h"

namespace direvovu::display {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

bool SupportedDepth(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Captures are window areas; anything beyond this is not a window.
constexpr std::int32_t kMaxSide = 1 << 15;

}  // namespace

std::uint32_t BmpRowStride(std::int32_t width, std::uint16_t bitsPerPixel) {
  if (width <= 0) return 0;
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * bitsPerPixel;
  return static_cast<std::uint32_t>((bits + 31) / 32 * 4);
}

std::uint32_t BmpColourTableEntries(std::uint16_t bitsPerPixel) {
  return bitsPerPixel <= 8 ? (1U << bitsPerPixel) : 0U;
}

std::uint32_t BmpPixelOffset(std::uint16_t bitsPerPixel) {
  return kBmpFileHeaderBytes + kBmpInfoHeaderBytes + 4 * BmpColourTableEntries(bitsPerPixel);
}

std::vector<std::uint8_t> EncodeBmp(const BmpImage& image) {
  std::vector<std::uint8_t> out;
  if (!SupportedDepth(image.bitsPerPixel) || image.width <= 0 || image.height <= 0 ||
      image.width > kMaxSide || image.height > kMaxSide) {
    return out;
  }
  const std::uint32_t entries = BmpColourTableEntries(image.bitsPerPixel);
  if (image.colourTable.size() > entries) return out;
  const std::uint64_t image_bytes =
      static_cast<std::uint64_t>(BmpRowStride(image.width, image.bitsPerPixel)) * static_cast<std::uint64_t>(image.height);
  if (image.pixels.size() != image_bytes) return out;
  const std::uint32_t dib_bytes = kBmpInfoHeaderBytes + 4 * entries + static_cast<std::uint32_t>(image_bytes);

  out.reserve(kBmpFileHeaderBytes + dib_bytes);
  // File header.
  out.push_back('B');
  out.push_back('M');
  Put32(out, kBmpFileHeaderBytes + dib_bytes);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, BmpPixelOffset(image.bitsPerPixel));
  // Info header: positive height = bottom-up rows, no compression, no resolution.
  Put32(out, kBmpInfoHeaderBytes);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height));
  Put16(out, 1);
  Put16(out, image.bitsPerPixel);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(image_bytes));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  // Colour table: blue, green, red, reserved.
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::uint32_t rgb = i < image.colourTable.size() ? image.colourTable[i] : 0;
    out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
    out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>((rgb >> 16) & 0xFF));
    out.push_back(0);
  }
  out.insert(out.end(), image.pixels.begin(), image.pixels.end());
  return out;
}

bool SaveBmpFile(const std::filesystem::path& path, const BmpImage& image) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(image);
  if (bytes.empty()) return false;
  // A failed write must not leave half a picture under the capture's name.
  return WriteFileAtomically(path, bytes);
}

}  // namespace direvovu::display
