#include "scramble.h"

#include <algorithm>
#include <fstream>

#include "core/recording/block_cipher.h"

namespace direvovu::sample {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

ScrambledParts ScrambleHeader(std::span<const std::uint8_t, kScrambledHeaderSize> plain_header,
                              std::string_view password) {
  // The camera takes passwords of up to 15 characters (one padded block).
  if (password.empty() || password.size() > 15)
    throw ScrambleError("the password must have 1 to 15 characters");
  std::array<std::uint8_t, 16> key{};
  std::copy(password.begin(), password.end(), key.begin());

  std::array<std::uint8_t, kScrambledHeaderSize + 32> header_cipher{};
  std::size_t header_length = 0;
  if (!CryptSmallBuffer(CryptDirection::Encrypt, plain_header, header_cipher, &header_length, key) ||
      header_length != kScrambledHeaderSize + 16) {
    throw ScrambleError("encrypting the header failed");
  }
  std::array<std::uint8_t, 32> password_cipher{};
  std::size_t password_length = 0;
  if (!CryptSmallBuffer(CryptDirection::Encrypt, AsBytes(password), password_cipher, &password_length) ||
      password_length != 16) {
    throw ScrambleError("encrypting the password failed");
  }
  ScrambledParts parts;
  std::copy_n(header_cipher.begin(), kScrambledHeaderSize, parts.header.begin());
  std::copy_n(header_cipher.begin() + kScrambledHeaderSize, 16, parts.tail_block.begin());
  std::copy_n(password_cipher.begin(), 16, parts.password_block.begin());
  return parts;
}

void ScrambleRecordingFile(const std::filesystem::path& path, std::string_view password) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) throw ScrambleError("cannot open " + path.string() + " to scramble it");
  std::array<std::uint8_t, kScrambledHeaderSize> plain{};
  if (!file.read(reinterpret_cast<char*>(plain.data()), plain.size())) {
    throw ScrambleError(path.string() + " is shorter than 128 bytes");
  }
  const ScrambledParts parts = ScrambleHeader(plain, password);
  file.seekp(0);
  file.write(reinterpret_cast<const char*>(parts.header.data()), parts.header.size());
  file.seekp(0, std::ios::end);
  file.write(reinterpret_cast<const char*>(parts.password_block.data()), parts.password_block.size());
  file.write(reinterpret_cast<const char*>(parts.tail_block.data()), parts.tail_block.size());
  file.flush();
  if (!file) throw ScrambleError("writing " + path.string() + " failed");
}

}  // namespace direvovu::sample
