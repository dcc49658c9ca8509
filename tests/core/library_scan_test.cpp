// The scan on real files: what it reads, what it leaves alone, what it marks.
#include "core/library/library_scan.h"

#include <gtest/gtest.h>

#include <atomic>

#include "core/library/library_query.h"
#include "core/recording/encrypted_recording.h"
#include "library_fixture.h"

namespace direvovu::library {
namespace {

namespace fs = std::filesystem;
using testing::LibraryFixture;
using testing::RouteTrack;
using testing::WriteRecordingFile;

std::uint32_t Utc(int y, int mo, int d, int h, int mi, int s) {
  return static_cast<std::uint32_t>(SecondsSinceEpoch(CivilTime{y, mo, d, h, mi, s}));
}

struct Card {
  fs::path root;
  fs::path good, cut, junk, scrambled;
};

// A card of a driving pair, a plain recording, an event whose GPS box is junk, a scrambled
// one, and a name that gives no moment. The camera's clock runs at UTC+9.
Card MakeCard(const fs::path& root) {
  Card card{root, {}, {}, {}, {}};
  const fs::path drive = root / "Blackbox" / "Driving";
  card.good = WriteRecordingFile(drive, "drf0_20261207_090000.mp4",
                                 RouteTrack(60, Utc(2026, 12, 7, 0, 0, 0), 37.5, 127));
  WriteRecordingFile(drive, "drf1_20261207_090000.mp4", RouteTrack(60, Utc(2026, 12, 7, 0, 0, 0), 37.5, 127));
  card.cut = WriteRecordingFile(drive, "drf0_20261207_090100.mp4",
                                RouteTrack(60, Utc(2026, 12, 7, 0, 1, 0), 37.6, 127));
  auto junk = RouteTrack(60, Utc(2026, 12, 7, 0, 2, 0), 37.7, 127);
  junk.gpsType = "JUNK";
  card.junk = WriteRecordingFile(root / "Blackbox" / "Event", "drf0_20261207_090200.mp4", junk);
  const auto plain = testing::BuildTrackFile(RouteTrack(60, Utc(2026, 12, 7, 0, 3, 0), 37.8, 127)).bytes;
  card.scrambled = drive / "drf0_20261207_090300.mp4";
  testing::WriteBytes(card.scrambled, *ScrambleRecording(plain, "abcd"));
  testing::WriteBytes(drive / "drf0_20261399_090400.mp4", plain);
  return card;
}

std::map<std::string, FoundRecording> ByPath(SqliteDb& db) {
  std::map<std::string, FoundRecording> rows;
  for (auto& r : FindRecordings(db, {})) rows[r.front] = r;
  return rows;
}

TEST(LibraryScan, ReadsOnlyWhatChangedAndMarksWhatIsGone) {
  LibraryFixture fx;
  auto library = fx.Open();
  const Card card = MakeCard(fx.temp / "card");
  const std::vector<fs::path> paths{card.root};

  EXPECT_EQ(ScanPaths(*library, paths, {}), (ScanCounts{4, 0, 0, 1, false}));
  auto rows = ByPath(library->db());
  ASSERT_EQ(rows.size(), 4U);
  const FoundRecording& good = rows.at(card.good.string());
  EXPECT_EQ(good.track, TrackStatus::Read);
  EXPECT_EQ(good.utcStart, "2026-12-07T00:00:00Z");
  EXPECT_EQ(good.localEnd, (CivilTime{2026, 12, 7, 9, 0, 59}));
  ASSERT_TRUE(good.rear.has_value());
  EXPECT_EQ(fs::path(*good.rear).filename(), "drf1_20261207_090000.mp4");
  EXPECT_EQ(good.topSpeed, 40);
  EXPECT_NEAR(good.distanceMetres, 59 * 13.9, 59 * 1.0);  // 0.0001° north and east a second
  EXPECT_EQ(rows.at(card.junk.string()).track, TrackStatus::Damaged);
  EXPECT_EQ(rows.at(card.junk.string()).kind, 1);  // from the Event folder
  EXPECT_FALSE(rows.at(card.junk.string()).utcStart.has_value());
  EXPECT_EQ(rows.at(card.scrambled.string()).track, TrackStatus::Locked);
  EXPECT_TRUE(rows.at(card.scrambled.string()).scrambled);
  EXPECT_FALSE(rows.at(card.cut.string()).rear.has_value());
  // The scan held the log's checkpoints back until its end; afterwards they run again.
  Statement checkpoints(library->db(), "PRAGMA wal_autocheckpoint");
  ASSERT_TRUE(checkpoints.Step());
  EXPECT_EQ(checkpoints.Int(0), 1000);

  // Nothing changed: nothing read.
  EXPECT_EQ(ScanPaths(*library, paths, {}), (ScanCounts{0, 4, 0, 1, false}));
  // A file cut short is read again; the track it still carries is kept.
  const auto bytes = testing::ReadBytes(card.cut);
  testing::WriteBytes(card.cut, testing::Bytes(bytes.begin(), bytes.end() - 200));
  EXPECT_EQ(ScanPaths(*library, paths, {}), (ScanCounts{1, 3, 0, 1, false}));
  EXPECT_EQ(ByPath(library->db()).at(card.cut.string()).track, TrackStatus::Read);
  // With the password the scrambled one is read; a wrong one leaves it locked.
  ScanOptions wrong;
  wrong.password = "zzzz";
  EXPECT_EQ(ScanPaths(*library, paths, wrong), (ScanCounts{1, 3, 0, 1, false}));
  EXPECT_EQ(ByPath(library->db()).at(card.scrambled.string()).track, TrackStatus::Locked);
  ScanOptions right;
  right.password = "abcd";
  EXPECT_EQ(ScanPaths(*library, paths, right), (ScanCounts{1, 3, 0, 1, false}));
  rows = ByPath(library->db());
  EXPECT_EQ(rows.at(card.scrambled.string()).track, TrackStatus::Read);
  EXPECT_TRUE(rows.at(card.scrambled.string()).scrambled);
  EXPECT_EQ(rows.at(card.scrambled.string()).utcStart, "2026-12-07T00:03:00Z");

  // The card is out: everything under it is kept, marked missing; back in, unmarked.
  fs::rename(card.root, fx.temp / "elsewhere");
  EXPECT_EQ(ScanPaths(*library, paths, right), (ScanCounts{0, 0, 4, 0, false}));
  rows = ByPath(library->db());
  ASSERT_EQ(rows.size(), 4U);
  for (const auto& [path, row] : rows) EXPECT_TRUE(row.missing) << path;
  fs::rename(fx.temp / "elsewhere", card.root);
  EXPECT_EQ(ScanPaths(*library, paths, right), (ScanCounts{0, 4, 0, 1, false}));
  for (const auto& [path, row] : ByPath(library->db())) EXPECT_FALSE(row.missing) << path;

  // The same start time on another card is another recording.
  WriteRecordingFile(fx.temp / "card2", "drf0_20261207_090000.mp4",
                     RouteTrack(10, Utc(2026, 12, 7, 0, 0, 0), 35, 139));
  EXPECT_EQ(ScanPaths(*library, {fx.temp / "card2"}, {}), (ScanCounts{1, 0, 0, 0, false}));
  EXPECT_EQ(ByPath(library->db()).size(), 5U);
}

TEST(LibraryScan, CancelKeepsWholeBatchesAndMarksNothing) {
  LibraryFixture fx;
  auto library = fx.Open();
  for (int i = 0; i < 6; ++i) {
    char name[40];
    std::snprintf(name, sizeof name, "drf0_20261207_1%02d000.mp4", i);
    WriteRecordingFile(fx.temp / "card", name, RouteTrack(5, Utc(2026, 12, 7, 1, i, 0), 37, 127));
  }
  std::atomic<bool> cancel{false};
  std::vector<std::size_t> seen;
  ScanOptions options;
  options.cancel = &cancel;
  options.batchSize = 2;
  options.progress = [&](const ScanProgress& p) {
    seen.push_back(p.done);
    EXPECT_EQ(p.total, 6U);
    if (p.done == 3) cancel = true;
  };
  const ScanCounts counts = ScanPaths(*library, {fx.temp / "card"}, options);
  EXPECT_TRUE(counts.cancelled);
  EXPECT_EQ(counts.indexed, 3);
  EXPECT_EQ(seen, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(FindRecordings(library->db(), {}).size(), 3U);
  // The rest is read by the next scan; what the first one wrote stays.
  EXPECT_EQ(ScanPaths(*library, {fx.temp / "card"}, {}), (ScanCounts{3, 3, 0, 0, false}));
}

TEST(LibraryScan, WhatTheWalkDoesNotReachIsMissingOnlyWhenGone) {
  LibraryFixture fx;
  auto library = fx.Open();
  const fs::path card = fx.temp / "card";
  // Deeper than a card's folders: indexed when named, not reached by a walk of the card.
  const fs::path deep =
      WriteRecordingFile(card / "a" / "b" / "c" / "d" / "e" / "f" / "g", "drf0_20261207_100000.mp4",
                         RouteTrack(5, Utc(2026, 12, 7, 1, 0, 0), 37.5, 127));
  WriteRecordingFile(card / "Blackbox", "drf0_20261207_110000.mp4",
                     RouteTrack(5, Utc(2026, 12, 7, 2, 0, 0), 37.5, 127));
  EXPECT_EQ(ScanPaths(*library, {deep}, {}), (ScanCounts{1, 0, 0, 0, false}));
  EXPECT_EQ(ScanPaths(*library, {card}, {}), (ScanCounts{1, 0, 0, 0, false}));
  EXPECT_FALSE(ByPath(library->db()).at(deep.string()).missing);
  fs::remove(deep);
  EXPECT_EQ(ScanPaths(*library, {card}, {}), (ScanCounts{0, 1, 1, 0, false}));
  EXPECT_TRUE(ByPath(library->db()).at(deep.string()).missing);
  // A scan cancelled before it begins reads nothing and marks nothing.
  fs::remove_all(card / "Blackbox");
  const std::atomic<bool> cancel{true};
  ScanOptions options;
  options.cancel = &cancel;
  EXPECT_EQ(ScanPaths(*library, {card}, options), (ScanCounts{0, 0, 0, 0, true}));
  EXPECT_EQ(FindRecordings(library->db(), {}).size(), 2U);
  for (const auto& [path, row] : ByPath(library->db())) EXPECT_EQ(row.missing, path == deep.string()) << path;
}

struct BadTrackCase {
  const char* name;
  std::string latitude;
  std::string longitude;
  std::uint32_t time;  // of every record
  std::size_t points;
  bool utc;
};

TEST(LibraryScan, PositionsThatAreNoPlaceAreNotPoints) {
  const std::uint32_t good = Utc(2026, 12, 7, 0, 0, 0);
  const std::vector<BadTrackCase> cases{
      {"a real place", "3730.0000", "12700.0000", good, 5, true},
      {"zero while the receiver has no fix", "0", "0", good, 0, true},
      {"latitude beyond the pole", "9130.0000", "12700.0000", good, 0, true},
      {"longitude beyond the date line", "3730.0000", "18100.0000", good, 0, true},
      {"not numbers", "nan", "inf", good, 0, true},
      {"letters", "abcd", "efgh", good, 0, true},
      {"no track time", "3730.0000", "12700.0000", 0, 5, false},
  };
  TempFolder temp;
  for (const BadTrackCase& c : cases) {
    auto track = RouteTrack(5, c.time, 37.5, 127, 0);
    for (auto& g : track.gps) g = {c.latitude, c.longitude, 300};
    for (auto& t : track.times) t = c.time;
    const auto file = WriteRecordingFile(temp.path(), "drf0_20261207_090000.mp4", track);
    const auto facts = ReadRecordingFacts(file, std::nullopt);
    ASSERT_TRUE(facts.has_value()) << c.name;
    EXPECT_EQ(facts->track, TrackStatus::Read) << c.name;
    EXPECT_EQ(facts->points.size(), c.points) << c.name;
    EXPECT_EQ(facts->UtcStart().has_value(), c.utc) << c.name;
  }
}

TEST(LibraryScan, LengthsBeyondADayAreUnknown) {
  struct LengthCase {
    const char* name;
    std::uint32_t timescale;
    std::uint32_t duration;
    std::optional<std::int64_t> lengthMs;
  };
  const std::vector<LengthCase> cases{
      {"a minute", 1000, 60000, 60000},
      {"a whole day", 1, 86400, 86400000},
      {"a second past a day", 1, 86401, std::nullopt},
      {"the largest a header holds", 1, 0xFFFFFFFFU, std::nullopt},
  };
  TempFolder temp;
  for (const LengthCase& c : cases) {
    auto track = RouteTrack(5, Utc(2026, 12, 7, 0, 0, 0), 37.5, 127);
    track.timescale = c.timescale;
    track.duration = c.duration;
    const auto facts =
        ReadRecordingFacts(WriteRecordingFile(temp.path(), "drf0_20261207_090000.mp4", track), {});
    ASSERT_TRUE(facts.has_value()) << c.name;
    EXPECT_EQ(facts->lengthMs, c.lengthMs) << c.name;
    EXPECT_EQ(facts->points.size(), 5U) << c.name;  // the track itself is sound
  }
}

TEST(LibraryScan, ShocksAreLookedForWhereTheSensorWrote) {
  struct SensorCase {
    const char* name;
    std::size_t entries;  // of the sensor box, for 20 records
    int jolt;             // the record whose Z jumps by 1.5 g (-1: none)
    std::vector<int> shocks;
  };
  const std::vector<SensorCase> cases{
      {"a whole box, still", 20, -1, {}},
      {"a whole box with a jolt", 20, 12, {12}},
      {"a box cut after 15 records", 15, -1, {}},
      {"a cut box with a jolt before the cut", 15, 4, {4}},
  };
  TempFolder temp;
  for (const SensorCase& c : cases) {
    auto track = RouteTrack(20, Utc(2026, 12, 7, 0, 0, 0), 37.5, 127);
    track.sens.resize(c.entries);
    if (c.jolt >= 0) track.sens.at(static_cast<std::size_t>(c.jolt))[2] = 2.5F;
    const auto facts =
        ReadRecordingFacts(WriteRecordingFile(temp.path(), "drf0_20261207_090000.mp4", track), {});
    ASSERT_TRUE(facts.has_value()) << c.name;
    EXPECT_EQ(facts->points.size(), 20U) << c.name;
    std::vector<int> shocks;
    for (const HarshMoment& m : facts->moments)
      if (m.kind == MomentKind::Shock) shocks.push_back(m.second);
    EXPECT_EQ(shocks, c.shocks) << c.name;
  }
}

TEST(LibraryScan, CountsText) {
  EXPECT_EQ(ScanCountsText({7, 3, 2, 1, false}), "indexed 7, unchanged 3, missing 2, refused 1");
}

}  // namespace
}  // namespace direvovu::library
