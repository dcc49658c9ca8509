#include "core/app/opened_files.h"

#include <filesystem>
#include <system_error>

#include "core/app/sort_string_array.h"
#include "core/recording/recording_name.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

bool IsFront(const fs::path& path) { return IsFrontRecordingName(path.filename().string()); }

}  // namespace

std::vector<std::string> FrontRecordingsInOrder(const std::vector<std::string>& paths) {
  CSortStringArray chosen;
  for (const std::string& path : paths) {
    if (chosen.GetSize() == kMaxOpenedRecordings) break;
    // A rear recording is reached through its front one, so only front names count.
    if (IsFront(fs::path(path))) chosen.Add(path);
  }
  chosen.Sort();
  return chosen.items();
}

std::vector<std::string> ExpandDroppedPaths(const std::vector<std::string>& paths) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    if (files.size() >= kMaxOpenedRecordings) break;
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
      files.push_back(path);
      continue;
    }
    // A card's recordings sit one or two folders down (Blackbox/<date>, Event ...).
    // Links are not followed, so a loop of links cannot hold the window.
    fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (it.depth() >= kMaxDropDepth) it.disable_recursion_pending();
      std::error_code type_ec;
      if (!it->is_regular_file(type_ec) || !IsFront(it->path())) continue;
      files.push_back(it->path().string());
      if (files.size() >= kMaxOpenedRecordings) break;
    }
  }
  return files;
}

std::string FrontPathOfRow(const std::string& row) {
  const std::size_t at = row.find("drf0");
  return at != std::string::npos && at > 0 ? row : std::string();
}

}  // namespace direvovu
