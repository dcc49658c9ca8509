#include "core/export/time_model.h"

#include <cmath>
#include <cstdlib>

#include "core/printf_text.h"

namespace direvovu::exporting {
namespace {

constexpr int kOffsetStepMinutes = 15;
constexpr int kFirstPlausibleYear = 2000;

}  // namespace

std::optional<CivilTime> RecordUtcTime(const TrackSecond& record) {
  const CivilTime time{record.year, record.month, record.day, record.hour, record.minute, record.second};
  if (time.year < kFirstPlausibleYear || !IsValidCivilTime(time)) return std::nullopt;
  return time;
}

std::optional<int> UtcOffsetMinutes(const CivilTime& start, std::span<const TrackSecond> records) {
  for (std::size_t k = 0; k < records.size(); ++k) {
    const auto utc = RecordUtcTime(records[k]);
    if (!utc) continue;
    const std::int64_t local = SecondsSinceEpoch(start) + static_cast<std::int64_t>(k);
    const double steps = static_cast<double>(local - SecondsSinceEpoch(*utc)) / (kOffsetStepMinutes * 60);
    // Compared as a double first: a wild clock must not overflow the int.
    const double minutes = std::round(steps) * kOffsetStepMinutes;
    if (std::fabs(minutes) > kMaxUtcOffsetMinutes) return std::nullopt;
    return static_cast<int>(minutes);
  }
  return std::nullopt;
}

TimeModel MakeTimeModel(const CivilTime& start, std::span<const TrackSecond> records) {
  return {start, UtcOffsetMinutes(start, records)};
}

CivilTime LocalTimeAt(const TimeModel& model, std::int64_t second) { return AddSeconds(model.start, second); }

std::optional<CivilTime> UtcTimeAt(const TimeModel& model, std::int64_t second) {
  if (!model.utcOffsetMinutes) return std::nullopt;
  return AddSeconds(model.start, second - std::int64_t{*model.utcOffsetMinutes} * 60);
}

std::string MomentText(const TimeModel& model, std::int64_t second) {
  std::string text = CivilTimeText(LocalTimeAt(model, second));
  if (model.utcOffsetMinutes) text += " " + UtcOffsetText(*model.utcOffsetMinutes);
  return text;
}

std::string UtcOffsetText(int minutes) {
  const int magnitude = std::abs(minutes);
  return PrintfText("%c%02d:%02d", minutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
}

std::string CivilTimeText(const CivilTime& t) {
  return PrintfText("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string IsoUtcText(const CivilTime& t) {
  return PrintfText("%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace direvovu::exporting
