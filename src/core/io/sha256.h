#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "core/recording/file_copy.h"

namespace direvovu {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 over bytes given in pieces (libcrypto's EVP digest underneath).
class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(Sha256&&) noexcept;
  Sha256& operator=(Sha256&&) noexcept;
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void Update(std::span<const std::uint8_t> bytes);
  void Update(std::string_view text);
  // The digest of everything given since the start; nullopt when libcrypto failed (out
  // of memory). The hasher then starts over.
  std::optional<Sha256Digest> Finish();

 private:
  struct Context;
  std::unique_ptr<Context> context_;
};

std::optional<Sha256Digest> Sha256Of(std::span<const std::uint8_t> bytes);

// The digest of a file's bytes, read in large blocks. nullopt with `error` set when it
// cannot be opened or read, or (operation_canceled) when the watch asks to give up; the
// watch hears the bytes read so far.
std::optional<Sha256Digest> Sha256OfFile(const std::filesystem::path& path, std::error_code& error,
                                         const CopyWatch* watch = nullptr);

// Lower-case hexadecimal, two digits a byte.
std::string HexText(std::span<const std::uint8_t> bytes);

}  // namespace direvovu
