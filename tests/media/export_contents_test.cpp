// What an export carries besides the pictures: the timed-text track and the container's
// tags, the index ahead of the data, the burned-in overlay, scrambled recordings read
// through their plain header, and the progress it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/recording/encrypted_recording.h"
#include "media_fixture.h"
#include "temp_folder.h"

namespace direvovu::media::test {
namespace {

// A red box over the top left corner, all the time.
constexpr const char* kRedBoxScript =
    "[Script Info]\nScriptType: v4.00+\nPlayResX: 160\nPlayResY: 96\n\n[V4+ Styles]\n"
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
    "Italic, "
    "Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
    "MarginR, MarginV, Encoding\n"
    "Style: Box,Noto Sans CJK "
    "KR,20,&H000000FF,&H000000FF,&H000000FF,&H00000000,0,0,0,0,100,100,0,0,1,0,0,7,0,0,0,1\n"
    "\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
    "Dialogue: 0,0:00:00.00,0:00:10.00,Box,,0,0,0,,{\\pos(0,0)\\p1}m 0 0 l 40 0 40 30 0 30{\\p0}\n";

std::vector<std::uint8_t> PlainHead(const fs::path& scrambled) {
  std::ifstream in(scrambled, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  const auto parts = SplitEncryptedParts(bytes);
  const auto header = DecryptHeader(parts->header, parts->tailBlock, *MakePasswordSlot(kSamplePassword));
  return {header->begin(), header->end()};
}

TEST(ExportContents, TimedTextTagsAndIndexFirst) {
  const fs::path output = FreshFolder() / "export.mp4";
  ExportRequest request = SpanRequest(PlainPair(), ExportLayout::SideBySide, output);
  // The first picture is 50 ms after the span start: the cues move with it.
  request.cues = {{600, 1000, "second"}, {0, 500, "서울 Seoul\nline two"}, {1300, 2000, "after the end"}};
  request.creation_time = "2012-03-14T00:05:07Z";
  request.location = "+37.5665+126.9780/";
  ASSERT_TRUE(ExportEvidenceVideo(request).ok);

  const Probe probe = ProbeFile(output);
  const ProbedStream* text = probe.Find("subtitle");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->codec, "mov_text");
  EXPECT_EQ(text->frames, 2);
  EXPECT_EQ(probe.tags.at("creation_time").rfind("2012-03-14T00:05:07", 0), 0u);
  EXPECT_EQ(probe.tags.at("location"), "+37.5665+126.9780/");
  const auto& boxes = probe.top_boxes;
  const auto moov = std::find(boxes.begin(), boxes.end(), "moov");
  EXPECT_LT(moov, std::find(boxes.begin(), boxes.end(), "mdat"));

  std::string srt =
      RunCommand({"ffmpeg", "-v", "error", "-i", output.string(), "-map", "0:s", "-f", "srt", "-"}).output;
  std::erase(srt, '\r');
  EXPECT_NE(srt.find("00:00:00,000 --> 00:00:00,450"), std::string::npos) << srt;
  EXPECT_NE(srt.find("서울 Seoul\nline two"), std::string::npos) << srt;
  EXPECT_NE(srt.find("00:00:00,550 --> 00:00:00,950"), std::string::npos) << srt;
  EXPECT_EQ(srt.find("after the end"), std::string::npos) << srt;
}

TEST(ExportContents, OverlayScriptIsBurnedIn) {
  const fs::path folder = FreshFolder();
  WriteText(folder / "overlay.ass", kRedBoxScript);
  ExportRequest request = SpanRequest(PlainPair(), ExportLayout::Front, folder / "with.mp4");
  request.overlay_script = folder / "overlay.ass";
  ASSERT_TRUE(ExportEvidenceVideo(request).ok);
  request.overlay_script.clear();
  request.output = folder / "without.mp4";
  ASSERT_TRUE(ExportEvidenceVideo(request).ok);

  const std::vector<int> with = PixelOfFirstPicture(folder / "with.mp4", 10, 10);
  ASSERT_EQ(with.size(), 3u);
  EXPECT_GT(with[0], 200);
  EXPECT_LT(with[1], 60);
  EXPECT_LT(with[2], 60);
  EXPECT_NE(PixelOfFirstPicture(folder / "without.mp4", 10, 10), with);
}

TEST(ExportContents, ScrambledPairIsReadThroughItsPlainHeaders) {
  const SamplePair& pair = ScrambledPair();
  const fs::path folder = FreshFolder();
  ExportRequest request = SpanRequest(pair, ExportLayout::SideBySide, folder / "export.mp4");
  request.front.plain_head = PlainHead(pair.front);
  request.rear->plain_head = PlainHead(pair.rear);
  const ExportResult result = ExportEvidenceVideo(request);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(ProbeFile(request.output).Find("video")->frames, kSpanFrames);
  EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"export.mp4"});
}

TEST(ExportContents, ProgressRisesFromTheFirstPictureToOneEveryHalfSecond) {
  std::vector<double> reported;
  const ExportRequest request = SpanRequest(PlainPair(), ExportLayout::Front, FreshFolder() / "export.mp4");
  ASSERT_TRUE(ExportEvidenceVideo(request, [&](double fraction) { reported.push_back(fraction); }).ok);
  ASSERT_FALSE(reported.empty());
  EXPECT_DOUBLE_EQ(reported.front(), 1.0 / kSpanFrames);
  EXPECT_DOUBLE_EQ(reported.back(), 1.0);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  // 1.2 s of output: the first picture, after 0.5 and 1 s of it, and the end.
  EXPECT_GE(reported.size(), 4u);
}

}  // namespace
}  // namespace direvovu::media::test
