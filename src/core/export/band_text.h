#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/export/export_span.h"
#include "core/export/time_model.h"
#include "core/recording/track_state.h"
#include "core/settings/speed_unit.h"
#include "core/settings/texts.h"

namespace direvovu::exporting {

// How the texts over an exported clip read.
struct OverlayStyle {
  SpeedUnit speedUnit = SpeedUnit::Kmh;
  int language = kDefaultLanguage;
};

// What one second of the span shows, each text plain; "—" where the track has nothing.
struct SecondTexts {
  std::string moment;    // "2012-03-14 09:05:07 +09:00"
  std::string speed;     // "54 km/h", "33 mph"
  std::string position;  // "37.51234, 127.02345" (decimal degrees)
  std::string gSensor;   // "X 0.01  Y -0.02  Z 1.00"

  friend bool operator==(const SecondTexts&, const SecondTexts&) = default;
};
inline constexpr std::string_view kNoValue = "—";

SecondTexts TextsOfSecond(const TimeModel& time, std::int64_t second, const TrackSecond* record,
                          SpeedUnit speedUnit);

// The band's two lines, labelled in the language, "\n" between them: the moment and the
// speed, then the position and the G-sensor.
std::string BandText(const SecondTexts& texts, int language);

// A timed text of the clip's subtitle track: the band's text of one second.
struct SubtitleCue {
  std::int64_t startMs = 0;  // from the span's start
  std::int64_t endMs = 0;
  std::string text;

  friend bool operator==(const SubtitleCue&, const SubtitleCue&) = default;
};
std::vector<SubtitleCue> SubtitleCues(const SpanSource& source, const OverlayStyle& style);

}  // namespace direvovu::exporting
