#include "core/recording/recording_name.h"

#include <cstdio>
#include <vector>

#include "core/settings/texts.h"

namespace direvovu {
namespace {

bool EndsWithMp4IgnoringCase(std::string_view name) {
  if (name.size() < 3) return false;
  const std::string_view ext = name.substr(name.size() - 3);
  return (ext[0] == 'm' || ext[0] == 'M') && (ext[1] == 'p' || ext[1] == 'P') && ext[2] == '4';
}

// The path's text (UTF-8) from its last `components` components.
std::string Tail(const std::filesystem::path& path, std::size_t components) {
  std::vector<std::string> parts;
  for (const auto& part : path.relative_path()) {
    if (!part.empty()) parts.push_back(part.string());
  }
  std::string tail;
  const std::size_t first = parts.size() > components ? parts.size() - components : 0;
  for (std::size_t i = first; i < parts.size(); ++i) {
    if (!tail.empty()) tail += '/';
    tail += parts[i];
  }
  return tail;
}

std::string Slice(std::string_view text, std::size_t from, std::size_t length) {
  return from < text.size() ? std::string(text.substr(from, length)) : std::string();
}

// The number the digits at `from` spell; nullopt when one of them is not a digit.
std::optional<int> DigitsAt(std::string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool IsRecordingName(std::string_view name) { return RecordingChannel(name) != 0; }

bool IsFrontRecordingName(std::string_view name) { return RecordingChannel(name) == 1; }

int RecordingChannel(std::string_view name) {
  if (name.size() != kRecordingNameLength || !EndsWithMp4IgnoringCase(name)) return 0;
  if (name.starts_with(kFrontPrefix)) return 1;
  if (name.starts_with(kRearPrefix)) return 2;
  return 0;
}

std::optional<CivilTime> RecordingNameTime(std::string_view name) {
  if (!IsRecordingName(name) || name[4] != '_' || name[13] != '_') return std::nullopt;
  // "drf0_" date "_" time: fields by position.
  constexpr std::size_t kFields[][2] = {{5, 4}, {9, 2}, {11, 2}, {14, 2}, {16, 2}, {18, 2}};
  int values[6] = {};
  for (std::size_t i = 0; i < 6; ++i) {
    const auto value = DigitsAt(name, kFields[i][0], kFields[i][1]);
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  const CivilTime time{values[0], values[1], values[2], values[3], values[4], values[5]};
  if (!IsValidCivilTime(time)) return std::nullopt;
  return time;
}

int RecordingKind(const std::filesystem::path& path) {
  // Blackbox/<folder>/<name> is the deepest place the camera puts a recording.
  const std::string text = Tail(path, 3);
  if (text.find("Event") != std::string::npos) return kKindEvent;
  if (text.find("e.") != std::string::npos) return kKindParkingEvent;
  if (text.find("Parking") != std::string::npos) return kKindParking;
  return kKindDriving;
}

std::filesystem::path RearCompanionPath(const std::filesystem::path& frontPath) {
  // Only the name changes: a folder that happens to contain "drf0" stays as it is.
  std::string name = frontPath.filename().string();
  for (auto at = name.find(kFrontPrefix); at != std::string::npos; at = name.find(kFrontPrefix, at + 4)) {
    name.replace(at, kRearPrefix.size(), kRearPrefix);
  }
  return frontPath.parent_path() / name;
}

std::array<std::string, 5> MakePlaylistRowTexts(const std::filesystem::path& path, int rowNumber) {
  std::array<std::string, 5> row;
  char number[32];
  std::snprintf(number, sizeof(number), "   %03d", rowNumber);
  row[0] = number;
  const std::string text = path.string();
  row[4] = text;
  if (text.find(kFrontPrefix) == std::string::npos && text.find(kRearPrefix) == std::string::npos) {
    row[1] = row[2] = row[3] = " ";
    return row;
  }
  // The recording name is the path's last 24 characters; its fields are taken by
  // position, as the camera writes them.
  const std::string_view name = std::string_view(text).substr(
      text.size() > kRecordingNameLength ? text.size() - kRecordingNameLength : 0);
  row[1] = Slice(name, 5, 4) + "-" + Slice(name, 9, 2) + "-" + Slice(name, 11, 2);
  row[2] = Slice(name, 14, 2) + ":" + Slice(name, 16, 2) + ":" + Slice(name, 18, 2);
  row[3] = std::string(Text(TextTable::RecordingKinds, RecordingKind(path)));
  return row;
}

}  // namespace direvovu
