#pragma once

#include <filesystem>

namespace direvovu::platform {

// Sets or clears the hidden attribute where the file system has one (FAT on the card);
// elsewhere nothing happens. True when the attribute is now as asked or the file
// system has no such attribute.
bool SetHiddenAttribute(const std::filesystem::path& file, bool hidden);

}  // namespace direvovu::platform
