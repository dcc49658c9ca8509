#include "core/recording/encrypted_recording.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "core/recording/block_cipher.h"
#include "recording_test_files.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

using testing::Bytes;
using testing::MakePlainRecording;

Bytes Cbc128(const Bytes& key16, const Bytes& plain) {
  BlockCipherContext c;
  EXPECT_EQ(MakeEncryptSchedule(key16, c.schedule), kCipherOk);
  CipherInit(kModeCbc, kPaddingPad, {}, c);
  CipherReset(c);
  Bytes out(plain.size() + 16);
  std::size_t a = 0;
  std::size_t b = 0;
  EXPECT_EQ(EncryptUpdate(c, plain, out, a), kCipherOk);
  EXPECT_EQ(EncryptFinal(c, std::span(out).subspan(a), b), kCipherOk);
  out.resize(a + b);
  return out;
}

Bytes ZeroPadded(const std::string& text) {
  Bytes key(text.begin(), text.end());
  key.resize(16);
  return key;
}

TEST(EncryptedRecordingTest, ScrambledFileHasTheCameraLayout) {
  const Bytes plain = MakePlainRecording(1000);
  const auto file = ScrambleRecording(plain, "Ab12");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), plain.size() + 32);

  // Header: the first 128 bytes of AES-128-CBC of the first 128 plain bytes under the
  // zero-padded password; the tail block is the ninth block of that encryption.
  const Bytes header = Cbc128(ZeroPadded("Ab12"), Bytes(plain.begin(), plain.begin() + 128));
  ASSERT_EQ(header.size(), 144u);
  EXPECT_TRUE(std::equal(header.begin(), header.begin() + 128, file->begin()));
  EXPECT_TRUE(std::equal(header.begin() + 128, header.end(), file->end() - 16));
  // The rest of the recording is untouched.
  EXPECT_TRUE(std::equal(plain.begin() + 128, plain.end(), file->begin() + 128));
  // Password block: the password under the built-in key.
  const Bytes pwBlock = Cbc128(ZeroPadded("kestrelnightly"), Bytes{'A', 'b', '1', '2'});
  EXPECT_TRUE(std::equal(pwBlock.begin(), pwBlock.end(), file->end() - 32));
}

TEST(EncryptedRecordingTest, RecognitionNeedsAForeignMarkAndRoomForTheTrailer) {
  const Bytes plain = MakePlainRecording(1000);
  const Bytes scrambled = *ScrambleRecording(plain, "pass");
  EXPECT_FALSE(LooksEncrypted(plain, plain.size()));
  EXPECT_TRUE(LooksEncrypted(scrambled, scrambled.size()));
  // Too short to hold a scrambled header and its 32-byte trailer: not encrypted.
  EXPECT_FALSE(LooksEncrypted(scrambled, 159));
  EXPECT_TRUE(LooksEncrypted(scrambled, 160));
  EXPECT_FALSE(LooksEncrypted(std::span(scrambled).first(10), 1000));

  TempFolder dir;
  testing::WriteBytes(dir / "plain.mp4", plain);
  testing::WriteBytes(dir / "enc.mp4", scrambled);
  testing::WriteBytes(dir / "short.mp4", Bytes(scrambled.begin(), scrambled.begin() + 159));
  testing::WriteBytes(dir / "empty.mp4", {});
  EXPECT_FALSE(IsEncryptedRecording(dir / "plain.mp4"));
  EXPECT_TRUE(IsEncryptedRecording(dir / "enc.mp4"));
  EXPECT_FALSE(IsEncryptedRecording(dir / "short.mp4"));
  EXPECT_FALSE(IsEncryptedRecording(dir / "empty.mp4"));
  EXPECT_FALSE(IsEncryptedRecording(dir / "missing.mp4"));
  EXPECT_FALSE(IsEncryptedRecording(dir.path()));  // a folder is not a recording
  // Nor is a FIFO, and looking at one must not wait for a writer.
  ASSERT_EQ(::mkfifo((dir / "pipe.mp4").c_str(), 0600), 0);
  EXPECT_FALSE(IsEncryptedRecording(dir / "pipe.mp4"));
}

