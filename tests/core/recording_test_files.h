#pragma once

// Recordings for the cipher and copy tests: a real camera layout with a recognisable
// mdat payload, and the file helpers around it.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "track_file_builder.h"

namespace direvovu::testing {

using Bytes = std::vector<std::uint8_t>;

// A plain recording (ftyp "mp42", mdat, moov with a version-0 mvhd, track box) whose
// mdat payload of `payload` bytes is a pattern that depends on `seed`.
inline Bytes MakePlainRecording(std::uint32_t payload, std::uint8_t seed = 1) {
  TrackFileSpec layout = MakeTrackSpec(3);
  layout.mdatPayload = payload;
  TrackFile file = BuildTrackFile(layout);
  for (std::size_t i = file.mdat + 8; i < file.moov; ++i) {
    file.bytes[i] = static_cast<std::uint8_t>(seed * 31 + i * 7 + (i >> 9));
  }
  return file.bytes;
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace direvovu::testing
