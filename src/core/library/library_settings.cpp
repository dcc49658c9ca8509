#include "core/library/library_settings.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "core/limits.h"
#include "core/settings/ini_file.h"

namespace direvovu::library {
namespace {

std::string KeyOf(std::size_t index) { return "FOLDER" + std::to_string(index + 1); }

}  // namespace

std::vector<std::filesystem::path> LibraryFolders(const WorkingFolders& folders) {
  const CBIniFile file(folders.settings_file());
  std::vector<std::filesystem::path> list;
  for (std::size_t i = 0; i < kMaxLibraryFolders; ++i) {
    const std::string value = file.GetString(kLibrarySection, KeyOf(i), "", limits::kIniValueChars + 1);
    if (!value.empty()) list.emplace_back(value);
  }
  return list;
}

bool AddLibraryFolder(const WorkingFolders& folders, const std::filesystem::path& folder) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, ec).lexically_normal();
  const std::string text = (ec ? folder : absolute).string();
  if (text.empty() || text.size() > limits::kIniValueChars) return false;
  std::vector<std::filesystem::path> list = LibraryFolders(folders);
  if (std::find(list.begin(), list.end(), std::filesystem::path(text)) != list.end()) return true;
  if (list.size() >= kMaxLibraryFolders) return false;
  list.emplace_back(text);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i < list.size(); ++i) pairs.emplace_back(KeyOf(i), list[i].string());
  return CBIniFile(folders.settings_file()).WriteStrings(kLibrarySection, pairs);
}

}  // namespace direvovu::library
