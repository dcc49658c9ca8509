#include "core/library/point_segment.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace direvovu::library {
namespace {

constexpr CivilTime kEpoch{1970, 1, 1, 0, 0, 0};
// The last second of the year 9999: a clock past it is not kept as a time.
constexpr std::int64_t kLastUtcSeconds = 253402300799;

// Writes `bytes` little-endian bytes at `at` (the buffer is sized beforehand) and moves on.
void Put(std::vector<std::uint8_t>& out, std::size_t& at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at++] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Reads the next `bytes` little-endian bytes; the caller has checked the size.
class Cursor {
 public:
  explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Take(int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t{bytes_[at_++]} << (8 * i);
    return value;
  }
  std::int32_t Int32() { return std::bit_cast<std::int32_t>(static_cast<std::uint32_t>(Take(4))); }
  std::int64_t Int64() { return std::bit_cast<std::int64_t>(Take(8)); }
  double Real() { return std::bit_cast<double>(Take(8)); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

bool OnTheGlobe(double latitude, double longitude) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
         std::abs(longitude) <= 180;
}

}  // namespace

std::vector<std::uint8_t> EncodeSegment(std::span<const TrackPoint> points) {
  if (points.size() > static_cast<std::size_t>(kPointsPerBox))
    throw std::invalid_argument("a track segment holds at most 16 points");
  std::vector<std::uint8_t> out(kSegmentHeadBytes + points.size() * kSegmentPointBytes);
  std::size_t at = 0;
  Put(out, at, kSegmentLayout, 2);
  Put(out, at, points.size(), 2);
  for (const TrackPoint& p : points) {
    const std::int64_t utc = p.utc ? SecondsSinceEpoch(*p.utc) : -1;
    const bool hasUtc = utc >= 0 && utc <= kLastUtcSeconds;
    Put(out, at, std::bit_cast<std::uint32_t>(p.second), 4);
    Put(out, at, hasUtc ? 1 : 0, 1);
    Put(out, at, std::bit_cast<std::uint64_t>(hasUtc ? utc : std::int64_t{0}), 8);
    Put(out, at, std::bit_cast<std::uint64_t>(p.latitude), 8);
    Put(out, at, std::bit_cast<std::uint64_t>(p.longitude), 8);
    Put(out, at, std::bit_cast<std::uint32_t>(static_cast<std::int32_t>(p.speed)), 4);
    for (const double g : {p.gx, p.gy, p.gz}) Put(out, at, std::bit_cast<std::uint64_t>(g), 8);
  }
  return out;
}

bool DecodeSegment(std::span<const std::uint8_t> bytes, std::vector<TrackPoint>& out) {
  if (bytes.size() < kSegmentHeadBytes) return false;
  Cursor in(bytes);
  const auto layout = in.Take(2);
  const auto count = static_cast<std::size_t>(in.Take(2));
  if (layout != kSegmentLayout || count == 0 || count > static_cast<std::size_t>(kPointsPerBox) ||
      bytes.size() != kSegmentHeadBytes + count * kSegmentPointBytes) {
    return false;
  }
  const std::size_t before = out.size();
  for (std::size_t i = 0; i < count; ++i) {
    TrackPoint p;
    p.second = in.Int32();
    const auto hasUtc = in.Take(1);
    const std::int64_t utc = in.Int64();
    p.latitude = in.Real();
    p.longitude = in.Real();
    p.speed = in.Int32();
    p.gx = in.Real();
    p.gy = in.Real();
    p.gz = in.Real();
    const bool ordered = p.second >= 0 && (out.size() == before || out.back().second < p.second);
    const bool utcRight = hasUtc == 1 ? utc >= 0 && utc <= kLastUtcSeconds : hasUtc == 0 && utc == 0;
    if (!utcRight || !ordered || !OnTheGlobe(p.latitude, p.longitude)) {
      out.resize(before);
      return false;
    }
    if (hasUtc == 1) p.utc = AddSeconds(kEpoch, utc);
    out.push_back(p);
  }
  return true;
}

}  // namespace direvovu::library
