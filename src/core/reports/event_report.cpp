#include "core/reports/event_report.h"

#include <cmath>
#include <cstdio>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/limits.h"

namespace direvovu::reports {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kEventNameChars = 23;

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

bool EndsWithTxt(const std::string& name) { return name.size() >= 3 && name.ends_with("txt"); }

}  // namespace

std::string_view AxisName(EventAxis axis) {
  switch (axis) {
    case EventAxis::X:
      return "X";
    case EventAxis::Y:
      return "Y";
    case EventAxis::Z:
      return "Z";
  }
  return "X";
}

EventAxis EventFactor(double x, double y, double z) {
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  const double az = std::fabs(z);
  if (ax >= ay && ax >= az) return EventAxis::X;
  if (ay >= az) return EventAxis::Y;
  return EventAxis::Z;
}

void EventCounts::Add(EventAxis axis) {
  switch (axis) {
    case EventAxis::X:
      ++x;
      break;
    case EventAxis::Y:
      ++y;
      break;
    case EventAxis::Z:
      ++z;
      break;
  }
}

std::string EventNumberText(int number) {
  char text[32];
  std::snprintf(text, sizeof(text), "   %03d", number);
  return text;
}

std::string EventValueText(double value) {
  // A finite double in fixed notation fits in 320 characters.
  char text[400];
  std::snprintf(text, sizeof(text), "%.03f", value);
  return text;
}

void EventList::Append(const display::EventEntry& entry) {
  EventRow row;
  row.number = EventNumberText(static_cast<int>(rows.size()) + 1);
  row.date = entry.date;
  row.time = entry.time;
  row.x = EventValueText(entry.x);
  row.y = EventValueText(entry.y);
  row.z = EventValueText(entry.z);
  row.factor = EventFactor(entry.x, entry.y, entry.z);
  counts.Add(row.factor);
  rows.push_back(std::move(row));
}

std::string EventFileName(const fs::path& found) {
  std::string own = found.filename().string();
  if (own.size() != kEventNameChars) return own;  // not the camera's event name: as it is
  std::string name = ReplaceAll(ReplaceAll(own, "mp4", "txt"), "drf0", "drf");
  return name.size() == kEventNameChars ? name : own;
}

std::vector<fs::path> ListEventFiles(const fs::path& folder, CardWorkTables& tables) {
  bool first = true;
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_directory(type_ec)) continue;
    if (!EndsWithTxt(it->path().filename().string())) continue;
    // The tables hold what another window walked until the first event file is found.
    if (first) tables.Clear();
    first = false;
    if (!tables.AddRecording(it->path())) break;
  }
  std::vector<fs::path> files;
  if (first) return files;
  files.reserve(tables.recordings().size());
  for (const std::size_t index : tables.SortedOrder()) files.push_back(tables.recordings()[index]);
  return files;
}

EventList ReadEventFolder(const fs::path& folder, CardWorkTables& tables) {
  EventList list;
  if (folder.empty()) return list;
  for (const fs::path& file : ListEventFiles(folder, tables)) {
    const auto bytes = ReadSmallFile(folder / EventFileName(file), limits::kMaxIniFileBytes);
    if (!bytes) continue;
    for (const display::EventEntry& entry : display::ParseEventText(*bytes)) list.Append(entry);
  }
  return list;
}

}  // namespace direvovu::reports
