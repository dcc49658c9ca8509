#include "core/sdcard/drive.h"

#include <algorithm>
#include <string>

namespace direvovu {

std::optional<Drive> DriveByLetter(const DriveList& drives, char letter) {
  const auto it =
      std::find_if(drives.begin(), drives.end(), [&](const Drive& d) { return d.letter == letter; });
  if (it == drives.end()) return std::nullopt;
  return *it;
}

std::optional<Drive> DriveOfPath(const DriveList& drives, const std::filesystem::path& path) {
  const auto target = path.lexically_normal();
  std::optional<Drive> best;
  std::size_t best_len = 0;
  for (const auto& d : drives) {
    const auto root = d.root.lexically_normal();
    const auto rel = target.lexically_relative(root);
    if (rel.empty() || *rel.begin() == "..") continue;
    const auto len = std::distance(root.begin(), root.end());
    if (!best || static_cast<std::size_t>(len) > best_len) {
      best = d;
      best_len = static_cast<std::size_t>(len);
    }
  }
  return best;
}

std::string DriveLabel(char letter) { return std::string(1, letter) + ":"; }

std::string DriveDescription(const Drive& drive) {
  const std::string label = drive.label.empty() ? std::string() : " " + drive.label;
  return DriveLabel(drive.letter) + label + " (" + drive.root.string() + ")";
}

std::string DriveIdentity(const Drive& drive) {
  if (!drive.uuid.empty()) return "uuid:" + drive.uuid;
  return "folder:" + drive.root.lexically_normal().string();
}

}  // namespace direvovu
