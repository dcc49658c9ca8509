#pragma once

// The camera's password file: "Setup/passwd.bin" on the card, 16 bytes, the password
// encrypted with the built-in key (the same form as a recording's password block).

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "core/recording/encrypted_recording.h"

#include "core/settings/texts.h"

namespace direvovu {

inline constexpr std::size_t kMinPasswordChars = 4;
inline constexpr std::size_t kMaxPasswordChars = 6;

// Nothing when the password may be set, otherwise the message that refuses it, checked in
// this order: empty (4), not 4..6 characters (5), a character other than an ASCII
// letter or digit (6), confirmation differs (3).
std::optional<MessageId> CheckNewPassword(std::string_view password, std::string_view confirmation);

// The 16 bytes of passwd.bin; nullopt when the password cannot be encrypted or its
// block holds a zero byte (the camera reads the block as a terminated string).
std::optional<CipherBlock16> MakeSdPasswordBlock(std::string_view password);

std::filesystem::path SdPasswordPath(const std::filesystem::path& cardRoot);

// Sets or clears a file's hidden attribute (the platform layer provides it).
using SetHiddenAttributeFn = std::function<bool(const std::filesystem::path&, bool)>;

struct SdPasswordResult {
  bool saved = false;
  MessageId message = msg::kSdPasswordSaved;  // or the message that refused it
  std::filesystem::path detail;
};

// Checks the password, proves the card writable (Setup/test.bin), then replaces
// passwd.bin through a temporary file, so a failure never leaves a truncated one, and
// marks it hidden. An existing hidden or read-only passwd.bin is made writable first.
SdPasswordResult SaveSdPassword(const std::filesystem::path& cardRoot, std::string_view password,
                                std::string_view confirmation, const SetHiddenAttributeFn& setHidden = {});

}  // namespace direvovu
