#pragma once

#include <optional>

namespace direvovu::platform {

// The PC's standard offset in seconds west of UTC (summer time left out: the camera
// keeps no summer time); nullopt when the system does not say.
std::optional<long> PcSecondsWestOfUtc();

}  // namespace direvovu::platform
