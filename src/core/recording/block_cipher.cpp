#include "core/recording/block_cipher.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/io/byte_reader.h"
#include "core/recording/block_cipher_tables.h"

namespace direvovu {
namespace {

using aes_detail::AesTables;
using aes_detail::Tables;
using Block = std::array<std::uint8_t, 16>;

// The camera's built-in key: 14 letters and 18 zero bytes; only 16 bytes are used.
constexpr std::array<std::uint8_t, 32> kDefaultKey{'k', 'e', 's', 't', 'r', 'e', 'l',
                                                   'n', 'i', 'g', 'h', 't', 'l', 'y'};

// Key and block words: always inside the fixed-size arrays they come from.
inline std::uint32_t LoadBig(std::span<const std::uint8_t> bytes, std::size_t at) {
  return BigEndianAt(bytes, at).value_or(0);
}

inline void StoreBig(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t w) {
  PutBigEndianAt(bytes, at, w);
}

inline std::uint32_t Byte(std::uint32_t w, int shift) { return (w >> shift) & 0xFF; }

inline std::uint32_t SubWord(const AesTables& t, std::uint32_t w) {
  return (static_cast<std::uint32_t>(t.sbox[Byte(w, 24)]) << 24) |
         (static_cast<std::uint32_t>(t.sbox[Byte(w, 16)]) << 16) |
         (static_cast<std::uint32_t>(t.sbox[Byte(w, 8)]) << 8) | t.sbox[Byte(w, 0)];
}

// One full forward round: state s -> d with round key rk.
inline void ForwardRound(const AesTables& t, const std::uint32_t* rk, const std::uint32_t* s,
                         std::uint32_t* d) {
  const auto& f = t.forward;
  d[0] = f[0][Byte(s[0], 24)] ^ f[1][Byte(s[1], 16)] ^ f[2][Byte(s[2], 8)] ^ f[3][Byte(s[3], 0)] ^ rk[0];
  d[1] = f[0][Byte(s[1], 24)] ^ f[1][Byte(s[2], 16)] ^ f[2][Byte(s[3], 8)] ^ f[3][Byte(s[0], 0)] ^ rk[1];
  d[2] = f[0][Byte(s[2], 24)] ^ f[1][Byte(s[3], 16)] ^ f[2][Byte(s[0], 8)] ^ f[3][Byte(s[1], 0)] ^ rk[2];
  d[3] = f[0][Byte(s[3], 24)] ^ f[1][Byte(s[0], 16)] ^ f[2][Byte(s[1], 8)] ^ f[3][Byte(s[2], 0)] ^ rk[3];
}

inline void InverseRound(const AesTables& t, const std::uint32_t* rk, const std::uint32_t* s,
                         std::uint32_t* d) {
  const auto& v = t.inverse;
  d[0] = v[0][Byte(s[0], 24)] ^ v[1][Byte(s[3], 16)] ^ v[2][Byte(s[2], 8)] ^ v[3][Byte(s[1], 0)] ^ rk[0];
  d[1] = v[0][Byte(s[1], 24)] ^ v[1][Byte(s[0], 16)] ^ v[2][Byte(s[3], 8)] ^ v[3][Byte(s[2], 0)] ^ rk[1];
  d[2] = v[0][Byte(s[2], 24)] ^ v[1][Byte(s[1], 16)] ^ v[2][Byte(s[0], 8)] ^ v[3][Byte(s[3], 0)] ^ rk[2];
  d[3] = v[0][Byte(s[3], 24)] ^ v[1][Byte(s[2], 16)] ^ v[2][Byte(s[1], 8)] ^ v[3][Byte(s[0], 0)] ^ rk[3];
}

// Expands the key into 4 * (Nk + 7) words of encryption round keys.
std::uint32_t ExpandKey(std::span<const std::uint8_t> key, KeySchedule& schedule) {
  if (key.size() != 16 && key.size() != 24 && key.size() != 32) return kCipherBadKeyLength;
  const AesTables& t = Tables();
  const std::size_t nk = (key.size() + 3) / 4;
  const std::size_t total = 4 * (nk + 7);
  auto& w = schedule.roundKeys;
  schedule.keyWords = static_cast<std::uint32_t>(nk);
  for (std::size_t i = 0; i < nk; ++i) w[i] = LoadBig(key, 4 * i);
  for (std::size_t i = nk; i < total; ++i) {
    std::uint32_t temp = w[i - 1];
    if (i % nk == 0) {
      temp = SubWord(t, (temp << 8) | (temp >> 24)) ^ t.roundConstants[i / nk - 1];
    } else if (nk > 6 && i % nk == 4) {
      temp = SubWord(t, temp);
    }
    w[i] = w[i - nk] ^ temp;
  }
  return kCipherOk;
}

bool Overlaps(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  if (a.empty() || b.empty()) return false;
  std::less<> before;
  return before(a.data(), b.data() + b.size()) && before(b.data(), a.data() + a.size());
}

bool ValidMode(std::uint32_t mode) { return mode >= kModeEcb && mode <= kModeCfb; }
bool Blockwise(std::uint32_t mode) { return mode == kModeEcb || mode == kModeCbc; }

void XorInto(std::uint8_t* dst, const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) dst[i] = static_cast<std::uint8_t>(a[i] ^ b[i]);
}

// One whole block through the context's mode; `in` and `out` are 16 bytes each.
void EncryptOne(BlockCipherContext& c, const std::uint8_t* in, std::uint8_t* out) {
  Block b;
  switch (c.mode) {
    case kModeEcb:
      std::memcpy(b.data(), in, 16);
      EncryptBlock(c.schedule, b);
      break;
    case kModeCbc:
      XorInto(b.data(), in, c.chain.data(), 16);
      EncryptBlock(c.schedule, b);
      c.chain = b;
      break;
    case kModeOfb:
      EncryptBlock(c.schedule, c.chain);
      XorInto(b.data(), in, c.chain.data(), 16);
      break;
    default:  // CFB
      EncryptBlock(c.schedule, c.chain);
      XorInto(b.data(), in, c.chain.data(), 16);
      c.chain = b;
      break;
  }
  std::memcpy(out, b.data(), 16);
}

void DecryptOne(BlockCipherContext& c, const std::uint8_t* in, std::uint8_t* out) {
  Block b;
  switch (c.mode) {
    case kModeEcb:
      std::memcpy(b.data(), in, 16);
      DecryptBlock(c.schedule, b);
      break;
    case kModeCbc: {
      Block cipher;
      std::memcpy(cipher.data(), in, 16);
      b = cipher;
      DecryptBlock(c.schedule, b);
      XorInto(b.data(), b.data(), c.chain.data(), 16);
      c.chain = cipher;
      break;
    }
    case kModeOfb:
      EncryptBlock(c.schedule, c.chain);
      XorInto(b.data(), in, c.chain.data(), 16);
      break;
    default: {  // CFB: the cipher block feeds back
      Block cipher;
      std::memcpy(cipher.data(), in, 16);
      EncryptBlock(c.schedule, c.chain);
      XorInto(b.data(), in, c.chain.data(), 16);
      c.chain = cipher;
      break;
    }
  }
  std::memcpy(out, b.data(), 16);
}

using OneBlock = void (*)(BlockCipherContext&, const std::uint8_t*, std::uint8_t*);

// Feeds input through the buffer and processes whole blocks. With `keep` (decryption)
// 1..16 bytes stay held back so that the final step sees the last block.
std::uint32_t Update(BlockCipherContext& c, std::span<const std::uint8_t> input,
                     std::span<std::uint8_t> output, std::size_t& written, bool keep, OneBlock one) {
  written = 0;
  if (!ValidMode(c.mode) || c.buffered > 16) return kCipherBadArgument;
  if (Overlaps(input, output)) return kCipherBadArgument;
  const std::size_t held = c.buffered + input.size();
  std::size_t blocks = held / 16;
  if (keep) blocks = held > 16 ? (held - 1) / 16 : 0;
  if (output.size() < blocks * 16) return kCipherBadArgument;

  std::size_t in = 0;
  for (std::size_t n = 0; n < blocks; ++n) {
    if (c.buffered > 0) {
      const std::size_t take = 16 - c.buffered;
      std::memcpy(c.buffer.data() + c.buffered, input.data() + in, take);
      in += take;
      c.buffered = 0;
      one(c, c.buffer.data(), output.data() + written);
    } else {
      one(c, input.data() + in, output.data() + written);
      in += 16;
    }
    written += 16;
  }
  const std::size_t rest = input.size() - in;
  if (rest > 0) std::memcpy(c.buffer.data() + c.buffered, input.data() + in, rest);
  c.buffered += static_cast<std::uint32_t>(rest);
  return kCipherOk;
}

// OFB and CFB finals: the held bytes against one more encrypted register.
std::uint32_t StreamFinal(BlockCipherContext& c, std::span<std::uint8_t> output, std::size_t& written) {
  const std::size_t n = c.buffered;
  if (output.size() < n) return kCipherBadArgument;
  if (n > 0) {
    Block reg = c.chain;
    EncryptBlock(c.schedule, reg);
    XorInto(output.data(), c.buffer.data(), reg.data(), n);
  }
  written = n;
  c.buffered = 0;
  return kCipherOk;
}

// The rounds both directions share: the first key added, then every full round (the
// extra ones of the longer keys first, unrolled). `round` is ForwardRound or
// InverseRound; the result is in u and rk points at the last round key.
template <typename Round>
inline const std::uint32_t* FullRounds(const KeySchedule& schedule, std::span<const std::uint8_t, 16> block,
                                       std::uint32_t (&s)[4], std::uint32_t (&u)[4], Round round) {
  const std::uint32_t* rk = schedule.roundKeys.data();
  for (std::size_t i = 0; i < 4; ++i) s[i] = LoadBig(block, 4 * i) ^ rk[i];
  switch (schedule.keyWords) {
    case 8:  // NOLINT(bugprone-branch-clone): the cases are the unrolled rounds
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      [[fallthrough]];
    case 6:
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      [[fallthrough]];
    default:
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      round(rk += 4, s, u);
      round(rk += 4, u, s);
      round(rk += 4, s, u);
      break;
  }
  return rk + 4;
}

}  // namespace

