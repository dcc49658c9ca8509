#pragma once

#include <cstdio>
#include <cstring>
#include <functional>

#include "core/recording/track_state.h"

namespace direvovu::testing {

// A track of n records, one per `1 / perSecond` s of play, starting 2009-08-07 14:25:30,
// with 1 g on Z, a slow speed ramp and positions near Lisbon; `edit` changes records.
inline TrackState MakeDisplayTrack(int n, double perSecond = 1.0,
                                   const std::function<void(int, TrackSecond&)>& edit = {}) {
  TrackState track;
  track.records.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    TrackSecond& r = track.records[static_cast<std::size_t>(i)];
    r.accelX = 0.01 * (i % 7);
    r.accelY = -0.02 * (i % 5);
    r.accelZ = 1.0;
    std::snprintf(r.latitudeText, sizeof(r.latitudeText), "%s", "3842.4560");
    std::snprintf(r.longitudeText, sizeof(r.longitudeText), "%s", "-00908.1300");
    r.speed = i % 120;
    const int s = 30 + i;
    r.year = 2009;
    r.month = 8;
    r.day = 7;
    r.hour = 14 + (25 + s / 60) / 60;
    r.minute = (25 + s / 60) % 60;
    r.second = s % 60;
    if (edit) edit(i, r);
  }
  track.count = n;
  track.recordsPerSecond = n > 0 ? perSecond : 0;
  ComputePeakMagnitude(track);
  return track;
}

}  // namespace direvovu::testing
