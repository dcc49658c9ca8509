#pragma once

#include <filesystem>

namespace direvovu::platform {

// The root of every working file: $DIREVOVU_ROOT when set, else C:\DirevOvu on
// Windows and ~/DirevOvu elsewhere.
std::filesystem::path WorkingRoot();

// Today's local date as YYYYMMDD (the default of the search dates).
std::string TodayText();

}  // namespace direvovu::platform
