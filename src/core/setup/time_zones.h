#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace direvovu {

// One row of the camera's time-zone list: the text the list shows (the same in every
// language), the value setup.ini keeps (hours west of UTC) and that offset in seconds.
struct TimeZoneRow {
  std::string_view text;
  std::string_view value;
  long seconds_west;
};

inline constexpr int kTimeZoneCount = 32;

std::span<const TimeZoneRow> TimeZoneRows();

// The row the camera setup selects: the one whose value equals `value` exactly, else
// the one whose offset is the PC's, else none (-1).
int TimeZoneRowFor(std::string_view value, std::optional<long> pc_seconds_west);

// The value a row stores; "" for no row.
std::string_view TimeZoneValue(int row);

}  // namespace direvovu
