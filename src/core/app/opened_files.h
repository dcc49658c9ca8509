#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace direvovu {

// Most recordings one open takes (the card's folder holds no more).
inline constexpr std::size_t kMaxOpenedRecordings = 7000;
// How deep a dropped folder is searched for recordings.
inline constexpr int kMaxDropDepth = 4;

// The front recordings among paths the user opened (or a second start handed over):
// those whose file name is a legal front name, at most kMaxOpenedRecordings of them,
// ordered by full path without regard to case (equal paths keep their order).
std::vector<std::string> FrontRecordingsInOrder(const std::vector<std::string>& paths);

// Paths dropped on the window or named on the command line: files as they are, and
// for each folder the front recordings found in it and its sub-folders (at most
// kMaxOpenedRecordings in all).
std::vector<std::string> ExpandDroppedPaths(const std::vector<std::string>& paths);

// The front recording a play-list row names, or an empty path when it names none ("drf0"
// past the path's first character): such a row plays nothing rather than a wrong pair.
std::string FrontPathOfRow(const std::string& row);

}  // namespace direvovu
