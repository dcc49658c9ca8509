#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/io/byte_reader.h"
#include "core/map/map_page.h"

namespace direvovu::map {

// The camera's driving log: no header, one 32-byte record per fix (time, position,
// speed), all integers little-endian; bytes after the last whole record are ignored.
inline constexpr std::size_t kLogRecordBytes = 32;

struct LogRecord {
  // The record's time broken down as UTC.
  std::int32_t year = 0, month = 0, day = 0;
  std::int32_t hour = 0, minute = 0, second = 0;
  // NMEA ddmm.mmmm / dddmm.mmmm as written, 12 bytes and a terminating zero.
  char latitudeText[13] = {};
  char longitudeText[13] = {};
  std::int32_t speed = 0;   // whole km/h
  double stepDistance = 0;  // km to the next record; 0 for the last and for no real step
  double latitude = 0;      // decimal degrees of the texts, 0 = no fix
  double longitude = 0;

  [[nodiscard]] bool HasFix() const { return latitude != 0 && longitude != 0; }
  [[nodiscard]] GeoPoint Position() const { return {latitude, longitude}; }
};

// Why a file is not read as a driving log.
enum class LogRefusal {
  None,
  TooShort,    // fewer than 32 bytes
  BadYear,     // a record's year outside 1900..2100
  TooLarge,    // beyond limits::kMaxDrivingLogBytes
  ReadFailed,  // the bytes could not be read
};

struct ParsedLog {
  std::vector<LogRecord> records;
  LogRefusal refusal = LogRefusal::None;
  [[nodiscard]] bool Loaded() const { return refusal == LogRefusal::None; }
};

// Reads every record and fills the step distances. A refused log has no records.
ParsedLog ParseDrivingLog(ByteReader& reader);
ParsedLog ParseDrivingLog(std::span<const std::uint8_t> bytes);

// One record from its 32 bytes (the step distance stays 0); nullopt for a year outside
// 1900..2100.
std::optional<LogRecord> DecodeLogRecord(std::span<const std::uint8_t, kLogRecordBytes> bytes);

// The distance in km between two points in degrees: the inverse formula on the WGS-84
// ellipsoid, evaluated once without iteration. 0 for the same point.
double StepDistance(double latitude1, double longitude1, double latitude2, double longitude2);

// The step from one record to the next as it counts toward a trip: 0 when either record
// has no fix, and 0 for a result that is negative, above 1 km (a GPS jump) or not a number.
double CountedStepDistance(const LogRecord& from, const LogRecord& to);

}  // namespace direvovu::map
