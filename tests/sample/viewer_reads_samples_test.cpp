// The viewer's own readers applied to what direvovu-sample makes: the two sides must agree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/io/byte_reader.h"
#include "core/recording/embedded_track.h"
#include "core/recording/encrypted_recording.h"
#include "drive_simulation.h"
#include "mp4_layout.h"
#include "scramble.h"
#include "synthetic_mp4.h"
#include "track_box.h"

namespace direvovu::sample {
namespace {

struct Sample {
  std::vector<DriveSecond> drive;
  std::vector<std::uint8_t> file;
};

Sample MakeSample(int seconds, int no_fix_seconds) {
  DriveOptions options;
  options.seconds = seconds;
  options.no_fix_seconds = no_fix_seconds;
  Sample sample;
  sample.drive = SimulateDrive(options);
  const auto records = MakeTrackRecords(sample.drive, 1331715907);
  testing::SyntheticOptions mp4;
  mp4.timescale = 90000;  // the layout step makes it milliseconds
  mp4.duration = static_cast<std::uint32_t>(seconds) * 90000;
  sample.file = MakeCameraLayout(testing::SyntheticMp4(mp4), BuildTrackBox(records));
  return sample;
}

TEST(ViewerReadsSamples, TrackLoadsWithOneRecordASecond) {
  const Sample sample = MakeSample(60, 2);
  EXPECT_TRUE(VerifyPlainRecording(sample.file));
  SpanReader reader(sample.file);
  TrackState track;
  const auto outcome = ParseEmbeddedTrack(reader, true, track);
  ASSERT_TRUE(outcome.Loaded());
  EXPECT_EQ(outcome.durationMs, 60000u);
  ASSERT_EQ(track.count, 60);
  EXPECT_DOUBLE_EQ(track.recordsPerSecond, 1.0);
  EXPECT_EQ(LatitudeText(track.records[0]), "0");
  EXPECT_EQ(LongitudeText(track.records[1]), "0");
  for (int i = 2; i < 60; ++i) {
    const TrackSecond& r = track.records[static_cast<std::size_t>(i)];
    const DriveSecond& d = sample.drive[static_cast<std::size_t>(i)];
    EXPECT_NEAR(NmeaToDecimalDegrees(LatitudeText(r)), d.position->latitude, 2e-6) << i;
    EXPECT_NEAR(NmeaToDecimalDegrees(LongitudeText(r)), d.position->longitude, 2e-6) << i;
    EXPECT_EQ(r.speed, static_cast<int>(std::lround(d.speed_kmh * 10)) / 10) << i;
    EXPECT_FLOAT_EQ(static_cast<float>(r.accelX), static_cast<float>(d.accel_x)) << i;
    EXPECT_FLOAT_EQ(static_cast<float>(r.accelZ), static_cast<float>(d.accel_z)) << i;
  }
  const TrackSecond& last = track.records[59];
  EXPECT_EQ(last.year, 2012);
  EXPECT_EQ(last.month, 3);
  EXPECT_EQ(last.day, 14);
  EXPECT_EQ(last.hour, 9);
  EXPECT_EQ(last.minute, 6);
  EXPECT_EQ(last.second, 6);
}

TEST(ViewerReadsSamples, ScrambledFileMatchesTheViewersSchemeAndDecrypts) {
  const Sample sample = MakeSample(5, 0);
  const auto path = std::filesystem::temp_directory_path() / ("sample_viewer_" + std::to_string(getpid()));
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(sample.file.data()),
             static_cast<std::streamsize>(sample.file.size()));
  ScrambleRecordingFile(path, "abc123");
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> scrambled((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
  std::filesystem::remove(path);

  EXPECT_EQ(scrambled, ScrambleRecording(sample.file, "abc123"));
  EXPECT_TRUE(LooksEncrypted(scrambled, scrambled.size()));
  const auto parts = SplitEncryptedParts(scrambled);
  ASSERT_TRUE(parts);
  PasswordSlot slot{};
  ASSERT_TRUE(ReadPasswordBlock(parts->passwordBlock, slot));
  EXPECT_EQ(SlotText(slot), "abc123");
  const auto header = DecryptHeader(parts->header, parts->tailBlock, slot);
  ASSERT_TRUE(header);
  EXPECT_TRUE(std::equal(header->begin(), header->end(), sample.file.begin()));
}

}  // namespace
}  // namespace direvovu::sample
