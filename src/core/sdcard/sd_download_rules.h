#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/sdcard/card_walk.h"
#include "core/sdcard/drive.h"
#include "core/settings/viewer_settings.h"

namespace direvovu {

// The download dialog's four settings as it reads them at each opening.
struct SdDownloadSettings {
  std::string location;                  // DOWNLOAD_SD, "" by default
  std::filesystem::path downloadFolder;  // SD_DOWN_FOLDER
  int downloadUse = 1;                   // DOWNLOAD_USE: 0 on, 1 off
  int copyToList = 0;                    // SD_FILE_COPY_TO_LIST: 0 copy, 1 no copy
};

SdDownloadSettings ReadSdDownloadSettings(const WorkingFolders& folders);
// DOWNLOAD_SD, DOWNLOAD_USE and SD_FILE_COPY_TO_LIST, as Download writes them.
bool WriteSdDownloadChoices(const WorkingFolders& folders, const SdDownloadSettings& settings);
// SD_DOWN_FOLDER after the folder was browsed (at most 260 characters are kept, never
// part of one).
bool WriteSdDownloadFolder(const WorkingFolders& folders, const std::filesystem::path& folder);

// Where the dialog looks at opening: the stored location as it is, else the root of the
// known card's drive, else nothing.
std::string InitialSdLocation(const std::string& stored, char cardLetter, const DriveList& drives);

// What Download does to the play list with the checked rows when they are copied to it:
// when the first row is checked the play list is emptied first, otherwise the rows go
// behind it. With `copyToList` off the play list is left alone.
struct PlaylistChange {
  std::vector<std::string> paths;
  bool replace = false;
};
PlaylistChange PlaylistFromChecked(const std::vector<CardRow>& rows, const std::vector<bool>& checked,
                                   bool copyToList);

// The checked recordings, in row order.
std::vector<std::filesystem::path> CheckedPaths(const std::vector<CardRow>& rows,
                                                const std::vector<bool>& checked);

// The format entries: removable drives B..Z, in letter order.
DriveList FormatDrives(const DriveList& drives);

// Formatting is refused after a recording played since the viewer started (a file of
// the card may still be open), in every language.
inline bool FormatBlockedByPlayback(bool played) { return played; }

}  // namespace direvovu
