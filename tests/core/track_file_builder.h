#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace direvovu::testing {

// A recording in the camera's layout, made in memory: ftyp, mdat, moov (mvhd), and
// the track box with its time table, sensor and GPS boxes.
struct TrackFileSpec {
  struct Gps {
    std::string latitude;   // up to 12 bytes
    std::string longitude;  // up to 12 bytes
    std::uint32_t speedTenths = 0;
  };
  std::uint32_t mdatPayload = 16;
  std::uint32_t mvhdSize = 108;  // 120 gives a version-1 header
  std::uint32_t timescale = 1000;
  std::uint32_t duration = 60000;
  bool withTrackBox = true;
  std::vector<std::uint32_t> times;  // seconds since 1970, one per record
  std::string sensType = "SENS";
  std::vector<std::array<float, 3>> sens;
  std::string gpsType = "GPSI";
  std::vector<Gps> gps;
};

// Where the boxes of a built file start.
struct TrackFile {
  std::vector<std::uint8_t> bytes;
  std::size_t mdat = 0;
  std::size_t moov = 0;
  std::size_t track = 0;
  std::size_t table = 0;
  std::size_t sens = 0;
  std::size_t gps = 0;
};

TrackFile BuildTrackFile(const TrackFileSpec& layout);

// A layout of n records starting at 2009-08-07 14:25:30 UTC, one per second, with
// distinct sensor values and positions.
TrackFileSpec MakeTrackSpec(std::size_t n);

void PutBigEndian32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

}  // namespace direvovu::testing
