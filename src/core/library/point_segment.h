#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/library/recording_facts.h"

namespace direvovu::library {

// Points per segment of a track: one packed blob and one box of the spatial index each.
// A one-minute recording, the camera's usual length, is one segment: a card of them costs
// one blob and one box a recording to write (a place query decodes a minute of road per
// box it hits, well within its budget). Segments written with the older limit of 16 read
// as they are.
inline constexpr int kPointsPerBox = 64;

// The layout of a segment's bytes, all little-endian:
//   u16 layout (kSegmentLayout), u16 count, then count points of kSegmentPointBytes:
//   i32 second, u8 has-UTC (0 or 1), i64 UTC seconds since 1970 (0 without), f64 latitude,
//   f64 longitude, i32 speed (km/h), f64 G x, f64 G y, f64 G z.
// Another layout gets another number, and a library holding the old one is rebuilt.
inline constexpr std::uint16_t kSegmentLayout = 1;
inline constexpr std::size_t kSegmentHeadBytes = 4;
inline constexpr std::size_t kSegmentPointBytes = 57;

// The bytes of up to kPointsPerBox points (more are not a segment: the caller splits).
std::vector<std::uint8_t> EncodeSegment(std::span<const TrackPoint> points);

// Appends a segment's points to `out`. False, with `out` as it was, for bytes that are
// not a segment of this layout: a size other than the count says, no point or more than
// a segment holds, seconds out of order, a position off the globe.
bool DecodeSegment(std::span<const std::uint8_t> bytes, std::vector<TrackPoint>& out);

}  // namespace direvovu::library
