#include "core/library/sqlite_db.h"

#include <sqlite3.h>

namespace direvovu::library {
namespace {

[[noreturn]] void Fail(sqlite3* db, int code, std::string_view doing) {
  std::string text(doing);
  text += ": ";
  text += db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  throw DbError(text, code);
}

}  // namespace

bool DbError::Damaged() const {
  const int primary = code_ & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

SqliteDb::SqliteDb(const std::filesystem::path& file, bool create) {
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  const int rc = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    const std::string doing = "cannot open " + file.string();
    if (db_ == nullptr) Fail(nullptr, rc, doing);
    try {
      Fail(db_, rc, doing);
    } catch (...) {
      sqlite3_close(db_);
      db_ = nullptr;
      throw;
    }
  }
  sqlite3_extended_result_codes(db_, 1);
  // Another process (the CLI beside the window) may hold the write lock for a batch.
  sqlite3_busy_timeout(db_, 5000);
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

void SqliteDb::Exec(std::string_view sql) {
  const std::string text(sql);
  char* error = nullptr;
  const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const std::string message = error != nullptr ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw DbError(message, sqlite3_extended_errcode(db_));
  }
}

std::int64_t SqliteDb::LastInsertId() const { return sqlite3_last_insert_rowid(db_); }

Statement::Statement(SqliteDb& db, std::string_view sql) : db_(db) {
  const int rc = sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) Fail(db.handle(), rc, "cannot prepare a query");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, std::int64_t value) {
  if (const int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK) Fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, double value) {
  if (const int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK)
    Fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  const int rc =
      sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) Fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, std::nullopt_t /*unused*/) {
  if (const int rc = sqlite3_bind_null(stmt_, index); rc != SQLITE_OK) Fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, std::span<const std::uint8_t> blob) {
  const int rc =
      sqlite3_bind_blob(stmt_, index, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) Fail(db_.handle(), rc, "bind");
  return *this;
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  Fail(db_.handle(), rc, "query failed");
}

void Statement::Run() {
  while (Step()) {
  }
  Reset();
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::Real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::Text(int column) const {
  const auto* text = sqlite3_column_text(stmt_, column);
  if (text == nullptr) return {};
  return {reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

std::span<const std::uint8_t> Statement::Blob(int column) const {
  // The size is asked after the pointer, as SQLite's documentation orders it.
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(stmt_, column));
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
  if (data == nullptr) return {};
  return {data, size};
}

std::optional<std::int64_t> Statement::OptionalInt(int column) const {
  if (IsNull(column)) return std::nullopt;
  return Int(column);
}

std::optional<std::string> Statement::OptionalText(int column) const {
  if (IsNull(column)) return std::nullopt;
  return Text(column);
}

Transaction::Transaction(SqliteDb& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (!open_) return;
  try {
    db_.Exec("ROLLBACK");
  } catch (const DbError&) {
    // SQLite already rolled back (a full disk ends the transaction itself).
  }
}

void Transaction::Commit() {
  db_.Exec("COMMIT");
  open_ = false;
}

}  // namespace direvovu::library
