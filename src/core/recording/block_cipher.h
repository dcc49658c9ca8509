#pragma once

// AES (Rijndael with 128-bit blocks) with 128/192/256-bit keys, the ECB, CBC, OFB and
// CFB-128 modes, optional padding and a streaming update/final interface. The camera
// scrambles recordings and its card password with AES-128-CBC; the rest of the viewer
// goes through CryptSmallBuffer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace direvovu {

inline constexpr std::size_t kCipherBlockSize = 16;

// Modes (numbers kept as the camera's library numbers them).
inline constexpr std::uint32_t kModeEcb = 1;
inline constexpr std::uint32_t kModeCbc = 2;
inline constexpr std::uint32_t kModeOfb = 3;
inline constexpr std::uint32_t kModeCfb = 4;  // full 128-bit feedback segment

// Padding: none, or n bytes of value n (1..16; a whole block when the data is aligned).
inline constexpr std::uint32_t kPaddingNone = 1;
inline constexpr std::uint32_t kPaddingPad = 2;

// Error codes; 0 is success.
inline constexpr std::uint32_t kCipherOk = 0;
inline constexpr std::uint32_t kCipherBadArgument = 0x1001;     // mode, padding, buffers
inline constexpr std::uint32_t kCipherBadKeyLength = 0x1002;    // not 16, 24 or 32 bytes
inline constexpr std::uint32_t kCipherBadPadding = 0x1003;      // decryption found a bad pad
inline constexpr std::uint32_t kCipherPartialEncrypt = 0x1004;  // no padding, partial last block
inline constexpr std::uint32_t kCipherPartialDecrypt = 0x1005;  // decryption ended mid-block

// Key words Nk (4, 6 or 8) followed by the round keys; Nk + 6 rounds.
struct KeySchedule {
  std::uint32_t keyWords = 0;
  std::array<std::uint32_t, 60> roundKeys{};
};

struct BlockCipherContext {
  std::uint32_t mode = 0;
  std::uint32_t padding = 0;
  std::array<std::uint8_t, 16> iv{};
  std::array<std::uint8_t, 16> chain{};   // CBC: last cipher block; OFB/CFB: feedback register
  std::array<std::uint8_t, 16> buffer{};  // input not yet processed
  std::uint32_t buffered = 0;
  KeySchedule schedule;
};

// The decryption schedule is the equivalent-inverse-cipher one (InvMixColumns applied to
// the inner round keys). OFB and CFB decrypt with the encryption schedule.
std::uint32_t MakeEncryptSchedule(std::span<const std::uint8_t> key, KeySchedule& schedule);
std::uint32_t MakeDecryptSchedule(std::span<const std::uint8_t> key, KeySchedule& schedule);

// One block, in place.
void EncryptBlock(const KeySchedule& schedule, std::span<std::uint8_t, 16> block);
void DecryptBlock(const KeySchedule& schedule, std::span<std::uint8_t, 16> block);

// Sets mode, padding and iv (all zero when iv is empty; otherwise it must be 16 bytes).
// Unknown mode or padding, or an iv of another length: kCipherBadArgument.
std::uint32_t CipherInit(std::uint32_t mode, std::uint32_t padding, std::span<const std::uint8_t> iv,
                         BlockCipherContext& context);
// Empties the buffer and, for every mode but ECB, restarts the chain from the iv.
std::uint32_t CipherReset(BlockCipherContext& context);

// Streaming calls. `written` receives the bytes written to output. Input and output must
// not overlap, and output must be large enough for what the call writes (at most the
// buffered bytes plus the input, rounded down to whole blocks; finals write at most 16);
// otherwise kCipherBadArgument and nothing changes. Decryption always holds the last
// block back so that the final can check the padding.
std::uint32_t EncryptUpdate(BlockCipherContext& context, std::span<const std::uint8_t> input,
                            std::span<std::uint8_t> output, std::size_t& written);
std::uint32_t DecryptUpdate(BlockCipherContext& context, std::span<const std::uint8_t> input,
                            std::span<std::uint8_t> output, std::size_t& written);
std::uint32_t EncryptFinal(BlockCipherContext& context, std::span<std::uint8_t> output, std::size_t& written);
std::uint32_t DecryptFinal(BlockCipherContext& context, std::span<std::uint8_t> output, std::size_t& written);

enum class CryptDirection : int { Encrypt = 0, Decrypt = 1 };

inline constexpr std::size_t kSmallBufferLimit = 1024;

// Output bytes CryptSmallBuffer needs for an input of `inputLength` bytes.
std::size_t SmallBufferOutputSize(CryptDirection direction, std::size_t inputLength);

// AES-128-CBC, zero iv, padding. The key is zero-padded to 16 bytes and cut there; no key
// means the built-in default key. Returns false for input over 1024 bytes, a key over 32
// bytes, an output smaller than SmallBufferOutputSize, or any cipher error; on false the
// output is left untouched. On a successful decryption the 16 bytes following the result
// (as far as the output reaches) are zeroed so a password slot stays terminated.
bool CryptSmallBuffer(CryptDirection direction, std::span<const std::uint8_t> input,
                      std::span<std::uint8_t> output, std::size_t* outputLength = nullptr,
                      std::span<const std::uint8_t> key = {});

}  // namespace direvovu
