#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Small MP4 files shaped like ffmpeg's output, built byte by byte for the layout tests.
namespace direvovu::sample::testing {

using Bytes = std::vector<std::uint8_t>;

Bytes Box(std::string_view type, const Bytes& payload);
Bytes Concat(std::initializer_list<Bytes> parts);
void AppendBe32(Bytes& out, std::uint32_t value);
Bytes Be32(std::uint32_t value);

// A version-0 mvhd (108 bytes) with the given time scale and duration.
Bytes MovieHeader(std::uint32_t timescale, std::uint32_t duration);
// A trak with a version-0 tkhd and one version-0 edit of the given duration.
Bytes Track(std::uint32_t tkhd_duration, std::uint32_t edit_duration);

struct SyntheticOptions {
  std::uint32_t timescale = 1000;
  std::uint32_t duration = 5000;
  bool with_free = true;
  bool moov_first = false;
};

// A 32-byte ftyp ("isom" brand, like ffmpeg's default), an 8-byte free box, mdat, moov.
Bytes SyntheticMp4(const SyntheticOptions& options = {});

// Offsets inside a moov box made by SyntheticMp4 (relative to the moov box).
inline constexpr std::size_t kMvhdTimescaleAt = 8 + 20;
inline constexpr std::size_t kMvhdDurationAt = 8 + 24;
inline constexpr std::size_t kTkhdDurationAt = 8 + 108 + 8 + 28;
inline constexpr std::size_t kElstFirstDurationAt = 8 + 108 + 8 + 92 + 8 + 16;

}  // namespace direvovu::sample::testing
