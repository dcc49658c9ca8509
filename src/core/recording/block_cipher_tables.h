#pragma once

// Lookup tables of the table-driven AES, computed once from GF(2^8).

#include <array>
#include <cstdint>

namespace direvovu::aes_detail {

struct AesTables {
  std::array<std::uint8_t, 256> sbox{};
  std::array<std::uint8_t, 256> inverseSbox{};
  // Forward round tables: column (2s, s, s, 3s) and its rotations by 8, 16, 24 bits.
  std::array<std::array<std::uint32_t, 256>, 4> forward{};
  // Inverse round tables: column (14s', 9s', 13s', 11s') of the inverse S-box, rotated.
  std::array<std::array<std::uint32_t, 256>, 4> inverse{};
  std::array<std::uint32_t, 10> roundConstants{};
};

// Built on first call (thread-safe), then only read.
const AesTables& Tables();

}  // namespace direvovu::aes_detail
