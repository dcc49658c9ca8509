// The library on a full card: scanning 7000 one-minute recordings (made with
// direvovu-sample, small pictures, copied under 7000 names) against plain reads of exactly
// their track boxes in the same run; a second scan with nothing changed; a place query
// over the 7000; and the scan's peak memory. Warm, and after dropping the page cache
// where this process may (root with a writable /proc/sys/vm/drop_caches).
//   library_bench [folder]   (default: a fresh folder under the system temp folder)
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/io/byte_reader.h"
#include "core/library/library_query.h"
#include "core/library/library_scan.h"
#include "core/library/library_store.h"
#include "core/library/point_segment.h"

namespace fs = std::filesystem;
using namespace direvovu;
using direvovu::bench::Median;
using direvovu::bench::Seconds;

namespace {

constexpr int kRecordings = 7000;
constexpr int kDistinctDrives = 10;

struct TrackBox {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// Where the track box of a recording lies: right after ftyp, mdat and moov.
TrackBox TrackBoxOf(const fs::path& file) {
  const auto reader = FileReader::Open(file);
  std::uint64_t at = 0;
  for (int box = 0; box < 3 && reader; ++box) at += reader->ReadBigEndian(at).value_or(0);
  return {at, reader ? reader->Size() - at : 0};
}

double MegabytesPeak() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool DropCaches() {
  ::sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  if (!drop) return false;
  drop << "3\n";
  return static_cast<bool>(drop.flush());
}

struct Card {
  std::vector<fs::path> files;
  std::vector<TrackBox> boxes;
  std::vector<std::pair<double, double>> starts;
};

// Ten one-minute drives from the sample maker, each copied under 700 names (a folder
// of 100 per hour), so the card has 7000 recordings of real layout and size.
Card MakeCard(const fs::path& base) {
  const fs::path sample = fs::path(DIREVOVU_BINARY_DIR) / "direvovu-sample";
  const fs::path drives = base / "drives";
  Card card;
  std::vector<fs::path> sources;
  for (int d = 0; d < kDistinctDrives; ++d) {
    const double lat = 38.70 + 0.01 * d;
    const double lon = -9.14 - 0.01 * d;
    char command[512];
    std::snprintf(command, sizeof command,
                  "'%s' recording --out '%s' --start 2026-01-01T00:%02d:00 --seconds 60 --size 64x64 --fps 1 "
                  "--no-audio --no-rear --seed %d --gps-start %.4f,%.4f > /dev/null",
                  sample.c_str(), drives.c_str(), d, d + 1, lat, lon);
    if (std::system(command) != 0) {
      std::cerr << "library_bench: direvovu-sample failed\n";
      std::exit(1);
    }
    char name[64];
    std::snprintf(name, sizeof name, "drf0_20260101_00%02d00.mp4", d);
    sources.push_back(drives / name);
    card.starts.emplace_back(lat, lon);
  }
  for (int i = 0; i < kRecordings; ++i) {
    const int day = 1 + i / 1440;
    const int minute = i % 1440;
    char folder[32];
    char name[64];
    std::snprintf(folder, sizeof folder, "2026%02d%02d_%02d", 2, day, minute / 60);
    std::snprintf(name, sizeof name, "drf0_202602%02d_%02d%02d00.mp4", day, minute / 60, minute % 60);
    const fs::path target = base / "card" / "Blackbox" / folder / name;
    fs::create_directories(target.parent_path());
    const fs::path& source = sources[static_cast<std::size_t>(i % kDistinctDrives)];
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    card.files.push_back(target);
    card.boxes.push_back(TrackBoxOf(source));
  }
  return card;
}

// Exactly the track boxes' bytes, one open and one read per file.
std::uint64_t PlainReads(const Card& card) {
  std::vector<char> buffer;
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < card.files.size(); ++i) {
    const int fd = ::open(card.files[i].c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    buffer.resize(card.boxes[i].size);
    const auto got = ::pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(card.boxes[i].offset));
    total += got > 0 ? static_cast<std::uint64_t>(got) : 0;
    ::close(fd);
  }
  return total;
}

library::ScanCounts ScanInto(const fs::path& db, const fs::path& card) {
  auto opened = library::LibraryDb::Open(db);
  if (!opened.library) {
    std::cerr << "library_bench: " << opened.error << '\n';
    std::exit(1);
  }
  return library::ScanPaths(*opened.library, {card}, {});
}

// Warm: the median of three first scans, each into a new library; cold: one.
void Compare(const Card& card, const fs::path& base, bool cold) {
  const fs::path db = base / (cold ? "cold.sqlite" : "warm.sqlite");
  const int runs = cold ? 1 : 3;
  std::uint64_t bytes = 0;
  library::ScanCounts counts;
  std::vector<double> plain;
  std::vector<double> scan;
  const double before = MegabytesPeak();
  for (int run = 0; run < runs; ++run) {
    fs::remove(db);
    if (cold) DropCaches();
    plain.push_back(Seconds([&] { bytes = PlainReads(card); }));
    if (cold) DropCaches();
    scan.push_back(Seconds([&] { counts = ScanInto(db, base / "card"); }));
  }
  std::printf(
      "%s: scan of %d recordings (%s) %.2f s; plain reads of their track boxes (%.1f MB) %.2f s; "
      "ratio %.2f%s\n",
      cold ? "cold" : "warm", kRecordings, library::ScanCountsText(counts).c_str(), Median(scan),
      static_cast<double>(bytes) / 1e6, Median(plain), Median(scan) / Median(plain),
      cold ? "" : " (medians of 3)");
  if (!cold) std::printf("peak memory: %.1f MB before the scan, %.1f MB after it\n", before, MegabytesPeak());
}

// The floor under writing the facts: only the points' blobs, each track's as one row of a
// table with no other column or index, in the same batches, and the checkpoint.
double BlobsAlone(const fs::path& base, const std::vector<library::RecordingFacts>& facts) {
  std::vector<std::vector<std::uint8_t>> blobs;
  for (const library::RecordingFacts& f : facts) {
    if (f.points.empty()) continue;
    const std::size_t n = std::min<std::size_t>(f.points.size(), library::kPointsPerBox);
    blobs.push_back(library::EncodeSegment(std::span(f.points).first(n)));
  }
  const fs::path db = base / "blobs-alone.sqlite";
  fs::remove(db);
  library::SqliteDb sql(db, true);
  sql.Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
  sql.Exec("CREATE TABLE blobs (id INTEGER PRIMARY KEY, points BLOB NOT NULL)");
  return Seconds([&] {
    library::Statement insert(sql, "INSERT INTO blobs (id, points) VALUES (?1, ?2)");
    const std::size_t batch = library::ScanOptions{}.batchSize;
    for (std::size_t first = 0; first < blobs.size(); first += batch) {
      library::Transaction transaction(sql);
      for (std::size_t i = first; i < std::min(blobs.size(), first + batch); ++i)
        insert.Bind(1, static_cast<std::int64_t>(i)).Bind(2, std::span<const std::uint8_t>(blobs[i])).Run();
      transaction.Commit();
    }
    sql.Exec("PRAGMA wal_checkpoint(PASSIVE)");
  });
}

// The scan's two halves alone, warm: finding and reading the recordings (one thread, no
// database), and writing the same facts into a new library (batches of the scan's size and
// its one checkpoint). The scan reads on workers while it writes, so the larger half is
// its floor.
void HalvesAlone(const fs::path& base) {
  std::vector<library::RecordingFacts> facts;
  const double reading = Seconds([&] {
    for (const fs::path& front : library::FrontRecordingsUnder({base / "card"}))
      if (auto read = library::ReadRecordingFacts(front, std::nullopt)) facts.push_back(std::move(*read));
  });
  const fs::path db = base / "write-alone.sqlite";
  fs::remove(db);
  auto opened = library::LibraryDb::Open(db);
  library::SqliteDb& sql = opened.library->db();
  const double writing = Seconds([&] {
    sql.Exec("PRAGMA wal_autocheckpoint = 0");
    library::RecordingWriter writer(sql);
    for (std::size_t first = 0; first < facts.size(); first += library::ScanOptions{}.batchSize) {
      library::Transaction transaction(sql);
      const std::size_t end = std::min(facts.size(), first + library::ScanOptions{}.batchSize);
      for (std::size_t i = first; i < end; ++i) writer.Store(facts[i]);
      transaction.Commit();
    }
    sql.Exec("PRAGMA wal_checkpoint(PASSIVE)");
  });
  std::printf(
      "of the warm scan, alone: finding and reading the %zu recordings %.2f s; writing their facts %.2f s\n",
      facts.size(), reading, writing);
  std::printf("  of which the least any library pays: their points' blobs into a bare table %.2f s\n",
              BlobsAlone(base, facts));
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path base = argc > 1
                            ? fs::path(argv[1])
                            : fs::temp_directory_path() / ("library_bench_" + std::to_string(::getpid()));
  fs::create_directories(base);
  const Card card = MakeCard(base);

  // Warm: everything read once before either side is timed.
  PlainReads(card);
  Compare(card, base, false);
  HalvesAlone(base);
  const fs::path db = base / "warm.sqlite";
  std::vector<double> again;
  for (int run = 0; run < 3; ++run) again.push_back(Seconds([&] { ScanInto(db, base / "card"); }));
  std::printf("second scan, nothing changed: %.3f s (median of 3)\n", Median(again));

  auto opened = library::LibraryDb::Open(db);
  library::RecordingFilter filter;
  filter.near = library::Place{card.starts[3].first + 0.001, card.starts[3].second, 300};
  std::size_t found = 0;
  std::vector<double> query;
  for (int run = 0; run < 20; ++run) {
    query.push_back(Seconds([&] { found = library::FindRecordings(opened.library->db(), filter).size(); }));
  }
  std::printf("place query (300 m) over %d recordings: %zu found, %.1f ms (median of 20)\n", kRecordings,
              found, Median(query) * 1000);

  if (DropCaches()) {
    Compare(card, base, true);
  } else {
    std::printf("cold: not measured (the page cache cannot be dropped from here)\n");
  }
  if (argc <= 1) fs::remove_all(base);
  return 0;
}
