#include "core/recording/encrypted_recording.h"

#include <algorithm>
#include <cstring>

#include "core/recording/block_cipher.h"

namespace direvovu {
namespace {

constexpr std::string_view kPlainMark = "ftypmp4";  // bytes 4..10 of every plain recording
constexpr std::size_t kPlainMarkEnd = 11;
constexpr std::size_t kScanWindow = std::size_t{1024} * 1024;

bool HasPlainMark(std::span<const std::uint8_t> head) {
  return head.size() >= kPlainMarkEnd && std::equal(kPlainMark.begin(), kPlainMark.end(), head.begin() + 4);
}

bool AllZero(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// The plain checks over any reader: read(offset, out) returns the bytes it read, or
// nullopt on an error. The "mdat" search walks windows that overlap by 7 bytes so a
// size and its "mdat" are never split; a window is no larger than the file, so checking
// a short file does not clear a megabyte first.
template <typename Read>
bool VerifyPlain(std::uint64_t fileSize, Read read) {
  std::vector<std::uint8_t> window(std::clamp<std::uint64_t>(fileSize, kPlainMarkEnd, kScanWindow));
  const auto first = read(0, std::span(window).first(kPlainMarkEnd));
  if (!first || *first < kPlainMarkEnd) return false;
  if (AllZero(std::span(window).first(4)) || !HasPlainMark(window)) return false;

  std::uint64_t start = 0;
  for (;;) {
    const auto got = read(start, window);
    if (!got || *got < 8) return false;
    const auto bytes = std::span(window).first(*got);
    // "mdat" at window index i >= 4 (the scan starts at file byte 4, and the size
    // stands in the 4 bytes before it).
    for (std::size_t i = 4; i + 4 <= bytes.size(); ++i) {
      if (std::memcmp(bytes.data() + i, "mdat", 4) == 0) return !AllZero(bytes.subspan(i - 4, 4));
    }
    if (*got < window.size()) return false;
    start += *got - 7;
  }
}

}  // namespace

std::string_view SlotText(const PasswordSlot& slot) {
  const auto end = std::find(slot.begin(), slot.end(), std::uint8_t{0});
  return {reinterpret_cast<const char*>(slot.data()), static_cast<std::size_t>(end - slot.begin())};
}

std::optional<PasswordSlot> MakePasswordSlot(std::string_view password) {
  if (password.size() > kMaxSlotPasswordBytes) return std::nullopt;
  PasswordSlot slot{};
  std::memcpy(slot.data(), password.data(), password.size());
  return slot;
}

bool SlotMatches(const PasswordSlot& slot, std::string_view typed) { return SlotText(slot) == typed; }

bool LooksEncrypted(std::span<const std::uint8_t> head, std::uint64_t fileLength) {
  return fileLength >= kMinEncryptedFileBytes && head.size() >= kPlainMarkEnd && !HasPlainMark(head);
}

bool IsEncryptedRecording(const BinaryFile& file) {
  std::array<std::uint8_t, kPlainMarkEnd> head{};
  const auto size = file.Size();
  return size && file.ReadExactlyAt(0, head) && LooksEncrypted(head, *size);
}

bool IsEncryptedRecording(const std::filesystem::path& path) {
  const auto file = BinaryFile::OpenRead(path);
  return file && IsEncryptedRecording(*file);
}

std::optional<EncryptedParts> SplitEncryptedParts(std::span<const std::uint8_t> file) {
  if (file.size() < kMinEncryptedFileBytes) return std::nullopt;
  EncryptedParts parts;
  const auto trailer = file.last(kEncryptedTrailerBytes);
  std::copy_n(file.begin(), kScrambledHeaderBytes, parts.header.begin());
  std::copy_n(trailer.begin(), 16, parts.passwordBlock.begin());
  std::copy_n(trailer.begin() + 16, 16, parts.tailBlock.begin());
  return parts;
}

std::optional<EncryptedParts> ReadEncryptedParts(const BinaryFile& file) {
  const auto size = file.Size();
  if (!size || *size < kMinEncryptedFileBytes) return std::nullopt;
  EncryptedParts parts;
  std::array<std::uint8_t, kEncryptedTrailerBytes> trailer{};
  if (!file.ReadExactlyAt(0, parts.header) || !file.ReadExactlyAt(*size - kEncryptedTrailerBytes, trailer)) {
    return std::nullopt;
  }
  std::copy_n(trailer.begin(), 16, parts.passwordBlock.begin());
  std::copy_n(trailer.begin() + 16, 16, parts.tailBlock.begin());
  return parts;
}

bool ReadPasswordBlock(const CipherBlock16& block, PasswordSlot& slot) {
  PasswordSlot decrypted{};
  if (!CryptSmallBuffer(CryptDirection::Decrypt, block, decrypted)) return false;
  slot = decrypted;
  return true;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): header and tail in file order
std::optional<RecordingHeader> DecryptHeader(const RecordingHeader& scrambled, const CipherBlock16& tail,
                                             const PasswordSlot& password) {
  std::array<std::uint8_t, kScrambledHeaderBytes + 16> in{};
  std::copy(scrambled.begin(), scrambled.end(), in.begin());
  std::copy(tail.begin(), tail.end(), in.begin() + kScrambledHeaderBytes);
  std::array<std::uint8_t, kScrambledHeaderBytes + 16> out{};
  std::size_t length = 0;
  if (!CryptSmallBuffer(CryptDirection::Decrypt, in, out, &length, password)) return std::nullopt;
  // The camera encrypted exactly 128 bytes; any other length means the wrong key hit
  // a pad that merely looks valid.
  if (length != kScrambledHeaderBytes) return std::nullopt;
  RecordingHeader plain{};
  std::copy_n(out.begin(), kScrambledHeaderBytes, plain.begin());
  return plain;
}

std::optional<CipherBlock16> EncryptPasswordBlock(std::string_view password) {
  if (password.size() > kMaxSlotPasswordBytes) return std::nullopt;
  CipherBlock16 block{};
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(password.data());
  if (!CryptSmallBuffer(CryptDirection::Encrypt, std::span(bytes, password.size()), block))
    return std::nullopt;
  return block;
}

ScrambledHeader ScrambleHeader(const RecordingHeader& plain, const PasswordSlot& password) {
  std::array<std::uint8_t, kScrambledHeaderBytes + 16> out{};
  // 128 bytes always encrypt (nine blocks, the last all padding).
  CryptSmallBuffer(CryptDirection::Encrypt, plain, out, nullptr, password);
  ScrambledHeader result;
  std::copy_n(out.begin(), kScrambledHeaderBytes, result.header.begin());
  std::copy_n(out.begin() + kScrambledHeaderBytes, 16, result.tail.begin());
  return result;
}

std::optional<std::vector<std::uint8_t>> ScrambleRecording(std::span<const std::uint8_t> plain,
                                                           std::string_view password) {
  const auto slot = MakePasswordSlot(password);
  const auto block = EncryptPasswordBlock(password);
  if (plain.size() < kScrambledHeaderBytes || !slot || !block) return std::nullopt;
  RecordingHeader head{};
  std::copy_n(plain.begin(), kScrambledHeaderBytes, head.begin());
  const ScrambledHeader scrambled = ScrambleHeader(head, *slot);
  std::vector<std::uint8_t> file(plain.begin(), plain.end());
  std::copy(scrambled.header.begin(), scrambled.header.end(), file.begin());
  file.insert(file.end(), block->begin(), block->end());
  file.insert(file.end(), scrambled.tail.begin(), scrambled.tail.end());
  return file;
}

bool VerifyPlainRecording(std::span<const std::uint8_t> file) {
  return VerifyPlain(file.size(),
                     [file](std::uint64_t offset, std::span<std::uint8_t> out) -> std::optional<std::size_t> {
                       if (offset >= file.size()) return 0;
                       const std::size_t n = std::min<std::size_t>(out.size(), file.size() - offset);
                       std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
                       return n;
                     });
}

bool VerifyPlainRecording(const BinaryFile& file) {
  return VerifyPlain(
      file.Size().value_or(kScanWindow),
      [&file](std::uint64_t offset, std::span<std::uint8_t> out) { return file.ReadAt(offset, out); });
}

}  // namespace direvovu
