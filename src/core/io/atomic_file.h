#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace direvovu {

// Writes bytes to a temporary file beside `target` and renames it over `target` only
// once everything is on disk, so a crash or a full disk never leaves a half file.
// Returns false (and leaves `target` as it was) on any failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// A temporary name in the folder of `target` that no other file has.
std::filesystem::path TemporarySibling(const std::filesystem::path& target);

// Reads a whole file of at most max_bytes. nullopt when it cannot be opened or read,
// or when it is larger than max_bytes.
std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::filesystem::path& path,
                                                       std::uintmax_t max_bytes);

}  // namespace direvovu
