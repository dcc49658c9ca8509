#include "core/sdcard/sd_download_rules.h"

#include <algorithm>

#include "core/settings/ini_document.h"
#include "core/settings/ini_file.h"

namespace direvovu {

SdDownloadSettings ReadSdDownloadSettings(const WorkingFolders& folders) {
  SdDownloadSettings s;
  s.location = ReadSettingText(folders, "DOWNLOAD_SD", "");
  s.downloadFolder = SettingFolder(folders, FolderKind::Download);
  s.downloadUse = ReadSettingNumber(folders, "DOWNLOAD_USE") == 0 ? 0 : 1;
  s.copyToList = ReadSettingNumber(folders, "SD_FILE_COPY_TO_LIST") == 1 ? 1 : 0;
  return s;
}

bool WriteSdDownloadChoices(const WorkingFolders& folders, const SdDownloadSettings& settings) {
  const CBIniFile ini(folders.settings_file());
  return ini.WriteString(kViewerSection, "DOWNLOAD_SD", settings.location) &&
         ini.WriteString(kViewerSection, "DOWNLOAD_USE", std::to_string(settings.downloadUse)) &&
         ini.WriteString(kViewerSection, "SD_FILE_COPY_TO_LIST", std::to_string(settings.copyToList));
}

bool WriteSdDownloadFolder(const WorkingFolders& folders, const std::filesystem::path& folder) {
  const CBIniFile ini(folders.settings_file());
  return ini.WriteString(kViewerSection, "SD_DOWN_FOLDER", TruncateUtf8(folder.string(), kStoredFolderChars));
}

std::string InitialSdLocation(const std::string& stored, char cardLetter, const DriveList& drives) {
  if (!stored.empty()) return stored;
  if (cardLetter == 0) return {};
  const auto drive = DriveByLetter(drives, cardLetter);
  return drive ? drive->root.string() : std::string();
}

PlaylistChange PlaylistFromChecked(const std::vector<CardRow>& rows, const std::vector<bool>& checked,
                                   bool copyToList) {
  PlaylistChange change;
  // With No Copy the play list is the user's own and stays as it is.
  if (!copyToList) return change;
  change.replace = !checked.empty() && checked[0];
  for (std::size_t i = 0; i < rows.size() && i < checked.size(); ++i) {
    if (checked[i]) change.paths.push_back(rows[i].path.string());
  }
  return change;
}

std::vector<std::filesystem::path> CheckedPaths(const std::vector<CardRow>& rows,
                                                const std::vector<bool>& checked) {
  std::vector<std::filesystem::path> paths;
  for (std::size_t i = 0; i < rows.size() && i < checked.size(); ++i) {
    if (checked[i]) paths.push_back(rows[i].path);
  }
  return paths;
}

DriveList FormatDrives(const DriveList& drives) {
  DriveList list;
  for (const Drive& d : drives) {
    if (d.removable && d.letter >= 'B' && d.letter <= 'Z') list.push_back(d);
  }
  std::sort(list.begin(), list.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
  return list;
}

}  // namespace direvovu
