// Opening and downloading a full card: the walk of 7000 recordings (kind All) against
// `find` over the same tree; the verified download of a 2 GB card (every copy flushed,
// read back from the disk and compared, the ledger kept) against `cp -r` of the same
// files, from a warm card (its pages cached) and from a cold one (dropped before each
// run); SHA-256 of a 1 GB file against `sha256sum`; and a second download of the 7000
// recordings with nothing new. Both sides run in the same process run, each three
// times; the best of each counts.
//   card_bench [folder] [card MB] [download]   (default: a fresh folder under the
//       system temp folder, 2000 MB; "download" times the 2 GB download alone)
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/io/sha256.h"
#include "core/sdcard/card_download.h"
#include "core/sdcard/card_walk.h"

namespace fs = std::filesystem;
using namespace direvovu;
using direvovu::bench::Best;
using direvovu::bench::Seconds;

namespace {

void Shell(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::cerr << "card_bench: failed: " << command << '\n';
}

// 7000 recordings, 3500 front files with their rear files, as the camera spreads them:
// 30 folders of 100 pairs in Blackbox, 250 pairs in Event, 250 in Parking; the files are
// empty. That fills the recording table (rear files count in it too).
void MakeFullCard(const fs::path& card) {
  char name[32];
  int n = 0;
  const auto put = [&](const fs::path& folder) {
    fs::create_directories(folder);
    std::snprintf(name, sizeof(name), "drf0_2026%04d_%06d.mp4", 1000 + n / 1000, n % 1000000);
    std::ofstream(folder / name);
    name[3] = '1';
    std::ofstream(folder / name);
    ++n;
  };
  for (int f = 0; f < 30; ++f) {
    for (int i = 0; i < 100; ++i) put(card / "Blackbox" / ("2026" + std::to_string(1000 + f)));
  }
  for (int i = 0; i < 250; ++i) put(card / "Event");
  for (int i = 0; i < 250; ++i) put(card / "Parking");
}

void BenchWalk(const fs::path& base) {
  const fs::path card = base / "fullcard";
  MakeFullCard(card);
  CardWorkTables tables;
  std::size_t rows = 0;
  const double walk = Best(3, [&] { rows = WalkSdCard(card, CardKind::All, tables).size(); });
  const std::string find = "find '" + card.string() + "' -name 'drf[01]_*.mp4' | sort > /dev/null";
  const double found = Best(3, [&] { Shell(find); });
  std::printf("walk of %zu recordings, %zu rows (kind All): %.1f ms; find | sort: %.1f ms; ratio %.2f\n",
              tables.recordings().size(), rows, walk * 1e3, found * 1e3, walk / found);
}

// `megabytes` of random bytes in a file.
void WriteRandomFile(const fs::path& path, int megabytes) {
  std::vector<char> block(std::size_t{1} << 20);
  std::mt19937 random(11);
  for (auto& c : block) c = static_cast<char>(random());
  std::ofstream out(path, std::ios::binary);
  for (int mb = 0; mb < megabytes; ++mb) out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

// `megabytes` of recordings: 10 pairs of files in two folders of Blackbox and Event.
std::vector<fs::path> MakeBigCard(const fs::path& card, int megabytes) {
  std::vector<char> block(std::size_t{1} << 20);
  std::mt19937 random(7);
  for (auto& c : block) c = static_cast<char>(random());
  std::vector<fs::path> fronts;
  for (int i = 0; i < 10; ++i) {
    const fs::path folder = card / (i < 7 ? "Blackbox/20261208" : "Event");
    fs::create_directories(folder);
    char name[32];
    std::snprintf(name, sizeof(name), "drf0_20261208_08%02d00.mp4", i);
    for (const char channel : {'0', '1'}) {
      name[3] = channel;
      std::ofstream out(folder / name, std::ios::binary);
      for (int mb = 0; mb < megabytes / 20; ++mb)
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    name[3] = '0';
    fronts.push_back(folder / name);
  }
  return fronts;
}

// Drops the cached pages of every file below `folder`, as a card just put in has none.
void DropCachedPages(const fs::path& folder) {
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
  }
}

// The best of three runs of `work`, each after `prepare` (not timed).
double BestPrepared(const std::function<void()>& prepare, const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    prepare();
    best = std::min(best, Seconds(work));
  }
  return best;
}

struct DownloadFigures {
  double verified = 0;
  double copied = 0;
  double synced = 0;
  int files = 0;
};

// Both sides start with an empty destination and nothing left to write back; `cold`
// also drops the card's pages first (a real card is read from the card).
DownloadFigures TimeDownloads(const fs::path& base, const fs::path& card, const std::vector<fs::path>& fronts,
                              bool cold) {
  const fs::path ours = base / "ours";
  const fs::path theirs = base / "cp";
  const auto clear = [&](const fs::path& out) {
    return [&card, out, cold] {
      fs::remove_all(out);
      Shell("sync");
      if (cold) DropCachedPages(card);
    };
  };
  DownloadFigures figures;
  DownloadSummary summary;
  figures.verified = BestPrepared(
      clear(ours), [&] { summary = RunCardDownload(PlanDownload(card, ours, fronts), DownloadHooks{}); });
  figures.files = summary.copied;
  const std::string cp = "cp -r '" + card.string() + "' '" + theirs.string() + "'";
  figures.copied = BestPrepared(clear(theirs), [&] { Shell(cp); });
  // cp -r leaves its bytes in the page cache; a verified copy is on the disk when it ends.
  figures.synced = BestPrepared(clear(theirs), [&] { Shell(cp + " && sync -f '" + theirs.string() + "'"); });
  fs::remove_all(ours);
  fs::remove_all(theirs);
  return figures;
}

void BenchDownload(const fs::path& base, int megabytes) {
  const fs::path card = base / "bigcard";
  const auto fronts = MakeBigCard(card, megabytes);
  const double mb = megabytes / 20 * 20;
  for (const bool cold : {false, true}) {
    const DownloadFigures f = TimeDownloads(base, card, fronts, cold);
    std::printf(
        "%s card: verified download of %.0f MB (%d files): %.2f s, %.0f MB/s; cp -r: %.2f s, %.0f MB/s; "
        "ratio %.2f (goal 1.3); cp -r and sync: %.2f s, %.0f MB/s; ratio %.2f\n",
        cold ? "cold" : "warm", mb, f.files, f.verified, mb / f.verified, f.copied, mb / f.copied,
        f.verified / f.copied, f.synced, mb / f.synced, f.verified / f.synced);
  }
  fs::remove_all(card);
}

void BenchSha256(const fs::path& base) {
  const fs::path file = base / "one.bin";
  WriteRandomFile(file, 1024);
  std::error_code ec;
  Sha256OfFile(file, ec);  // both sides read from the page cache
  const double ours = Best(3, [&] { Sha256OfFile(file, ec); });
  const double theirs = Best(3, [&] { Shell("sha256sum '" + file.string() + "' > /dev/null"); });
  std::printf("sha-256 of 1024 MB: %.2f s, %.0f MB/s; sha256sum: %.2f s, %.0f MB/s; throughput ratio %.2f\n",
              ours, 1024 / ours, theirs, 1024 / theirs, theirs / ours);
  fs::remove(file);
}

void BenchNothingNew(const fs::path& base) {
  const fs::path card = base / "fullcard";
  const fs::path down = base / "fulldown";
  CardWorkTables tables;
  std::vector<fs::path> fronts;
  for (const CardRow& row : WalkSdCard(card, CardKind::All, tables)) fronts.push_back(row.path);
  DownloadHooks hooks;
  hooks.freeSpace = [](const fs::path&) { return kMinimumFreeBytes; };
  const DownloadSummary first = RunCardDownload(PlanDownload(card, down, fronts), hooks);
  DownloadSummary again;
  const double seconds = Best(3, [&] { again = RunCardDownload(PlanDownload(card, down, fronts), hooks); });
  std::printf("second download of %zu recordings (%d files, %d already downloaded, %d copied): %.3f s\n",
              fronts.size(), first.copied, again.alreadyDownloaded, again.copied, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "direvovu-card-bench";
  fs::remove_all(base);
  fs::create_directories(base);
  const int megabytes = argc > 2 ? std::atoi(argv[2]) : 2000;
  if (argc <= 3 || std::string(argv[3]) != "download") {
    BenchWalk(base);
    BenchNothingNew(base);
    BenchSha256(base);
  }
  BenchDownload(base, megabytes);
  fs::remove_all(base);
  return 0;
}
