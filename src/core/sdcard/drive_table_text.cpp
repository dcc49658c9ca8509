#include "core/sdcard/drive_table_text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace direvovu {
namespace {

std::string DecodeMountEscapes(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    field.begin() + static_cast<std::ptrdiff_t>(i) + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

bool Fail(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
  return false;
}

bool ParseOverrideEntry(std::string_view entry, DriveList& drives, std::string* reason) {
  if (entry.size() < 3 || entry[1] != '=' || !std::isalpha(static_cast<unsigned char>(entry[0]))) {
    return Fail(reason, "drive entry '" + std::string(entry) + "' is not LETTER=FOLDER");
  }
  Drive d;
  d.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])));
  std::string_view folder = entry.substr(2);
  d.removable = true;
  if (folder.ends_with(":fixed")) {
    d.removable = false;
    folder.remove_suffix(6);
  } else if (folder.ends_with(":removable")) {
    folder.remove_suffix(10);
  }
  if (folder.empty()) return Fail(reason, "drive entry '" + std::string(entry) + "' has no folder");
  if (DriveByLetter(drives, d.letter))
    return Fail(reason, "drive letter " + std::string(1, d.letter) + " twice");
  d.root = std::string(folder);
  drives.push_back(d);
  return true;
}

}  // namespace

std::optional<DriveList> ParseDriveOverride(std::string_view text, std::string* reason) {
  DriveList drives;
  while (!text.empty()) {
    const auto comma = text.find(',');
    const std::string_view entry = text.substr(0, comma);
    if (!entry.empty() && !ParseOverrideEntry(entry, drives, reason)) return std::nullopt;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
  return drives;
}

std::vector<MountEntry> ParseMountsText(std::string_view text) {
  std::vector<MountEntry> mounts;
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, mount_point, fs_type;
    if (fields >> device >> mount_point >> fs_type) {
      mounts.push_back({DecodeMountEscapes(device), DecodeMountEscapes(mount_point), fs_type});
    }
  }
  return mounts;
}

DriveList DrivesFromMounts(const std::vector<MountEntry>& mounts,
                           const std::function<bool(const MountEntry&)>& is_removable) {
  DriveList drives{{'C', "/", false}};
  std::vector<const MountEntry*> removable;
  for (const auto& m : mounts) {
    if (m.mount_point != "/" && is_removable(m) &&
        std::none_of(removable.begin(), removable.end(),
                     [&m](const MountEntry* seen) { return seen->mount_point == m.mount_point; })) {
      removable.push_back(&m);
    }
  }
  std::sort(removable.begin(), removable.end(),
            [](const MountEntry* a, const MountEntry* b) { return a->mount_point < b->mount_point; });
  char letter = 'D';
  for (const MountEntry* m : removable) {
    if (letter > 'Z') break;
    Drive drive{letter++, m->mount_point, true};
    drive.device = m->device;
    drive.fsType = m->fs_type;
    drives.push_back(std::move(drive));
  }
  return drives;
}

}  // namespace direvovu
