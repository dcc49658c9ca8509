#pragma once

// Recordings the camera scrambled with the user's file password. Layout of such a file
// of length L (the plain recording is L - 32 bytes long):
//   0 .. 127       first 128 bytes of AES-128-CBC(plain bytes 0..127), zero iv, padding,
//                  under the file key (the password zero-padded to 16 bytes)
//   128 .. L-33    the plain recording from byte 128 on
//   L-32 .. L-17   password block: the password under the built-in key (CryptSmallBuffer)
//   L-16 .. L-1    header tail block: the ninth (padding) block of the header encryption

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/recording/file_copy.h"

namespace direvovu {

inline constexpr std::size_t kScrambledHeaderBytes = 128;
inline constexpr std::size_t kEncryptedTrailerBytes = 32;
// Anything shorter cannot hold a scrambled header and its trailer.
inline constexpr std::uint64_t kMinEncryptedFileBytes = kScrambledHeaderBytes + kEncryptedTrailerBytes;
// Longest password that fits one block with its padding.
inline constexpr std::size_t kMaxSlotPasswordBytes = 15;

using CipherBlock16 = std::array<std::uint8_t, 16>;
using RecordingHeader = std::array<std::uint8_t, kScrambledHeaderBytes>;
// A password as 8-bit characters, zero-terminated in 16 bytes; also the file key.
using PasswordSlot = std::array<std::uint8_t, 16>;

// Text of a slot up to its first zero byte.
std::string_view SlotText(const PasswordSlot& slot);
// nullopt for a password over 15 bytes.
std::optional<PasswordSlot> MakePasswordSlot(std::string_view password);
bool SlotMatches(const PasswordSlot& slot, std::string_view typed);

// The parts of an encrypted recording that need the cipher.
struct EncryptedParts {
  RecordingHeader header{};
  CipherBlock16 passwordBlock{};
  CipherBlock16 tailBlock{};
};

// Recognition from the first bytes and the length: bytes 4..10 are not "ftypmp4" and
// the file is long enough to carry the scrambled header and the trailer.
bool LooksEncrypted(std::span<const std::uint8_t> head, std::uint64_t fileLength);
// A file that cannot be opened counts as not encrypted.
bool IsEncryptedRecording(const std::filesystem::path& path);
bool IsEncryptedRecording(const BinaryFile& file);

// Header and trailer of a whole file image (nullopt when it is too short).
std::optional<EncryptedParts> SplitEncryptedParts(std::span<const std::uint8_t> file);
std::optional<EncryptedParts> ReadEncryptedParts(const BinaryFile& file);

// Decrypts a password block with the built-in key. False (slot unchanged) when the
// block does not decrypt with valid padding: the file is not one of the camera's.
bool ReadPasswordBlock(const CipherBlock16& block, PasswordSlot& slot);

// Decrypts header + tail block (144 bytes) with the password slot as the key; nullopt
// when the padding of the tail block is not valid (wrong key or damaged file).
std::optional<RecordingHeader> DecryptHeader(const RecordingHeader& scrambled, const CipherBlock16& tail,
                                             const PasswordSlot& password);

// The camera's side, for the sample maker, tests and benchmarks.
std::optional<CipherBlock16> EncryptPasswordBlock(std::string_view password);
struct ScrambledHeader {
  RecordingHeader header{};
  CipherBlock16 tail{};
};
ScrambledHeader ScrambleHeader(const RecordingHeader& plain, const PasswordSlot& password);
// A whole scrambled file image from a plain recording of at least 128 bytes; nullopt
// for a shorter recording or a password over 15 bytes.
std::optional<std::vector<std::uint8_t>> ScrambleRecording(std::span<const std::uint8_t> plain,
                                                           std::string_view password);

// The checks a plain recording passes before it is copied: not empty, a non-zero first
// box size, "ftypmp4" at bytes 4..10, and a first "mdat" (searched from byte 4 on)
// whose 4-byte size before it is not zero.
bool VerifyPlainRecording(std::span<const std::uint8_t> file);
bool VerifyPlainRecording(const BinaryFile& file);

}  // namespace direvovu
