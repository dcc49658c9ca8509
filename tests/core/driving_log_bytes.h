#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/civil_time.h"

namespace direvovu::test {

// One record of a driving log as the camera writes it.
inline std::array<std::uint8_t, 32> LogRecordBytes(std::uint32_t seconds, std::string_view latitude,
                                                   std::string_view longitude, std::uint32_t speed_tenths) {
  std::array<std::uint8_t, 32> bytes{};
  for (int i = 0; i < 4; ++i) {
    bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(seconds >> (8 * i));
    bytes[static_cast<std::size_t>(28 + i)] = static_cast<std::uint8_t>(speed_tenths >> (8 * i));
  }
  std::memcpy(bytes.data() + 4, latitude.data(), std::min<std::size_t>(latitude.size(), 12));
  std::memcpy(bytes.data() + 16, longitude.data(), std::min<std::size_t>(longitude.size(), 12));
  return bytes;
}

// Seconds since 1970 of a UTC moment.
inline std::uint32_t Utc(int year, int month, int day, int hour, int minute, int second) {
  return static_cast<std::uint32_t>(SecondsSinceEpoch({year, month, day, hour, minute, second}));
}

// A log built record by record.
class LogBytes {
 public:
  LogBytes& Add(std::uint32_t seconds, std::string_view latitude, std::string_view longitude,
                std::uint32_t speed_tenths) {
    const auto record = LogRecordBytes(seconds, latitude, longitude, speed_tenths);
    bytes_.insert(bytes_.end(), record.begin(), record.end());
    return *this;
  }
  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace direvovu::test
