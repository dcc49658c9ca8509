#include "track_box.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace direvovu::sample {
namespace {

constexpr std::size_t kGpsEntrySize = 28;
constexpr std::size_t kSensEntrySize = 12;
constexpr std::size_t kTimeEntrySize = 4;

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutType(std::vector<std::uint8_t>& out, std::string_view type) {
  out.insert(out.end(), type.begin(), type.end());
}

void PutBoxHeader(std::vector<std::uint8_t>& out, std::size_t payload, std::string_view type) {
  const std::size_t size = payload + 8;
  if (size > UINT32_MAX) throw std::length_error("track box too large");
  PutBe32(out, static_cast<std::uint32_t>(size));
  PutType(out, type);
}

std::array<char, 12> NoFixText() {
  std::array<char, 12> text{};
  text[0] = '0';
  return text;
}

}  // namespace

std::array<char, 12> FormatNmeaCoordinate(double degrees, int degree_digits) {
  const bool negative = degrees < 0;
  const double magnitude = std::fabs(degrees);
  long whole = static_cast<long>(magnitude);
  // Minutes with four decimals, carried into the degrees when they round up to 60.
  long minutes_e4 = std::lround((magnitude - static_cast<double>(whole)) * 60.0 * 10000.0);
  if (minutes_e4 >= 600000) {
    minutes_e4 -= 600000;
    ++whole;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%s%0*ld%02ld.%04ld", negative ? "-" : "", degree_digits, whole,
                minutes_e4 / 10000, minutes_e4 % 10000);
  std::array<char, 12> text{};
  // At most "-18000.0000" (11 characters): the twelfth byte always stays zero.
  std::memcpy(text.data(), buffer, std::min(std::strlen(buffer), text.size() - 1));
  return text;
}

std::vector<TrackRecord> MakeTrackRecords(std::span<const DriveSecond> drive,
                                          std::uint32_t first_epoch_second) {
  std::vector<TrackRecord> records;
  records.reserve(drive.size());
  std::uint32_t epoch = first_epoch_second;
  for (const DriveSecond& second : drive) {
    TrackRecord r;
    r.epoch_second = epoch++;
    r.accel_x = static_cast<float>(second.accel_x);
    r.accel_y = static_cast<float>(second.accel_y);
    r.accel_z = static_cast<float>(second.accel_z);
    if (second.position) {
      r.latitude = FormatNmeaCoordinate(second.position->latitude, 2);
      r.longitude = FormatNmeaCoordinate(second.position->longitude, 3);
      r.speed_tenths = static_cast<std::uint32_t>(std::lround(std::max(0.0, second.speed_kmh) * 10.0));
    } else {
      r.latitude = NoFixText();
      r.longitude = NoFixText();
    }
    records.push_back(r);
  }
  return records;
}

std::vector<std::uint8_t> BuildTrackBox(std::span<const TrackRecord> records) {
  const std::size_t n = records.size();
  const std::size_t time_payload = n * kTimeEntrySize;
  const std::size_t sens_payload = n * kSensEntrySize;
  const std::size_t gps_payload = n * kGpsEntrySize;
  std::vector<std::uint8_t> out;
  out.reserve(32 + time_payload + sens_payload + gps_payload);
  PutBoxHeader(out, 24 + time_payload + sens_payload + gps_payload, kTrackBoxType);
  PutBoxHeader(out, time_payload, kTimeTableType);
  for (const auto& r : records) PutLe32(out, r.epoch_second);
  PutBoxHeader(out, sens_payload, "SENS");
  for (const auto& r : records) {
    PutLe32(out, std::bit_cast<std::uint32_t>(r.accel_x));
    PutLe32(out, std::bit_cast<std::uint32_t>(r.accel_y));
    PutLe32(out, std::bit_cast<std::uint32_t>(r.accel_z));
  }
  PutBoxHeader(out, gps_payload, "GPSI");
  for (const auto& r : records) {
    out.insert(out.end(), r.latitude.begin(), r.latitude.end());
    out.insert(out.end(), r.longitude.begin(), r.longitude.end());
    PutLe32(out, r.speed_tenths);
  }
  return out;
}

}  // namespace direvovu::sample
