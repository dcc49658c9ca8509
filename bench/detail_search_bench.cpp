// The detail search over a full card: 7000 front recordings with their rear files in
// 200 folders, walked, matched against a range that takes every one and sorted, against
// `find | sort` over the same tree. Both run in the same process run, five times each;
// the best of each counts.
//   detail_search_bench [folder]   (default: a fresh folder under the system temp folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/sdcard/card_tables.h"
#include "core/setup/detail_search.h"
#include "bench_timing.h"

namespace fs = std::filesystem;
using namespace direvovu;
using direvovu::bench::Best;
using direvovu::bench::Seconds;

namespace {

// 200 day folders of 35 pairs each, below Blackbox as the camera lays them out.
void MakeTree(const fs::path& card) {
  char name[32];
  for (int day = 0; day < 200; ++day) {
    const int month = 1 + day / 28;
    std::snprintf(name, sizeof name, "2026%02d%02d", month, 1 + day % 28);
    const fs::path folder = card / "Blackbox" / name;
    fs::create_directories(folder);
    for (int i = 0; i < 35; ++i) {
      std::snprintf(name, sizeof name, "drf0_2026%02d%02d_%02d%02d00.mp4", month, 1 + day % 28, 8 + i / 6,
                    i % 6 * 10);
      std::ofstream(folder / name).put('x');
      name[3] = '1';
      std::ofstream(folder / name).put('x');
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "direvovu-search-bench";
  fs::remove_all(base);
  fs::create_directories(base);
  MakeTree(base);
  const SearchRange all{true, true, {2026, 1, 1, 0, 0, 0}, {2026, 12, 31, 23, 59, 59}};
  std::size_t taken = 0;
  const double search = Best(5, [&] {
    std::vector<fs::path> found;
    WalkRecordingFolder(base, {}, found);
    CardWorkTables tables;
    taken = TakeRecordings(found, all, tables).size();
  });
  const std::string find = "find '" + base.string() + "' -name 'drf0_*.mp4' | sort > /dev/null";
  const double found = Best(5, [&] {
    if (std::system(find.c_str()) != 0) std::cerr << "detail_search_bench: find failed\n";
  });
  std::printf("detail search of %zu recordings in 200 folders: %.1f ms; find | sort: %.1f ms; ratio %.2f\n",
              taken, search * 1e3, found * 1e3, search / found);
  fs::remove_all(base);
  return taken == 7000 ? 0 : 1;
}
