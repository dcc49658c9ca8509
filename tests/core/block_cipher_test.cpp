#include "core/recording/block_cipher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace direvovu {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Hex(std::string_view hex) {
  Bytes out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return out;
}

Bytes Range(std::size_t n, std::uint8_t first = 0) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(first + i);
  return out;
}

// ---- Single blocks: FIPS-197 Appendix B and Appendix C.1-C.3 -------------------------

struct BlockVector {
  const char* source;
  const char* key;
  const char* plain;
  const char* cipher;
};

constexpr BlockVector kBlockVectors[] = {
    {"FIPS-197 Appendix B", "2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
     "3925841d02dc09fbdc118597196a0b32"},
    {"FIPS-197 Appendix C.1 (AES-128)", "000102030405060708090a0b0c0d0e0f",
     "00112233445566778899aabbccddeeff", "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {"FIPS-197 Appendix C.2 (AES-192)", "000102030405060708090a0b0c0d0e0f1011121314151617",
     "00112233445566778899aabbccddeeff", "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"FIPS-197 Appendix C.3 (AES-256)", "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
     "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
};

TEST(BlockCipherTest, Fips197BlockVectors) {
  for (const auto& v : kBlockVectors) {
    SCOPED_TRACE(v.source);
    const Bytes key = Hex(v.key);
    KeySchedule enc;
    KeySchedule dec;
    ASSERT_EQ(MakeEncryptSchedule(key, enc), kCipherOk);
    ASSERT_EQ(MakeDecryptSchedule(key, dec), kCipherOk);
    EXPECT_EQ(enc.keyWords, key.size() / 4);

    Bytes block = Hex(v.plain);
    EncryptBlock(enc, std::span<std::uint8_t, 16>(block.data(), 16));
    EXPECT_EQ(block, Hex(v.cipher));
    DecryptBlock(dec, std::span<std::uint8_t, 16>(block.data(), 16));
    EXPECT_EQ(block, Hex(v.plain));
  }
}

TEST(BlockCipherTest, Fips197KeyExpansionLastWords) {
  // FIPS-197 Appendix A.1: w[43] of the expansion of 2b7e1516... is b6630ca6;
  // A.3: w[59] of the 256-bit key 603deb10... is 706c631e.
  KeySchedule s128;
  ASSERT_EQ(MakeEncryptSchedule(Hex("2b7e151628aed2a6abf7158809cf4f3c"), s128), kCipherOk);
  EXPECT_EQ(s128.roundKeys[43], 0xb6630ca6u);
  KeySchedule s256;
  ASSERT_EQ(
      MakeEncryptSchedule(Hex("603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4"), s256),
      kCipherOk);
  EXPECT_EQ(s256.roundKeys[59], 0x706c631eu);
}

TEST(BlockCipherTest, RefusesKeyLengthsOtherThan16_24_32) {
  KeySchedule s;
  for (std::size_t n : {0u, 15u, 20u, 31u, 33u}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(MakeEncryptSchedule(Bytes(n, 1), s), kCipherBadKeyLength);
    EXPECT_EQ(MakeDecryptSchedule(Bytes(n, 1), s), kCipherBadKeyLength);
  }
}

// ---- Modes: NIST SP 800-38A Appendix F ------------------------------------------------

constexpr const char* kSp800Plain =
    "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
    "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710";
constexpr const char* kSp800Iv = "000102030405060708090a0b0c0d0e0f";
constexpr const char* kKey128 = "2b7e151628aed2a6abf7158809cf4f3c";
constexpr const char* kKey192 = "8e73b0f7da0e6452c810f32b809079e562f8ead2522c6b7b";
constexpr const char* kKey256 = "603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4";

struct ModeVector {
  const char* source;
  std::uint32_t mode;
  const char* key;
  const char* cipher;
};

constexpr ModeVector kModeVectors[] = {
    {"SP 800-38A F.1.1 ECB-AES128.Encrypt", kModeEcb, kKey128,
     "3ad77bb40d7a3660a89ecaf32466ef97f5d3d58503b9699de785895a96fdbaaf"
     "43b1cd7f598ece23881b00e3ed0306887b0c785e27e8ad3f8223207104725dd4"},
    {"SP 800-38A F.1.3 ECB-AES192.Encrypt", kModeEcb, kKey192,
     "bd334f1d6e45f25ff712a214571fa5cc974104846d0ad3ad7734ecb3ecee4eef"
     "ef7afd2270e2e60adce0ba2face6444e9a4b41ba738d6c72fb16691603c18e0e"},
    {"SP 800-38A F.1.5 ECB-AES256.Encrypt", kModeEcb, kKey256,
     "f3eed1bdb5d2a03c064b5a7e3db181f8591ccb10d410ed26dc5ba74a31362870"
     "b6ed21b99ca6f4f9f153e7b1beafed1d23304b7a39f9f3ff067d8d8f9e24ecc7"},
    {"SP 800-38A F.2.1 CBC-AES128.Encrypt", kModeCbc, kKey128,
     "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
     "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7"},
    {"SP 800-38A F.2.3 CBC-AES192.Encrypt", kModeCbc, kKey192,
     "4f021db243bc633d7178183a9fa071e8b4d9ada9ad7dedf4e5e738763f69145a"
     "571b242012fb7ae07fa9baac3df102e008b0e27988598881d920a9e64f5615cd"},
    {"SP 800-38A F.2.5 CBC-AES256.Encrypt", kModeCbc, kKey256,
     "f58c4c04d6e5f1ba779eabfb5f7bfbd69cfc4e967edb808d679f777bc6702c7d"
     "39f23369a9d9bacfa530e26304231461b2eb05e2c39be9fcda6c19078c6a9d1b"},
    {"SP 800-38A F.3.13 CFB128-AES128.Encrypt", kModeCfb, kKey128,
     "3b3fd92eb72dad20333449f8e83cfb4ac8a64537a0b3a93fcde3cdad9f1ce58b"
     "26751f67a3cbb140b1808cf187a4f4dfc04b05357c5d1c0eeac4c66f9ff7f2e6"},
    {"SP 800-38A F.3.17 CFB128-AES256.Encrypt", kModeCfb, kKey256,
     "dc7e84bfda79164b7ecd8486985d386039ffed143b28b1c832113c6331e5407b"
     "df10132415e54b92a13ed0a8267ae2f975a385741ab9cef82031623d55b1e471"},
    {"SP 800-38A F.4.1 OFB-AES128.Encrypt", kModeOfb, kKey128,
     "3b3fd92eb72dad20333449f8e83cfb4a7789508d16918f03f53c52dac54ed825"
     "9740051e9c5fecf64344f7a82260edcc304c6528f659c77866a510d9c1d6ae5e"},
    {"SP 800-38A F.4.5 OFB-AES256.Encrypt", kModeOfb, kKey256,
     "dc7e84bfda79164b7ecd8486985d38604febdc6740d20b3ac88f6ad82a4fb08d"
     "71ab47a086e86eedf39d1c5bba97c4080126141d67f37be8538f5a8be740e484"},
};

// Runs a whole message through update (in pieces of `piece` bytes) and final.
Bytes RunCipher(bool encrypt, std::uint32_t mode, std::uint32_t padding, const Bytes& key, const Bytes& iv,
                const Bytes& input, std::size_t piece, std::uint32_t* error = nullptr) {
  BlockCipherContext c;
  const bool encSchedule = encrypt || mode == kModeOfb || mode == kModeCfb;
  EXPECT_EQ(encSchedule ? MakeEncryptSchedule(key, c.schedule) : MakeDecryptSchedule(key, c.schedule),
            kCipherOk);
  EXPECT_EQ(CipherInit(mode, padding, iv, c), kCipherOk);
  EXPECT_EQ(CipherReset(c), kCipherOk);
  Bytes out(input.size() + 32);
  std::size_t total = 0;
  for (std::size_t at = 0; at < input.size(); at += piece) {
    const std::size_t n = std::min(piece, input.size() - at);
    std::size_t written = 0;
    const auto in = std::span(input).subspan(at, n);
    const auto dst = std::span(out).subspan(total);
    const std::uint32_t rc =
        encrypt ? EncryptUpdate(c, in, dst, written) : DecryptUpdate(c, in, dst, written);
    EXPECT_EQ(rc, kCipherOk);
    total += written;
  }
  std::size_t written = 0;
  const auto dst = std::span(out).subspan(total);
  const std::uint32_t rc = encrypt ? EncryptFinal(c, dst, written) : DecryptFinal(c, dst, written);
  if (error != nullptr) *error = rc;
  total += written;
  out.resize(total);
  return out;
}

TEST(BlockCipherTest, Sp80038aModeVectorsInAnyPieceSize) {
  const Bytes plain = Hex(kSp800Plain);
  for (const auto& v : kModeVectors) {
    SCOPED_TRACE(v.source);
    const Bytes key = Hex(v.key);
    const Bytes iv = v.mode == kModeEcb ? Bytes{} : Hex(kSp800Iv);
    for (std::size_t piece : {1u, 7u, 16u, 17u, 64u}) {
      SCOPED_TRACE(piece);
      EXPECT_EQ(RunCipher(true, v.mode, kPaddingNone, key, iv, plain, piece), Hex(v.cipher));
      EXPECT_EQ(RunCipher(false, v.mode, kPaddingNone, key, iv, Hex(v.cipher), piece), plain);
    }
  }
}

TEST(BlockCipherTest, StreamModesHandleAPartialLastBlock) {
  // OFB and CFB need no padding: a 37-byte message gives 37 bytes, and its first 32
  // agree with the first two SP 800-38A F.3.13 / F.4.1 cipher blocks.
  const Bytes plain = Hex(kSp800Plain);
  const Bytes part(plain.begin(), plain.begin() + 37);
  for (std::uint32_t mode : {kModeOfb, kModeCfb}) {
    SCOPED_TRACE(mode);
    const Bytes c = RunCipher(true, mode, kPaddingPad, Hex(kKey128), Hex(kSp800Iv), part, 5);
    ASSERT_EQ(c.size(), 37u);
    const Bytes full = Hex(mode == kModeCfb ? kModeVectors[6].cipher : kModeVectors[8].cipher);
    EXPECT_TRUE(std::equal(c.begin(), c.end(), full.begin()));
    EXPECT_EQ(RunCipher(false, mode, kPaddingPad, Hex(kKey128), Hex(kSp800Iv), c, 3), part);
  }
}

// ---- Padding and error codes -----------------------------------------------------------

TEST(BlockCipherTest, PaddingAddsOneToSixteenBytes) {
  const Bytes key = Range(16);
  for (std::uint32_t mode : {kModeEcb, kModeCbc}) {
    for (std::size_t n : {0u, 1u, 15u, 16u, 17u, 31u, 32u}) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " length " << n);
      const Bytes plain = Range(n, 9);
      const Bytes c = RunCipher(true, mode, kPaddingPad, key, {}, plain, 16);
      EXPECT_EQ(c.size(), (n / 16 + 1) * 16);
      EXPECT_EQ(RunCipher(false, mode, kPaddingPad, key, {}, c, 5), plain);
      // Without padding removal the last block shows the pad bytes themselves.
      const Bytes raw = RunCipher(false, mode, kPaddingNone, key, {}, c, 16);
      const std::uint8_t pad = static_cast<std::uint8_t>(16 - n % 16);
      for (std::size_t i = n; i < raw.size(); ++i) EXPECT_EQ(raw[i], pad);
    }
  }
}

