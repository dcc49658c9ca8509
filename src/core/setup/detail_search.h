#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/civil_time.h"
#include "core/sdcard/card_tables.h"
#include "core/sdcard/drive.h"

namespace direvovu {

// The range of the detail search; each end counts only when its box is checked.
struct SearchRange {
  bool use_start = true;
  bool use_end = true;
  CivilTime start;
  CivilTime end;
};

// "drf0_20120314_000000.mp4": a moment as the front recording of that second is named,
// so bounds compare with names as text.
std::string SearchBound(const CivilTime& moment);

// True when a folder's sub-folders are left out: the root of a drive that is not
// removable (a whole system disk is no place to hunt for recordings).
bool IsFixedDriveRoot(const std::filesystem::path& folder, const DriveList& drives);

// Adds to `found` every file below `folder` whose name is a front recording name, in
// the order the folders list them, descending into sub-folders (but not below a fixed
// drive root, decided at each level). A folder reached again through a symbolic link is
// not walked twice, so a link loop ends; folders that cannot be read are skipped.
void WalkRecordingFolder(const std::filesystem::path& folder, const DriveList& drives,
                         std::vector<std::filesystem::path>& found);

// The detail search's choice among `found` (at most the first 7000 looked at): both
// ends checked, names from the start bound to the end bound (both included); only one,
// the names of that end's day; none, nothing. When anything was found the tables are
// emptied and the taken recordings put in them. Returns the taken ones by file name.
std::vector<std::filesystem::path> TakeRecordings(const std::vector<std::filesystem::path>& found,
                                                  const SearchRange& range, CardWorkTables& tables);

// Whether one recording name (24 characters) is taken for the range.
bool IsNameInRange(std::string_view name, const SearchRange& range);

}  // namespace direvovu
