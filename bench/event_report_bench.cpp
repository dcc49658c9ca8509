// The event report over a full event folder: 7000 event files of 5 events each, read
// into the list's rows, and where that time goes (the folder's listing and sort, the
// reads of the files, the INI parse of the texts, the rows), and the report's bytes.
//   event_report_bench [--benchmark_* options]
// The folder is made once under the system temp folder and removed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/display/event_text.h"
#include "core/io/atomic_file.h"
#include "core/limits.h"
#include "core/reports/event_report.h"
#include "core/reports/event_report_file.h"

namespace fs = std::filesystem;
using namespace direvovu;

namespace {

constexpr int kFiles = 7000;
constexpr int kEventsPerFile = 5;

std::string EventFileText(int file) {
  std::string text;
  char section[256];
  for (int n = 1; n <= kEventsPerFile; ++n) {
    std::snprintf(
        section, sizeof(section),
        "[Event%d]\r\nDate=2026-12-%02d\r\nTime=%02d:%02d:%02d\r\nG_Sensor_X=%.3f\r\nG_Sensor_Y=%.3f\r\n"
        "G_Sensor_Z=%.3f\r\n",
        n, 1 + file % 28, file / 300 % 24, file / 5 % 60, (file + n) % 60, 0.1 * n, -0.07 * file / 1000.0,
        0.98 + 0.01 * n);
    text += section;
  }
  return text;
}

struct EventFolder {
  fs::path path;
  EventFolder() {
    std::random_device rd;
    path = fs::temp_directory_path() / ("direvovu-event-bench-" + std::to_string(rd()));
    fs::create_directories(path);
    char name[40];
    for (int i = 0; i < kFiles; ++i) {
      std::snprintf(name, sizeof(name), "drf_20261%03d_%06d.txt", i / 1000, i % 1000000);
      std::ofstream(path / name, std::ios::binary) << EventFileText(i);
    }
  }
  ~EventFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  EventFolder(const EventFolder&) = delete;
  EventFolder& operator=(const EventFolder&) = delete;
};

const EventFolder& Folder() {
  static const EventFolder folder;
  return folder;
}

std::vector<std::vector<std::uint8_t>> AllTexts() {
  std::vector<std::vector<std::uint8_t>> texts;
  for (int i = 0; i < kFiles; ++i) {
    const std::string text = EventFileText(i);
    texts.emplace_back(text.begin(), text.end());
  }
  return texts;
}

// The whole read, as the window does it.
void BM_ReadEventFolder(benchmark::State& state) {
  const fs::path& folder = Folder().path;  // made before the timing starts
  CardWorkTables tables;
  std::size_t rows = 0;
  for (auto _ : state) {
    const reports::EventList list = reports::ReadEventFolder(folder, tables);
    rows = list.rows.size();
    benchmark::DoNotOptimize(rows);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ReadEventFolder)->Unit(benchmark::kMillisecond);

// Its parts: the listing into the work tables with the sort by name ...
void BM_ListAndSort(benchmark::State& state) {
  CardWorkTables tables;
  for (auto _ : state) benchmark::DoNotOptimize(reports::ListEventFiles(Folder().path, tables).size());
}
BENCHMARK(BM_ListAndSort)->Unit(benchmark::kMillisecond);

// ... the reads of the files' bytes ...
void BM_ReadFileBytes(benchmark::State& state) {
  CardWorkTables tables;
  const auto files = reports::ListEventFiles(Folder().path, tables);
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const fs::path& file : files) bytes += ReadSmallFile(file, limits::kMaxIniFileBytes)->size();
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

// ... the INI parse of the texts, from memory ...
void BM_ParseEventTexts(benchmark::State& state) {
  const auto texts = AllTexts();
  for (auto _ : state) {
    std::size_t events = 0;
    for (const auto& text : texts) events += display::ParseEventText(text).size();
    benchmark::DoNotOptimize(events);
  }
}
BENCHMARK(BM_ParseEventTexts)->Unit(benchmark::kMillisecond);

// ... and the rows' texts and factors.
void BM_Rows(benchmark::State& state) {
  std::vector<display::EventEntry> entries;
  for (const auto& text : AllTexts()) {
    for (auto& entry : display::ParseEventText(text)) entries.push_back(std::move(entry));
  }
  for (auto _ : state) {
    reports::EventList list;
    for (const auto& entry : entries) list.Append(entry);
    benchmark::DoNotOptimize(list.rows.data());
  }
}
BENCHMARK(BM_Rows)->Unit(benchmark::kMillisecond);

// The report of the 35 000 rows, as bytes.
void BM_ReportBytes(benchmark::State& state) {
  CardWorkTables tables;
  const reports::EventList list = reports::ReadEventFolder(Folder().path, tables);
  for (auto _ : state) benchmark::DoNotOptimize(reports::EventReportBytes(list, 1).size());
}
BENCHMARK(BM_ReportBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
