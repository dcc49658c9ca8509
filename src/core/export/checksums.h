#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/io/sha256.h"
#include "core/recording/file_copy.h"

namespace direvovu::exporting {

inline constexpr std::string_view kChecksumsFileName = "SHA256SUMS";

struct ChecksumsOutcome {
  std::string text;   // the SHA256SUMS text
  std::string error;  // why it could not be made, in English; empty when it was

  [[nodiscard]] bool ok() const { return error.empty(); }
};

// The SHA256SUMS text of a folder as `sha256sum -c` reads it: a line per regular file
// below it (symbolic links and the folder's own SHA256SUMS left out), sorted by path,
// paths relative with '/' between folders. The watch hears the bytes read over all files.
ChecksumsOutcome ChecksumsOf(const std::filesystem::path& folder, const CopyWatch* watch = nullptr);

// "<hex>  <path>\n"; a path with a backslash or a line break is escaped and the line starts
// with a backslash, as sha256sum writes it.
std::string ChecksumLine(const Sha256Digest& digest, std::string_view relativePath);

}  // namespace direvovu::exporting
