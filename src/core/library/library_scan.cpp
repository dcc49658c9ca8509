#include "core/library/library_scan.h"

#include <algorithm>
#include <map>
#include <set>
#include <system_error>

#include "core/io/ordered_readers.h"
#include "core/library/library_store.h"
#include "core/recording/recording_name.h"

namespace direvovu::library {
namespace {

namespace fs = std::filesystem;

// Blackbox/<folder>/<name> on a card; a copied card may sit a few folders deeper.
constexpr int kMaxScanDepth = 6;
// Files looked at together: a card or disk answers several reads at once far sooner than
// one after another, and a warm scan parses on the other core while this one writes.
constexpr std::size_t kScanReaders = 8;
// How far the workers may run ahead of the writer: bounds the facts held in memory.
constexpr std::size_t kScanAhead = 512;

struct IndexedRow {
  FileStamp front;
  std::optional<FileStamp> rear;
  bool locked = false;
  bool missing = false;
};

fs::path Absolute(const fs::path& path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(path, ec);
  return (ec ? path : absolute).lexically_normal();
}

// The indexed rows under a folder (paths that start with "<folder>/"), or of one file.
void LoadRows(SqliteDb& db, const fs::path& root, bool folder, std::map<std::string, IndexedRow>& rows) {
  std::string low = root.string();
  std::string high = low;
  if (folder) {
    if (low.empty() || low.back() != '/') low += '/';
    high = low;
    high.back() = static_cast<char>('/' + 1);
  }
  Statement select(
      db, folder ? "SELECT front_path, size, mtime, rear_size, rear_mtime, track, missing FROM recordings"
                   " WHERE front_path >= ?1 AND front_path < ?2"
                 : "SELECT front_path, size, mtime, rear_size, rear_mtime, track, missing FROM recordings"
                   " WHERE front_path = ?1 OR front_path = ?2");
  select.Bind(1, low).Bind(2, high);
  while (select.Step()) {
    IndexedRow row;
    row.front = {static_cast<std::uint64_t>(select.Int(1)), select.Int(2)};
    if (!select.IsNull(3)) row.rear = FileStamp{static_cast<std::uint64_t>(select.Int(3)), select.Int(4)};
    row.locked = select.Text(5) == TrackStatusName(TrackStatus::Locked);
    row.missing = select.Int(6) != 0;
    rows[select.Text(0)] = row;
  }
}

bool Unchanged(const IndexedRow& row, const fs::path& front, const ScanOptions& options) {
  // A recording indexed by name alone is read once a password comes with the scan.
  if (row.locked && options.password) return false;
  if (StampOf(front) != std::optional(row.front)) return false;
  const fs::path rear = RearCompanionPath(front);
  return (rear != front ? StampOf(rear) : std::nullopt) == row.rear;
}

// Only "no such file" is gone; a file the system cannot stat now may be there.
bool IsGone(const fs::path& front) {
  std::error_code ec;
  return fs::status(front, ec).type() == fs::file_type::not_found;
}

// What a worker found of one recording.
struct Look {
  enum class What { Unchanged, Indexed, Refused, Skipped };
  What what = What::Refused;
  bool wasMissing = false;  // unchanged, and marked missing by an earlier scan
  std::optional<RecordingFacts> facts;
};

Look LookAt(const fs::path& front, const std::map<std::string, IndexedRow>& rows,
            const ScanOptions& options) {
  if (options.cancel != nullptr && options.cancel->load()) return {Look::What::Skipped, false, std::nullopt};
  const auto row = rows.find(front.string());
  if (row != rows.end() && Unchanged(row->second, front, options)) {
    return {Look::What::Unchanged, row->second.missing, std::nullopt};
  }
  auto facts = ReadRecordingFacts(front, options.password);
  if (!facts) return {Look::What::Refused, false, std::nullopt};
  return {Look::What::Indexed, false, std::move(facts)};
}

// Writes what a batch gathered in one transaction.
class BatchWriter {
 public:
  explicit BatchWriter(SqliteDb& db) : db_(db), writer_(db) {}
  void Add(RecordingFacts facts) { facts_.push_back(std::move(facts)); }
  void Found(const std::string& path) { found_.push_back(path); }
  [[nodiscard]] std::size_t size() const { return facts_.size() + found_.size(); }
  void Flush() {
    if (facts_.empty() && found_.empty()) return;
    Transaction transaction(db_);
    for (const RecordingFacts& facts : facts_) writer_.Store(facts);
    for (const std::string& path : found_) writer_.SetMissing(path, false);
    transaction.Commit();
    facts_.clear();
    found_.clear();
  }
  void MarkMissing(const std::vector<std::string>& paths) {
    Transaction transaction(db_);
    for (const std::string& path : paths) writer_.SetMissing(path, true);
    transaction.Commit();
  }