TEST(BlockCipherTest, DecryptingOneBlockWritesNothingUntilFinal) {
  const Bytes key = Range(16);
  const Bytes c = RunCipher(true, kModeCbc, kPaddingPad, key, {}, Bytes{'a', 'b', 'c'}, 16);
  ASSERT_EQ(c.size(), 16u);
  BlockCipherContext ctx;
  ASSERT_EQ(MakeDecryptSchedule(key, ctx.schedule), kCipherOk);
  ASSERT_EQ(CipherInit(kModeCbc, kPaddingPad, {}, ctx), kCipherOk);
  CipherReset(ctx);
  Bytes out(32);
  std::size_t written = 99;
  ASSERT_EQ(DecryptUpdate(ctx, c, out, written), kCipherOk);
  EXPECT_EQ(written, 0u);
  ASSERT_EQ(DecryptFinal(ctx, out, written), kCipherOk);
  EXPECT_EQ(written, 3u);  // 16 - n with n = 13 pad bytes
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 3), (Bytes{'a', 'b', 'c'}));
}

TEST(BlockCipherTest, BadPaddingIsReportedInEcbAndCbc) {
  const Bytes key = Range(16);
  for (std::uint32_t mode : {kModeEcb, kModeCbc}) {
    SCOPED_TRACE(mode);
    // Encrypt a block whose last byte is a pad value but the bytes before it are not.
    Bytes plain = Range(16, 1);
    plain[15] = 3;
    plain[14] = 3;  // plain[13] = 14 != 3
    const Bytes c = RunCipher(true, mode, kPaddingNone, key, {}, plain, 16);
    std::uint32_t rc = 0;
    RunCipher(false, mode, kPaddingPad, key, {}, c, 16, &rc);
    EXPECT_EQ(rc, kCipherBadPadding);
    for (int last : {0, 17, 255}) {
      plain[15] = static_cast<std::uint8_t>(last);
      RunCipher(false, mode, kPaddingPad, key, {}, RunCipher(true, mode, kPaddingNone, key, {}, plain, 16),
                16, &rc);
      EXPECT_EQ(rc, kCipherBadPadding) << last;
    }
  }
}