std::uint32_t MakeEncryptSchedule(std::span<const std::uint8_t> key, KeySchedule& schedule) {
  return ExpandKey(key, schedule);
}

std::uint32_t MakeDecryptSchedule(std::span<const std::uint8_t> key, KeySchedule& schedule) {
  KeySchedule enc;
  if (const std::uint32_t rc = ExpandKey(key, enc); rc != kCipherOk) return rc;
  const AesTables& t = Tables();
  const std::size_t rounds = enc.keyWords + 6;
  schedule.keyWords = enc.keyWords;
  // Round keys in reverse order; the inner ones pass through InvMixColumns.
  for (std::size_t r = 0; r <= rounds; ++r) {
    for (std::size_t j = 0; j < 4; ++j) {
      const std::uint32_t w = enc.roundKeys[4 * (rounds - r) + j];
      if (r == 0 || r == rounds) {
        schedule.roundKeys[4 * r + j] = w;
      } else {
        schedule.roundKeys[4 * r + j] = t.inverse[0][t.sbox[Byte(w, 24)]] ^
                                        t.inverse[1][t.sbox[Byte(w, 16)]] ^ t.inverse[2][t.sbox[Byte(w, 8)]] ^
                                        t.inverse[3][t.sbox[Byte(w, 0)]];
      }
    }
  }
  return kCipherOk;
}

