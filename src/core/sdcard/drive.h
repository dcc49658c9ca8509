#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace direvovu {

// One volume as the viewer sees it: a letter, the folder it is mounted at, and
// whether it is removable (the camera's card always is).
struct Drive {
  char letter = 0;
  std::filesystem::path root;
  bool removable = false;
};

using DriveList = std::vector<Drive>;

// The drive of a letter, if the list has one.
std::optional<Drive> DriveByLetter(const DriveList& drives, char letter);

// The volume that holds a path (the one with the longest root that is a prefix of it).
std::optional<Drive> DriveOfPath(const DriveList& drives, const std::filesystem::path& path);

// "E:" for the letter E, as lists and messages show drives.
std::string DriveLabel(char letter);
// "E: (/media/card)" — the letter and its folder, for texts that name a drive.
std::string DriveDescription(const Drive& drive);

}  // namespace direvovu
