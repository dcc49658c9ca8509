#include "core/display/event_text.h"

#include <array>
#include <cctype>
#include <string_view>

#include "core/civil_time.h"
#include "core/display/readout_texts.h"
#include "core/io/atomic_file.h"
#include "core/limits.h"
#include "core/settings/ini_document.h"

namespace direvovu::display {
namespace {

// Replaces every occurrence.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The runs of digits of a text; nullopt when a run is absurdly long.
std::optional<std::vector<int>> DigitRuns(std::string_view text) {
  std::vector<int> runs;
  std::string run;
  auto flush = [&]() -> bool {
    if (run.empty()) return true;
    if (run.size() > 8) return false;
    runs.push_back(std::stoi(run));
    run.clear();
    return true;
  };
  for (const char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      run.push_back(c);
    } else if (!flush()) {
      return std::nullopt;
    }
  }
  if (!flush()) return std::nullopt;
  return runs;
}

// Splits a text into three fields: three runs of digits, or one run of `packed` digits
// whose first field has `first` digits and the others two.
std::optional<std::array<int, 3>> ThreeFields(std::string_view text, std::size_t packed, std::size_t first) {
  std::string digits;
  for (const char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) digits.push_back(c);
  }
  const auto split = DigitRuns(text);
  if (!split) return std::nullopt;
  if (split->size() == 3) return std::array<int, 3>{(*split)[0], (*split)[1], (*split)[2]};
  if (split->size() == 1 && digits.size() == packed) {
    return std::array<int, 3>{std::stoi(digits.substr(0, first)), std::stoi(digits.substr(first, 2)),
                              std::stoi(digits.substr(first + 2, 2))};
  }
  return std::nullopt;
}

}  // namespace

std::vector<EventEntry> ParseEventText(std::span<const std::uint8_t> bytes) {
  std::vector<EventEntry> entries;
  const IniLookup ini(IniDocument::Parse(bytes));
  auto value = [&ini](const std::string& section, std::string_view key) {
    return ParseDecimal(ini.Get(section, key).value_or("0.0"));
  };
  for (int n = 1; n <= limits::kMaxEventSections; ++n) {
    const std::string section = "Event" + std::to_string(n);
    const std::optional<std::string> date = ini.Get(section, "Date");
    if (!date || date->empty()) break;
    EventEntry entry;
    entry.date = *date;
    entry.time = ini.Get(section, "Time").value_or("");
    entry.x = value(section, "G_Sensor_X");
    entry.y = value(section, "G_Sensor_Y");
    entry.z = value(section, "G_Sensor_Z");
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::filesystem::path EventTextFileFor(const std::filesystem::path& recording) {
  // Only the file name changes: a folder that happens to hold "mp4" in its name stays.
  const std::string name = ReplaceAll(ReplaceAll(recording.filename().string(), "mp4", "txt"), "drf0", "drf");
  return recording.parent_path() / name;
}

std::optional<std::vector<EventEntry>> ReadEventTextFile(const std::filesystem::path& file) {
  const auto bytes = ReadSmallFile(file, limits::kMaxIniFileBytes);
  if (!bytes) return std::nullopt;
  return ParseEventText(*bytes);
}

std::optional<std::int64_t> EventSeconds(const EventEntry& entry) {
  const auto date = ThreeFields(entry.date, 8, 4);
  const auto time = ThreeFields(entry.time, 6, 2);
  if (!date || !time) return std::nullopt;
  const auto [year, month, day] = *date;
  const auto [hour, minute, second] = *time;
  if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
    return std::nullopt;
  }
  return SecondsSinceEpoch({year, month, day, hour, minute, second});
}

std::int64_t RecordSeconds(const TrackSecond& r) {
  if (r.month < 1 || r.month > 12) return 0;
  return SecondsSinceEpoch({r.year, r.month, r.day, r.hour, r.minute, r.second});
}

std::vector<GraphEvent> GraphEventsOf(std::span<const EventEntry> entries, const TrackState& track) {
  std::vector<GraphEvent> events;
  if (track.count <= 0) return events;
  const std::int64_t first = RecordSeconds(track.records.front());
  for (const EventEntry& entry : entries) {
    if (events.size() >= static_cast<std::size_t>(kMaxGraphEvents)) break;
    const auto at = EventSeconds(entry);
    if (!at) continue;
    const std::int64_t offset = *at - first;
    // An event far outside the recording can never be reached by the play second.
    if (offset < -86400 || offset > 86400) continue;
    events.push_back({static_cast<int>(offset), entry.x, entry.y, entry.z});
  }
  return events;
}

std::vector<GraphEvent> EventsOfRecording(const std::filesystem::path& recording, const TrackState& track) {
  const auto entries = ReadEventTextFile(EventTextFileFor(recording));
  if (!entries) return {};
  return GraphEventsOf(*entries, track);
}

}  // namespace direvovu::display
