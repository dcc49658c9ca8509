#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/sdcard/card_tables.h"

namespace direvovu {

// What the download dialog's kind list selects.
enum class CardKind : int {
  All = 0,
  Driving = 1,
  Event = 2,
  Parking = 3,
  ParkingEvent = 4,
};
inline constexpr int kCardKindCount = 5;

// One listed front recording.
struct CardRow {
  std::filesystem::path path;  // the recording on the card
  int type = 0;                // row of the recording kinds table (driving, event, parking, parking event)
};

// The card's folders that the walk looks in first, in order: for kinds All and Driving
// the location itself when its text holds "mdr" (the camera's dump folders), its
// Blackbox folder otherwise (the location itself when it is that folder); for Event the
// Event folder; for Parking and Parking Event the Parking folder. Kind All adds the
// Event and Parking folders unless the location holds "mdr_" after its first character.
std::vector<std::filesystem::path> CardWalkRoots(const std::filesystem::path& location, CardKind kind);

// Lists the front recordings of the card at `location` for `kind`: each root and its
// direct sub-folders (one level; folders that are symbolic links or cannot be read are
// left out), files whose names are recording names, sorted by file name. Rear files
// get no row. Fills `tables` (emptied first) on the way. An empty location lists nothing.
std::vector<CardRow> WalkSdCard(const std::filesystem::path& location, CardKind kind, CardWorkTables& tables);

// The type of a listed recording from its path below the card's location: "Event" in
// it → event; otherwise "e." → parking event; otherwise "Parking" → parking; otherwise
// driving (case-sensitive). Folders above the location do not count.
int CardRowType(const std::filesystem::path& relative);

// The five column texts of a row: "   %03d" of the 1-based number, the date
// "YYYY-MM-DD" and time "HH:MM:SS" from the file name, the type text in `language`, and
// the path.
std::array<std::string, 5> CardRowTexts(const CardRow& row, int number, int language);

}  // namespace direvovu
