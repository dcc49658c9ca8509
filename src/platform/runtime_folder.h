#pragma once

#include <QString>
#include <filesystem>

namespace direvovu::platform {

// The user's own folder for files that live only while the viewer runs (the session's
// runtime folder, else the temp folder).
QString UserRuntimeFolder();

// A folder of the viewer under the user's runtime folder, one per working root and user,
// readable by the owner only; created when missing. Files in it (the print picture) can
// never be removed by a second viewer of another user or another working root.
// Empty when it cannot be made.
std::filesystem::path ViewerRuntimeFolder(const std::filesystem::path& workingRoot);

}  // namespace direvovu::platform
