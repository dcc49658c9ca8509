// Fuzzes the handling of (possibly) scrambled recordings: recognition, the trailer's
// password block, header decryption, the plain checks, the working-copy step on a real
// file, and the streaming cipher against its one-shot form.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "core/recording/block_cipher.h"
#include "core/recording/encrypted_recording.h"
#include "core/recording/working_copies.h"

namespace {

namespace fs = std::filesystem;
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
  const auto body = data.subspan(18, std::min<std::size_t>(data.size() - 18, 4096));
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

// The working-copy step on the bytes as a file, with a user who always knows the password.
void CheckWorkingCopies(std::span<const std::uint8_t> data) {
  // One folder per fuzzing process, removed when the process ends.
  struct Folder {
    fs::path path = fs::temp_directory_path() / ("direvovu-fuzz-" + std::to_string(::getpid()));
    Folder() { fs::create_directories(path); }
    ~Folder() {
      std::error_code ec;
      fs::remove_all(path, ec);
    }
  };
  static const Folder folder;
  const fs::path& dir = folder.path;
  const fs::path front = dir / "drf0_20090807_142530.mp4";
  {
    std::ofstream out(front, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  }
  PasswordState passwords;
  const auto r = MakeWorkingCopies(front, dir / "front.dat", dir / "rear.dat", passwords,
                                   [](const PasswordQuestion&) { return true; });
  if (r.status == LoadStatus::Ready && r.frontPresent) {
    // A working copy is always exactly as long as its recording.
    Check(fs::file_size(dir / "front.dat") == data.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  CheckInMemory(bytes);
  CheckStreaming(bytes);
  CheckWorkingCopies(bytes);
  return 0;
}