TEST(EncryptedRecordingTest, PasswordBlockRoundTripsAndRejectsForeignBlocks) {
  for (const std::string pw : {"a", "abcd", "Zz9876", "fifteen-chars-x"}) {
    SCOPED_TRACE(pw);
    const auto block = EncryptPasswordBlock(pw);
    ASSERT_TRUE(block);
    PasswordSlot slot{};
    ASSERT_TRUE(ReadPasswordBlock(*block, slot));
    EXPECT_EQ(SlotText(slot), pw);
    for (std::size_t i = pw.size(); i < 16; ++i) EXPECT_EQ(slot[i], 0);  // terminated
  }
  EXPECT_FALSE(EncryptPasswordBlock("sixteen-chars-xx"));

  // The empty password is a valid block: it decrypts to an empty slot.
  PasswordSlot slot{};
  slot[0] = 'x';
  ASSERT_TRUE(ReadPasswordBlock(*EncryptPasswordBlock(""), slot));
  EXPECT_EQ(SlotText(slot), "");

  // A block that does not decrypt with valid padding is refused, slot unchanged.
  slot = *MakePasswordSlot("keep");
  CipherBlock16 junk{};
  int refused = 0;
  for (std::uint8_t seed = 0; seed < 8; ++seed) {
    for (std::size_t i = 0; i < 16; ++i) junk[i] = static_cast<std::uint8_t>(seed * 17 + i * 29);
    if (!ReadPasswordBlock(junk, slot)) ++refused;
  }
  EXPECT_GE(refused, 7);  // a random block has a valid pad about once in 256
  EXPECT_EQ(SlotText(slot), "keep");
}

TEST(EncryptedRecordingTest, HeaderDecryptsOnlyWithItsPassword) {
  const Bytes plain = MakePlainRecording(500);
  const Bytes file = *ScrambleRecording(plain, "s3cret");
  const auto parts = SplitEncryptedParts(file);
  ASSERT_TRUE(parts);
  PasswordSlot pw{};
  ASSERT_TRUE(ReadPasswordBlock(parts->passwordBlock, pw));
  EXPECT_EQ(SlotText(pw), "s3cret");

  const auto header = DecryptHeader(parts->header, parts->tailBlock, pw);
  ASSERT_TRUE(header);
  EXPECT_TRUE(std::equal(header->begin(), header->end(), plain.begin()));
  EXPECT_FALSE(DecryptHeader(parts->header, parts->tailBlock, *MakePasswordSlot("s3creT")));
  EXPECT_FALSE(DecryptHeader(parts->header, parts->tailBlock, PasswordSlot{}));

  EXPECT_FALSE(SplitEncryptedParts(std::span(file).first(159)));
  EXPECT_TRUE(SplitEncryptedParts(std::span(file).first(160)));
}

TEST(EncryptedRecordingTest, WrongKeyWhosePadMerelyLooksValidIsRefused) {
  // About one wrong key in 256 turns the tail block into a valid short pad (e.g. a last
  // byte of 1). Only the full pad block of a 128-byte header counts.
  const Bytes file = *ScrambleRecording(MakePlainRecording(300), "real");
  const auto parts = *SplitEncryptedParts(file);
  Bytes in(144);
  std::copy(parts.header.begin(), parts.header.end(), in.begin());
  std::copy(parts.tailBlock.begin(), parts.tailBlock.end(), in.begin() + 128);
  int found = 0;
  for (int k = 0; k < 5000 && found < 3; ++k) {
    const auto key = *MakePasswordSlot("k" + std::to_string(k));
    Bytes out(144);
    std::size_t n = 0;
    if (!CryptSmallBuffer(CryptDirection::Decrypt, in, out, &n, key)) continue;
    ++found;
    EXPECT_NE(n, 128u);
    EXPECT_FALSE(DecryptHeader(parts.header, parts.tailBlock, key)) << k;
  }
  EXPECT_GT(found, 0);
}

TEST(EncryptedRecordingTest, FileReadsMatchTheInMemoryParts) {
  const Bytes file = *ScrambleRecording(MakePlainRecording(700), "pw12");
  TempFolder dir;
  testing::WriteBytes(dir / "e.mp4", file);
  const auto opened = BinaryFile::OpenRead(dir / "e.mp4");
  ASSERT_TRUE(opened);
  const auto fromFile = ReadEncryptedParts(*opened);
  const auto fromBytes = SplitEncryptedParts(file);
  ASSERT_TRUE(fromFile && fromBytes);
  EXPECT_EQ(fromFile->header, fromBytes->header);
  EXPECT_EQ(fromFile->passwordBlock, fromBytes->passwordBlock);
  EXPECT_EQ(fromFile->tailBlock, fromBytes->tailBlock);
}

