#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string_view>

namespace direvovu::sample {

class ScrambleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::size_t kScrambledHeaderSize = 128;

// What the camera's file encryption makes of a plain recording: its first 128 bytes are
// replaced by the first 128 bytes of their AES-128-CBC encryption (zero iv, padding) under
// the password zero-padded to 16 bytes, and 32 bytes are appended: the password encrypted
// under the default key, then the ninth (padding) block of the header encryption.
struct ScrambledParts {
  std::array<std::uint8_t, kScrambledHeaderSize> header{};
  std::array<std::uint8_t, 16> password_block{};
  std::array<std::uint8_t, 16> tail_block{};
};

ScrambledParts ScrambleHeader(std::span<const std::uint8_t, kScrambledHeaderSize> plain_header,
                              std::string_view password);

// Scrambles a plain recording in place (the file grows by 32 bytes).
void ScrambleRecordingFile(const std::filesystem::path& path, std::string_view password);

}  // namespace direvovu::sample
