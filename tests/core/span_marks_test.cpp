#include "core/export/span_marks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace direvovu::exporting {
namespace {

constexpr double kLength = 60;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

enum class Key { In, Out };
struct Press {
  Key key;
  double position;
};

SpanMarks Pressed(const std::vector<Press>& presses, double length = kLength) {
  SpanMarks marks;
  for (const Press& press : presses) {
    marks =
        press.key == Key::In ? MarkIn(marks, press.position, length) : MarkOut(marks, press.position, length);
  }
  return marks;
}

TEST(SpanMarksTest, KeysMakeTheMarksTheLastPressWinning) {
  struct Case {
    const char* what;
    std::vector<Press> presses;
    SpanMarks marks;
    std::optional<ExportSpan> span;
  } const cases[] = {
      {"nothing marked", {}, {}, std::nullopt},
      {"start and end", {{Key::In, 12.5}, {Key::Out, 20}}, {12.5, 20}, ExportSpan{12.5, 20}},
      {"end first, then start", {{Key::Out, 20}, {Key::In, 12.5}}, {12.5, 20}, ExportSpan{12.5, 20}},
      {"start alone runs to the end", {{Key::In, 50}}, {50, std::nullopt}, ExportSpan{50, 60}},
      {"end alone runs from the start", {{Key::Out, 8}}, {std::nullopt, 8}, ExportSpan{0, 8}},
      {"a start after the end drops the end",
       {{Key::Out, 20}, {Key::In, 30}},
       {30, std::nullopt},
       ExportSpan{30, 60}},
      {"an end before the start drops the start",
       {{Key::In, 30}, {Key::Out, 20}},
       {std::nullopt, 20},
       ExportSpan{0, 20}},
      {"an end on the start drops the start",
       {{Key::In, 30}, {Key::Out, 30}},
       {std::nullopt, 30},
       ExportSpan{0, 30}},
      {"a second start moves it",
       {{Key::In, 10}, {Key::Out, 40}, {Key::In, 15}},
       {15, 40},
       ExportSpan{15, 40}},
      {"past the end is clipped", {{Key::In, 10}, {Key::Out, 75}}, {10, 60}, ExportSpan{10, 60}},
      {"before the start is clipped", {{Key::In, -4}, {Key::Out, 5}}, {0, 5}, ExportSpan{0, 5}},
      {"a start on the very end makes no span", {{Key::In, 60}}, {60, std::nullopt}, std::nullopt},
      {"an end on the very start makes no span", {{Key::Out, 0}}, {std::nullopt, 0}, std::nullopt},
      {"a position that is no number changes nothing",
       {{Key::In, 10}, {Key::Out, kNaN}},
       {10, std::nullopt},
       ExportSpan{10, 60}},
  };
  for (const Case& c : cases) {
    const SpanMarks marks = Pressed(c.presses);
    EXPECT_EQ(marks, c.marks) << c.what;
    EXPECT_EQ(MarkedSpan(marks, kLength), c.span) << c.what;
  }
}

TEST(SpanMarksTest, NothingIsMarkedWithoutARecording) {
  for (const double length : {0.0, -1.0, kNaN}) {
    EXPECT_EQ(Pressed({{Key::In, 3}, {Key::Out, 5}}, length), SpanMarks{}) << length;
    EXPECT_EQ(MarkedSpan({3, 5}, length), std::nullopt) << length;
  }
}

// Marks of a longer recording are cut to a shorter one rather than trusted.
TEST(SpanMarksTest, MarkedSpanIsClippedToTheLengthItIsAskedFor) {
  EXPECT_EQ(MarkedSpan({10, 50}, 30), (ExportSpan{10, 30}));
  EXPECT_EQ(MarkedSpan({40, 50}, 30), std::nullopt);
}

TEST(SpanMarksTest, TheExportStartsFromTheMarksElseAroundThePosition) {
  struct Case {
    SpanMarks marks;
    double position;
    ExportSpan span;
  } const cases[] = {
      {{12, 20}, 45, {12, 20}}, {{50, std::nullopt}, 5, {50, 60}},  {{}, 30, {20, 40}}, {{}, 4, {0, 14}},
      {{}, 58, {48, 60}},       {{60, std::nullopt}, 30, {20, 40}},  // the marks make no span: the position
                                                                     // decides
  };
  for (const Case& c : cases) EXPECT_EQ(SpanToExport(c.marks, c.position, kLength), c.span) << c.position;
}

}  // namespace
}  // namespace direvovu::exporting
