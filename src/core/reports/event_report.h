#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/display/event_text.h"
#include "core/sdcard/card_tables.h"

namespace direvovu::reports {

// The axis that dominated an event.
enum class EventAxis { X = 0, Y = 1, Z = 2 };

// "X", "Y" or "Z".
std::string_view AxisName(EventAxis axis);

// The largest absolute value wins; a tie goes to X, then to Y.
EventAxis EventFactor(double x, double y, double z);

// One row of the event list, as its seven columns show it.
struct EventRow {
  std::string number;  // "   001": three blanks and three digits (more past 999)
  std::string date;
  std::string time;
  std::string x;  // "%.03f"
  std::string y;
  std::string z;
  EventAxis factor = EventAxis::X;
};

struct EventCounts {
  int x = 0;
  int y = 0;
  int z = 0;
  void Add(EventAxis axis);
  friend bool operator==(const EventCounts&, const EventCounts&) = default;
};

// The rows of an event folder with the counts by factor; rows are numbered on across files.
struct EventList {
  std::vector<EventRow> rows;
  EventCounts counts;
  void Append(const display::EventEntry& entry);
};

std::string EventNumberText(int number);
std::string EventValueText(double value);

// The name an event file is read under: a file whose own name is the camera's 23
// characters has "mp4" made "txt" and "drf0" made "drf" in it (when that keeps 23); any
// other file is read under its own name. Only the name changes, never the folder.
std::string EventFileName(const std::filesystem::path& found);

// Files of `folder` (one level, folders skipped) whose names end in "txt", put in the
// card walk's recording table (cleared first; at most its capacity), in name order.
std::vector<std::filesystem::path> ListEventFiles(const std::filesystem::path& folder,
                                                  CardWorkTables& tables);

// Every event of every event file of `folder`; an unreadable file adds nothing, a missing
// folder gives an empty list.
EventList ReadEventFolder(const std::filesystem::path& folder, CardWorkTables& tables);

}  // namespace direvovu::reports
