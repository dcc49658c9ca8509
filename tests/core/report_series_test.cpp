#include "core/export/report_series.h"

#include <gtest/gtest.h>

#include "export_fixture.h"

namespace direvovu::exporting {
namespace {

using direvovu::testing::MakeDisplayTrack;
using direvovu::testing::MakeSpanSource;

// Five records; record 1 has no fix and record 3 the hardest jolt.
TrackState FiveRecords() {
  return MakeDisplayTrack(5, 1.0, [](int i, TrackSecond& r) {
    if (i == 1) r.latitudeText[0] = '\0';
    if (i == 3) r.accelZ = 2.5;
  });
}

TEST(ReportSeriesTest, OneValueASecondAndTheRouteOfItsFixes) {
  const TrackState track = FiveRecords();
  const struct {
    ExportSpan span;
    std::vector<std::optional<double>> speeds;
    std::size_t fixes;
    std::int64_t peak;
  } cases[] = {
      {{0, 5}, {0.0, 1.0, 2.0, 3.0, 4.0}, 4, 3},
      {{1, 3}, {1.0, 2.0}, 1, 2},                                // starts at the second without a fix
      {{3.5, 7}, {3.0, 4.0, std::nullopt, std::nullopt}, 2, 3},  // the track ends before the span
      {{5, 7}, {std::nullopt, std::nullopt}, 0, 5},              // no record at all: its first second
  };
  for (const auto& c : cases) {
    IncidentFacts facts;
    FillTrackFacts(MakeSpanSource(track, c.span), facts);
    EXPECT_EQ(facts.speed_kmh, c.speeds) << c.span.from;
    EXPECT_EQ(facts.g_magnitude.size(), c.speeds.size()) << c.span.from;
    EXPECT_EQ(facts.route.size(), c.fixes) << c.span.from;
    EXPECT_EQ(facts.start_place.has_value(), c.fixes > 0) << c.span.from;
    EXPECT_EQ(PeakGSecond(MakeSpanSource(track, c.span)), c.peak) << c.span.from;
  }
  IncidentFacts facts;
  FillTrackFacts(MakeSpanSource(track, {0, 5}), facts);
  ASSERT_TRUE(facts.start_place);
  EXPECT_NEAR(facts.start_place->latitude, 38.7076, 1e-6);
  EXPECT_NEAR(facts.start_place->longitude, -9.1355, 1e-6);
}

}  // namespace
}  // namespace direvovu::exporting
