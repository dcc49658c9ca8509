#include "mp4_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "recording_writer.h"
#include "synthetic_mp4.h"

namespace direvovu::sample {
namespace {

using testing::Bytes;
using testing::SyntheticMp4;
using testing::SyntheticOptions;

const Bytes kTrackBox = testing::Box("dvtk", testing::Box("TIME", Bytes(4, 1)));

std::vector<BoxHeader> Walk(const Bytes& bytes) {
  const ReadAt read = [&bytes](std::uint64_t offset, std::span<std::uint8_t> out) {
    if (offset + out.size() > bytes.size()) return false;
    std::memcpy(out.data(), bytes.data() + offset, out.size());
    return true;
  };
  return WalkTopLevelBoxes(read, bytes.size());
}

std::string Types(const std::vector<BoxHeader>& boxes) {
  std::string types;
  for (const auto& b : boxes) types += b.type + " ";
  return types;
}

TEST(CameraLayout, FoldsFreeIntoFtypWithoutMovingMdat) {
  const Bytes in = SyntheticMp4();
  const Bytes out = MakeCameraLayout(in, kTrackBox);
  ASSERT_EQ(out.size(), in.size() + kTrackBox.size());
  const auto boxes = Walk(out);
  EXPECT_EQ(Types(boxes), "ftyp mdat moov dvtk ");
  EXPECT_EQ(boxes[0].size, 32u + 8u);
  // The viewer recognises a plain recording by "ftypmp4" at bytes 4..10.
  EXPECT_EQ(std::string(out.begin() + 4, out.begin() + 11), "ftypmp4");
  EXPECT_EQ(std::string(out.begin() + 32, out.begin() + 40), "mp41mp41");
  // Chunk offsets in moov point into mdat: mdat and moov must stay byte for byte where they were.
  EXPECT_TRUE(std::equal(in.begin() + 40, in.end(), out.begin() + 40));
  EXPECT_TRUE(
      std::equal(kTrackBox.begin(), kTrackBox.end(), out.end() - static_cast<long>(kTrackBox.size())));
}

TEST(CameraLayout, AcceptsOutputWithoutFillerAndKeepsAnMp4Brand) {
  SyntheticOptions options;
  options.with_free = false;
  Bytes in = SyntheticMp4(options);
  std::memcpy(in.data() + 8, "mp4v", 4);
  const Bytes out = MakeCameraLayout(in, kTrackBox);
  EXPECT_EQ(Types(Walk(out)), "ftyp mdat moov dvtk ");
  EXPECT_EQ(std::string(out.begin() + 8, out.begin() + 12), "mp4v");
}

TEST(CameraLayout, RefusesShapesTheCameraCannotHave) {
  SyntheticOptions faststart;
  faststart.moov_first = true;
  EXPECT_THROW(MakeCameraLayout(SyntheticMp4(faststart), kTrackBox), LayoutError);

  Bytes trailing = SyntheticMp4();
  const Bytes extra = testing::Box("udta", {});
  trailing.insert(trailing.end(), extra.begin(), extra.end());
  EXPECT_THROW(MakeCameraLayout(trailing, kTrackBox), LayoutError);

  Bytes no_mdat = testing::Concat({testing::Box("ftyp", Bytes(8, 'x')), testing::Box("moov", {})});
  EXPECT_THROW(MakeCameraLayout(no_mdat, kTrackBox), LayoutError);

  // A free box of 10 bytes cannot become whole brands.
  Bytes ragged = SyntheticMp4();
  ragged.insert(ragged.begin() + 40, {0, 0});
  ragged[35] = 10;
  EXPECT_THROW(MakeCameraLayout(ragged, kTrackBox), LayoutError);
}

TEST(CameraLayout, BoxWalkChecksEverySizeAgainstTheFile) {
  Bytes in = SyntheticMp4();
  Bytes overrun = in;
  overrun[40] = 0x7F;  // mdat size now runs past the end
  EXPECT_THROW(Walk(overrun), LayoutError);
  for (const std::uint8_t size : {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{7}}) {
    Bytes bad = in;
    std::memset(bad.data() + 40, 0, 4);
    bad[43] = size;  // to-the-end, 64-bit, smaller than a header
    EXPECT_THROW(Walk(bad), LayoutError) << int{size};
  }
  Bytes cut = in;
  cut.resize(cut.size() + 5, 0);  // a stray tail shorter than a box header
  EXPECT_THROW(Walk(cut), LayoutError);
  EXPECT_EQ(Walk(in).size(), 4u);
}

TEST(MovieHeader, MustBeTheFirstChildAndVersionZero) {
  const Bytes mvhd = testing::MovieHeader(1000, 5000);
  const Bytes trak = testing::Track(5000, 5000);
  Bytes wrong_order = testing::Box("moov", testing::Concat({trak, mvhd}));
  EXPECT_THROW(NormaliseMovieHeader(wrong_order), LayoutError);

  Bytes v1 = testing::Box("moov", testing::Concat({testing::Box("mvhd", Bytes(112, 0)), trak}));
  v1[8 + 8] = 1;  // version 1, 120 bytes
  EXPECT_THROW(NormaliseMovieHeader(v1), LayoutError);

  Bytes zero = testing::Box("moov", testing::Concat({testing::MovieHeader(1000, 0), trak}));
  EXPECT_THROW(NormaliseMovieHeader(zero), LayoutError);

  Bytes bad_child = testing::Box("moov", testing::Concat({mvhd, Bytes{0, 0, 0, 99, 't', 'r', 'a', 'k'}}));
  EXPECT_THROW(NormaliseMovieHeader(bad_child), LayoutError);

  Bytes fine = testing::Box("moov", testing::Concat({mvhd, trak}));
  EXPECT_EQ(NormaliseMovieHeader(fine), 5000u);
}

TEST(MovieHeader, OtherTimeScalesBecomeMillisecondsThroughout) {
  SyntheticOptions options;
  options.timescale = 90000;
  options.duration = 5 * 90000 + 45;  // 5000.5 ms rounds to 5001
  const Bytes in = SyntheticMp4(options);
  const Bytes out = MakeCameraLayout(in, kTrackBox);
  const std::size_t moov = Walk(out)[2].offset;
  EXPECT_EQ(ReadBe32(out, moov + testing::kMvhdTimescaleAt), 1000u);
  EXPECT_EQ(ReadBe32(out, moov + testing::kMvhdDurationAt), 5001u);
  // Track and edit durations count in the movie time scale, so they follow it.
  EXPECT_EQ(ReadBe32(out, moov + testing::kTkhdDurationAt), 5001u);
  EXPECT_EQ(ReadBe32(out, moov + testing::kElstFirstDurationAt), 5001u);
}

TEST(CameraLayout, FileVersionMatchesTheInMemoryOne) {
  const auto path =
      std::filesystem::temp_directory_path() / ("sample_layout_" + std::to_string(getpid()) + ".mp4");
  SyntheticOptions options;
  options.timescale = 600;
  options.duration = 3000;
  const Bytes in = SyntheticMp4(options);
  {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(in.data()), static_cast<std::streamsize>(in.size()));
  }
  EXPECT_EQ(ApplyCameraLayoutToFile(path, kTrackBox), 5000u);
  std::ifstream file(path, std::ios::binary);
  const Bytes written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, MakeCameraLayout(in, kTrackBox));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace direvovu::sample
