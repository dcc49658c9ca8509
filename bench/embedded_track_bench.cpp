// Reading the track of a full-length recording: 9000 records, from memory and from a
// 90 MB file whose video the parser has to step over.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/io/byte_reader.h"
#include "core/recording/embedded_track.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Be32(Bytes& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void Le32(Bytes& out, std::uint32_t v) {
  for (int s = 0; s <= 24; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void Box(Bytes& out, const char* type, const Bytes& payload) {
  Be32(out, static_cast<std::uint32_t>(payload.size() + 8));
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), payload.begin(), payload.end());
}

// Everything after the mdat payload: moov with its movie header, then the track box.
Bytes Tail(std::uint32_t records) {
  Bytes mvhd(100, 0);
  // Version-0 movie header body: time scale 1000 at 12, duration in ms at 16.
  const std::uint32_t duration = records * 1000;
  for (int i = 0; i < 4; ++i) {
    mvhd[static_cast<std::size_t>(12 + i)] = static_cast<std::uint8_t>(1000u >> (24 - 8 * i));
    mvhd[static_cast<std::size_t>(16 + i)] = static_cast<std::uint8_t>(duration >> (24 - 8 * i));
  }
  Bytes moovPayload;
  Box(moovPayload, "mvhd", mvhd);
  Bytes times, sens, gps;
  for (std::uint32_t i = 0; i < records; ++i) {
    Le32(times, 1249655130u + i);
    for (float v : {0.01f * static_cast<float>(i % 50), -0.5f, 1.0f})
      Le32(sens, std::bit_cast<std::uint32_t>(v));
    const std::string lat = "3723.4567", lon = "12658.1234";
    Bytes text(24, 0);
    std::memcpy(text.data(), lat.data(), lat.size());
    std::memcpy(text.data() + 12, lon.data(), lon.size());
    gps.insert(gps.end(), text.begin(), text.end());
    Le32(gps, 600 + i % 100);
  }
  Bytes trackPayload;
  Box(trackPayload, "TIME", times);
  Box(trackPayload, "SENS", sens);
  Box(trackPayload, "GPSI", gps);
  Bytes out;
  Box(out, "moov", moovPayload);
  Box(out, "dvtk", trackPayload);
  return out;
}

Bytes Head(std::uint32_t mdatPayload) {
  Bytes out;
  Box(out, "ftyp", {'m', 'p', '4', '2', 0, 0, 0, 0, 'i', 's', 'o', 'm'});
  Be32(out, mdatPayload + 8);
  out.insert(out.end(), {'m', 'd', 'a', 't'});
  return out;
}

void BM_ParseFromMemory(benchmark::State& state) {
  Bytes file = Head(4096);
  file.resize(file.size() + 4096, 0);
  const Bytes tail = Tail(9000);
  file.insert(file.end(), tail.begin(), tail.end());
  for (auto _ : state) {
    direvovu::SpanReader reader(file);
    direvovu::TrackState track;
    const auto outcome = direvovu::ParseEmbeddedTrack(reader, true, track);
    if (!outcome.Loaded() || track.count != 9000) state.SkipWithError("track not loaded");
    benchmark::DoNotOptimize(track.records.data());
  }
}
BENCHMARK(BM_ParseFromMemory)->Unit(benchmark::kMicrosecond);

// A 90 MB working copy; the video is a hole in a sparse file, which the parser never reads.
void BM_ParseFromFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "direvovu_track_bench.dat";
  {
    constexpr std::uint32_t kVideo = 90u * 1024u * 1024u;
    const Bytes head = Head(kVideo), tail = Tail(9000);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    out.seekp(static_cast<std::streamoff>(head.size() + kVideo));
    out.write(reinterpret_cast<const char*>(tail.data()), static_cast<std::streamsize>(tail.size()));
  }
  for (auto _ : state) {
    direvovu::TrackState track;
    const auto outcome = direvovu::ParseEmbeddedTrack(path, true, track);
    if (!outcome.Loaded() || track.count != 9000) state.SkipWithError("track not loaded");
    benchmark::DoNotOptimize(track.records.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ParseFromFile)->Unit(benchmark::kMicrosecond);

void BM_CheckOnlyFromFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "direvovu_track_bench_check.dat";
  {
    const Bytes head = Head(1024 * 1024), tail = Tail(9000);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(head.data()), static_cast<std::streamsize>(head.size()));
    out.seekp(static_cast<std::streamoff>(head.size() + 1024 * 1024));
    out.write(reinterpret_cast<const char*>(tail.data()), static_cast<std::streamsize>(tail.size()));
  }
  for (auto _ : state) {
    direvovu::TrackState track;
    benchmark::DoNotOptimize(direvovu::ParseEmbeddedTrack(path, false, track));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_CheckOnlyFromFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
