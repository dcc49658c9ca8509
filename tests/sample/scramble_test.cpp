#include "scramble.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "core/recording/block_cipher.h"

namespace direvovu::sample {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::array<std::uint8_t, kScrambledHeaderSize> SampleHeader() {
  std::array<std::uint8_t, kScrambledHeaderSize> header{};
  std::iota(header.begin(), header.end(), std::uint8_t{0});
  std::memcpy(header.data() + 4, "ftypmp42", 8);
  return header;
}

// What the viewer does with an encrypted recording: the password from the password block
// under the default key, then the header from bytes 0..127 and the tail block.
struct Unscrambled {
  std::string password;
  Bytes header;
};

Unscrambled Unscramble(const ScrambledParts& parts) {
  Unscrambled out;
  std::array<std::uint8_t, 32> password{};
  std::size_t length = 0;
  EXPECT_TRUE(CryptSmallBuffer(CryptDirection::Decrypt, parts.password_block, password, &length));
  out.password.assign(reinterpret_cast<const char*>(password.data()), length);
  Bytes cipher(parts.header.begin(), parts.header.end());
  cipher.insert(cipher.end(), parts.tail_block.begin(), parts.tail_block.end());
  std::array<std::uint8_t, 16> key{};
  std::memcpy(key.data(), out.password.data(), out.password.size());
  Bytes plain(cipher.size() + 16);
  EXPECT_TRUE(CryptSmallBuffer(CryptDirection::Decrypt, cipher, plain, &length, key));
  plain.resize(length);
  out.header = plain;
  return out;
}

TEST(Scramble, ViewerRecoversPasswordAndHeader) {
  const auto header = SampleHeader();
  for (const char* password : {"abcd", "Ab12", "abc123", "ZZZZZZ"}) {
    const ScrambledParts parts = ScrambleHeader(header, password);
    EXPECT_NE(std::memcmp(parts.header.data() + 4, "ftypmp4", 7), 0);
    const Unscrambled back = Unscramble(parts);
    EXPECT_EQ(back.password, password);
    EXPECT_EQ(back.header, Bytes(header.begin(), header.end())) << password;
  }
}

TEST(Scramble, PasswordsGiveDifferentHeaders) {
  const auto header = SampleHeader();
  EXPECT_NE(ScrambleHeader(header, "abcd").header, ScrambleHeader(header, "abce").header);
  EXPECT_THROW(ScrambleHeader(header, ""), ScrambleError);
}

TEST(Scramble, FileKeepsItsBodyAndGrowsBy32Bytes) {
  const auto path = std::filesystem::temp_directory_path() / ("sample_scramble_" + std::to_string(getpid()));
  Bytes plain(1000);
  std::iota(plain.begin(), plain.end(), std::uint8_t{7});
  std::memcpy(plain.data() + 4, "ftypmp42", 8);
  {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(plain.data()), static_cast<std::streamsize>(plain.size()));
  }
  ScrambleRecordingFile(path, "abc123");
  std::ifstream file(path, std::ios::binary);
  const Bytes scrambled((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_EQ(scrambled.size(), plain.size() + 32);
  EXPECT_TRUE(std::equal(plain.begin() + 128, plain.end(), scrambled.begin() + 128));
  ScrambledParts parts;
  std::copy_n(scrambled.begin(), 128, parts.header.begin());
  std::copy_n(scrambled.end() - 32, 16, parts.password_block.begin());
  std::copy_n(scrambled.end() - 16, 16, parts.tail_block.begin());
  const Unscrambled back = Unscramble(parts);
  EXPECT_EQ(back.password, "abc123");
  EXPECT_TRUE(std::equal(back.header.begin(), back.header.end(), plain.begin()));
  std::filesystem::remove(path);
}

TEST(Scramble, RefusesAFileShorterThanTheHeader) {
  const auto path =
      std::filesystem::temp_directory_path() / ("sample_scramble_short_" + std::to_string(getpid()));
  std::ofstream(path, std::ios::binary) << "short";
  EXPECT_THROW(ScrambleRecordingFile(path, "abcd"), ScrambleError);
  EXPECT_EQ(std::filesystem::file_size(path), 5u);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace direvovu::sample
