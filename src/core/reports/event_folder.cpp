#include "core/reports/event_folder.h"

#include "core/reports/event_report_file.h"
#include "core/settings/ini_document.h"
#include "core/settings/ini_file.h"

namespace direvovu::reports {

namespace {
constexpr std::string_view kEventPathKey = "EVENT_PATH";
}  // namespace

std::filesystem::path InitialEventFolder(const WorkingFolders& folders, char card_letter,
                                         const DriveList& drives) {
  if (card_letter != 0) {
    if (const auto drive = DriveByLetter(drives, card_letter)) return drive->root / "Event";
  }
  return ReadSettingText(folders, kEventPathKey, "");
}

std::filesystem::path EventSearchStart(const WorkingFolders& folders, const std::filesystem::path& shown) {
  const std::filesystem::path stored = ReadSettingText(folders, kEventPathKey, "");
  return stored.empty() ? shown : stored;
}

bool WriteEventFolder(const WorkingFolders& folders, const std::filesystem::path& folder) {
  const CBIniFile ini(folders.settings_file());
  return ini.WriteString(kViewerSection, kEventPathKey, TruncateUtf8(folder.string(), kStoredFolderChars));
}

std::filesystem::path EventReportPath(const WorkingFolders& folders, const CivilTime& moment) {
  return folders.event() / EventReportFileName(moment);
}

}  // namespace direvovu::reports
