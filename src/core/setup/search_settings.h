#pragma once

#include <filesystem>
#include <string>

#include "core/civil_time.h"
#include "core/settings/viewer_settings.h"
#include "core/setup/detail_search.h"

namespace direvovu {

// What the detail search shows when it opens: the SEARCH_* settings with their defaults.
struct DetailSearchSettings {
  std::string folder;
  SearchRange range;
};

// SEARCH_PATH (blank: the card's root when a card is known, else the download folder),
// both checks (default 1), the dates (default `today`) and times ("000000", "235959").
// A date or time that names no real moment takes its default.
DetailSearchSettings ReadDetailSearchSettings(const WorkingFolders& folders, const CivilTime& today,
                                              const std::filesystem::path& card_root);

// SEARCH_PATH alone, as the folder browser writes it at once.
bool WriteSearchFolder(const WorkingFolders& folders, const std::string& folder);

// The four dates and times and the two checks in one write, whatever the search found.
bool WriteSearchRange(const WorkingFolders& folders, const SearchRange& range);

// "YYYYMMDD" and "HHMMSS" of a moment, as the settings keep it.
std::string DateText(const CivilTime& moment);
std::string TimeText(const CivilTime& moment);

}  // namespace direvovu
