// Fuzzes the handling of (possibly) scrambled recordings in memory: recognition, the
// trailer's password block, header decryption, the plain checks, and the streaming cipher
// against its one-shot form. The file path through the working copies has its own target
// (working_copies_fuzz), so this one is not held back by the disk.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/recording/block_cipher.h"
#include "core/recording/encrypted_recording.h"

namespace {

using namespace direvovu;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckInMemory(std::span<const std::uint8_t> file) {
  if (!LooksEncrypted(file, file.size())) {
    (void)VerifyPlainRecording(file);
    return;
  }
  const auto parts = SplitEncryptedParts(file);
  Check(parts.has_value());
  PasswordSlot slot{};
  if (!ReadPasswordBlock(parts->passwordBlock, slot)) return;
  Check(slot[15] == 0);  // one block holds at most 15 password bytes
  const auto header = DecryptHeader(parts->header, parts->tailBlock, slot);
  if (!header) return;
  // Scrambling the recovered header again must give back the file's bytes.
  const ScrambledHeader again = ScrambleHeader(*header, slot);
  Check(again.header == parts->header && again.tail == parts->tailBlock);
  (void)VerifyPlainRecording(*header);
}

std::vector<std::uint8_t> DecryptInPieces(std::uint32_t mode, const KeySchedule& schedule,
                                          std::span<const std::uint8_t> in, std::size_t piece,
                                          std::uint32_t& rc) {
  BlockCipherContext c;
  c.schedule = schedule;
  CipherInit(mode, kPaddingPad, {}, c);
  CipherReset(c);
  std::vector<std::uint8_t> out(in.size() + 32);
  std::size_t total = 0;
  for (std::size_t at = 0; at < in.size();) {
    const std::size_t n = std::min(in.size() - at, piece);
    std::size_t w = 0;
    Check(DecryptUpdate(c, in.subspan(at, n), std::span(out).subspan(total), w) == kCipherOk);
    total += w;
    at += n;
  }
  std::size_t w = 0;
  rc = DecryptFinal(c, std::span(out).subspan(total), w);
  out.resize(total + w);
  return out;
}

void CheckStreaming(std::span<const std::uint8_t> data) {
  if (data.size() < 18) return;
  const std::uint32_t mode = data[0] % 4 + 1;
  const std::size_t piece = data[1] % 32 + 1;  // chosen by the data itself
  const auto key = data.subspan(2, 16);
  // Six blocks cross every piece boundary (pieces are 1 to 32 bytes); more only slows the
  // header checks down.
  const auto body = data.subspan(18, std::min<std::size_t>(data.size() - 18, 96));
  KeySchedule enc;
  KeySchedule dec;
  Check(MakeEncryptSchedule(key, enc) == kCipherOk && MakeDecryptSchedule(key, dec) == kCipherOk);
  const KeySchedule& forDecrypt = (mode == kModeEcb || mode == kModeCbc) ? dec : enc;
  std::uint32_t rcWhole = 0;
  std::uint32_t rcPieces = 0;
  const auto whole = DecryptInPieces(mode, forDecrypt, body, std::max<std::size_t>(body.size(), 1), rcWhole);
  const auto pieces = DecryptInPieces(mode, forDecrypt, body, piece, rcPieces);
  Check(rcWhole == rcPieces);
  if (rcWhole == kCipherOk) Check(whole == pieces);

  // Encrypting and decrypting again gives the body back.
  BlockCipherContext c;
  c.schedule = enc;
  CipherInit(mode, kPaddingPad, {}, c);
  CipherReset(c);
  std::vector<std::uint8_t> sealed(body.size() + 32);
  std::size_t a = 0;
  std::size_t b = 0;
  Check(EncryptUpdate(c, body, sealed, a) == kCipherOk);
  Check(EncryptFinal(c, std::span(sealed).subspan(a), b) == kCipherOk);
  sealed.resize(a + b);
  std::uint32_t rc = 0;
  const auto opened = DecryptInPieces(mode, forDecrypt, sealed, piece, rc);
  Check(rc == kCipherOk && std::equal(opened.begin(), opened.end(), body.begin(), body.end()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckInMemory(bytes);
  CheckStreaming(bytes);
  return 0;
}
