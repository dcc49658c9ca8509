#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace direvovu::library {

// Any failure of the database: the message is SQLite's own, with what was being done.
class DbError : public std::runtime_error {
 public:
  DbError(const std::string& what, int code) : std::runtime_error(what), code_(code) {}
  [[nodiscard]] int code() const { return code_; }
  // The file is not a database or its pages are damaged (as opposed to busy, full, read-only).
  [[nodiscard]] bool Damaged() const;

 private:
  int code_;
};

// One open connection. Statements are prepared from it and must not outlive it.
class SqliteDb {
 public:
  // Opens (creating when asked) the file; throws DbError.
  SqliteDb(const std::filesystem::path& file, bool create);
  ~SqliteDb();
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;

  // Runs statements that return no rows; throws DbError.
  void Exec(std::string_view sql);
  [[nodiscard]] std::int64_t LastInsertId() const;
  [[nodiscard]] sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// A prepared statement; parameters are 1-based as in SQLite.
class Statement {
 public:
  Statement(SqliteDb& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, double value);
  Statement& Bind(int index, std::string_view text);
  Statement& Bind(int index, std::nullopt_t);
  Statement& Bind(int index, std::span<const std::uint8_t> blob);
  template <typename T>
  Statement& Bind(int index, const std::optional<T>& value) {
    return value ? Bind(index, *value) : Bind(index, std::nullopt);
  }
  Statement& Bind(int index, int value) { return Bind(index, static_cast<std::int64_t>(value)); }

  // True while a row is ready; false once done. Throws DbError.
  bool Step();
  // Runs a statement that returns no rows, then resets it for the next use.
  void Run();
  void Reset();

  [[nodiscard]] bool IsNull(int column) const;
  [[nodiscard]] std::int64_t Int(int column) const;
  [[nodiscard]] double Real(int column) const;
  [[nodiscard]] std::string Text(int column) const;
  // Valid until the next Step or Reset.
  [[nodiscard]] std::span<const std::uint8_t> Blob(int column) const;
  [[nodiscard]] std::optional<std::int64_t> OptionalInt(int column) const;
  [[nodiscard]] std::optional<std::string> OptionalText(int column) const;

 private:
  SqliteDb& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE … COMMIT; rolled back when left without Commit (an exception).
class Transaction {
 public:
  explicit Transaction(SqliteDb& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  SqliteDb& db_;
  bool open_ = true;
};

}  // namespace direvovu::library
