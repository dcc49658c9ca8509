#include "core/io/byte_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <numeric>
#include <string>

#include "core/recording/embedded_track.h"
#include "core/recording/encrypted_recording.h"
#include "track_file_builder.h"

namespace direvovu {
namespace {

std::vector<std::uint8_t> Counting(std::size_t n) {
  std::vector<std::uint8_t> bytes(n);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
  return bytes;
}

TEST(ByteReaderTest, WordsReadOnlyWhenWhollyInside) {
  const std::vector<std::uint8_t> bytes{0x12, 0x34, 0x56, 0x78, 0x9A};
  EXPECT_EQ(BigEndianAt(bytes, 0), 0x12345678u);
  EXPECT_EQ(BigEndianAt(bytes, 1), 0x3456789Au);
  EXPECT_EQ(LittleEndianAt(bytes, 1), 0x9A785634u);
  EXPECT_FALSE(BigEndianAt(bytes, 2));  // three bytes left
  EXPECT_FALSE(LittleEndianAt(bytes, 5));
  EXPECT_FALSE(BigEndianAt(bytes, std::numeric_limits<std::size_t>::max()));  // no wrap-around

  SpanReader reader(bytes);
  EXPECT_EQ(reader.ReadBigEndian(1), 0x3456789Au);
  EXPECT_FALSE(reader.ReadBigEndian(2));
  EXPECT_FALSE(reader.ReadBigEndian(std::numeric_limits<std::uint64_t>::max()));
}

TEST(ByteReaderTest, PutWordWritesNothingThatDoesNotFit) {
  std::vector<std::uint8_t> bytes(6, 0);
  EXPECT_TRUE(PutBigEndianAt(bytes, 2, 0xA1B2C3D4));
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 0, 0xA1, 0xB2, 0xC3, 0xD4}));
  EXPECT_FALSE(PutBigEndianAt(bytes, 3, 0xFFFFFFFF));
  EXPECT_EQ(bytes[3], 0xB2);
}

TEST(ByteReaderTest, SpanReaderStopsAtTheEnd) {
  const auto bytes = Counting(10);
  SpanReader reader(bytes);
  std::vector<std::uint8_t> out(4, 0xFF);
  EXPECT_EQ(reader.ReadAt(8, out), 2u);
  EXPECT_EQ(out[0], 8);
  EXPECT_EQ(out[2], 0xFF);  // untouched past what was read
  EXPECT_EQ(reader.ReadAt(10, out), 0u);
  EXPECT_EQ(reader.ReadAt(~std::uint64_t{0}, out), 0u);
  EXPECT_FALSE(reader.ReadExact(7, out));
  EXPECT_TRUE(reader.ReadExact(6, out));
}

TEST(ByteReaderTest, FileReaderReadsRangesOfAFile) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("direvovu_reader_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  const auto bytes = Counting(200);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  auto reader = FileReader::Open(path);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->Size(), 200u);
  std::vector<std::uint8_t> out(16);
  EXPECT_EQ(reader->ReadAt(190, out), 10u);
  EXPECT_EQ(out[9], 199);
  EXPECT_TRUE(reader->ReadExact(100, out));  // after a short read the stream reads again
  EXPECT_EQ(out[0], 100);
  EXPECT_EQ(reader->ReadAt(500, out), 0u);
  reader.reset();
  std::filesystem::remove(path);
  EXPECT_EQ(FileReader::Open(path), nullptr);
  EXPECT_EQ(FileReader::Open(std::filesystem::temp_directory_path()), nullptr);
}

TEST(ByteReaderTest, OverlayReplacesTheHeadAndCutsTheTail) {
  const auto bytes = Counting(20);
  SpanReader base(bytes);
  OverlayReader overlay(base, {0xA0, 0xA1, 0xA2}, 15);
  EXPECT_EQ(overlay.Size(), 15u);
  std::vector<std::uint8_t> out(6);
  ASSERT_TRUE(overlay.ReadExact(1, out));
  EXPECT_EQ(out, (std::vector<std::uint8_t>{0xA1, 0xA2, 3, 4, 5, 6}));
  EXPECT_EQ(overlay.ReadAt(12, out), 3u);  // 12, 13, 14 and no further
  EXPECT_EQ(out[2], 14);
  EXPECT_EQ(OverlayReader(base, {}, 99).Size(), 20u);  // never longer than the base
}

// An encrypted recording read through the overlay, with its header decrypted in memory,
// parses like the plain recording it was made from.
TEST(ByteReaderTest, EncryptedRecordingReadsThroughTheOverlay) {
  const auto plain = testing::BuildTrackFile(testing::MakeTrackSpec(4)).bytes;
  const auto scrambled = ScrambleRecording(plain, "ab12");
  ASSERT_TRUE(scrambled);
  SpanReader file(*scrambled);
  TrackState track;
  EXPECT_EQ(ParseEmbeddedTrack(file, true, track).result, ParseResult::Rejected);

  const auto parts = SplitEncryptedParts(*scrambled);
  ASSERT_TRUE(parts);
  PasswordSlot password{};
  ASSERT_TRUE(ReadPasswordBlock(parts->passwordBlock, password));
  const auto header = DecryptHeader(parts->header, parts->tailBlock, password);
  ASSERT_TRUE(header);
  OverlayReader decrypted(file, {header->begin(), header->end()}, scrambled->size() - kEncryptedTrailerBytes);
  EXPECT_EQ(decrypted.Size(), plain.size());
  EXPECT_TRUE(ParseEmbeddedTrack(decrypted, true, track).Loaded());
  EXPECT_EQ(track.count, 4);
}

}  // namespace
}  // namespace direvovu
