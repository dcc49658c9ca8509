#include "core/export/band_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "export_fixture.h"

namespace direvovu::exporting {
namespace {

using direvovu::testing::kExportStart;

const TimeModel kClock{kExportStart, 60};

TEST(BandTextTest, EachSecondShowsItsRecordAndADashForWhatIsMissing) {
  const auto lisbon = [](TrackSecond& r) {
    r.speed = 100;
    r.accelX = 0.126;
    r.accelY = -0.004;  // rounds to zero: no sign
    r.accelZ = -1.5;
  };
  struct Case {
    std::function<void(TrackSecond&)> edit;  // nullptr: no record for the second
    SpeedUnit unit;
    SecondTexts texts;
  } const cases[] = {
      {lisbon, SpeedUnit::Kmh, {"", "100 km/h", "38.70760, -9.13550", "X 0.13  Y 0.00  Z -1.50"}},
      {lisbon, SpeedUnit::Mph, {"", "62 mph", "38.70760, -9.13550", "X 0.13  Y 0.00  Z -1.50"}},
      {[](TrackSecond& r) { std::snprintf(r.latitudeText, sizeof r.latitudeText, "0000.0000"); },
       SpeedUnit::Kmh,
       {"", "0 km/h", "—", "X 0.00  Y 0.00  Z 1.00"}},
      {nullptr, SpeedUnit::Kmh, {"", "—", "—", "—"}},
  };
  for (const Case& c : cases) {
    TrackState track = direvovu::testing::MakeDisplayTrack(1);
    if (c.edit) c.edit(track.records[0]);
    SecondTexts want = c.texts;
    want.moment = "2009-08-07 15:25:33 +01:00";
    EXPECT_EQ(TextsOfSecond(kClock, 3, c.edit ? &track.records[0] : nullptr, c.unit), want) << c.texts.speed;
  }
}

TEST(BandTextTest, TwoLinesLabelledInTheLanguage) {
  const SecondTexts texts{"2012-03-14 09:05:07 +09:00", "54 km/h", "37.50000, 127.00000",
                          "X 0.01  Y 0.02  Z 1.00"};
  struct Case {
    int language;
    const char* band;
  } const cases[] = {
      {kEnglish,
       "2012-03-14 09:05:07 +09:00   Speed 54 km/h\n"
       "Position 37.50000, 127.00000   G-sensor X 0.01  Y 0.02  Z 1.00"},
      {kKorean,
       "2012-03-14 09:05:07 +09:00   속도 54 km/h\n"
       "위치 37.50000, 127.00000   G센서 X 0.01  Y 0.02  Z 1.00"},
      {kRussian,
       "2012-03-14 09:05:07 +09:00   Скорость 54 km/h\n"
       "Координаты 37.50000, 127.00000   G-датчик X 0.01  Y 0.02  Z 1.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(BandText(texts, c.language), c.band) << c.language;
}

TEST(BandTextTest, CuesAreTheSecondsOfTheSpanWithTheirBandText) {
  const TrackState track = direvovu::testing::MakeDisplayTrack(10);
  const OverlayStyle style{SpeedUnit::Kmh, kEnglish};
  const auto cues = SubtitleCues(direvovu::testing::MakeSpanSource(track, {2.5, 4.25}), style);
  ASSERT_EQ(cues.size(), 3U);
  const std::int64_t bounds[][2] = {{0, 500}, {500, 1500}, {1500, 1750}};
  for (std::size_t i = 0; i < cues.size(); ++i) {
    EXPECT_EQ(cues[i].startMs, bounds[i][0]);
    EXPECT_EQ(cues[i].endMs, bounds[i][1]);
    const SecondTexts texts =
        TextsOfSecond(kClock, 2 + static_cast<int>(i), &track.records[2 + i], style.speedUnit);
    EXPECT_EQ(cues[i].text, BandText(texts, kEnglish));
  }
}

}  // namespace
}  // namespace direvovu::exporting
