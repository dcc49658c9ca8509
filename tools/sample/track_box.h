#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "drive_simulation.h"

namespace direvovu::sample {

// One record of the camera's track as it is stored: time-table entry, SENS entry, GPSI entry.
struct TrackRecord {
  std::uint32_t epoch_second = 0;  // seconds since 1970-01-01 00:00:00, the camera's clock taken as UTC
  float accel_x = 0;
  float accel_y = 0;
  float accel_z = 0;
  std::array<char, 12> latitude{};   // NMEA ddmm.mmmm, zero-padded; "0" without a fix
  std::array<char, 12> longitude{};  // NMEA dddmm.mmmm, zero-padded; "0" without a fix
  std::uint32_t speed_tenths = 0;    // km/h × 10
};

// The four characters of the boxes we write; the viewer examines only SENS and GPSI.
inline constexpr char kTrackBoxType[] = "dvtk";
inline constexpr char kTimeTableType[] = "TIME";

// Degrees as NMEA degrees and decimal minutes with four decimals: "3842.4620" for 38.7077,
// "-00908.1300" for -9.1355; degree_digits is 2 for latitude and 3 for longitude.
std::array<char, 12> FormatNmeaCoordinate(double degrees, int degree_digits);

// Records for a drive whose first second is first_epoch_second.
std::vector<TrackRecord> MakeTrackRecords(std::span<const DriveSecond> drive,
                                          std::uint32_t first_epoch_second);

// The track box: [size]["dvtk"] holding [size]["TIME"] (4-byte LE seconds per record),
// [size]["SENS"] (three LE float32 per record) and [size]["GPSI"] (12 + 12 text bytes and a
// 4-byte LE speed per record). Box sizes are big-endian, as everywhere in MP4.
std::vector<std::uint8_t> BuildTrackBox(std::span<const TrackRecord> records);

}  // namespace direvovu::sample