void EncryptBlock(const KeySchedule& schedule, std::span<std::uint8_t, 16> block) {
  const AesTables& t = Tables();
  std::uint32_t s[4];
  std::uint32_t u[4];
  const std::uint32_t* rk = FullRounds(schedule, block, s, u, [&t](auto... a) { ForwardRound(t, a...); });
  const auto& sb = t.sbox;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint32_t w = (static_cast<std::uint32_t>(sb[Byte(u[i], 24)]) << 24) |
                            (static_cast<std::uint32_t>(sb[Byte(u[(i + 1) & 3], 16)]) << 16) |
                            (static_cast<std::uint32_t>(sb[Byte(u[(i + 2) & 3], 8)]) << 8) |
                            sb[Byte(u[(i + 3) & 3], 0)];
    StoreBig(block, 4 * i, w ^ rk[i]);
  }
}

void DecryptBlock(const KeySchedule& schedule, std::span<std::uint8_t, 16> block) {
  const AesTables& t = Tables();
  std::uint32_t s[4];
  std::uint32_t u[4];
  const std::uint32_t* rk = FullRounds(schedule, block, s, u, [&t](auto... a) { InverseRound(t, a...); });
  const auto& ib = t.inverseSbox;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint32_t w = (static_cast<std::uint32_t>(ib[Byte(u[i], 24)]) << 24) |
                            (static_cast<std::uint32_t>(ib[Byte(u[(i + 3) & 3], 16)]) << 16) |
                            (static_cast<std::uint32_t>(ib[Byte(u[(i + 2) & 3], 8)]) << 8) |
                            ib[Byte(u[(i + 1) & 3], 0)];
    StoreBig(block, 4 * i, w ^ rk[i]);
  }
}

std::uint32_t CipherInit(std::uint32_t mode, std::uint32_t padding, std::span<const std::uint8_t> iv,
                         BlockCipherContext& context) {
  if (!ValidMode(mode) || (padding != kPaddingNone && padding != kPaddingPad)) return kCipherBadArgument;
  if (!iv.empty() && iv.size() != 16) return kCipherBadArgument;
  context.mode = mode;
  context.padding = padding;
  context.iv.fill(0);
  if (!iv.empty()) std::copy(iv.begin(), iv.end(), context.iv.begin());
  context.chain = context.iv;
  return kCipherOk;
}

std::uint32_t CipherReset(BlockCipherContext& context) {
  context.buffered = 0;
  if (context.mode != kModeEcb) context.chain = context.iv;
  return kCipherOk;
}

std::uint32_t EncryptUpdate(BlockCipherContext& context, std::span<const std::uint8_t> input,
                            std::span<std::uint8_t> output, std::size_t& written) {
  return Update(context, input, output, written, false, EncryptOne);
}

