#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/civil_time.h"

namespace direvovu {

// A recording's file name: "drf0" (front) or "drf1" (rear), "_", date "%Y%m%d", "_",
// time "%H%M%S", ".mp4" — 24 characters.
inline constexpr std::size_t kRecordingNameLength = 24;
inline constexpr std::string_view kFrontPrefix = "drf0";
inline constexpr std::string_view kRearPrefix = "drf1";

// Kinds of recording, by index into the kinds text table.
enum RecordingKindIndex : int {
  kKindDriving = 0,
  kKindEvent = 1,
  kKindParking = 2,
  kKindParkingEvent = 3,
};

// Name tests take a bare file name. Only the length, the lower-case prefix and the
// extension (any case) are tested: the camera's names are trusted beyond that.
bool IsRecordingName(std::string_view name);
bool IsFrontRecordingName(std::string_view name);
// 1 for a legal front name, 2 for a legal rear name, 0 otherwise.
int RecordingChannel(std::string_view name);

// The camera's local time a recording's name gives (its first second); nullopt for a
// name that is not a recording's or whose fields are not a real moment.
std::optional<CivilTime> RecordingNameTime(std::string_view name);

// The kind from the folder names and file name: "Event" → Event, "e." → Parking
// event, "Parking" → Parking, else Driving, first hit deciding (case-sensitive).
// Only the file name and the two folders above it are looked at: that is as deep as
// the card's layout goes, and the folders above (a user's home, a mount point) must
// not change the kind.
int RecordingKind(const std::filesystem::path& path);

// The rear recording of a front one: every "drf0" in the file name becomes "drf1".
std::filesystem::path RearCompanionPath(const std::filesystem::path& frontPath);

// The five columns of a playlist row for the n-th row (1-based): number, date, time,
// kind text in the current language, path. A path without "drf0" or "drf1" gets a
// single space in the date, time and kind columns.
std::array<std::string, 5> MakePlaylistRowTexts(const std::filesystem::path& path, int rowNumber);

}  // namespace direvovu
