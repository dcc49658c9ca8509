#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace direvovu {

// One second of vehicle data: 19 words of 4 bytes, each an int or a float by its index.
// The report writes indices 0, 5 and 6 (ints) and 7, 9, 11 and 12 (floats).
struct DrivingSecond {
  static constexpr std::size_t kFieldCount = 19;
  static constexpr int kDrivingSeconds = 0;
  static constexpr int kSuddenStarts = 5;
  static constexpr int kSuddenAccelerations = 6;
  static constexpr int kDistanceKm = 7;
  static constexpr int kAverageEconomy = 9;
  static constexpr int kFuelLitres = 11;
  static constexpr int kCarbonKg = 12;

  std::array<std::uint32_t, kFieldCount> words{};

  [[nodiscard]] std::int32_t Int(int index) const;
  [[nodiscard]] float Float(int index) const;
  void SetInt(int index, std::int32_t value);
  void SetFloat(int index, float value);
};

// The vehicle data beside the track: one record per track record, and whether it holds
// any. Nothing in the viewer fills it yet; a source that is added sets both, and the
// track's reset empties it.
struct DrivingData {
  int obdDataPresent = 0;
  std::vector<DrivingSecond> seconds;
  void Reset() {
    obdDataPresent = 0;
    seconds.clear();
  }
};

// Year, month, day, hour and minute of a recording, from the last 19 characters of its
// name ("20110305_090703.mp4"); nullopt for a shorter name.
struct ObdStamp {
  std::string year, month, day, hour, minute;
};
std::optional<ObdStamp> ObdStampOf(const std::filesystem::path& recording);

// "OBD_2011.03.05_09.07.txt"
std::string ObdReportFileName(const ObdStamp& stamp);

// The record of the play position: whole seconds played x records per second, truncated,
// at most count - 1 (a rate that is not positive counts as 1); nullopt without records.
std::optional<std::size_t> ObdRecordIndex(std::int64_t play_ms, double records_per_second, std::size_t count);

// The report's bytes: the byte-order mark, then UTF-16 LE text with Korean headings in
// every language and no line break after the data line.
std::vector<std::uint8_t> ObdReportBytes(const ObdStamp& stamp, const DrivingSecond& second);

// Writes the report of `second` for `recording` into `folder` (which is not created);
// the written path, or nullopt when the name does not fit or the file cannot be written.
std::optional<std::filesystem::path> WriteObdReport(const std::filesystem::path& folder,
                                                    const std::filesystem::path& recording,
                                                    const DrivingSecond& second);

}  // namespace direvovu
