#include "core/recording/block_cipher_tables.h"

namespace direvovu::aes_detail {
namespace {

constexpr std::uint8_t XTime(std::uint8_t x) {
  return static_cast<std::uint8_t>((x << 1) ^ ((x & 0x80) != 0 ? 0x1B : 0x00));
}

constexpr std::uint32_t Rotr8(std::uint32_t w) { return (w >> 8) | (w << 24); }

AesTables BuildTables() {
  AesTables t;
  // Powers and logarithms of the generator 3 in GF(2^8) mod x^8+x^4+x^3+x+1.
  std::array<std::uint8_t, 256> pow{};
  std::array<std::uint8_t, 256> log{};
  std::uint8_t x = 1;
  for (std::size_t i = 0; i < 256; ++i) {
    pow[i] = x;
    log[x] = static_cast<std::uint8_t>(i);
    x = static_cast<std::uint8_t>(x ^ XTime(x));  // x * 3
  }
  auto mul = [&](std::uint8_t a, std::uint8_t b) -> std::uint8_t {
    if (a == 0 || b == 0) return 0;
    return pow[static_cast<std::size_t>((log[a] + log[b]) % 255)];
  };

  x = 1;
  for (auto& rc : t.roundConstants) {
    rc = static_cast<std::uint32_t>(x) << 24;
    x = XTime(x);
  }

  // S-box: multiplicative inverse followed by the affine map with constant 0x63.
  for (std::size_t i = 0; i < 256; ++i) {
    std::uint8_t inv = i == 0 ? 0 : pow[255U - log[i]];
    std::uint8_t s = inv;
    std::uint8_t r = inv;
    for (int k = 0; k < 4; ++k) {
      r = static_cast<std::uint8_t>((r << 1) | (r >> 7));
      s ^= r;
    }
    s ^= 0x63;
    t.sbox[i] = s;
    t.inverseSbox[s] = static_cast<std::uint8_t>(i);
  }

  for (std::size_t i = 0; i < 256; ++i) {
    const std::uint8_t s = t.sbox[i];
    const std::uint32_t f = (static_cast<std::uint32_t>(mul(s, 2)) << 24) |
                            (static_cast<std::uint32_t>(s) << 16) | (static_cast<std::uint32_t>(s) << 8) |
                            mul(s, 3);
    const std::uint8_t v = t.inverseSbox[i];
    const std::uint32_t r = (static_cast<std::uint32_t>(mul(v, 14)) << 24) |
                            (static_cast<std::uint32_t>(mul(v, 9)) << 16) |
                            (static_cast<std::uint32_t>(mul(v, 13)) << 8) | mul(v, 11);
    t.forward[0][i] = f;
    t.inverse[0][i] = r;
    for (std::size_t k = 1; k < 4; ++k) {
      t.forward[k][i] = Rotr8(t.forward[k - 1][i]);
      t.inverse[k][i] = Rotr8(t.inverse[k - 1][i]);
    }
  }
  return t;
}

}  // namespace

const AesTables& Tables() {
  // A function-local static is the process-wide "ready" flag, and thread-safe.
  static const AesTables tables = BuildTables();
  return tables;
}

}  // namespace direvovu::aes_detail
