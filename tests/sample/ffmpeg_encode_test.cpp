#include "ffmpeg_encode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace direvovu::sample {
namespace {

std::string Joined(const std::vector<std::string>& args) {
  std::string all;
  for (const auto& a : args) all += a + "|";
  return all;
}

bool HasPair(const std::vector<std::string>& args, const std::string& key, const std::string& value) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == key && args[i + 1] == value) return true;
  }
  return false;
}

TEST(FfmpegArguments, FrontClipWithLabelClockAndSound) {
  EncodeOptions o;
  o.channel_name = "FRONT";
  o.width = 1280;
  o.height = 720;
  o.fps = 15;
  o.seconds = 60;
  o.clock_start = 1331715907;
  o.audio = true;
  const auto args = BuildFfmpegArguments(o, "/tmp/out.part");
  const std::string all = Joined(args);
  EXPECT_NE(all.find("testsrc2=size=1280x720:rate=15"), std::string::npos);
  EXPECT_TRUE(HasPair(args, "-t", "60"));
  EXPECT_TRUE(HasPair(args, "-c:v", "libx264"));
  EXPECT_TRUE(HasPair(args, "-preset", "ultrafast"));
  EXPECT_TRUE(HasPair(args, "-pix_fmt", "yuv420p"));
  EXPECT_TRUE(HasPair(args, "-c:a", "aac"));
  EXPECT_TRUE(HasPair(args, "-brand", "mp42"));
  EXPECT_TRUE(HasPair(args, "-loglevel", "error"));
  EXPECT_NE(all.find("text='FRONT  %{pts\\:gmtime\\:1331715907\\:%F %T}'"), std::string::npos) << all;
  // moov must follow mdat: nothing may ask for faststart.
  EXPECT_EQ(all.find("faststart"), std::string::npos);
  EXPECT_EQ(args.back(), "/tmp/out.part");
  EXPECT_EQ(all.find("-b:v"), std::string::npos);
}

TEST(FfmpegArguments, RearClipMirroredSilentAndConstantRate) {
  EncodeOptions o;
  o.channel_name = "REAR";
  o.mirror = true;
  o.bitrate = "12M";
  o.draw_text = false;
  const auto args = BuildFfmpegArguments(o, "x");
  const std::string all = Joined(args);
  EXPECT_TRUE(HasPair(args, "-vf", "hflip"));
  EXPECT_EQ(all.find("aac"), std::string::npos);
  EXPECT_EQ(all.find("sine"), std::string::npos);
  EXPECT_EQ(all.find("drawtext"), std::string::npos);
  for (const char* key : {"-b:v", "-minrate", "-maxrate", "-bufsize"})
    EXPECT_TRUE(HasPair(args, key, "12M")) << key;
  EXPECT_TRUE(HasPair(args, "-x264-params", "nal-hrd=cbr:filler=1"));
}

TEST(FfmpegRun, MissingProgramAndFailureAreReported) {
  try {
    RunFfmpeg("/nonexistent/ffmpeg", {"-version"});
    FAIL() << "no error";
  } catch (const EncodeError& e) {
    EXPECT_NE(std::string(e.what()).find("ffmpeg not found"), std::string::npos) << e.what();
  }
  try {
    RunFfmpeg("false", {});
    FAIL() << "no error";
  } catch (const EncodeError& e) {
    EXPECT_NE(std::string(e.what()).find("ffmpeg failed (exit status 1)"), std::string::npos) << e.what();
  }
  EXPECT_NO_THROW(RunFfmpeg("true", {}));
  EXPECT_FALSE(CanDrawText("/nonexistent/ffmpeg"));
}

}  // namespace
}  // namespace direvovu::sample
