#include "core/app/opened_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/recording/recording_name.h"

namespace direvovu {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::vector<std::string> FrontRecordingsInOrder(const std::vector<std::string>& paths) {
  std::vector<std::string> chosen;
  for (const std::string& path : paths) {
    if (chosen.size() == kMaxOpenedRecordings) break;
    // A rear recording is reached through its front one, so only front names count.
    if (IsFrontRecordingName(std::filesystem::path(path).filename().string())) chosen.push_back(path);
  }
  std::stable_sort(chosen.begin(), chosen.end(), LessIgnoringCase);
  return chosen;
}

}  // namespace direvovu
