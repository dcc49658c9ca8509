#include "core/map/driving_log.h"

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

#include "core/civil_time.h"
#include "core/limits.h"
#include "core/recording/track_state.h"

namespace direvovu::map {
namespace {

constexpr int kMinYear = 1900;
constexpr int kMaxYear = 2100;
constexpr double kMaxStepKm = 1.0;
// Records read from the file at a time: large logs are never held whole in memory twice.
constexpr std::size_t kRecordsPerChunk = 4096;

std::string_view TextOf(const char (&field)[13]) { return {field, ::strnlen(field, 12)}; }

// Fills the step distances: record i gets the step to record i + 1.
void FillStepDistances(std::vector<LogRecord>& records) {
  for (std::size_t i = 0; i + 1 < records.size(); ++i)
    records[i].stepDistance = CountedStepDistance(records[i], records[i + 1]);
}

ParsedLog Refused(LogRefusal why) {
  ParsedLog log;
  log.refusal = why;
  return log;
}

}  // namespace

std::optional<LogRecord> DecodeLogRecord(std::span<const std::uint8_t, kLogRecordBytes> bytes) {
  const std::uint32_t seconds = *LittleEndianAt(bytes, 0);
  const CivilTime time = CivilTimeOfEpochSeconds(seconds);
  if (time.year < kMinYear || time.year > kMaxYear) return std::nullopt;
  LogRecord r;
  CopyCivilFields(time, r);
  std::memcpy(r.latitudeText, bytes.data() + 4, 12);
  std::memcpy(r.longitudeText, bytes.data() + 16, 12);
  r.speed = static_cast<std::int32_t>(*LittleEndianAt(bytes, 28) / 10);
  r.latitude = NmeaToDecimalDegrees(TextOf(r.latitudeText));
  r.longitude = NmeaToDecimalDegrees(TextOf(r.longitudeText));
  return r;
}

ParsedLog ParseDrivingLog(ByteReader& reader) {
  const std::uint64_t size = reader.Size();
  if (size < kLogRecordBytes) return Refused(LogRefusal::TooShort);
  if (size > limits::kMaxDrivingLogBytes) return Refused(LogRefusal::TooLarge);
  const auto count = static_cast<std::size_t>(size / kLogRecordBytes);
  ParsedLog log;
  log.records.reserve(count);
  std::vector<std::uint8_t> chunk(kRecordsPerChunk * kLogRecordBytes);
  for (std::size_t first = 0; first < count; first += kRecordsPerChunk) {
    const std::size_t n = std::min(kRecordsPerChunk, count - first);
    const std::span<std::uint8_t> part(chunk.data(), n * kLogRecordBytes);
    if (!reader.ReadExact(std::uint64_t{first} * kLogRecordBytes, part))
      return Refused(LogRefusal::ReadFailed);
    for (std::size_t i = 0; i < n; ++i) {
      const auto record = DecodeLogRecord(part.subspan(i * kLogRecordBytes).first<kLogRecordBytes>());
      if (!record) return Refused(LogRefusal::BadYear);
      log.records.push_back(*record);
    }
  }
  FillStepDistances(log.records);
  return log;
}

ParsedLog ParseDrivingLog(std::span<const std::uint8_t> bytes) {
  SpanReader reader(bytes);
  return ParseDrivingLog(reader);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): latitude before longitude, point by point
double StepDistance(double latitude1, double longitude1, double latitude2, double longitude2) {
  if (latitude2 == latitude1 && longitude2 == longitude1) return 0;
  constexpr double a = 6378137.0;
  constexpr double b = 6356752.31414091;
  constexpr double f = 0.0033528107;
  constexpr double rad = std::numbers::pi / 180;
  const double lambda = (longitude2 - longitude1) * rad;
  const double u1 = std::atan((1 - f) * std::tan(latitude1 * rad));
  const double u2 = std::atan((1 - f) * std::tan(latitude2 * rad));
  const double sin_u1 = std::sin(u1), cos_u1 = std::cos(u1);
  const double sin_u2 = std::sin(u2), cos_u2 = std::cos(u2);
  const double sin_lambda = std::sin(lambda), cos_lambda = std::cos(lambda);
  const double cross = cos_u1 * sin_u2 - sin_u1 * cos_u2 * cos_lambda;
  const double sin2_sigma = (cos_u2 * sin_lambda) * (cos_u2 * sin_lambda) + cross * cross;
  const double sin_sigma = std::sqrt(sin2_sigma);
  const double cos_sigma = sin_u1 * sin_u2 + cos_u1 * cos_u2 * cos_lambda;
  // The single-argument arc tangent: real steps are short, and callers drop what it
  // gets wrong beyond a quarter of the globe.
  const double sigma = std::atan(sin_sigma / cos_sigma);
  const double sin_alpha = sin2_sigma == 0 ? 0 : cos_u1 * cos_u2 * sin_lambda / sin_sigma;
  const double cos_alpha = std::cos(std::asin(sin_alpha));
  const double cos2_alpha = cos_alpha * cos_alpha;
  const double cos_2sm = cos2_alpha == 0 ? 0 : cos_sigma - 2 * sin_u1 * sin_u2 / cos2_alpha;
  const double u_sq = cos2_alpha * (a * a - b * b) / (b * b);
  const double big_a = 1 + u_sq / 16384 * (4096 + u_sq * (-768 + u_sq * (320 - 175 * u_sq)));
  const double big_b = u_sq / 1024 * (256 + u_sq * (-128 + u_sq * (74 - 47 * u_sq)));
  const double delta_sigma =
      big_b * sin_sigma *
      (cos_2sm + big_b / 4 *
                     (cos_sigma * (-1 + 2 * cos_2sm * cos_2sm) -
                      big_b / 6 * cos_2sm * (-3 + 4 * sin2_sigma) * (-3 + 4 * cos_2sm * cos_2sm)));
  return b * big_a * (sigma - delta_sigma) / 1000;
}

double CountedStepDistance(const LogRecord& from, const LogRecord& to) {
  if (!from.HasFix() || !to.HasFix()) return 0;
  const double d = StepDistance(from.latitude, from.longitude, to.latitude, to.longitude);
  if (!std::isfinite(d) || d < 0 || d > kMaxStepKm) return 0;
  return d;
}

}  // namespace direvovu::map
