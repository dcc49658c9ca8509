// The export's rules that need no recording: where each picture goes, when a recording
// stops being one steady video, and how cues reach the timed-text track.
#include <gtest/gtest.h>

#include "media/compose_plan.h"
#include "media/steady_video.h"
#include "media/subtitle_cues.h"

namespace direvovu::media {
namespace {

struct PlanCase {
  ExportLayout layout;
  PictureSize front;
  std::optional<PictureSize> rear;
  ExportLayout written;
  PictureSize output;
  PictureSize front_shown;
  PictureSize rear_shown;
  int rear_x;
  int rear_y;
};

TEST(ComposePlan, PlacesEachPictureAtEvenSizes) {
  const PictureSize hd{1280, 720};
  const PictureSize vga{640, 480};
  const auto sbs = ExportLayout::kSideBySide;
  const auto pip = ExportLayout::kPictureInPicture;
  const auto front = ExportLayout::kFront;
  const auto rear = ExportLayout::kRear;
  // clang-format off
  const PlanCase cases[] = {
      {sbs, hd, hd, sbs, {2560, 720}, hd, hd, 1280, 0},
      // The rear at the front's height, its aspect kept.
      {sbs, hd, vga, sbs, {2240, 720}, hd, {960, 720}, 1280, 0},
      {sbs, {1281, 721}, PictureSize{641, 361}, sbs, {2558, 720}, hd, {1278, 720}, 1280, 0},
      {sbs, hd, std::nullopt, front, hd, hd, {}, 0, 0},
      {pip, hd, hd, pip, hd, hd, {426, 240}, 842, 384},  // above the text band
      {pip, hd, vga, pip, hd, hd, {426, 320}, 842, 304},
      // A rear taller than wide keeps within the picture.
      {pip, hd, PictureSize{480, 1920}, pip, hd, hd, {60, 240}, 1208, 384},
      {pip, hd, std::nullopt, front, hd, hd, {}, 0, 0},
      {front, hd, vga, front, hd, hd, {}, 0, 0},
      {rear, hd, PictureSize{641, 481}, rear, vga, {}, vga, 0, 0},
  };
  // clang-format on
  for (const PlanCase& c : cases) {
    const ComposePlan plan = PlanComposition(c.layout, c.front, c.rear);
    const std::string row =
        std::string(LayoutName(c.layout)) + " " + std::to_string(c.front.width) + " " +
        (c.rear ? std::to_string(c.rear->width) + "x" + std::to_string(c.rear->height) : "-");
    EXPECT_EQ(plan.layout, c.written) << row;
    EXPECT_EQ(plan.fell_back_to_front, c.layout != c.written) << row;
    EXPECT_EQ(plan.output, c.output) << row << " " << plan.output.width << "x" << plan.output.height;
    EXPECT_EQ(plan.front, c.front_shown) << row;
    EXPECT_EQ(plan.rear, c.rear_shown) << row << " " << plan.rear.width << "x" << plan.rear.height;
    EXPECT_EQ(plan.rear_x, c.rear_x) << row;
    EXPECT_EQ(plan.rear_y, c.rear_y) << row;
  }
}

struct Picture {
  int width;
  double seconds;
};

TEST(SteadyVideo, NamesTheFirstChangeOfSizeOrRate) {
  const struct {
    const char* name;
    std::vector<Picture> pictures;
    std::optional<std::string> change;
  } cases[] = {
      {"steady", {{64, 0.0}, {64, 0.1}, {64, 0.2}, {64, 0.3}}, std::nullopt},
      {"jitter within half a frame", {{64, 0.0}, {64, 0.1}, {64, 0.24}, {64, 0.3}}, std::nullopt},
      {"size", {{64, 0.0}, {64, 0.1}, {32, 0.2}}, "changes its picture size at 0.20 s"},
      {"skipped picture", {{64, 0.0}, {64, 0.1}, {64, 0.3}}, "changes its frame rate at 0.30 s"},
      {"doubled rate", {{64, 1.0}, {64, 1.1}, {64, 1.15}}, "changes its frame rate at 1.15 s"},
      {"backwards", {{64, 0.0}, {64, 0.1}, {64, 0.1}}, "has pictures out of time order at 0.10 s"},
  };
  for (const auto& c : cases) {
    SteadyVideo steady;
    std::optional<std::string> change;
    for (const Picture& p : c.pictures) {
      change = steady.Next({p.width, 48, 0}, p.seconds);
      if (change) break;
    }
    EXPECT_EQ(change, c.change) << c.name;
  }
}

TEST(SubtitleCues, AreShiftedCutSortedAndJoined) {
  const std::vector<SubtitleCue> cues{
      {1000, 2000, "b"}, {0, 1000, "a"}, {1000, 1500, "b2"}, {4000, 5000, "after"}, {-500, 40, "before"}};
  const std::vector<SubtitleCue> arranged = ArrangeCues(cues, 50, 3000);
  ASSERT_EQ(arranged.size(), 2u);
  EXPECT_EQ(arranged[0].start_ms, 0);
  EXPECT_EQ(arranged[0].end_ms, 950);
  EXPECT_EQ(arranged[0].text, "a");
  EXPECT_EQ(arranged[1].start_ms, 950);
  EXPECT_EQ(arranged[1].end_ms, 1950);
  EXPECT_EQ(arranged[1].text, "b\nb2");
}

TEST(SubtitleCues, TextKeepsItsBackslashesAndBraces) {
  const struct {
    const char* text;
    const char* dialogue;
  } cases[] = {
      {"one\ntwo", "one\\Ntwo"},
      {"one\r\ntwo", "one\\Ntwo"},
      {"C:\\new", "C:\\\u2060new"},
      {"{\\b1}", "{\u2060\\b1}"},
      {"90 km/h {ok} \\ 서울", "90 km/h {ok} \\ 서울"},
  };
  for (const auto& c : cases) EXPECT_EQ(AssDialogueText(c.text), c.dialogue) << c.text;
}

}  // namespace
}  // namespace direvovu::media