TEST(BlockCipherTest, PartialBlocksWithoutPaddingAreErrors) {
  const Bytes key = Range(16);
  std::uint32_t rc = 0;
  RunCipher(true, kModeCbc, kPaddingNone, key, {}, Range(20), 16, &rc);
  EXPECT_EQ(rc, kCipherPartialEncrypt);
  RunCipher(false, kModeCbc, kPaddingPad, key, {}, Range(20), 16, &rc);
  EXPECT_EQ(rc, kCipherPartialDecrypt);
  RunCipher(false, kModeEcb, kPaddingNone, key, {}, Range(31), 16, &rc);
  EXPECT_EQ(rc, kCipherPartialDecrypt);
}

TEST(BlockCipherTest, RefusesBadArguments) {
  BlockCipherContext c;
  EXPECT_EQ(CipherInit(0, kPaddingPad, {}, c), kCipherBadArgument);
  EXPECT_EQ(CipherInit(5, kPaddingPad, {}, c), kCipherBadArgument);
  EXPECT_EQ(CipherInit(kModeCbc, 3, {}, c), kCipherBadArgument);
  EXPECT_EQ(CipherInit(kModeCbc, kPaddingPad, Bytes(8), c), kCipherBadArgument);

  ASSERT_EQ(MakeEncryptSchedule(Range(16), c.schedule), kCipherOk);
  Bytes buf(64);
  std::size_t written = 0;
  c.mode = 9;  // a context whose mode was never set properly
  EXPECT_EQ(EncryptUpdate(c, std::span(buf).first(32), std::span(buf).subspan(32), written),
            kCipherBadArgument);
  EXPECT_EQ(EncryptFinal(c, buf, written), kCipherBadArgument);

  ASSERT_EQ(CipherInit(kModeCbc, kPaddingPad, {}, c), kCipherOk);
  CipherReset(c);
  // Same buffer in and out.
  EXPECT_EQ(EncryptUpdate(c, std::span(buf).first(32), std::span(buf).first(32), written),
            kCipherBadArgument);
  // Output too small for the two blocks the call would write.
  Bytes small(16);
  EXPECT_EQ(EncryptUpdate(c, std::span(buf).first(32), small, written), kCipherBadArgument);
  EXPECT_EQ(c.buffered, 0u);
}

