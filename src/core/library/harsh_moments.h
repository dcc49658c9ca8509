#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/recording/track_state.h"

namespace direvovu::library {

enum class MomentKind { Braking, Acceleration, Shock };

// "braking", "acceleration", "shock": the names the index and the command line use.
std::string_view MomentKindName(MomentKind kind);
std::optional<MomentKind> MomentKindOfName(std::string_view name);

struct HarshMoment {
  int second = 0;  // record index (one record a second)
  MomentKind kind = MomentKind::Braking;
  double value = 0;  // Δv in km/h, or the deviation from the axis median in g (signed)

  friend bool operator==(const HarshMoment&, const HarshMoment&) = default;
};

// The thresholds of the rules, in one place.
inline constexpr int kHarshSpeedStep = 12;      // km/h from one second to the next
inline constexpr int kBrakingFromSpeed = 20;    // km/h the car drove before braking counts
inline constexpr double kShockDeviation = 0.8;  // g away from the axis median
inline constexpr int kMomentMergeSeconds = 5;   // closer moments of a kind are one

// The harsh moments of a track, in order of their second then kind:
//  - braking: Δv ≤ −12 km/h while the earlier speed was at least 20 km/h;
//  - acceleration: Δv ≥ +12 km/h;
//    (Δv is a record's speed minus the one before it, both with a fix)
//  - shock: on any axis |g − m| ≥ 0.8 g, m the median of that axis over the recording;
//  - moments of one kind less than 5 s after the previous one of the run are one moment:
//    the run's first second and its value of largest magnitude.
// Shocks are looked for in the first `sensorRecords` records only: past a sensor box cut
// short, the values are not the sensor's zero but no values at all.
std::vector<HarshMoment> DetectHarshMoments(std::span<const TrackSecond> records,
                                            std::size_t sensorRecords = SIZE_MAX);

}  // namespace direvovu::library
