#pragma once

#include <filesystem>

#include "core/recording/file_copy.h"

namespace direvovu {

enum class CopyOutcome {
  Copied,         // the target now holds the whole source
  TargetExists,   // something was there already; left untouched
  SourceMissing,  // nothing to copy (a rear file that was never recorded, a pulled card)
  Failed,         // a read or write failed (full or read-only disk, card pulled mid-way)
  Cancelled,      // the watch asked to give up
};

// Copies `source` to `target` without ever replacing an existing file: the bytes go to a
// hidden temporary name in the target's folder, and only a complete copy takes the real
// name (refused when a file appeared there meanwhile). On failure or cancel the
// temporary file is removed, so no truncated file is left under a recording's name.
CopyOutcome CopyNoOverwrite(const std::filesystem::path& source, const std::filesystem::path& target,
                            const CopyWatch* watch = nullptr);

// Gives `temp` the name `target` unless a file has that name (atomically where the file
// system allows). False with `exists` set when the name was taken.
bool RenameNoReplace(const std::filesystem::path& temp, const std::filesystem::path& target, bool& exists);

}  // namespace direvovu
