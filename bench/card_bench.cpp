// Opening and downloading a full card: the walk of 7000 recordings (kind All) against
// `find` over the same tree, and a 2 GB download against `cp -r` of the same files.
// Both sides run in the same process run, each three times; the best of each counts.
//   card_bench [folder]   (default: a fresh folder under the system temp folder)
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

#include "core/sdcard/card_download.h"
#include "core/sdcard/card_walk.h"
#include "bench_timing.h"

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

// 2 GB of recordings: 10 pairs of 100 MB files in two folders of Blackbox and Event.
std::vector<fs::path> MakeBigCard(const fs::path& card) {
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
      for (int mb = 0; mb < 100; ++mb) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    name[3] = '0';
    fronts.push_back(folder / name);
  }
  return fronts;
}

void BenchDownload(const fs::path& base) {
  const fs::path card = base / "bigcard";
  const auto fronts = MakeBigCard(card);
  Shell("sync");
  const fs::path ours = base / "ours";
  const fs::path theirs = base / "cp";
  DownloadSummary summary;
  const double download = Best(3, [&] {
    fs::remove_all(ours);
    summary = RunCardDownload(PlanDownload(card, ours, fronts), DownloadHooks{});
  });
  const double copied = Best(3, [&] {
    fs::remove_all(theirs);
    Shell("cp -r '" + card.string() + "' '" + theirs.string() + "'");
  });
  std::printf("download of 2000 MB (%d files): %.2f s; cp -r: %.2f s; ratio %.2f\n", summary.copied, download,
              copied, download / copied);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "direvovu-card-bench";
  fs::remove_all(base);
  fs::create_directories(base);
  BenchWalk(base);
  BenchDownload(base);
  fs::remove_all(base);
  return 0;
}
