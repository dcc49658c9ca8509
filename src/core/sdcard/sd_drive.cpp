#include "core/sdcard/sd_drive.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/settings/texts.h"

namespace direvovu {
namespace {

// Creates an empty file, closes and deletes it: the card's write test.
bool CanCreateFile(const std::filesystem::path& file) {
  std::FILE* f = std::fopen(file.string().c_str(), "wb");
  if (f == nullptr) return false;
  std::fclose(f);
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return true;
}

DriveList InLetterOrder(DriveList drives) {
  std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
  return drives;
}

}  // namespace

bool IsDriveWritable(const std::filesystem::path& folder) { return CanCreateFile(folder / "driveTest.bin"); }

SdSearchResult FindSdDrive(const DriveList& drives) {
  SdSearchResult result;
  for (const auto& drive : InLetterOrder(drives)) {
    if (!drive.removable || drive.letter < 'A' || drive.letter > 'Z') continue;
    const auto setup = drive.root / "Setup";
    std::error_code ec;
    std::filesystem::create_directory(setup, ec);
    if (CanCreateFile(setup / "test.bin")) {
      result.letter = drive.letter;
      result.identity = DriveIdentity(drive);
      return result;
    }
    result.state = SdSearchState::NotWritable;
  }
  return result;
}

void CheckSdDrive(const DriveList& drives, SdCardState& card) {
  if (card.letter != 0) {
    const auto same = std::find_if(drives.begin(), drives.end(), [&card](const Drive& d) {
      return card.identity.empty() ? d.letter == card.letter : DriveIdentity(d) == card.identity;
    });
    if (same != drives.end() && IsDriveWritable(same->root)) {
      card.letter = same->letter;
      return;
    }
    const auto atLetter = DriveByLetter(drives, card.letter);
    if (same == drives.end() && atLetter && !card.identity.empty()) {
      // Another volume has the card's letter now: not the card.
      card = SdCardState{};
      return;
    }
  }
  const SdSearchResult found = FindSdDrive(drives);
  card.letter = found.letter;
  card.state = found.state;
  card.identity = found.identity;
}

std::optional<MessageId> MissingCardMessage(const SdCardState& card) {
  if (card.letter != 0) return std::nullopt;
  return card.state == SdSearchState::NoRemovableDrive ? msg::kConnectSd : msg::kNoSdOrWriteProtected;
}

std::vector<std::string> ChooserDriveLabels(const DriveList& drives) {
  std::vector<std::string> labels;
  for (const auto& drive : InLetterOrder(drives)) {
    if (drive.removable && drive.letter >= 'B' && drive.letter <= 'Z')
      labels.push_back(DriveDescription(drive));
  }
  return labels;
}

}  // namespace direvovu
