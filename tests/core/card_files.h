#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/sdcard/download_ledger.h"
#include "temp_folder.h"

namespace direvovu {

// Writes a file of a card or a download folder, with the folders above it.
inline void Put(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  WriteText(path, text);
}

// Names of files left below `folder` that are not where a copy belongs (temporary names;
// the download's ledger is hidden on purpose).
inline std::vector<std::string> HiddenFiles(const std::filesystem::path& folder) {
  std::vector<std::string> hidden;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".") && name != kLedgerName) hidden.push_back(entry.path().string());
  }
  return hidden;
}

}  // namespace direvovu
