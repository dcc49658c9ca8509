// Fuzzes the decoding of a library's packed track segments: bytes that decode must be the
// very bytes their points encode to, and anything else must be refused without harm.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/library/point_segment.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::vector<direvovu::library::TrackPoint> points;
  if (!direvovu::library::DecodeSegment(bytes, points)) {
    if (!points.empty()) std::abort();  // a refused segment adds nothing
    return 0;
  }
  const auto again = direvovu::library::EncodeSegment(points);
  if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) std::abort();
  return 0;
}
