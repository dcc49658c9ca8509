#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace direvovu::reports {

// The camera writes its firmware version at the start of this file; more is never read.
inline constexpr std::size_t kFirmwareVersionBytes = 20;

// Setup/ver.txt on the card.
std::filesystem::path FirmwareVersionFile(const std::filesystem::path& card_root);

// The version text of the file's first bytes: at most 20, up to the first NUL, one
// character per byte (bytes above 127 are the Latin-1 characters of the same number).
std::string FirmwareVersionText(std::span<const std::uint8_t> bytes);

using SetHiddenFn = std::function<bool(const std::filesystem::path&, bool)>;

// Reads the version of `file` (hidden or not) and marks the file hidden afterwards, as the
// camera keeps it; nullopt when the file cannot be opened.
std::optional<std::string> ReadFirmwareVersion(const std::filesystem::path& file,
                                               const SetHiddenFn& set_hidden);

// "<label> <version>" ("<label><version>" after a full-width colon); empty without a version.
std::string FirmwareLine(std::string_view label, const std::optional<std::string>& version);

}  // namespace direvovu::reports
