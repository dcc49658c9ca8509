#include "track_file_builder.h"

#include <bit>
#include <cstring>
#include <string_view>

namespace direvovu::testing {
namespace {

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendLittleEndian32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift <= 24; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendText(std::vector<std::uint8_t>& out, std::string_view text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

// Appends a box and returns its offset.
std::size_t AppendBox(std::vector<std::uint8_t>& out, std::string_view type,
                      const std::vector<std::uint8_t>& payload) {
  const std::size_t at = out.size();
  AppendBigEndian32(out, static_cast<std::uint32_t>(payload.size() + 8));
  AppendText(out, type, 4);
  out.insert(out.end(), payload.begin(), payload.end());
  return at;
}

std::vector<std::uint8_t> MovieBox(const TrackFileSpec& layout) {
  std::vector<std::uint8_t> mvhd(layout.mvhdSize - 8, 0);
  // version/flags, creation, modification, then time scale and duration.
  PutBigEndian32(mvhd, 12, layout.timescale);
  PutBigEndian32(mvhd, 16, layout.duration);
  std::vector<std::uint8_t> moov;
  AppendBox(moov, "mvhd", mvhd);
  AppendBox(moov, "trak", std::vector<std::uint8_t>(24, 0));
  return moov;
}

}  // namespace

void PutBigEndian32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

TrackFile BuildTrackFile(const TrackFileSpec& layout) {
  TrackFile file;
  auto& out = file.bytes;
  AppendBox(out, "ftyp", {'m', 'p', '4', '2', 0, 0, 0, 0, 'i', 's', 'o', 'm', 'm', 'p', '4', '2'});
  file.mdat = AppendBox(out, "mdat", std::vector<std::uint8_t>(layout.mdatPayload, 0xAB));
  file.moov = AppendBox(out, "moov", MovieBox(layout));
  if (!layout.withTrackBox) return file;

  std::vector<std::uint8_t> times;
  for (auto t : layout.times) AppendLittleEndian32(times, t);
  std::vector<std::uint8_t> sens;
  for (const auto& e : layout.sens) {
    for (float v : e) AppendLittleEndian32(sens, std::bit_cast<std::uint32_t>(v));
  }
  std::vector<std::uint8_t> gps;
  for (const auto& e : layout.gps) {
    AppendText(gps, e.latitude, 12);
    AppendText(gps, e.longitude, 12);
    AppendLittleEndian32(gps, e.speedTenths);
  }
  std::vector<std::uint8_t> inner;
  const std::size_t table = AppendBox(inner, "TIME", times);
  const std::size_t sensAt = AppendBox(inner, layout.sensType, sens);
  const std::size_t gpsAt = AppendBox(inner, layout.gpsType, gps);
  file.track = AppendBox(out, "dvtk", inner);
  file.table = file.track + 8 + table;
  file.sens = file.track + 8 + sensAt;
  file.gps = file.track + 8 + gpsAt;
  return file;
}

TrackFileSpec MakeTrackSpec(std::size_t n) {
  TrackFileSpec layout;
  layout.duration = static_cast<std::uint32_t>(n * 1000);
  if (n == 0) layout.duration = 1000;
  for (std::size_t i = 0; i < n; ++i) {
    const auto k = static_cast<float>(i % 100);
    layout.times.push_back(1249655130u + static_cast<std::uint32_t>(i));
    layout.sens.push_back({0.01f * k, -0.02f * k, 1.0f});
    layout.gps.push_back({"3723.4567", "12658.1234", static_cast<std::uint32_t>(i % 1500)});
  }
  return layout;
}

}  // namespace direvovu::testing
