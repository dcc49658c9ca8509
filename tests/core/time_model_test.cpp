#include "core/export/time_model.h"

#include <gtest/gtest.h>

#include <optional>

#include "export_fixture.h"

namespace direvovu::exporting {
namespace {

using direvovu::testing::kExportStart;
using direvovu::testing::MakeDisplayTrack;

// The track's UTC starts at 14:25:30; `shift` seconds move it, `withoutTime` records lose it.
TrackState TrackShiftedBy(int shift, int withoutTime = 0) {
  return MakeDisplayTrack(5, 1.0, [=](int i, TrackSecond& r) {
    const CivilTime utc = AddSeconds({r.year, r.month, r.day, r.hour, r.minute, r.second}, shift);
    CopyCivilFields(i < withoutTime ? CivilTime{1970, 1, 1, 0, 0, i} : utc, r);
  });
}

TEST(TimeModelTest, OffsetIsTheNameMinusTheFirstTrackTimeInQuarterHours) {
  struct Case {
    int shift;        // seconds added to the track's UTC
    int withoutTime;  // leading records with no time (zeros, read as 1970)
    std::optional<int> minutes;
  } const cases[] = {
      {0, 0, 60},
      {-3600 * 8, 0, 9 * 60},
      {3600 * 4 + 30 * 60, 0, -3 * 60 - 30},
      {-4 * 3600 - 45 * 60 + 20, 0, 5 * 60 + 45},  // a clock 20 s slow still reads +05:45
      {-7 * 60, 0, 60},                            // 7 min rounds down
      {-8 * 60, 0, 75},                            // 8 min rounds up
      {-450, 0, 75},                               // 67.5 min: halves round up
      {-450, 3, 75},                               // record 3 belongs to second 3
      {-13 * 3600, 0, 14 * 60},
      {-13 * 3600 - 16 * 60, 0, std::nullopt},  // beyond +14 h: a wrong clock
      {15 * 3600 + 8 * 60, 0, std::nullopt},
      {0, 5, std::nullopt},
  };
  for (const Case& c : cases) {
    const TrackState track = TrackShiftedBy(c.shift, c.withoutTime);
    EXPECT_EQ(UtcOffsetMinutes(kExportStart, track.Records()), c.minutes) << c.shift << " " << c.withoutTime;
  }
}

TEST(TimeModelTest, SecondKIsTheNamesTimePlusKAndUtcTakesTheOffsetOff) {
  struct Case {
    CivilTime start;
    std::optional<int> offset;
    std::int64_t second;
    CivilTime local;
    std::optional<CivilTime> utc;
  } const cases[] = {
      {{2012, 3, 14, 9, 5, 7}, 540, 0, {2012, 3, 14, 9, 5, 7}, CivilTime{2012, 3, 14, 0, 5, 7}},
      {{2012, 3, 14, 9, 5, 7}, 540, 53, {2012, 3, 14, 9, 6, 0}, CivilTime{2012, 3, 14, 0, 6, 0}},
      {{2012, 12, 31, 23, 59, 50}, -210, 15, {2013, 1, 1, 0, 0, 5}, CivilTime{2013, 1, 1, 3, 30, 5}},
      {{2012, 3, 1, 0, 0, 0}, std::nullopt, -1, {2012, 2, 29, 23, 59, 59}, std::nullopt},
  };
  for (const Case& c : cases) {
    const TimeModel model{c.start, c.offset};
    EXPECT_EQ(LocalTimeAt(model, c.second), c.local) << c.second;
    EXPECT_EQ(UtcTimeAt(model, c.second), c.utc) << c.second;
  }
}

TEST(TimeModelTest, MomentTextCarriesTheOffsetOnlyWhenKnown) {
  const CivilTime start{2012, 3, 14, 9, 5, 7};
  struct Case {
    std::optional<int> offset;
    const char* text;
  } const cases[] = {
      {540, "2012-03-14 09:05:08 +09:00"},
      {-210, "2012-03-14 09:05:08 -03:30"},
      {0, "2012-03-14 09:05:08 +00:00"},
      {std::nullopt, "2012-03-14 09:05:08"},
  };
  for (const Case& c : cases) EXPECT_EQ(MomentText({start, c.offset}, 1), c.text);
  EXPECT_EQ(IsoUtcText(start), "2012-03-14T09:05:07Z");
}

}  // namespace
}  // namespace direvovu::exporting