std::uint32_t DecryptUpdate(BlockCipherContext& context, std::span<const std::uint8_t> input,
                            std::span<std::uint8_t> output, std::size_t& written) {
  return Update(context, input, output, written, true, DecryptOne);
}

std::uint32_t EncryptFinal(BlockCipherContext& context, std::span<std::uint8_t> output,
                           std::size_t& written) {
  written = 0;
  if (!ValidMode(context.mode) || context.buffered > 16) return kCipherBadArgument;
  if (!Blockwise(context.mode)) return StreamFinal(context, output, written);
  if (context.padding == kPaddingNone) {
    if (context.buffered != 0) return kCipherPartialEncrypt;
    return kCipherOk;
  }
  if (output.size() < 16) return kCipherBadArgument;
  const auto pad = static_cast<std::uint8_t>(16 - context.buffered);
  std::fill(context.buffer.begin() + context.buffered, context.buffer.end(), pad);
  Block plain = context.buffer;
  EncryptOne(context, plain.data(), output.data());
  context.buffered = 0;
  written = 16;
  return kCipherOk;
}

std::uint32_t DecryptFinal(BlockCipherContext& context, std::span<std::uint8_t> output,
                           std::size_t& written) {
  written = 0;
  if (!ValidMode(context.mode) || context.buffered > 16) return kCipherBadArgument;
  if (!Blockwise(context.mode)) return StreamFinal(context, output, written);
  if (context.buffered == 0) return kCipherOk;
  if (context.buffered != 16) return kCipherPartialDecrypt;
  Block saved = context.chain;
  Block plain;
  DecryptOne(context, context.buffer.data(), plain.data());
  std::size_t n = 0;
  if (context.padding == kPaddingPad) {
    n = plain[15];
    bool good = n >= 1 && n <= 16;
    for (std::size_t i = 16 - (good ? n : 0); i < 16; ++i) good = good && plain[i] == n;
    if (!good) {
      context.chain = saved;
      return kCipherBadPadding;
    }
  }
  if (output.size() < 16 - n) {
    context.chain = saved;
    return kCipherBadArgument;
  }
  std::memcpy(output.data(), plain.data(), 16 - n);
  context.buffered = 0;
  written = 16 - n;
  return kCipherOk;
}

std::size_t SmallBufferOutputSize(CryptDirection direction, std::size_t inputLength) {
  if (direction == CryptDirection::Encrypt) return (inputLength / 16 + 1) * 16;
  return (inputLength + 15) / 16 * 16;
}

bool CryptSmallBuffer(CryptDirection direction, std::span<const std::uint8_t> input,
                      std::span<std::uint8_t> output, std::size_t* outputLength,
                      std::span<const std::uint8_t> key) {
  if (input.size() > kSmallBufferLimit || key.size() > 32) return false;
  if (output.size() < SmallBufferOutputSize(direction, input.size()) || Overlaps(input, output)) return false;
  std::array<std::uint8_t, 32> keyBuffer{};
  if (key.empty()) {
    keyBuffer = kDefaultKey;
  } else {
    std::copy(key.begin(), key.end(), keyBuffer.begin());
  }
  const std::span<const std::uint8_t> key128(keyBuffer.data(), 16);

  BlockCipherContext context;
  const bool decrypt = direction == CryptDirection::Decrypt;
  std::uint32_t rc =
      decrypt ? MakeDecryptSchedule(key128, context.schedule) : MakeEncryptSchedule(key128, context.schedule);
  if (rc == kCipherOk) rc = CipherInit(kModeCbc, kPaddingPad, {}, context);
  if (rc == kCipherOk) rc = CipherReset(context);

  // Everything happens in a work area so that a failure leaves the output untouched.
  std::array<std::uint8_t, kSmallBufferLimit + 16> work{};
  std::size_t updated = 0;
  std::size_t finished = 0;
  if (rc == kCipherOk) {
    rc =
        decrypt ? DecryptUpdate(context, input, work, updated) : EncryptUpdate(context, input, work, updated);
  }
  if (rc == kCipherOk) {
    const std::span<std::uint8_t> rest = std::span(work).subspan(updated);
    rc = decrypt ? DecryptFinal(context, rest, finished) : EncryptFinal(context, rest, finished);
  }
  if (rc != kCipherOk) return false;

  const std::size_t total = updated + finished;
  std::copy_n(work.begin(), total, output.begin());
  if (decrypt) {
    const std::size_t zeros = std::min<std::size_t>(16, output.size() - total);
    std::fill_n(output.begin() + static_cast<std::ptrdiff_t>(total), zeros, std::uint8_t{0});
  }
  if (outputLength != nullptr) *outputLength = total;
  return true;
}

}  // namespace direvovu
