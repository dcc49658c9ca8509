#include "recording_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/display/event_text.h"
#include "ffmpeg_encode.h"
#include "mp4_layout.h"
#include "synthetic_mp4.h"

namespace direvovu::sample {
namespace {

namespace fs = std::filesystem;

// Runs WriteRecordings against a stand-in for ffmpeg: a script that copies a prepared file
// (or fails), so the writer's own steps are tested quickly and without video encoding.
class RecordingWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("sample_writer_" + std::to_string(getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    options_.out_dir = root_ / "out";
    options_.start = {2012, 3, 14, 9, 5, 7};
    options_.seconds = 5;
  }
  void TearDown() override {
    unsetenv("DIREVOVU_FFMPEG");
    fs::remove_all(root_);
  }

  // A fake ffmpeg that copies `output` to its last argument, then exits with `status`.
  void FakeFfmpeg(const testing::Bytes& output, int status) {
    const fs::path data = root_ / "ffmpeg_output.mp4";
    std::ofstream(data, std::ios::binary)
        .write(reinterpret_cast<const char*>(output.data()), static_cast<std::streamsize>(output.size()));
    const fs::path script = root_ / "ffmpeg";
    std::ofstream(script)
        << "#!/bin/sh\n"
        << "case \"$*\" in *-filters*) echo ' ... drawtext  V->V  Draw text'; exit 0;; esac\n"
        << "for last; do :; done\n"
        << "cp '" << data.string() << "' \"$last\"\n"
        << "exit " << status << "\n";
    fs::permissions(script, fs::perms::owner_all);
    setenv("DIREVOVU_FFMPEG", script.c_str(), 1);
  }

  std::vector<fs::path> Listing() const {
    std::vector<fs::path> names;
    if (fs::exists(options_.out_dir)) {
      for (const auto& entry : fs::directory_iterator(options_.out_dir))
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path root_;
  RecordingOptions options_;
  std::ostringstream warnings_;
};

TEST_F(RecordingWriterTest, WritesBothChannelsInTheCameraLayout) {
  FakeFfmpeg(testing::SyntheticMp4(), 0);
  const auto written = WriteRecordings(options_, warnings_);
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0], options_.out_dir / "drf0_20120314_090507.mp4");
  EXPECT_EQ(written[1], options_.out_dir / "drf1_20120314_090507.mp4");
  EXPECT_EQ(Listing(), (std::vector<fs::path>{"drf0_20120314_090507.mp4", "drf1_20120314_090507.mp4"}));
  for (const auto& path : written) {
    std::ifstream file(path, std::ios::binary);
    const testing::Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto boxes = WalkTopLevelBoxes(
        [&](std::uint64_t offset, std::span<std::uint8_t> out) {
          std::copy_n(bytes.begin() + static_cast<long>(offset), out.size(), out.begin());
          return true;
        },
        bytes.size());
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[3].type, "dvtk");
    EXPECT_EQ(boxes[3].size, 32u + 5 * (4 + 12 + 28));
  }
  EXPECT_TRUE(warnings_.str().empty()) << warnings_.str();
}

TEST_F(RecordingWriterTest, PasswordScramblesBothChannels) {
  const testing::Bytes plain = testing::SyntheticMp4();
  FakeFfmpeg(plain, 0);
  options_.password = "abc123";
  const auto written = WriteRecordings(options_, warnings_);
  ASSERT_EQ(written.size(), 2u);
  for (const auto& path : written) {
    std::ifstream file(path, std::ios::binary);
    const testing::Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), plain.size() + 32 + 32 + 5 * (4 + 12 + 28));
    EXPECT_NE(std::string(bytes.begin() + 4, bytes.begin() + 11), "ftypmp4");
  }
}

TEST_F(RecordingWriterTest, FailingFfmpegLeavesNoFiles) {
  FakeFfmpeg(testing::Bytes(100, 'x'), 1);
  EXPECT_THROW(WriteRecordings(options_, warnings_), EncodeError);
  EXPECT_TRUE(Listing().empty());
}

TEST_F(RecordingWriterTest, UnexpectedLayoutLeavesNoFiles) {
  testing::SyntheticOptions faststart;
  faststart.moov_first = true;
  FakeFfmpeg(testing::SyntheticMp4(faststart), 0);
  EXPECT_THROW(WriteRecordings(options_, warnings_), LayoutError);
  EXPECT_TRUE(Listing().empty());
}

TEST_F(RecordingWriterTest, MissingFfmpegIsReported) {
  setenv("DIREVOVU_FFMPEG", (root_ / "no-such-ffmpeg").c_str(), 1);
  options_.rear = false;
  try {
    WriteRecordings(options_, warnings_);
    FAIL() << "no error";
  } catch (const EncodeError& e) {
    EXPECT_NE(std::string(e.what()).find("ffmpeg not found"), std::string::npos);
  }
  EXPECT_TRUE(Listing().empty());
  EXPECT_NE(warnings_.str().find("no labels"), std::string::npos);
}

TEST_F(RecordingWriterTest, FrontOnlyWhenRearIsOff) {
  FakeFfmpeg(testing::SyntheticMp4(), 0);
  options_.rear = false;
  const auto written = WriteRecordings(options_, warnings_);
  EXPECT_EQ(written.size(), 1u);
  EXPECT_EQ(Listing(), std::vector<fs::path>{"drf0_20120314_090507.mp4"});
}

TEST_F(RecordingWriterTest, AnImpactIsLoggedInAnEventTextTheViewerReads) {
  FakeFfmpeg(testing::SyntheticMp4(), 0);
  options_.impact = true;
  const auto written = WriteRecordings(options_, warnings_);
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[2], options_.out_dir / "drf_20120314_090507.txt");
  std::ifstream file(written[2], std::ios::binary);
  std::ostringstream read;
  read << file.rdbuf();
  const std::string text = read.str();
  const auto entries =
      display::ParseEventText(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  ASSERT_EQ(entries.size(), 1u);
  // The impact is in the middle of the five seconds.
  EXPECT_EQ(entries[0].date, "2012-03-14");
  EXPECT_EQ(entries[0].time, "09:05:09");
  EXPECT_GT(std::max(std::fabs(entries[0].x), std::fabs(entries[0].z)), 1.4);
}

TEST_F(RecordingWriterTest, NoEventTextWithoutAnImpact) {
  FakeFfmpeg(testing::SyntheticMp4(), 0);
  options_.rear = false;
  WriteRecordings(options_, warnings_);
  EXPECT_FALSE(fs::exists(options_.out_dir / "drf_20120314_090507.txt"));
}

}  // namespace
}  // namespace direvovu::sample
