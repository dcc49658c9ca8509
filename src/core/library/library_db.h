#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/library/sqlite_db.h"

namespace direvovu::library {

// The schema this build writes. Each version's step is in library_db.cpp; an older file
// is brought up to this one in one transaction.
inline constexpr int kSchemaVersion = 4;
// The file's name under the working root when no other is given.
inline constexpr std::string_view kDefaultLibraryFile = "library.sqlite";

// The library file a user or a test names, else library.sqlite under the working root.
std::filesystem::path LibraryFileOf(const std::optional<std::filesystem::path>& given,
                                    const std::filesystem::path& workingRoot);

struct LibraryOpen;

// One open library: its connection in WAL mode with the schema at kSchemaVersion.
class LibraryDb {
 public:
  // Opens or creates `file`. A file that is not a database or whose pages are damaged is
  // moved aside (with its journal files) and a new library is made in its place: a
  // library can always be built again from the recordings. A library written by a newer
  // viewer is not touched: the result carries a message instead.
  static LibraryOpen Open(const std::filesystem::path& file);

  [[nodiscard]] SqliteDb& db() { return *db_; }
  [[nodiscard]] const std::filesystem::path& file() const { return file_; }

  // Creates the schema up to `version` (tests make older libraries with it).
  static void CreateAtVersion(const std::filesystem::path& file, int version);

 private:
  LibraryDb(std::unique_ptr<SqliteDb> db, std::filesystem::path file)
      : db_(std::move(db)), file_(std::move(file)) {}
  std::unique_ptr<SqliteDb> db_;
  std::filesystem::path file_;
};

struct LibraryOpen {
  std::unique_ptr<LibraryDb> library;               // null when it could not be opened
  std::string error;                                // why not
  std::optional<std::filesystem::path> movedAside;  // where a damaged file went
  int migratedFrom = 0;                             // the version found; kSchemaVersion when none was needed
};

// The schema version a library file holds (0 for a new, empty one). Throws DbError.
int SchemaVersionOf(SqliteDb& db);

}  // namespace direvovu::library
