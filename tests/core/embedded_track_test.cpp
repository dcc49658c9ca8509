#include "core/recording/embedded_track.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/settings/texts.h"
#include "track_file_builder.h"

namespace direvovu {
namespace {

using testing::BuildTrackFile;
using testing::MakeTrackSpec;
using testing::PutBigEndian32;
using testing::TrackFile;
using testing::TrackFileSpec;

TrackParseOutcome Parse(const std::vector<std::uint8_t>& bytes, TrackState& track, bool full = true) {
  SpanReader reader(bytes);
  return ParseEmbeddedTrack(reader, full, track);
}

TrackParseOutcome Parse(const std::vector<std::uint8_t>& bytes, bool full = true) {
  TrackState track;
  return Parse(bytes, track, full);
}

TEST(EmbeddedTrackTest, ReadsEveryFieldOfEachRecord) {
  TrackFileSpec layout = MakeTrackSpec(3);
  layout.sens[2] = {0.5f, -1.25f, 2.0f};
  layout.gps[1] = {"-3723.4567", "-12658.1234", 1234};
  TrackState track;
  const auto outcome = Parse(BuildTrackFile(layout).bytes, track);

  ASSERT_EQ(outcome.result, ParseResult::Loaded);
  EXPECT_FALSE(ParseMessage(outcome.result));
  EXPECT_EQ(outcome.durationMs, 3000u);
  ASSERT_EQ(track.count, 3);
  EXPECT_DOUBLE_EQ(track.recordsPerSecond, 1.0);
  const TrackSecond& r = track.records[1];
  EXPECT_EQ(r.year, 2009);
  EXPECT_EQ(r.month, 8);
  EXPECT_EQ(r.day, 7);
  EXPECT_EQ(r.hour, 14);
  EXPECT_EQ(r.minute, 25);
  EXPECT_EQ(r.second, 31);
  EXPECT_STREQ(r.latitudeText, "-3723.4567");
  EXPECT_STREQ(r.longitudeText, "-12658.1234");
  EXPECT_EQ(r.speed, 123);  // tenths, truncated
  EXPECT_DOUBLE_EQ(track.records[2].accelX, 0.5);
  EXPECT_DOUBLE_EQ(track.records[2].accelY, -1.25);
  EXPECT_DOUBLE_EQ(track.records[2].accelZ, 2.0);
  EXPECT_DOUBLE_EQ(track.peakMagnitude, 2.0);  // |(0.5, -1.25, 2)| > 2 is capped
}

TEST(EmbeddedTrackTest, BreaksTimesDownAsUtcWithoutTouchingTheEnvironment) {
  TrackFileSpec layout = MakeTrackSpec(4);
  layout.times = {0u, 951782400u /* 2000-02-29 */, 4107542399u /* 2100-02-28 23:59:59 */, 4294967295u};
  TrackState track;
  ASSERT_TRUE(Parse(BuildTrackFile(layout).bytes, track).Loaded());
  const auto date = [&](int i) {
    const auto& r = track.records[static_cast<std::size_t>(i)];
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", r.year, r.month, r.day, r.hour,
                  r.minute, r.second);
    return std::string(text);
  };
  EXPECT_EQ(date(0), "1970-01-01 00:00:00");
  EXPECT_EQ(date(1), "2000-02-29 00:00:00");
  EXPECT_EQ(date(2), "2100-02-28 23:59:59");
  EXPECT_EQ(date(3), "2106-02-07 06:28:15");
  EXPECT_EQ(std::getenv("TZ"), nullptr);
}

TEST(EmbeddedTrackTest, HonoursTheMovieTimescale) {
  TrackFileSpec layout = MakeTrackSpec(60);
  layout.timescale = 90000;
  layout.duration = 90000 * 120;  // two minutes
  TrackState track;
  const auto outcome = Parse(BuildTrackFile(layout).bytes, track);
  ASSERT_TRUE(outcome.Loaded());
  EXPECT_EQ(outcome.durationMs, 120000u);
  EXPECT_DOUBLE_EQ(track.recordsPerSecond, 0.5);
}

TEST(EmbeddedTrackTest, CheckOnlyStopsAfterTheMovieHeader) {
  TrackFileSpec layout = MakeTrackSpec(5);
  layout.sensType = "XXXX";  // would not load in full
  TrackState track;
  track.count = 7;
  const auto outcome = Parse(BuildTrackFile(layout).bytes, track, /*full=*/false);
  EXPECT_TRUE(outcome.Loaded());
  EXPECT_EQ(outcome.durationMs, 5000u);
  EXPECT_EQ(track.count, 7);  // untouched
}

// Every structural fault before the track box refuses the file with "illegal file".
TEST(EmbeddedTrackTest, RefusesFilesThatAreNotCameraRecordings) {
  const TrackFile good = BuildTrackFile(MakeTrackSpec(2));
  struct Case {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> spoil;
  };
  const std::vector<Case> cases = {
      {"empty", [](auto& b) { b.clear(); }},
      {"ftyp size 0", [](auto& b) { PutBigEndian32(b, 0, 0); }},
      {"ftyp size past the end", [](auto& b) { PutBigEndian32(b, 0, 0xFFFFFFF0u); }},
      {"other brand", [&](auto& b) { b[8] = 'i'; }},
      {"other first box", [&](auto& b) { b[4] = 'x'; }},
      {"mdat size 0", [&](auto& b) { PutBigEndian32(b, good.mdat, 0); }},
      {"mdat size below its header", [&](auto& b) { PutBigEndian32(b, good.mdat, 4); }},
      {"mdat size past the end", [&](auto& b) { PutBigEndian32(b, good.mdat, 0x7FFFFFFFu); }},
      {"no mdat", [&](auto& b) { b[good.mdat + 4] = 'f'; }},
      {"moov not next", [&](auto& b) { b[good.moov + 4] = 'f'; }},
      {"moov size 0", [&](auto& b) { PutBigEndian32(b, good.moov, 0); }},
      {"moov size past the end", [&](auto& b) { PutBigEndian32(b, good.moov, 0x01000000u); }},
      {"mvhd size with a high byte", [&](auto& b) { PutBigEndian32(b, good.moov + 8, 0x0100006Cu); }},
      {"no mvhd", [&](auto& b) { b[good.moov + 12] = 'x'; }},
      {"duration 0", [&](auto& b) { PutBigEndian32(b, good.moov + 8 + 24, 0); }},
      {"timescale 0", [&](auto& b) { PutBigEndian32(b, good.moov + 8 + 20, 0); }},
      {"ends inside mdat", [&](auto& b) { b.resize(good.mdat + 10); }},
      {"ends before moov", [&](auto& b) { b.resize(good.moov + 2); }},
      {"ends inside mvhd", [&](auto& b) { b.resize(good.moov + 60); }},
  };
  for (const auto& c : cases) {
    auto bytes = good.bytes;
    c.spoil(bytes);
    const auto outcome = Parse(bytes);
    EXPECT_EQ(outcome.result, ParseResult::Rejected) << c.what;
    EXPECT_EQ(ParseMessage(outcome.result), msg::kIllegalFile) << c.what;
  }
}

TEST(EmbeddedTrackTest, RefusesAVersionOneMovieHeader) {
  TrackFileSpec layout = MakeTrackSpec(2);
  layout.mvhdSize = 120;
  EXPECT_EQ(Parse(BuildTrackFile(layout).bytes).result, ParseResult::Rejected);
}

// Faults inside the track box: the recording is known good but its track is not.
TEST(EmbeddedTrackTest, DamagedTrackBoxes) {
  const TrackFile good = BuildTrackFile(MakeTrackSpec(3));
  struct Case {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> spoil;
  };
  const std::vector<Case> cases = {
      {"no track box", [&](auto& b) { b.resize(good.track); }},
      {"track box size 0", [&](auto& b) { PutBigEndian32(b, good.track, 0); }},
      {"time table size 0", [&](auto& b) { PutBigEndian32(b, good.table, 0); }},
      {"time table below its header", [&](auto& b) { PutBigEndian32(b, good.table, 5); }},
      {"SENS size 0", [&](auto& b) { PutBigEndian32(b, good.sens, 0); }},
      {"GPSI size 0", [&](auto& b) { PutBigEndian32(b, good.gps, 0); }},
      {"GPSI type", [&](auto& b) { b[good.gps + 7] = 'X'; }},
      {"no GPSI", [&](auto& b) { b.resize(good.gps); }},
      {"GPSI header cut", [&](auto& b) { b.resize(good.gps + 6); }},
  };
  for (const auto& c : cases) {
    auto bytes = good.bytes;
    c.spoil(bytes);
    const auto outcome = Parse(bytes);
    EXPECT_EQ(outcome.result, ParseResult::TrackDamaged) << c.what;
    EXPECT_EQ(ParseMessage(outcome.result), msg::kIllegalFile) << c.what;
  }
}

TEST(EmbeddedTrackTest, LowerCaseSensorBoxPassesTheFirstTestButNotTheSecond) {
  TrackFileSpec layout = MakeTrackSpec(3);
  layout.sensType = "sens";
  EXPECT_EQ(Parse(BuildTrackFile(layout).bytes).result, ParseResult::TrackDamaged);
}

TEST(EmbeddedTrackTest, OtherSecondChildPlaysWithoutTrack) {
  TrackFileSpec layout = MakeTrackSpec(3);
  layout.sensType = "free";
  TrackState track;
  const auto outcome = Parse(BuildTrackFile(layout).bytes, track);
  EXPECT_EQ(outcome.result, ParseResult::Loaded);
  EXPECT_FALSE(ParseMessage(outcome.result));
  EXPECT_EQ(track.count, 0);
  EXPECT_EQ(track.recordsPerSecond, 0);
}

TEST(EmbeddedTrackTest, TimeTableEndingTheFilePlaysWithoutTrack) {
  TrackFile file = BuildTrackFile(MakeTrackSpec(3));
  file.bytes.resize(file.sens);  // a copy cut short right after the time table
  TrackState track;
  const auto outcome = Parse(file.bytes, track);
  EXPECT_EQ(outcome.result, ParseResult::Loaded);
  EXPECT_EQ(track.count, 0);
}

// Regression: a time table whose size runs past the end of the file was refused as
// damaged, so a recording with intact video would not play at all. Nothing stands
// behind such a table, so the recording plays without a track.
TEST(EmbeddedTrackTest, TimeTableRunningPastTheEndPlaysWithoutTrack) {
  TrackFile file = BuildTrackFile(MakeTrackSpec(3));
  PutBigEndian32(file.bytes, file.table, 0x8000u);  // 8190 entries, within the limit
  TrackState track;
  const auto outcome = Parse(file.bytes, track);
  EXPECT_EQ(outcome.result, ParseResult::Loaded);
  EXPECT_FALSE(ParseMessage(outcome.result));
  EXPECT_EQ(track.count, 0);
  EXPECT_EQ(track.recordsPerSecond, 0);

  // Past the end and over the limit: the limit decides first.
  PutBigEndian32(file.bytes, file.table, 8 + 4 * 9001);
  EXPECT_EQ(Parse(file.bytes).result, ParseResult::TrackDamaged);
}

TEST(EmbeddedTrackTest, RecordLimitIsCheckedBeforeAllocating) {
  TrackState track;
  ASSERT_TRUE(Parse(BuildTrackFile(MakeTrackSpec(9000)).bytes, track).Loaded());
  EXPECT_EQ(track.count, 9000);

  TrackState over;
  const auto outcome = Parse(BuildTrackFile(MakeTrackSpec(9001)).bytes, over);
  EXPECT_EQ(outcome.result, ParseResult::TrackDamaged);
  EXPECT_EQ(ParseMessage(outcome.result), msg::kIllegalFile);
  EXPECT_EQ(over.count, 0);  // no count without records behind it
  EXPECT_TRUE(over.records.empty());
}

TEST(EmbeddedTrackTest, ShortPayloadsLeaveMissingRecordsAtZero) {
  TrackFileSpec layout = MakeTrackSpec(4);
  layout.sens.resize(2);  // fewer sensor entries than records
  TrackFile file = BuildTrackFile(layout);
  // GPSI claims 4 entries but the file ends one and a half entries in.
  file.bytes.resize(file.gps + 8 + 28 + 14);
  TrackState track;
  const auto outcome = Parse(file.bytes, track);
  ASSERT_EQ(outcome.result, ParseResult::Loaded);
  ASSERT_EQ(track.count, 4);
  EXPECT_EQ(track.records[3].accelZ, 0);
  EXPECT_EQ(track.records[1].accelZ, 1.0);
  EXPECT_STREQ(track.records[0].latitudeText, "3723.4567");
  EXPECT_STREQ(track.records[1].latitudeText, "");
  EXPECT_EQ(track.records[3].year, 2009);  // times come from the complete time table
}

TEST(EmbeddedTrackTest, SensorPayloadEndingEarlyKeepsWhatWasRead) {
  TrackFile file = BuildTrackFile(MakeTrackSpec(4));
  file.bytes.resize(file.sens + 8 + 12 + 5);
  TrackState track;
  EXPECT_EQ(Parse(file.bytes, track).result, ParseResult::TrackDamaged);
  ASSERT_EQ(track.count, 4);
  EXPECT_EQ(track.records[0].accelZ, 1.0);
  EXPECT_EQ(track.records[1].accelZ, 0);
}

TEST(EmbeddedTrackTest, EntriesBeyondTheTimeTableAreNotStored) {
  TrackFileSpec layout = MakeTrackSpec(2);
  layout.sens.push_back({9, 9, 9});
  layout.gps.push_back({"1", "2", 30});
  TrackState track;
  ASSERT_TRUE(Parse(BuildTrackFile(layout).bytes, track).Loaded());
  EXPECT_EQ(track.count, 2);
  EXPECT_EQ(track.records.size(), 2u);
}

TEST(EmbeddedTrackTest, FullTwelveByteTextsStayTerminated) {
  TrackFileSpec layout = MakeTrackSpec(1);
  layout.gps[0] = {"123456789012", "ABCDEFGHIJKL", 0};
  TrackState track;
  ASSERT_TRUE(Parse(BuildTrackFile(layout).bytes, track).Loaded());
  EXPECT_EQ(LatitudeText(track.records[0]), "123456789012");
  EXPECT_EQ(LongitudeText(track.records[0]), "ABCDEFGHIJKL");
  EXPECT_EQ(track.records[0].latitudeText[12], '\0');
}

TEST(EmbeddedTrackTest, EveryPrefixOfAGoodFileIsHandled) {
  const TrackFile good = BuildTrackFile(MakeTrackSpec(3));
  for (std::size_t n = 0; n < good.bytes.size(); ++n) {
    const std::vector<std::uint8_t> prefix(good.bytes.begin(), good.bytes.begin() + static_cast<long>(n));
    const auto outcome = Parse(prefix);
    if (n < good.track) {
      EXPECT_EQ(outcome.result, ParseResult::Rejected) << n;
    } else {
      // Cut inside the track box: damaged, or (cut right after the time table)
      // a recording without a track. Never past the data.
      EXPECT_NE(outcome.result, ParseResult::Rejected) << n;
    }
  }
}

class EmbeddedTrackFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("direvovu_track_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::filesystem::path dir_;
};

TEST_F(EmbeddedTrackFileTest, ReadsAFileAndReportsOneThatCannotBeOpened) {
  TrackState track;
  const auto path = Write("DecodedFrontData.dat", BuildTrackFile(MakeTrackSpec(5)).bytes);
  EXPECT_TRUE(ParseEmbeddedTrack(path, true, track).Loaded());
  EXPECT_EQ(track.count, 5);

  const auto missing = ParseEmbeddedTrack(dir_ / "absent.dat", true, track);
  EXPECT_EQ(missing.result, ParseResult::Unreadable);
  EXPECT_EQ(ParseMessage(missing.result), msg::kCantOpenFile);
  EXPECT_EQ(ParseMessage(ParseEmbeddedTrack(dir_, true, track).result), msg::kCantOpenFile);  // a folder
}

TEST_F(EmbeddedTrackFileTest, PairShowsTheFrontTrackWhenItLoads) {
  TrackFileSpec rearSpec = MakeTrackSpec(9);
  rearSpec.sensType = "sens";  // the rear would be damaged if it were read in full
  const auto front = Write("front.dat", BuildTrackFile(MakeTrackSpec(4)).bytes);
  const auto rear = Write("rear.dat", BuildTrackFile(rearSpec).bytes);
  TrackState track;
  const auto pair = ParseTrackOfPair(front, rear, track);
  EXPECT_TRUE(pair.frontPlayable);
  EXPECT_TRUE(pair.rearPlayable);  // only checked
  EXPECT_EQ(pair.shown, TrackChannel::Front);
  EXPECT_EQ(track.count, 4);
}

TEST_F(EmbeddedTrackFileTest, PairFallsBackToTheRearTrack) {
  TrackFileSpec frontSpec = MakeTrackSpec(4);
  frontSpec.gpsType = "XXXX";
  const auto front = Write("front.dat", BuildTrackFile(frontSpec).bytes);
  const auto rear = Write("rear.dat", BuildTrackFile(MakeTrackSpec(6)).bytes);
  TrackState track;
  const auto pair = ParseTrackOfPair(front, rear, track);
  EXPECT_FALSE(pair.frontPlayable);
  EXPECT_EQ(ParseMessage(pair.front->result), msg::kIllegalFile);
  EXPECT_TRUE(pair.rearPlayable);
  EXPECT_TRUE(pair.Loaded());
  EXPECT_EQ(pair.shown, TrackChannel::Rear);
  EXPECT_EQ(track.count, 6);
}

TEST_F(EmbeddedTrackFileTest, PairWithOneChannel) {
  const auto front = Write("front.dat", BuildTrackFile(MakeTrackSpec(4)).bytes);
  TrackState track;
  auto pair = ParseTrackOfPair(front, {}, track);
  EXPECT_TRUE(pair.frontPlayable);
  EXPECT_FALSE(pair.rear.has_value());
  EXPECT_EQ(track.count, 4);

  ResetTrack(track);
  pair = ParseTrackOfPair({}, front, track);  // a lone rear is read in full
  EXPECT_EQ(pair.shown, TrackChannel::Rear);
  EXPECT_EQ(track.count, 4);

  pair = ParseTrackOfPair(front, dir_ / "gone.dat", track);
  EXPECT_TRUE(pair.Loaded());
  EXPECT_FALSE(pair.rearPlayable);
  EXPECT_EQ(ParseMessage(pair.rear->result), msg::kCantOpenFile);
}

TEST(TrackMessageSubjectTest, NamesTheRecordingOfTheCopysChannel) {
  const std::filesystem::path front = "/card/drf0.mp4", rear = "/card/drf1.mp4";
  EXPECT_EQ(TrackMessageSubject("/root/DecodedFrontData.dat", front, rear), front);
  EXPECT_EQ(TrackMessageSubject("/root/DecodedRearData.dat", front, rear), rear);
  EXPECT_EQ(TrackMessageSubject("FrontData.dat", front, rear), rear);  // only after the first character
  // Regression: a working root whose folders hold "Front" named the wrong recording.
  EXPECT_EQ(TrackMessageSubject("/home/Frontier/DirevOvu/DecodedRearData.dat", front, rear), rear);
}

}  // namespace
}  // namespace direvovu
