#pragma once

// Recordings on disk for the library tests: the camera's layout built in memory with a
// route that starts where the test says, one record a second.

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/library/library_db.h"
#include "recording_test_files.h"
#include "temp_folder.h"
#include "track_file_builder.h"

namespace direvovu::testing {

// NMEA ddmm.mmmm text of decimal degrees.
inline std::string Nmea(double degrees) {
  const double magnitude = degrees < 0 ? -degrees : degrees;
  const int whole = static_cast<int>(magnitude);
  char text[24];
  std::snprintf(text, sizeof text, "%s%d%07.4f", degrees < 0 ? "-" : "", whole, (magnitude - whole) * 60);
  return text;
}

// n records from utcStart (seconds since 1970), moving north-east by `step` degrees a
// second from (lat, lon) at `speed` km/h.
inline TrackFileSpec RouteTrack(std::size_t n, std::uint32_t utcStart, double lat, double lon,
                                double step = 0.0001, std::uint32_t speed = 40) {
  TrackFileSpec track;
  track.duration = static_cast<std::uint32_t>(n * 1000);
  for (std::size_t i = 0; i < n; ++i) {
    track.times.push_back(utcStart + static_cast<std::uint32_t>(i));
    track.sens.push_back({0.0F, 0.0F, 1.0F});
    track.gps.push_back(
        {Nmea(lat + step * static_cast<double>(i)), Nmea(lon + step * static_cast<double>(i)), speed * 10});
  }
  return track;
}

inline std::filesystem::path WriteRecordingFile(const std::filesystem::path& folder, const std::string& name,
                                                const TrackFileSpec& track) {
  std::filesystem::create_directories(folder);
  WriteBytes(folder / name, BuildTrackFile(track).bytes);
  return folder / name;
}

// A fresh library file in a temp folder.
struct LibraryFixture {
  TempFolder temp;
  std::filesystem::path file = temp / "library.sqlite";
  std::unique_ptr<library::LibraryDb> Open() {
    auto opened = library::LibraryDb::Open(file);
    if (!opened.library) throw std::runtime_error(opened.error);
    return std::move(opened.library);
  }
};

}  // namespace direvovu::testing
