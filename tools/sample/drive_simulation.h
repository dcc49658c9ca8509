#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace direvovu::sample {

struct GeoPoint {
  double latitude = 0;   // decimal degrees, negative south
  double longitude = 0;  // decimal degrees, negative west
};

struct DriveOptions {
  int seconds = 0;
  std::uint32_t seed = 1;
  // Moves the whole route so that it begins here; the city's own start otherwise.
  std::optional<GeoPoint> start;
  // The first seconds have no GPS fix (position and speed unknown).
  int no_fix_seconds = 0;
  // One sharp impact in the middle of the clip instead of ordinary driving to the end.
  bool impact = false;
  // A parked car: it never moves (the camera's parking mode); an impact is then a knock.
  bool parked = false;
  // Seconds of the same drive skipped before the clip begins, so consecutive clips continue
  // one another.
  int offset_seconds = 0;
};

// What the camera's sensors report for one second of driving.
struct DriveSecond {
  double accel_x = 0;                // g, along the car; braking is negative
  double accel_y = 0;                // g, across the car; a left turn is positive
  double accel_z = 0;                // g, up; about 1 at rest
  std::optional<GeoPoint> position;  // none while there is no fix
  double speed_kmh = 0;              // GPS speed; 0 while there is no fix
};

// A drive around a loop of real streets in central Lisbon at changing speeds, with stops at
// lights and braking; the same options always give the same drive.
std::vector<DriveSecond> SimulateDrive(const DriveOptions& options);

// The loop the drive follows (closed: the last point equals the first).
const std::vector<GeoPoint>& CityRoute();

}  // namespace direvovu::sample
