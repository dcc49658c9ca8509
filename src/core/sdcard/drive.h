#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace direvovu {

// One volume as the viewer sees it: a letter, the folder it is mounted at, and
// whether it is removable (the camera's card always is).
struct Drive {
  Drive() = default;
  Drive(char letter_, std::filesystem::path root_, bool removable_)
      : letter(letter_), root(std::move(root_)), removable(removable_) {}

  char letter = 0;
  std::filesystem::path root;
  bool removable = false;
  // Who the volume is, as far as the system tells (empty when it does not): its file
  // system's UUID and label, its block device and file system type.
  std::string uuid;
  std::string label;
  std::string device;
  std::string fsType;
};

using DriveList = std::vector<Drive>;

// The drive of a letter, if the list has one.
std::optional<Drive> DriveByLetter(const DriveList& drives, char letter);

// The volume that holds a path (the one with the longest root that is a prefix of it).
std::optional<Drive> DriveOfPath(const DriveList& drives, const std::filesystem::path& path);

// "E:" for the letter E, as lists and messages show drives.
std::string DriveLabel(char letter);
// "E: (/media/card)", or "E: CARD (/media/card)" with a label — the letter, the label and
// the folder, for texts that name a drive.
std::string DriveDescription(const Drive& drive);

// What stays the same of a volume when its letter changes (letters follow mount order):
// its file system's UUID, else its folder (a $DIREVOVU_DRIVES entry is its folder).
std::string DriveIdentity(const Drive& drive);

}  // namespace direvovu
