// A year of driving in one log: 3 million records (96 MB) read from memory and from a
// file, and cut into trips. Records per second and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/io/byte_reader.h"
#include "core/map/driving_log.h"
#include "core/map/trips.h"

namespace {

constexpr std::size_t kRecords = 3'000'000;
constexpr std::size_t kDays = 365;
constexpr std::uint32_t kFirstDay = 1767225600;  // 2026-01-01 00:00:00 UTC

void Le32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Each day a drive north and back at about 30 km/h, a record every 10 seconds.
std::vector<std::uint8_t> YearOfDriving() {
  std::vector<std::uint8_t> bytes(kRecords * 32, 0);
  const std::size_t per_day = kRecords / kDays + 1;
  for (std::size_t i = 0; i < kRecords; ++i) {
    std::uint8_t* r = bytes.data() + i * 32;
    const std::size_t day = i / per_day, step = i % per_day;
    Le32(r, kFirstDay + static_cast<std::uint32_t>(day * 86400 + step * 10));
    const double minutes = 10.0 + 0.045 * static_cast<double>(step % 400);
    std::snprintf(reinterpret_cast<char*>(r + 4), 12, "37%07.4f", minutes);
    std::snprintf(reinterpret_cast<char*>(r + 16), 12, "12700.0000");
    Le32(r + 28, step % 37 == 0 ? 0 : 300);
  }
  return bytes;
}

const std::vector<std::uint8_t>& Log() {
  static const std::vector<std::uint8_t> log = YearOfDriving();
  return log;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ParseFromMemory(benchmark::State& state) {
  for (auto _ : state) {
    auto log = direvovu::map::ParseDrivingLog(std::span<const std::uint8_t>(Log()));
    benchmark::DoNotOptimize(log.records.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * static_cast<std::int64_t>(kRecords)));
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ParseFromMemory)->Unit(benchmark::kMillisecond);

void BM_ParseFileAndBuildTrips(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() / "direvovu_bench_year.dat";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(Log().data()), static_cast<std::streamsize>(Log().size()));
  std::size_t trips = 0;
  for (auto _ : state) {
    auto reader = direvovu::FileReader::Open(file);
    auto log = direvovu::map::ParseDrivingLog(*reader);
    trips = direvovu::map::BuildTrips(log.records).size();
    benchmark::DoNotOptimize(trips);
  }
  std::filesystem::remove(file);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * static_cast<std::int64_t>(kRecords)));
  state.counters["trips"] = static_cast<double>(trips);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ParseFileAndBuildTrips)->Unit(benchmark::kMillisecond);

void BM_BuildTrips(benchmark::State& state) {
  const auto log = direvovu::map::ParseDrivingLog(std::span<const std::uint8_t>(Log()));
  for (auto _ : state) benchmark::DoNotOptimize(direvovu::map::BuildTrips(log.records).size());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * static_cast<std::int64_t>(kRecords)));
}
BENCHMARK(BM_BuildTrips)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
