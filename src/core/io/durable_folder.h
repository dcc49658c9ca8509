#pragma once

#include <filesystem>
#include <system_error>

// Folder operations for writing a folder that appears complete or not at all.
namespace direvovu {

// Pushes every file and folder below `folder`, and the folder itself, to the device.
std::error_code SyncTree(const std::filesystem::path& folder);
// Pushes a folder's entries (a rename into it, say) to the device.
std::error_code SyncFolder(const std::filesystem::path& folder);

enum class FolderRename { Renamed, NameTaken, Failed };

// Renames a folder unless something already has the name `to`: atomically where the file
// system offers it, otherwise by first claiming the name with an empty folder. `error`
// holds the reason of a failure.
FolderRename RenameFolderNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                                   std::error_code& error);

}  // namespace direvovu
