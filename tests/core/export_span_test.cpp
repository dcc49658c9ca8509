#include "core/export/export_span.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "export_fixture.h"

namespace direvovu::exporting {
namespace {

TEST(ExportSpanTest, ProblemsNameTheRecordingsLength) {
  struct Case {
    ExportSpan span;
    std::optional<std::string> problem;
  } const cases[] = {
      {{0, 60}, std::nullopt},
      {{59.5, 60}, std::nullopt},
      {{70, 80}, "the span 70–80 s lies outside the recording (60.0 s)"},
      {{-20, -10}, "the span -20–-10 s lies outside the recording (60.0 s)"},
      {{12.5, 12.5}, "the span 12.5–12.5 s is empty (the recording is 60.0 s)"},
      {{30, 20}, "the span 30–20 s ends before it starts (the recording is 60.0 s)"},
      {{-0.25, 10}, "the span -0.25–10 s starts before the recording (60.0 s)"},
      {{50, 60.001}, "the span 50–60.001 s runs past the end of the recording (60.0 s)"},
      {{0, std::nan("")}, "the span is not a pair of numbers of seconds (the recording is 60.0 s)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SpanProblem(c.span, 60), c.problem) << c.span.from << " " << c.span.to;
}

TEST(ExportSpanTest, DefaultIsTenSecondsEitherSideOfThePositionInsideTheRecording) {
  struct Case {
    double position;
    ExportSpan span;
  } const cases[] = {
      {30, {20, 40}}, {4.5, {0, 14.5}}, {55, {45, 60}}, {-3, {0, 10}}, {90, {50, 60}},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultSpan(c.position, 60), c.span) << c.position;
}

TEST(ExportSpanTest, SecondsRunFromFloorFromToCeilToCutToTheSpan) {
  struct Second {
    std::int64_t second, startMs, endMs;
    bool hasRecord;
  };
  struct Case {
    ExportSpan span;
    int records;
    std::vector<Second> seconds;
  } const cases[] = {
      {{2, 4}, 10, {{2, 0, 1000, true}, {3, 1000, 2000, true}}},
      {{2.5, 4.25}, 10, {{2, 0, 500, true}, {3, 500, 1500, true}, {4, 1500, 1750, true}}},
      {{8.5, 11}, 10, {{8, 0, 500, true}, {9, 500, 1500, true}, {10, 1500, 2500, false}}},
      {{3, 3}, 10, {}},
      {{-1, 2}, 10, {}},
      {{1e300, 2e300}, 10, {}},  // beyond any recording: no count of seconds to make
  };
  for (const Case& c : cases) {
    const TrackState track = direvovu::testing::MakeDisplayTrack(c.records);
    const auto seconds = SecondsOfSpan(direvovu::testing::MakeSpanSource(track, c.span));
    ASSERT_EQ(seconds.size(), c.seconds.size()) << c.span.from;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
      const Second& want = c.seconds[i];
      EXPECT_EQ(seconds[i].second, want.second);
      EXPECT_EQ(seconds[i].startMs, want.startMs) << want.second;
      EXPECT_EQ(seconds[i].endMs, want.endMs) << want.second;
      EXPECT_EQ(seconds[i].record,
                want.hasRecord ? &track.records[static_cast<std::size_t>(want.second)] : nullptr);
    }
  }
}

}  // namespace
}  // namespace direvovu::exporting
