#include "core/map/obd_report.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

#include "core/io/atomic_file.h"
#include "core/printf_text.h"
#include "core/settings/utf.h"

namespace direvovu {
namespace {

constexpr std::size_t kStampChars = 19;
const std::string kS(5, ' ');
const std::string kDashes(122, '-');


std::string HeadingLines() {
  std::string text = kDashes + "\r\n";
  text += "\t 날자" + kS + kS + "시간" + kS + "\t총운행시간" + kS + "총운행거리" + kS + "총연료소모량" + kS +
          "평균연비" + kS + "총탄소배출량" + kS + "총급출발/총급가속\r\n";
  return text + kDashes + "\r\n";
}

std::string DataLine(const ObdStamp& t, const DrivingSecond& s) {
  const std::int32_t seconds = s.Int(DrivingSecond::kDrivingSeconds);
  std::string line = t.year + "/" + t.month + "/" + t.day + kS + "\t";
  line += t.hour + ":" + t.minute + kS + "\t";
  line += std::to_string(seconds / 3600) + "시간 " + std::to_string((seconds % 3600) / 60) + "분" + kS + " ";
  line += PrintfText("%.02fKm", s.Float(DrivingSecond::kDistanceKm)) + kS + "\t    ";
  line += PrintfText("%.02fL", s.Float(DrivingSecond::kFuelLitres)) + kS + "\t   ";
  line += PrintfText("%.02fL", s.Float(DrivingSecond::kAverageEconomy)) + kS + "\t";
  line += PrintfText("%.02fKgCO2", s.Float(DrivingSecond::kCarbonKg)) + kS + "\t     ";
  line += std::to_string(s.Int(DrivingSecond::kSuddenStarts)) + "/" +
          std::to_string(s.Int(DrivingSecond::kSuddenAccelerations)) + kS;
  return line;
}

}  // namespace

std::int32_t DrivingSecond::Int(int index) const { return std::bit_cast<std::int32_t>(words.at(static_cast<std::size_t>(index))); }
float DrivingSecond::Float(int index) const { return std::bit_cast<float>(words.at(static_cast<std::size_t>(index))); }
void DrivingSecond::SetInt(int index, std::int32_t value) {
  words.at(static_cast<std::size_t>(index)) = std::bit_cast<std::uint32_t>(value);
}
void DrivingSecond::SetFloat(int index, float value) {
  words.at(static_cast<std::size_t>(index)) = std::bit_cast<std::uint32_t>(value);
}

std::optional<ObdStamp> ObdStampOf(const std::filesystem::path& recording) {
  const std::string name = recording.filename().string();
  if (name.size() < kStampChars) return std::nullopt;
  const std::string t = name.substr(name.size() - kStampChars);
  return ObdStamp{t.substr(0, 4), t.substr(4, 2), t.substr(6, 2), t.substr(9, 2), t.substr(11, 2)};
}

std::string ObdReportFileName(const ObdStamp& t) {
  return "OBD_" + t.year + "." + t.month + "." + t.day + "_" + t.hour + "." + t.minute + ".txt";
}

std::optional<std::size_t> ObdRecordIndex(std::int64_t play_ms, double records_per_second,
                                          std::size_t count) {
  if (count == 0) return std::nullopt;
  // A track without a rate of its own has one record a second.
  const double rate = records_per_second > 0 && std::isfinite(records_per_second) ? records_per_second : 1.0;
  const std::int64_t whole_seconds = play_ms < 0 ? 0 : play_ms / 1000;
  const double index = static_cast<double>(whole_seconds) * rate;
  if (index >= static_cast<double>(count - 1)) return count - 1;
  return static_cast<std::size_t>(index);
}

std::vector<std::uint8_t> ObdReportBytes(const ObdStamp& stamp, const DrivingSecond& second) {
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  const auto text = Utf8ToUtf16Le(HeadingLines() + DataLine(stamp, second));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): where to, then of which recording
std::optional<std::filesystem::path> WriteObdReport(const std::filesystem::path& folder,
                                                    const std::filesystem::path& recording,
                                                    const DrivingSecond& second) {
  const auto stamp = ObdStampOf(recording);
  if (!stamp) return std::nullopt;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return std::nullopt;
  const std::filesystem::path file = folder / ObdReportFileName(*stamp);
  if (!WriteFileAtomically(file, ObdReportBytes(*stamp, second))) return std::nullopt;
  return file;
}

}  // namespace direvovu
