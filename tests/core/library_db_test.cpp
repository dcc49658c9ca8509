// Opening the library: new, older, newer and damaged files.
#include "core/library/library_db.h"

#include <gtest/gtest.h>

#include <thread>

#include "core/library/library_query.h"
#include "core/library/library_scan.h"
#include "library_fixture.h"

namespace direvovu::library {
namespace {

namespace fs = std::filesystem;
using testing::LibraryFixture;

// One recording's row (id 1) as an older version wrote it, then what `more` adds.
void InsertOlderRecording(const fs::path& file, const std::string& front, const std::string& more) {
  SqliteDb db(file, false);
  db.Exec(
      "INSERT INTO recordings (id, front_path, kind, local_start, local_end, size, mtime, scrambled, track)"
      " VALUES (1, '" +
      front + "', 'driving', '2026-12-07T09:00:00', '2026-12-07T09:00:59', 10, 5, 0, 'read');" + more);
}

TEST(LibraryDb, NewFileIsMadeAtTheCurrentVersionInWalMode) {
  LibraryFixture fx;
  auto opened = LibraryDb::Open(fx.file);
  ASSERT_TRUE(opened.library) << opened.error;
  EXPECT_EQ(opened.migratedFrom, 0);
  EXPECT_EQ(SchemaVersionOf(opened.library->db()), kSchemaVersion);
  Statement mode(opened.library->db(), "PRAGMA journal_mode");
  ASSERT_TRUE(mode.Step());
  EXPECT_EQ(mode.Text(0), "wal");
  EXPECT_EQ(LibraryFileOf(std::nullopt, "/root/DirevOvu"), fs::path("/root/DirevOvu/library.sqlite"));
  EXPECT_EQ(LibraryFileOf(fs::path("x.db"), "/root/DirevOvu"), fs::path("x.db"));
}

TEST(LibraryDb, NewerLibraryIsLeftAsItIs) {
  LibraryFixture fx;
  {
    SqliteDb db(fx.file, true);
    db.Exec("CREATE TABLE future (x); PRAGMA user_version = 99");
  }
  const auto before = testing::ReadBytes(fx.file);
  const auto opened = LibraryDb::Open(fx.file);
  EXPECT_FALSE(opened.library);
  EXPECT_NE(opened.error.find("newer version"), std::string::npos) << opened.error;
  EXPECT_NE(opened.error.find("99"), std::string::npos) << opened.error;
  EXPECT_EQ(testing::ReadBytes(fx.file), before);
}

TEST(LibraryDb, OlderLibraryIsMigratedKeepingItsRecordings) {
  LibraryFixture fx;
  LibraryDb::CreateAtVersion(fx.file, 1);
  InsertOlderRecording(fx.file, "/card/drf0_20261207_090000.mp4", "");
  auto opened = LibraryDb::Open(fx.file);
  ASSERT_TRUE(opened.library) << opened.error;
  EXPECT_EQ(opened.migratedFrom, 1);
  EXPECT_EQ(SchemaVersionOf(opened.library->db()), kSchemaVersion);
  const auto rows = FindRecordings(opened.library->db(), {});
  ASSERT_EQ(rows.size(), 1U);
  EXPECT_EQ(rows[0].front, "/card/drf0_20261207_090000.mp4");
  // The moments come from the tracks: the recording is read again by the next scan.
  Statement stamp(opened.library->db(), "SELECT mtime FROM recordings");
  ASSERT_TRUE(stamp.Step());
  EXPECT_EQ(stamp.Int(0), -1);
  EXPECT_TRUE(FindMoments(opened.library->db(), {}).empty());
}

// The window, a download's indexer and a command may open one older library at once.
TEST(LibraryDb, OlderLibraryOpenedFromSeveralThreadsAtOnceIsMigratedOnce) {
  for (int round = 0; round < 10; ++round) {
    LibraryFixture fx;
    LibraryDb::CreateAtVersion(fx.file, 1);
    InsertOlderRecording(fx.file, "/card/drf0_20261207_090000.mp4", "");
    std::vector<std::string> errors(4);
    std::vector<std::thread> openers;
    for (std::string& error : errors) {
      openers.emplace_back([&fx, &error] { error = LibraryDb::Open(fx.file).error; });
    }
    for (std::thread& opener : openers) opener.join();
    for (const std::string& error : errors) EXPECT_EQ(error, "") << "round " << round;
    auto opened = LibraryDb::Open(fx.file);
    ASSERT_TRUE(opened.library) << opened.error;
    EXPECT_FALSE(opened.movedAside.has_value());
    EXPECT_EQ(FindRecordings(opened.library->db(), {}).size(), 1U);
  }
}

TEST(LibraryDb, PointsKeptAsRowsAreDroppedAndReadAgainByTheNextScan) {
  LibraryFixture fx;
  LibraryDb::CreateAtVersion(fx.file, 2);
  const fs::path card = fx.temp / "card";
  const fs::path front = testing::WriteRecordingFile(card, "drf0_20261207_090000.mp4",
                                                     testing::RouteTrack(40, 1796601600U, 37.5, 127));
  InsertOlderRecording(fx.file, front.string(),
                       "UPDATE recordings SET box_count = 1;"
                       "INSERT INTO points VALUES (1, 0, NULL, 37.5, 127, 40, 0, 0, 1);"
                       "INSERT INTO point_boxes VALUES (1024, 37.5, 37.5, 127, 127, 0, 0);");
  auto opened = LibraryDb::Open(fx.file);
  ASSERT_TRUE(opened.library) << opened.error;
  EXPECT_EQ(opened.migratedFrom, 2);
  SqliteDb& db = opened.library->db();
  RecordingFilter near;
  near.near = Place{37.5, 127, 100};
  EXPECT_TRUE(FindRecordings(db, near).empty());
  EXPECT_TRUE(PointsOfAll(db).empty());
  const auto counts = ScanPaths(*opened.library, {card}, {});
  EXPECT_EQ(counts.indexed, 1);
  EXPECT_EQ(PointsOf(db, 1).size(), 40U);
  ASSERT_EQ(FindRecordings(db, near).size(), 1U);
}

TEST(LibraryDb, FailedMigrationLeavesTheOlderVersion) {
  LibraryFixture fx;
  LibraryDb::CreateAtVersion(fx.file, 1);
  {
    // A table in the way of version 2's makes its step fail half-way.
    SqliteDb db(fx.file, false);
    db.Exec("CREATE TABLE moments (x)");
  }
  const auto opened = LibraryDb::Open(fx.file);
  EXPECT_FALSE(opened.library);
  EXPECT_FALSE(opened.error.empty());
  SqliteDb db(fx.file, false);
  EXPECT_EQ(SchemaVersionOf(db), 1);
  Statement column(db, "SELECT COUNT(*) FROM pragma_table_info('recordings') WHERE name = 'box_count'");
  ASSERT_TRUE(column.Step());
  EXPECT_EQ(column.Int(0), 0);
}

struct DamageCase {
  const char* name;
  std::size_t at;  // where junk is written over the file
  std::size_t bytes;
};

TEST(LibraryDb, DamagedFileIsMovedAsideAndRebuilt) {
  const std::vector<DamageCase> cases{
      {"not a database at all", 0, 4096},
      {"pages damaged", 4096 * 2, 4096 * 3},
  };
  for (const DamageCase& c : cases) {
    LibraryFixture fx;
    {
      auto library = fx.Open();
      const fs::path card = fx.temp / "card";
      for (int i = 0; i < 40; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "drf0_20261207_09%02d00.mp4", i);
        testing::WriteRecordingFile(
            card, name,
            testing::RouteTrack(60, 1796601600U + 60U * static_cast<std::uint32_t>(i), 37.5, 127));
      }
      ASSERT_EQ(ScanPaths(*library, {card}, {}).indexed, 40) << c.name;
      library->db().Exec("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    auto bytes = testing::ReadBytes(fx.file);
    ASSERT_GT(bytes.size(), c.at + c.bytes) << c.name;
    for (std::size_t i = c.at; i < c.at + c.bytes; ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    testing::WriteBytes(fx.file, bytes);

    auto opened = LibraryDb::Open(fx.file);
    ASSERT_TRUE(opened.library) << c.name << ": " << opened.error;
    ASSERT_TRUE(opened.movedAside.has_value()) << c.name;
    EXPECT_EQ(testing::ReadBytes(*opened.movedAside), bytes) << c.name;
    EXPECT_TRUE(FindRecordings(opened.library->db(), {}).empty()) << c.name;
    EXPECT_EQ(ScanPaths(*opened.library, {fx.temp / "card"}, {}).indexed, 40) << c.name;
  }
}

}  // namespace
}  // namespace direvovu::library