// ---- CryptSmallBuffer -------------------------------------------------------------------

TEST(CryptSmallBufferTest, DefaultKeyIsTheCameraKey) {
  // Encrypting with no key equals encrypting with "kestrelnightly" zero-padded to 16 bytes.
  const std::string pw = "abc123";
  const Bytes in(pw.begin(), pw.end());
  Bytes a(32, 0xEE);
  Bytes b(32, 0xEE);
  std::size_t na = 0;
  std::size_t nb = 0;
  ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, in, a, &na));
  const std::string k = "kestrelnightly";
  ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, in, b, &nb, Bytes(k.begin(), k.end())));
  EXPECT_EQ(na, 16u);
  EXPECT_EQ(a, b);
  // And it is plain AES-128-CBC with a zero iv and padding.
  Bytes keyBytes(k.begin(), k.end());
  keyBytes.resize(16);
  EXPECT_EQ(Bytes(a.begin(), a.begin() + 16), RunCipher(true, kModeCbc, kPaddingPad, keyBytes, {}, in, 16));
}

TEST(CryptSmallBufferTest, RoundTripsAndSizes) {
  const Bytes key = {'p', 'w'};  // short keys are zero-padded
  // 1008 bytes is the most whose padded form (1024 bytes) can be decrypted again.
  for (std::size_t n : {0u, 1u, 15u, 16u, 128u, 1008u}) {
    SCOPED_TRACE(n);
    const Bytes plain = Range(n, 3);
    Bytes c(SmallBufferOutputSize(CryptDirection::Encrypt, n));
    std::size_t nc = 0;
    ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, plain, c, &nc, key));
    EXPECT_EQ(nc, (n / 16 + 1) * 16);
    Bytes p(nc + 16, 0xAA);
    std::size_t np = 0;
    ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Decrypt, c, p, &np, key));
    EXPECT_EQ(np, n);
    EXPECT_EQ(Bytes(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(n)), plain);
    // The 16 bytes after the result are zeroed so a password slot stays terminated.
    for (std::size_t i = n; i < n + 16; ++i) EXPECT_EQ(p[i], 0) << i;
  }
}

