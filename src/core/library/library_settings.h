#pragma once

#include <filesystem>
#include <vector>

#include "core/settings/viewer_settings.h"

namespace direvovu::library {

// The folders the library window scans, kept in the viewer's settings file (section
// LIBRARY, keys FOLDER1, FOLDER2 …) so they are scanned again at the next start.
inline constexpr std::string_view kLibrarySection = "LIBRARY";
inline constexpr std::size_t kMaxLibraryFolders = 32;

std::vector<std::filesystem::path> LibraryFolders(const WorkingFolders& folders);
// Adds a folder (absolute, once) and writes the list; false when it could not be written
// or the path does not fit a settings value.
bool AddLibraryFolder(const WorkingFolders& folders, const std::filesystem::path& folder);

}  // namespace direvovu::library
