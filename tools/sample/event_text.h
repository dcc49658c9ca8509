#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/civil_time.h"
#include "drive_simulation.h"

namespace direvovu::sample {

// The event file the camera writes beside an event recording: "drf_YYYYMMDD_HHMMSS.txt"
// of the recording's start.
std::string EventTextFileName(const CivilTime& start);

// The camera's event text (an INI file): section Event1 with the date, the time and the
// three G-sensor values of the clip's second `index` (counted from the clip's start).
std::string EventTextOf(const CivilTime& start, const std::vector<DriveSecond>& drive, int index);

}  // namespace direvovu::sample
