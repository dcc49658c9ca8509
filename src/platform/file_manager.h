#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

namespace direvovu::platform {

// The desktop's file manager as the freedesktop interface names it on the session bus.
inline constexpr char kFileManagerService[] = "org.freedesktop.FileManager1";
inline constexpr char kFileManagerPath[] = "/org/freedesktop/FileManager1";
inline constexpr char kFileManagerInterface[] = "org.freedesktop.FileManager1";

// Asks the file manager to open the folder that holds `item` with `item` selected
// (ShowItems). The call does not block: `done` runs later on `context`'s thread, with
// true when the file manager took it, false when there is no session bus, no file manager
// on it, or it refused, so that the caller can open the folder some other way. Nothing
// runs once `context` is gone.
void ShowItemInFileManager(const std::filesystem::path& item, QObject* context,
                           std::function<void(bool shown)> done);

}  // namespace direvovu::platform
