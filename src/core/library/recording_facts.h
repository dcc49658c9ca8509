#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/civil_time.h"
#include "core/library/harsh_moments.h"
#include "core/recording/track_state.h"

namespace direvovu::library {

// What the index knows of a recording's track.
enum class TrackStatus {
  Read,     // the track was read (it may hold no fix)
  None,     // the recording carries no track
  Damaged,  // junk or cut: indexed from its name
  Locked,   // scrambled and no (right) password: indexed from its name
};
std::string_view TrackStatusName(TrackStatus status);
std::optional<TrackStatus> TrackStatusOfName(std::string_view name);

// "driving", "event", "parking", "parking-event" by RecordingKindIndex.
std::string_view RecordingKindName(int kind);
std::optional<int> RecordingKindOfName(std::string_view name);

// One record with a usable position.
struct TrackPoint {
  int second = 0;
  std::optional<CivilTime> utc;
  double latitude = 0;
  double longitude = 0;
  int speed = 0;  // km/h
  double gx = 0, gy = 0, gz = 0;
};

// A file's identity for the incremental scan.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // the file clock's ticks
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Everything the index stores of one front recording and its rear.
struct RecordingFacts {
  std::filesystem::path front;
  std::optional<std::filesystem::path> rear;  // present on the disk beside the front
  int kind = 0;
  CivilTime localStart;
  std::optional<int> utcOffsetMinutes;  // local minus UTC; none without a track time
  std::optional<std::int64_t> lengthMs;
  FileStamp frontStamp;
  std::optional<FileStamp> rearStamp;
  bool scrambled = false;
  TrackStatus track = TrackStatus::None;
  std::vector<TrackPoint> points;
  std::vector<HarshMoment> moments;
  double distanceMetres = 0;
  int topSpeed = 0;  // km/h
  double peakG = 0;  // largest |(x, y, z)|

  [[nodiscard]] std::optional<CivilTime> UtcStart() const;
  // The local time of the last second (the start itself when the length is unknown).
  [[nodiscard]] CivilTime LocalEnd() const;
};

// The facts of a track already read: points with a fix, moments, distance, top speed, peak.
// Only the first `sensorRecords` records carry G-sensor values.
void FillTrackFacts(std::span<const TrackSecond> records, RecordingFacts& facts,
                    std::size_t sensorRecords = SIZE_MAX);

// Reads a front recording's name, stamps and track (only its boxes: a few small reads).
// A scrambled recording is read with the password when it opens it, else from its name
// alone. Nullopt when the name gives no moment or the file cannot be read at all.
std::optional<RecordingFacts> ReadRecordingFacts(const std::filesystem::path& front,
                                                 const std::optional<std::string>& password);

// "2026-12-07T08:00:00", the form the index keeps local times in (it sorts as time).
std::string LocalIsoText(const CivilTime& time);

}  // namespace direvovu::library
