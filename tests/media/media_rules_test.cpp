// The export's rules that need no recording: when a recording stops being one steady
// video, and how cues reach the timed-text track.
#include <gtest/gtest.h>

#include "media/steady_video.h"
#include "media/subtitle_cues.h"

namespace direvovu::media {
namespace {

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
  EXPECT_EQ(arranged[0].startMs, 0);
  EXPECT_EQ(arranged[0].endMs, 950);
  EXPECT_EQ(arranged[0].text, "a");
  EXPECT_EQ(arranged[1].startMs, 950);
  EXPECT_EQ(arranged[1].endMs, 1950);
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