TEST(EncryptedRecordingTest, PasswordSlots) {
  EXPECT_TRUE(MakePasswordSlot("fifteen-chars-x"));
  EXPECT_FALSE(MakePasswordSlot("sixteen-chars-xx"));
  const PasswordSlot slot = *MakePasswordSlot("AbC1");
  EXPECT_TRUE(SlotMatches(slot, "AbC1"));
  EXPECT_FALSE(SlotMatches(slot, "abc1"));  // case matters
  EXPECT_FALSE(SlotMatches(slot, "AbC"));
  EXPECT_FALSE(SlotMatches(slot, "AbC12"));
  EXPECT_TRUE(SlotMatches(PasswordSlot{}, ""));
}

// ---- Plain verification -----------------------------------------------------------------

struct PlainCase {
  const char* name;
  void (*spoil)(Bytes&);
  bool passes;
};

const PlainCase kPlainCases[] = {
    {"untouched", [](Bytes&) {}, true},
    {"empty", [](Bytes& b) { b.clear(); }, false},
    {"shorter than the mark", [](Bytes& b) { b.resize(10); }, false},
    {"first size zero", [](Bytes& b) { b[0] = b[1] = b[2] = b[3] = 0; }, false},
    {"mark spoilt", [](Bytes& b) { b[10] = 'X'; }, false},
    {"no mdat anywhere", [](Bytes& b) { b[28] = 'X'; }, false},
    {"mdat size zero", [](Bytes& b) { b[24] = b[25] = b[26] = b[27] = 0; }, false},
};

TEST(EncryptedRecordingTest, PlainVerificationInMemoryAndOnDisk) {
  TempFolder dir;
  for (const auto& c : kPlainCases) {
    SCOPED_TRACE(c.name);
    Bytes b = MakePlainRecording(300);
    ASSERT_EQ(std::string(b.begin() + 28, b.begin() + 32), "mdat");  // ftyp is 24 bytes
    c.spoil(b);
    EXPECT_EQ(VerifyPlainRecording(b), c.passes);
    testing::WriteBytes(dir / "r.mp4", b);
    const auto file = BinaryFile::OpenRead(dir / "r.mp4");
    ASSERT_TRUE(file);
    EXPECT_EQ(VerifyPlainRecording(*file), c.passes);
  }
  // A scrambled recording fails the plain checks.
  EXPECT_FALSE(VerifyPlainRecording(*ScrambleRecording(MakePlainRecording(300), "abcd")));
}

TEST(EncryptedRecordingTest, MdatIsFoundAcrossTheReadWindows) {
  // A file with a large first box puts "mdat" where the 1 MiB read windows meet; each
  // position from a few bytes before to a few after the seam must be found.
  TempFolder dir;
  const std::size_t seam = 1024 * 1024;
  for (std::size_t at = seam - 9; at <= seam + 2; ++at) {
    SCOPED_TRACE(at);
    Bytes b(at + 4 + 100, 0);
    const Bytes head = MakePlainRecording(16);
    std::copy_n(head.begin(), 11, b.begin());
    std::copy_n("mdat", 4, b.begin() + static_cast<std::ptrdiff_t>(at));
    b[at - 1] = 0x40;  // non-zero size before it
    testing::WriteBytes(dir / "big.mp4", b);
    const auto file = BinaryFile::OpenRead(dir / "big.mp4");
    ASSERT_TRUE(file);
    EXPECT_TRUE(VerifyPlainRecording(*file));
    EXPECT_TRUE(VerifyPlainRecording(b));
    b[at - 1] = 0;  // the first "mdat" decides, and its size is now zero
    testing::WriteBytes(dir / "big.mp4", b);
    EXPECT_FALSE(VerifyPlainRecording(*BinaryFile::OpenRead(dir / "big.mp4")));
  }
}

}  // namespace
}  // namespace direvovu
