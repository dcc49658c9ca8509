// Reading ranges of a real file through the window, against the bytes themselves.
#include "core/io/sparse_file_reader.h"

#include <gtest/gtest.h>

#include "recording_test_files.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

struct RangeCase {
  const char* name;
  std::uint64_t offset;
  std::size_t bytes;
};

TEST(SparseFileReader, EveryRangeReadsTheFilesBytes) {
  TempFolder temp;
  const std::size_t size = 3 * kSparseWindowBytes + 100;
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + i / 256);
  testing::WriteBytes(temp / "file.bin", bytes);
  auto reader = SparseFileReader::Open(temp / "file.bin");
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->Size(), size);
  const std::vector<RangeCase> cases{
      {"the first bytes", 0, 8},
      {"again, from the window", 4, 8},
      {"the window's last bytes", kSparseWindowBytes - 4, 4},
      {"across a window's end", kSparseWindowBytes - 4, 8},
      {"larger than a window", 10, 2 * kSparseWindowBytes + 5},
      {"back to the start", 0, 1},
      {"the file's last window, cut by its end", 3 * kSparseWindowBytes, 200},
      {"the last byte", size - 1, 1},
      {"past the end", size, 4},
      {"far past the end", size * 4, 4},
  };
  for (const RangeCase& c : cases) {
    std::vector<std::uint8_t> out(c.bytes, 0xEE);
    const std::size_t got = reader->ReadAt(c.offset, out);
    const std::size_t want = c.offset >= size ? 0 : std::min<std::size_t>(c.bytes, size - c.offset);
    ASSERT_EQ(got, want) << c.name;
    const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(c.offset, size));
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(got), from)) << c.name;
  }
  EXPECT_FALSE(SparseFileReader::Open(temp / "absent.bin"));
  EXPECT_FALSE(SparseFileReader::Open(temp.path()));  // a folder
}

}  // namespace
}  // namespace direvovu
