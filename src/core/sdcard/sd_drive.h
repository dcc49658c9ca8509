#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/sdcard/drive.h"
#include "core/settings/texts.h"

namespace direvovu {

// What the last search found when it found no card.
enum class SdSearchState : int {
  NoRemovableDrive = 0,  // reported with message 13
  NotWritable = 1,       // a removable drive was seen, none writable: message 14
};

struct SdSearchResult {
  char letter = 0;       // 0 when no card was found
  std::string identity;  // DriveIdentity of the card found
  SdSearchState state = SdSearchState::NoRemovableDrive;
};

// True when "<folder>/driveTest.bin" can be created; the file is removed at once.
bool IsDriveWritable(const std::filesystem::path& folder);

// The first removable drive, in letter order, on which Setup/test.bin can be created
// (the Setup folder is made if missing and kept; the test file never remains).
SdSearchResult FindSdDrive(const DriveList& drives);

// The card as the main window remembers it.
struct SdCardState {
  char letter = 0;
  SdSearchState state = SdSearchState::NoRemovableDrive;
  std::string identity;  // DriveIdentity of the card; empty until one was found
};

// Keeps a remembered card that is still writable, by its identity: when its letter now
// names another volume, the card is followed to the letter it has now, or, when it is
// nowhere, it is missing for this check (nothing is written to the volume that took
// its letter) and forgotten, so that the next search may find a new card. With no
// card remembered, searches.
void CheckSdDrive(const DriveList& drives, SdCardState& card);

// What the buttons that report a missing card say (13 or 14); nothing when a card is known.
std::optional<MessageId> MissingCardMessage(const SdCardState& card);

// The entries of the drive chooser: "X: (folder)" of every removable drive B..Z, in
// letter order (A is never offered, and nothing is written). The folder is what tells
// the drives apart on a system without letters; the entry still starts with the letter.
std::vector<std::string> ChooserDriveLabels(const DriveList& drives);

}  // namespace direvovu
