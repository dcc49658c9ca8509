#include "core/library/library_db.h"

#include <array>
#include <string_view>
#include <system_error>

#include <sqlite3.h>

namespace direvovu::library {
namespace {

namespace fs = std::filesystem;

// Version 1 indexed recordings and their tracks.
constexpr std::string_view kVersion1 = R"sql(
CREATE TABLE recordings (
  id INTEGER PRIMARY KEY,
  front_path TEXT NOT NULL UNIQUE,
  rear_path TEXT,
  kind TEXT NOT NULL,
  local_start TEXT NOT NULL,
  local_end TEXT NOT NULL,
  utc_start TEXT,
  utc_end TEXT,
  utc_offset_minutes INTEGER,
  length_ms INTEGER,
  size INTEGER NOT NULL,
  mtime INTEGER NOT NULL,
  rear_size INTEGER,
  rear_mtime INTEGER,
  scrambled INTEGER NOT NULL,
  track TEXT NOT NULL,
  missing INTEGER NOT NULL DEFAULT 0,
  distance_m REAL NOT NULL DEFAULT 0,
  top_speed_kmh INTEGER NOT NULL DEFAULT 0,
  peak_g REAL NOT NULL DEFAULT 0
);
CREATE INDEX recordings_by_start ON recordings (local_start);
CREATE TABLE points (
  recording_id INTEGER NOT NULL REFERENCES recordings (id),
  second INTEGER NOT NULL,
  utc_seconds INTEGER,  -- the record's UTC time, seconds since 1970
  latitude REAL NOT NULL,
  longitude REAL NOT NULL,
  speed_kmh INTEGER NOT NULL,
  g_x REAL NOT NULL,
  g_y REAL NOT NULL,
  g_z REAL NOT NULL,
  PRIMARY KEY (recording_id, second)
) WITHOUT ROWID;
)sql";

// Version 2 adds the harsh moments and the spatial index of the points. Both come from
// the tracks, so every recording is read again by the next scan.
constexpr std::string_view kVersion2 = R"sql(
CREATE TABLE moments (
  recording_id INTEGER NOT NULL REFERENCES recordings (id),
  second INTEGER NOT NULL,
  kind TEXT NOT NULL,
  value REAL NOT NULL,
  PRIMARY KEY (recording_id, second, kind)
) WITHOUT ROWID;
CREATE INDEX moments_by_kind ON moments (kind);
ALTER TABLE recordings ADD COLUMN box_count INTEGER NOT NULL DEFAULT 0;
CREATE VIRTUAL TABLE point_boxes USING rtree (
  id, min_lat, max_lat, min_lon, max_lon, +first_second INTEGER, +last_second INTEGER
);
DELETE FROM points;
UPDATE recordings SET mtime = -1;
)sql";

// Version 3 keeps a track's points as one packed blob per box of the spatial index (the
// layout in point_segment.h), keyed by the box's id, instead of a row per point. The
// old rows are not converted: every recording is read again by the next scan.
constexpr std::string_view kVersion3 = R"sql(
DROP TABLE points;
DROP TABLE point_boxes;
CREATE VIRTUAL TABLE point_boxes USING rtree (id, min_lat, max_lat, min_lon, max_lon);
CREATE TABLE point_segments (
  id INTEGER PRIMARY KEY,  -- the box's id in point_boxes
  points BLOB NOT NULL
);
UPDATE recordings SET mtime = -1, box_count = 0;
)sql";

// Version 4 lets a segment hold up to 64 points. A version-3 library is valid as it
// stands; the number keeps a viewer that knows only 16 from calling a newer library's
// segments damaged.
constexpr std::string_view kVersion4 = "SELECT 1";

constexpr std::array<std::string_view, kSchemaVersion> kSteps{kVersion1, kVersion2, kVersion3, kVersion4};

// The version is read again under the write lock: another viewer or command opening the
// same library at the same moment may have migrated it since it was first read.
void Migrate(SqliteDb& db, int to) {
  Transaction transaction(db);
  const int from = SchemaVersionOf(db);
  if (from >= to) return;
  for (int v = from; v < to; ++v) db.Exec(kSteps.at(static_cast<std::size_t>(v)));
  db.Exec("PRAGMA user_version = " + std::to_string(to));
  transaction.Commit();
}

void Configure(SqliteDb& db) {
  db.Exec("PRAGMA journal_mode = WAL");
  // In WAL mode NORMAL keeps the file consistent through a crash; only the last batch may be lost.
  db.Exec("PRAGMA synchronous = NORMAL");
}

// Throws a damaged DbError when SQLite finds the pages inconsistent.
void CheckPages(SqliteDb& db) {
  Statement check(db, "PRAGMA quick_check(1)");
  if (check.Step() && check.Text(0) != "ok")
    throw DbError("the library is damaged: " + check.Text(0), SQLITE_CORRUPT);
}

fs::path FreeAsideName(const fs::path& file) {
  fs::path aside = file;
  aside += ".damaged";
  std::error_code ec;
  for (int n = 1; fs::exists(aside, ec); ++n) {
    aside = file;
    aside += ".damaged." + std::to_string(n);
  }
  return aside;
}

fs::path MoveAside(const fs::path& file) {
  fs::path aside = FreeAsideName(file);
  std::error_code ec;
  fs::rename(file, aside, ec);
  if (ec) throw DbError("cannot move the damaged library aside: " + ec.message(), 0);
  for (const char* journal : {"-wal", "-shm"}) {
    fs::path from = file;
    from += journal;
    fs::path to = aside;
    to += journal;
    fs::rename(from, to, ec);  // absent journals are the usual case
  }
  return aside;
}

}  // namespace

fs::path LibraryFileOf(const std::optional<fs::path>& given, const fs::path& workingRoot) {
  return given ? *given : workingRoot / kDefaultLibraryFile;
}

int SchemaVersionOf(SqliteDb& db) {
  Statement version(db, "PRAGMA user_version");
  return version.Step() ? static_cast<int>(version.Int(0)) : 0;
}

LibraryOpen LibraryDb::Open(const fs::path& file) {
  LibraryOpen opened;
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      auto db = std::make_unique<SqliteDb>(file, true);
      // The version is read before anything is written: a newer library stays as it is.
      const int version = SchemaVersionOf(*db);
      if (version > kSchemaVersion) {
        opened.error = file.string() + " was written by a newer version of the viewer (library version " +
                       std::to_string(version) + ", this one knows up to " + std::to_string(kSchemaVersion) +
                       "); it is left as it is";
        return opened;
      }
      Configure(*db);
      if (version > 0) CheckPages(*db);
      opened.migratedFrom = version;
      if (version < kSchemaVersion) Migrate(*db, kSchemaVersion);
      opened.library.reset(new LibraryDb(std::move(db), file));
      return opened;
    } catch (const DbError& e) {
      if (!e.Damaged() || attempt > 0) {
        opened.error = e.what();
        return opened;
      }
    }
    try {
      opened.movedAside = MoveAside(file);
    } catch (const DbError& e) {
      opened.error = e.what();
      return opened;
    }
  }
  return opened;
}

void LibraryDb::CreateAtVersion(const fs::path& file, int version) {
  SqliteDb db(file, true);
  Configure(db);
  Migrate(db, version);
}

}  // namespace direvovu::library
