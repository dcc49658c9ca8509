#include "core/sdcard/card_walk.h"

#include <cstdio>
#include <string_view>
#include <system_error>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

bool HasAfterFirst(std::string_view text, std::string_view part) {
  return text.find(part, 1) != std::string_view::npos;
}

// "/media/card/" and "/media/card" are the same location.
fs::path Trimmed(const fs::path& location) {
  return location.has_relative_path() && !location.has_filename() ? location.parent_path() : location;
}

fs::path DrivingRoot(const fs::path& location) {
  if (location.string().find("mdr") != std::string::npos) return location;
  if (location.filename() == "Blackbox") return location;
  return location / "Blackbox";
}

// A readable folder that is not a symbolic link (a link could lead back up the card).
bool IsPlainFolder(const fs::directory_entry& entry) {
  std::error_code ec;
  return !entry.is_symlink(ec) && entry.is_directory(ec);
}

void AddRootAndSubFolders(const fs::path& root, CardWorkTables& tables) {
  if (!tables.AddFolder(root)) return;
  std::error_code ec;
  fs::directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    if (!IsPlainFolder(*it)) continue;
    if (!tables.AddFolder(it->path())) return;
  }
}

void AddRecordingsOf(const fs::path& folder, CardKind kind, CardWorkTables& tables) {
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    const std::string name = it->path().filename().string();
    if (!IsRecordingName(name)) continue;
    if (kind == CardKind::ParkingEvent && !HasAfterFirst(name, "e.")) continue;
    if (!tables.AddRecording(it->path())) return;
  }
}

std::string Slice(std::string_view text, std::size_t from, std::size_t length) {
  return from < text.size() ? std::string(text.substr(from, length)) : std::string();
}

}  // namespace

std::vector<fs::path> CardWalkRoots(const fs::path& given, CardKind kind) {
  const fs::path location = Trimmed(given);
  switch (kind) {
    case CardKind::All: {
      std::vector<fs::path> roots{DrivingRoot(location)};
      if (!HasAfterFirst(location.string(), "mdr_")) {
        roots.push_back(location / "Event");
        roots.push_back(location / "Parking");
      }
      return roots;
    }
    case CardKind::Driving:
      return {DrivingRoot(location)};
    case CardKind::Event:
      return {location / "Event"};
    case CardKind::Parking:
    case CardKind::ParkingEvent:
      return {location / "Parking"};
  }
  return {};
}

std::vector<CardRow> WalkSdCard(const fs::path& given, CardKind kind, CardWorkTables& tables) {
  tables.Clear();
  if (given.empty()) return {};
  const fs::path location = Trimmed(given);
  for (const fs::path& root : CardWalkRoots(location, kind)) AddRootAndSubFolders(root, tables);
  for (const fs::path& folder : tables.folders()) AddRecordingsOf(folder, kind, tables);

  std::vector<CardRow> rows;
  rows.reserve(tables.recordings().size());
  for (const std::size_t index : tables.SortedOrder()) {
    const fs::path& path = tables.recordings()[index];
    if (!IsFrontRecordingName(path.filename().string())) continue;
    rows.push_back(CardRow{path, CardRowType(path.lexically_relative(location))});
  }
  return rows;
}

int CardRowType(const fs::path& relative) {
  const std::string text = relative.string();
  if (text.find("Event") != std::string::npos) return kKindEvent;
  if (text.find("e.") != std::string::npos) return kKindParkingEvent;
  if (text.find("Parking") != std::string::npos) return kKindParking;
  return kKindDriving;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the row number, then the language
std::array<std::string, 5> CardRowTexts(const CardRow& row, int number, int language) {
  std::array<std::string, 5> texts;
  char numbered[32];
  std::snprintf(numbered, sizeof(numbered), "   %03d", number);
  texts[0] = numbered;
  const std::string name = row.path.filename().string();
  texts[1] = Slice(name, 5, 4) + "-" + Slice(name, 9, 2) + "-" + Slice(name, 11, 2);
  texts[2] = Slice(name, 14, 2) + ":" + Slice(name, 16, 2) + ":" + Slice(name, 18, 2);
  texts[3] = std::string(Text(TextTable::RecordingKinds, row.type, language));
  texts[4] = row.path.string();
  return texts;
}

}  // namespace direvovu