TEST(CryptSmallBufferTest, OnlySixteenKeyBytesCount) {
  Bytes longKey = Range(32);
  Bytes shortKey = Range(16);
  Bytes a(16);
  Bytes b(16);
  ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, Range(5), a, nullptr, longKey));
  ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, Range(5), b, nullptr, shortKey));
  EXPECT_EQ(a, b);
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Encrypt, Range(5), a, nullptr, Range(33)));
}

TEST(CryptSmallBufferTest, FailuresLeaveTheOutputUntouched) {
  Bytes out(2048, 0x5A);
  std::size_t n = 77;
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Encrypt, Range(1025), out, &n));
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Decrypt, Range(1040), out, &n));
  Bytes big(1040);
  ASSERT_TRUE(CryptSmallBuffer(CryptDirection::Encrypt, Range(1024), big));
  // Wrong key: the pad check fails (two blocks, so the update had output to give).
  Bytes c(48);
  ASSERT_TRUE(
      CryptSmallBuffer(CryptDirection::Encrypt, Range(20), c, nullptr, Bytes{'r', 'i', 'g', 'h', 't'}));
  Bytes p(32, 0x5A);
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Decrypt, std::span(c).first(32), p, &n,
                                Bytes{'w', 'r', 'o', 'n', 'g'}));
  EXPECT_EQ(p, Bytes(32, 0x5A));
  EXPECT_EQ(n, 77u);
  // Output too small for the padded result.
  Bytes tiny(16, 0x5A);
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Encrypt, Range(16), tiny));
  EXPECT_EQ(tiny, Bytes(16, 0x5A));
  // A length that is not a whole number of blocks cannot be decrypted.
  EXPECT_FALSE(CryptSmallBuffer(CryptDirection::Decrypt, Range(20), out));
}

}  // namespace
}  // namespace direvovu
