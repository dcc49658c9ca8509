#include <gtest/gtest.h>

#include "core/display/bmp_header.h"
#include "core/display/capture_names.h"
#include "core/display/print_layout.h"
#include "temp_folder.h"

namespace direvovu::display {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
         (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

BmpImage Image(int width, int height, std::uint16_t bits) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.bitsPerPixel = bits;
  image.pixels.assign(static_cast<std::size_t>(BmpRowStride(width, bits)) * static_cast<std::size_t>(height), 0x5A);
  return image;
}

TEST(DisplayBmp, PixelOffsetIs54At24BitsAnd1078At8Bits) {
  EXPECT_EQ(BmpPixelOffset(24), 54U);
  EXPECT_EQ(BmpPixelOffset(32), 54U);
  EXPECT_EQ(BmpPixelOffset(8), 1078U);
  EXPECT_EQ(BmpColourTableEntries(4), 16U);

  const auto true_colour = EncodeBmp(Image(3, 2, 24));
  ASSERT_EQ(true_colour.size(), 54U + 12 * 2);
  EXPECT_EQ(Le32(true_colour, 10), 54U);
  const auto indexed = EncodeBmp(Image(3, 2, 8));
  ASSERT_EQ(indexed.size(), 1078U + 4 * 2);
  EXPECT_EQ(Le32(indexed, 10), 1078U);
}

TEST(DisplayBmp, HeadersDescribeAnUncompressedBottomUpBitmap) {
  const auto b = EncodeBmp(Image(3, 2, 24));
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(Le32(b, 2), b.size());  // 14 + the bitmap
  EXPECT_EQ(Le32(b, 6), 0U);        // reserved
  EXPECT_EQ(Le32(b, 14), 40U);      // info header size
  EXPECT_EQ(Le32(b, 18), 3U);       // width
  EXPECT_EQ(Le32(b, 22), 2U);       // height > 0: bottom-up
  EXPECT_EQ(Le16(b, 26), 1);        // planes
  EXPECT_EQ(Le16(b, 28), 24);       // bits
  EXPECT_EQ(Le32(b, 30), 0U);       // no compression
  EXPECT_EQ(Le32(b, 34), 24U);      // image bytes: 2 rows of 12
  EXPECT_EQ(b[54], 0x5A);
}

TEST(DisplayBmp, ColourTableIsBlueGreenRedAndPaddedToFull) {
  BmpImage image = Image(1, 1, 8);
  image.colourTable = {0x112233};
  const auto b = EncodeBmp(image);
  ASSERT_EQ(b.size(), 1078U + 4);
  EXPECT_EQ(b[54], 0x33);
  EXPECT_EQ(b[55], 0x22);
  EXPECT_EQ(b[56], 0x11);
  EXPECT_EQ(b[57], 0);
  EXPECT_EQ(Le32(b, 58), 0U);
}

TEST(DisplayBmp, InconsistentImagesAreRefused) {
  BmpImage short_pixels = Image(3, 2, 24);
  short_pixels.pixels.pop_back();
  EXPECT_TRUE(EncodeBmp(short_pixels).empty());
  EXPECT_TRUE(EncodeBmp(Image(0, 2, 24)).empty());
  BmpImage bad_depth = Image(3, 2, 24);
  bad_depth.bitsPerPixel = 12;
  EXPECT_TRUE(EncodeBmp(bad_depth).empty());
  BmpImage long_table = Image(2, 2, 1);
  long_table.colourTable.assign(3, 0);
  EXPECT_TRUE(EncodeBmp(long_table).empty());
}

TEST(DisplayBmp, SavedFileHoldsTheEncodingAndAMissingFolderFails) {
  TempFolder folder;
  const BmpImage image = Image(5, 3, 24);
  ASSERT_TRUE(SaveBmpFile(folder / "a.bmp", image));
  const std::string text = ReadText(folder / "a.bmp");
  const auto expected = EncodeBmp(image);
  EXPECT_EQ(std::vector<std::uint8_t>(text.begin(), text.end()), expected);
  EXPECT_FALSE(SaveBmpFile(folder / "missing" / "a.bmp", image));
}

TEST(DisplayCaptureNames, VideoCaptureKeepsTheRecordingsExtensionBeforeTheTime) {
  EXPECT_EQ(VideoCaptureFile("/root/DirevOvu/CAPTURE", "/cards/E/Blackbox/x/drf0_20090807_142530.mp4", 65000),
            std::filesystem::path("/root/DirevOvu/CAPTURE/drf0_20090807_142530.mp4_000105.png"));
  EXPECT_EQ(VideoCaptureFile("/c", "drf1_20090807_142530.mp4", 3725999),
            std::filesystem::path("/c/drf1_20090807_142530.mp4_010205.png"));
  EXPECT_EQ(PlayTimeStamp(-5), "000000");
}

TEST(DisplayCaptureNames, WindowCaptureAndPrintPicture) {
  EXPECT_EQ(WindowCaptureFile("/c", {2026, 3, 8, 9, 5, 7}), std::filesystem::path("/c/20260308_090507.bmp"));
  EXPECT_EQ(PrintPictureFile("/tmp"), std::filesystem::path("/tmp/BlackBox_Capture.png"));
}

TEST(DisplayPrintLayout, WholeFactorsFillTheWidthOrTheHeight) {
  // sx = 6, sy = 14: the width is filled, the height is h × sx.
  EXPECT_EQ(PlacePrintedPicture(4960, 7015, 720, 480), (PrintRect{0, 0, 4960, 2880}));
  // Landscape page: sx = 5, sy = 4, the picture is w × sy wide, centred.
  EXPECT_EQ(PlacePrintedPicture(4000, 2000, 720, 480), (PrintRect{560, 0, 2880, 2000}));
}

TEST(DisplayPrintLayout, PictureLargerThanThePageIsShrunkNotLost) {
  const PrintRect r = PlacePrintedPicture(794, 1123, 1280, 720);
  EXPECT_EQ(r.width, 794);
  EXPECT_EQ(r.height, 446);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(PlacePrintedPicture(794, 1123, 0, 720), PrintRect{});
}

}  // namespace
}  // namespace direvovu::display
