#include "core/export/band_text.h"

#include "core/display/speedometer.h"
#include "core/export/decimal_text.h"

namespace direvovu::exporting {
namespace {

constexpr int kPositionDecimals = 5;
constexpr int kGDecimals = 2;
constexpr std::string_view kGap = "   ";

std::string SpeedText(const TrackSecond& record, SpeedUnit unit) {
  const int shown = display::DisplaySpeed(record.speed, unit);
  return std::to_string(shown) + (unit == SpeedUnit::Kmh ? " km/h" : " mph");
}

std::string PositionText(const TrackSecond& record) {
  const double latitude = NmeaToDecimalDegrees(LatitudeText(record));
  const double longitude = NmeaToDecimalDegrees(LongitudeText(record));
  if (!HasFix(latitude, longitude)) return std::string(kNoValue);
  return DecimalText(latitude, kPositionDecimals) + ", " + DecimalText(longitude, kPositionDecimals);
}

std::string GSensorText(const TrackSecond& record) {
  return "X " + DecimalText(record.accelX, kGDecimals) + "  Y " + DecimalText(record.accelY, kGDecimals) +
         "  Z " + DecimalText(record.accelZ, kGDecimals);
}

std::string Labelled(int row, const std::string& value, int language) {
  return std::string(Text(TextTable::ProgramTexts, row, language)) + " " + value;
}

}  // namespace

SecondTexts TextsOfSecond(const TimeModel& time, std::int64_t second, const TrackSecond* record,
                          SpeedUnit speedUnit) {
  SecondTexts texts{MomentText(time, second), std::string(kNoValue), std::string(kNoValue),
                    std::string(kNoValue)};
  if (record == nullptr) return texts;
  texts.speed = SpeedText(*record, speedUnit);
  texts.position = PositionText(*record);
  texts.gSensor = GSensorText(*record);
  return texts;
}

std::string BandText(const SecondTexts& texts, int language) {
  namespace row = rows::program_texts;
  return texts.moment + std::string(kGap) + Labelled(row::kBandSpeed, texts.speed, language) + "\n" +
         Labelled(row::kBandPosition, texts.position, language) + std::string(kGap) +
         Labelled(row::kBandGSensor, texts.gSensor, language);
}

std::vector<SubtitleCue> SubtitleCues(const SpanSource& source, const OverlayStyle& style) {
  std::vector<SubtitleCue> cues;
  for (const SpanSecond& s : SecondsOfSpan(source)) {
    if (s.endMs <= s.startMs) continue;
    const SecondTexts texts = TextsOfSecond(source.time, s.second, s.record, style.speedUnit);
    cues.push_back({s.startMs, s.endMs, BandText(texts, style.language)});
  }
  return cues;
}

}  // namespace direvovu::exporting