 private:
  SqliteDb& db_;
  RecordingWriter writer_;
  std::vector<RecordingFacts> facts_;
  std::vector<std::string> found_;
};

// The scan's batches pile up in the write-ahead log with no checkpoint between them, and
// one checkpoint follows the scan: each checkpoint syncs the file to the disk, and SQLite's
// default of one per 1000 pages made a card's first scan wait for dozens of them.
class OneCheckpoint {
 public:
  explicit OneCheckpoint(SqliteDb& db) : db_(db) { db_.Exec("PRAGMA wal_autocheckpoint = 0"); }
  ~OneCheckpoint() {
    try {
      db_.Exec("PRAGMA wal_autocheckpoint = 1000");
      db_.Exec("PRAGMA wal_checkpoint(PASSIVE)");
    } catch (const DbError&) {
      // A reader holding the log, or a full disk: the next write checkpoints.
    }
  }
  OneCheckpoint(const OneCheckpoint&) = delete;
  OneCheckpoint& operator=(const OneCheckpoint&) = delete;

 private:
  SqliteDb& db_;
};

// Marks the indexed recordings under the scanned paths that the walk did not find and
// that are gone from the disk; returns how many are missing, marked before or now. What
// the walk did not reach is no sign that the card is out: a folder it could not read to
// its end, or one past its depth.
int MarkGone(BatchWriter& batch, std::map<std::string, IndexedRow> rows, const std::vector<fs::path>& found) {
  for (const fs::path& front : found) rows.erase(front.string());
  std::erase_if(rows, [](const auto& row) { return !IsGone(row.first); });
  std::vector<std::string> gone;
  for (const auto& [path, row] : rows) {
    if (!row.missing) gone.push_back(path);
  }
  if (!gone.empty()) batch.MarkMissing(gone);
  return static_cast<int>(rows.size());
}

}  // namespace

std::string ScanCountsText(const ScanCounts& counts) {
  return "indexed " + std::to_string(counts.indexed) + ", unchanged " + std::to_string(counts.unchanged) +
         ", missing " + std::to_string(counts.missing) + ", refused " + std::to_string(counts.refused);
}

std::vector<fs::path> FrontRecordingsUnder(const std::vector<fs::path>& paths,
                                           const std::atomic<bool>* cancel) {
  std::set<fs::path> found;
  for (const fs::path& given : paths) {
    const fs::path path = Absolute(given);
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
      if (IsFrontRecordingName(path.filename().string()) && fs::is_regular_file(path, ec)) found.insert(path);
      continue;
    }
    // Links are not followed: a loop of links cannot hold the scan.
    fs::recursive_directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (cancel != nullptr && cancel->load()) return {};
      if (it.depth() >= kMaxScanDepth) it.disable_recursion_pending();
      std::error_code typeEc;
      if (it->is_regular_file(typeEc) && IsFrontRecordingName(it->path().filename().string())) {
        found.insert(it->path().lexically_normal());
      }
    }
  }
  return {found.begin(), found.end()};
}

ScanCounts ScanPaths(LibraryDb& library, const std::vector<fs::path>& paths, const ScanOptions& options) {
  SqliteDb& db = library.db();
  std::map<std::string, IndexedRow> rows;
  for (const fs::path& given : paths) {
    const fs::path path = Absolute(given);
    std::error_code ec;
    // A path that is gone is read as a folder: the card it named is out.
    const bool folder = fs::is_directory(path, ec) || !fs::exists(path, ec);
    LoadRows(db, path, folder, rows);
  }
  const std::vector<fs::path> found = FrontRecordingsUnder(paths, options.cancel);
  ScanCounts counts;
  if (options.cancel != nullptr && options.cancel->load()) {
    counts.cancelled = true;
    return counts;
  }
  const OneCheckpoint checkpoint(db);
  BatchWriter batch(db);
  ScanProgress progress{0, found.size(), {}};
  // Workers look at the files (the rows are only read until they finish); this thread
  // writes what they found, in the order found, while they read on.
  OrderedReaders<Look> looks(found.size(), kScanReaders, kScanAhead,
                             [&](std::size_t i) { return LookAt(found[i], rows, options); });
  for (const fs::path& front : found) {
    Look look = looks.Take();
    if (look.what == Look::What::Skipped || (options.cancel != nullptr && options.cancel->load())) {
      counts.cancelled = true;
      break;
    }
    progress.current = front;
    switch (look.what) {
      case Look::What::Unchanged:
        ++counts.unchanged;
        if (look.wasMissing) batch.Found(front.string());
        break;
      case Look::What::Indexed:
        ++counts.indexed;
        batch.Add(std::move(*look.facts));
        break;
      default:
        ++counts.refused;
    }
    if (batch.size() >= std::max<std::size_t>(1, options.batchSize)) batch.Flush();
    ++progress.done;
    if (options.progress) options.progress(progress);
  }
  batch.Flush();
  if (!counts.cancelled) counts.missing = MarkGone(batch, std::move(rows), found);
  return counts;
}

}  // namespace direvovu::library
