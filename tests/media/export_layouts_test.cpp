// Each layout exported from the shared pair: the span's frames exactly, H.264 4:2:0 at
// the layout's size with the front's sound, each channel's picture where the layout puts it.
#include <gtest/gtest.h>

#include "media_fixture.h"

namespace direvovu::media::test {
namespace {

struct LayoutCase {
  const char* name;
  const SamplePair& (*pair)();
  ExportLayout layout;
  bool with_rear;
  int width;
  int height;
  ExportLayout written;
  Box front;       // where the front picture is
  Box rear;        // where the rear picture is
  Box front_part;  // the part of the front seen there (empty: all of it)
};

class ExportLayouts : public testing::TestWithParam<LayoutCase> {};

// The first exported picture is the recording's at 0.6 s; each channel's place in it looks
// more like that channel's picture than like the other's.
void ExpectPictureOf(const fs::path& exported, Box box, Box part, const fs::path& shown,
                     const fs::path& other) {
  if (box.width == 0) return;
  const double like_shown = PictureDifference(exported, box, shown, 0.6, part);
  EXPECT_LT(like_shown, 12) << shown.filename();
  EXPECT_LT(like_shown * 2, PictureDifference(exported, box, other, 0.6, part)) << shown.filename();
}

TEST_P(ExportLayouts, WritesTheSpanAtTheLayoutsSizeWithEachPictureInPlace) {
  const LayoutCase& c = GetParam();
  const SamplePair& pair = c.pair();
  const fs::path output = FreshFolder() / "export.mp4";
  ExportRequest request = SpanRequest(pair, c.layout, output);
  if (!c.with_rear) request.rear.reset();
  const ExportResult result = ExportEvidenceVideo(request);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(result.layout, c.written);
  EXPECT_EQ(result.fell_back_to_front, c.written != c.layout);
  EXPECT_EQ(result.frames, kSpanFrames);

  const Probe probe = ProbeFile(output);
  const ProbedStream* video = probe.Find("video");
  const ProbedStream* audio = probe.Find("audio");
  ASSERT_NE(video, nullptr);
  EXPECT_EQ(video->codec, "h264");
  EXPECT_EQ(video->pixel_format, "yuv420p");
  EXPECT_EQ(video->width, c.width);
  EXPECT_EQ(video->height, c.height);
  EXPECT_EQ(video->frames, kSpanFrames);
  EXPECT_EQ(video->frame_rate, "10/1");
  EXPECT_EQ(result.has_audio, audio != nullptr);
  if (c.pair != &SilentPair) {
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codec, "aac");
    // From the first picture, up to a frame after the span's start, to the span's end.
    EXPECT_NEAR(audio->duration, kTo - kFrom, 0.06);
  }
  EXPECT_EQ(probe.Find("subtitle"), nullptr);
  EXPECT_EQ(probe.tags.count("location"), 0u);
  ExpectPictureOf(output, c.front, c.front_part, pair.front, pair.rear);
  ExpectPictureOf(output, c.rear, {}, pair.rear, pair.front);
}

constexpr Box kWhole{0, 0, 160, 96};
constexpr auto kSbs = ExportLayout::SideBySide;
constexpr auto kPip = ExportLayout::PictureInPicture;
constexpr auto kFront = ExportLayout::Front;
constexpr auto kRear = ExportLayout::Rear;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layouts, ExportLayouts,
    testing::Values(
        LayoutCase{"SideBySide", PlainPair, kSbs, true, 320, 96, kSbs, kWhole, {160, 0, 160, 96}, {}},
        LayoutCase{"Front", PlainPair, kFront, true, 160, 96, kFront, kWhole, {}, {}},
        LayoutCase{"Rear", PlainPair, kRear, true, 160, 96, kRear, {}, kWhole, {}},
        LayoutCase{"PictureInPicture", PlainPair, kPip, true, 160, 96, kPip, {0, 0, 100, 60}, {102, 22, 52, 30}, {0, 0, 100, 60}},
        LayoutCase{"SideBySideWithoutRear", PlainPair, kSbs, false, 160, 96, kFront, kWhole, {}, {}},
        LayoutCase{"PictureInPictureWithoutRear", PlainPair, kPip, false, 160, 96, kFront, kWhole, {}, {}},
        // The front's frame rate and frames, whatever the rear's rate.
        LayoutCase{"SideBySideRearAtTwiceTheRate", FastRearPair, kSbs, true, 320, 96, kSbs, kWhole, {160, 0, 160, 96}, {}},
        LayoutCase{"RearAtTwiceTheRate", FastRearPair, kRear, true, 160, 96, kRear, {}, kWhole, {}},
        LayoutCase{"SideBySideWithoutSound", SilentPair, kSbs, true, 320, 96, kSbs, kWhole, {160, 0, 160, 96}, {}}),
    [](const testing::TestParamInfo<LayoutCase>& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace direvovu::media::test
