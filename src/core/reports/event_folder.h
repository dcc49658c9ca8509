#pragma once

#include <filesystem>

#include "core/civil_time.h"
#include "core/sdcard/drive.h"
#include "core/settings/viewer_settings.h"

namespace direvovu::reports {

// The folder the event report opens on: the card's Event folder when a card is known,
// else the stored EVENT_PATH (empty when none was ever chosen).
std::filesystem::path InitialEventFolder(const WorkingFolders& folders, char card_letter,
                                         const DriveList& drives);
// Where the folder browser of Search starts: the stored EVENT_PATH, else `shown`.
std::filesystem::path EventSearchStart(const WorkingFolders& folders, const std::filesystem::path& shown);

// Remembers a chosen event folder as EVENT_PATH; false when the settings file could not be written.
bool WriteEventFolder(const WorkingFolders& folders, const std::filesystem::path& folder);

// Where a report saved at `moment` goes: EVENT/Event_YYYYMMDD_HHMMSS.txt under the working root.
std::filesystem::path EventReportPath(const WorkingFolders& folders, const CivilTime& moment);

}  // namespace direvovu::reports
