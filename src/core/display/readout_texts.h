#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/display/graph_geometry.h"
#include "core/recording/track_state.h"

namespace direvovu::display {

// "X: %.03f" and its Y and Z siblings.
std::string AxisText(Axis axis, double g);

struct AxisTexts {
  std::string x;
  std::string y;
  std::string z;
  bool operator==(const AxisTexts&) const = default;
};

// What the X/Y/Z readouts show at play time P: the event's values at the second of an
// event, otherwise the record's; nullopt when the track has no record to show.
std::optional<AxisTexts> AxisReadouts(const TrackState& track, std::span<const GraphEvent> events,
                                      double positionSeconds);
// After a reset.
AxisTexts EmptyAxisTexts();

// "%d.%02d.%02d  %02d:%02d:%02d" of the record's date and time.
std::string RecordTimeText(const TrackSecond& record);
// "%.03f" of the peak magnitude.
std::string PeakText(double peak);

// The C library's decimal parse (atof): leading blanks and a sign, then the longest
// number; 0 when there is none. The decimal point never follows the process locale.
double ParseDecimal(std::string_view text);

// Degrees, minutes, seconds and hundredths of an NMEA text, e.g. −3723.4567 as latitude
// gives "37°23'  27.40 \"  S".
std::string PositionText(std::string_view nmeaText, bool latitude);

// The texts the record readouts show for play second t; nullopt when they stay as they
// are (no records, or t is 0).
struct RecordTexts {
  std::string recordTime;
  std::string peak;
  std::string latitude;
  std::string longitude;
  bool operator==(const RecordTexts&) const = default;
};
std::optional<RecordTexts> RecordReadouts(const TrackState& track, double playSecond);

// What the position readouts show with no track.
inline constexpr std::string_view kEmptyPositionText = "00˚00d´00.00˝";

}  // namespace direvovu::display
