#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/display/graph_geometry.h"
#include "core/recording/track_state.h"

namespace direvovu::display {

// One section "Event<n>" of the camera's event text file (an INI file).
struct EventEntry {
  std::string date;  // shown unchanged
  std::string time;
  double x = 0;
  double y = 0;
  double z = 0;
};

// Sections Event1, Event2, … up to the first whose Date is missing or empty, and at most
// limits::kMaxEventSections of them. Values that are missing or not numbers read as 0.0.
std::vector<EventEntry> ParseEventText(std::span<const std::uint8_t> bytes);

// The event file of a recording: in its file name "mp4" becomes "txt" and "drf0" becomes
// "drf" (drf0_20090807_142530.mp4 → drf_20090807_142530.txt, in the same folder).
std::filesystem::path EventTextFileFor(const std::filesystem::path& recording);

// nullopt when the file cannot be read (missing, or too large to be an event file).
std::optional<std::vector<EventEntry>> ReadEventTextFile(const std::filesystem::path& file);

// Seconds since 1970 of the event's date and time taken as the same clock as the track
// (the camera keeps no zone). Dates read "YYYY?MM?DD" with any separators or "YYYYMMDD",
// times "HH?MM?SS" or "HHMMSS"; nullopt for anything else.
std::optional<std::int64_t> EventSeconds(const EventEntry& entry);
std::int64_t RecordSeconds(const TrackSecond& record);

// The graphs' events: the first ten entries that can be placed, each with its second
// counted from the first record of the track. Nothing without a track.
std::vector<GraphEvent> GraphEventsOf(std::span<const EventEntry> entries, const TrackState& track);

// The graphs' events of a recording, read from its event text file; none when the file
// is missing or unreadable (most recordings have no event).
std::vector<GraphEvent> EventsOfRecording(const std::filesystem::path& recording, const TrackState& track);

}  // namespace direvovu::display
