#include "core/library/recording_facts.h"

#include <array>
#include <cmath>
#include <system_error>

#include "core/export/time_model.h"
#include "core/io/byte_reader.h"
#include "core/io/sparse_file_reader.h"
#include "core/library/library_query.h"
#include "core/map/page_calls.h"
#include "core/recording/embedded_track.h"
#include "core/recording/encrypted_recording.h"
#include "core/recording/recording_name.h"

namespace direvovu::library {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kKindNames{"driving", "event", "parking", "parking-event"};
constexpr std::array<std::string_view, 4> kTrackNames{"read", "none", "damaged", "locked"};
// A step longer than this in one second is the receiver jumping, not the car driving.
constexpr double kMaxStepMetres = 1000;
// The camera cuts recordings into minutes; a header that claims more than a day is junk,
// and taken as it stands it would stretch the recording over every later date.
constexpr std::uint64_t kMaxLengthMs = 24ULL * 3600 * 1000;

enum class Unlock { Plain, Opened, Locked, Illegal };

// A scrambled recording's plain header, when the password opens it. A file the camera
// scrambled without a password is read as it stands.
Unlock UnlockScrambled(ByteReader& file, const std::optional<std::string>& password,
                       RecordingHeader& header) {
  const std::uint64_t size = file.Size();
  EncryptedParts parts;
  if (!file.ReadExact(0, parts.header) || !file.ReadExact(size - 32, parts.passwordBlock) ||
      !file.ReadExact(size - 16, parts.tailBlock)) {
    return Unlock::Illegal;
  }
  PasswordSlot filePassword{};
  if (!ReadPasswordBlock(parts.passwordBlock, filePassword)) return Unlock::Illegal;
  if (SlotText(filePassword).empty()) return Unlock::Plain;
  if (!password || !SlotMatches(filePassword, *password)) return Unlock::Locked;
  const auto plain = DecryptHeader(parts.header, parts.tailBlock, filePassword);
  if (!plain) return Unlock::Illegal;
  header = *plain;
  return Unlock::Opened;
}

TrackStatus StatusOf(const TrackParseOutcome& outcome, const TrackState& track) {
  if (!outcome.Loaded()) return TrackStatus::Damaged;
  return track.count > 0 ? TrackStatus::Read : TrackStatus::None;
}

// The track of the file (plain, or scrambled and opened); the outcome's status.
TrackStatus ReadTrack(ByteReader& file, RecordingFacts& facts, const std::optional<std::string>& password,
                      TrackState& track) {
  std::array<std::uint8_t, 11> head{};
  const std::size_t got = file.ReadAt(0, head);
  facts.scrambled = LooksEncrypted(std::span(head).first(got), file.Size());
  TrackParseOutcome outcome;
  if (facts.scrambled) {
    RecordingHeader header{};
    switch (UnlockScrambled(file, password, header)) {
      case Unlock::Locked:
        return TrackStatus::Locked;
      case Unlock::Illegal:
        return TrackStatus::Damaged;
      case Unlock::Plain:
        facts.scrambled = false;
        outcome = ParseEmbeddedTrack(file, true, track);
        break;
      case Unlock::Opened: {
        OverlayReader plain(file, std::vector<std::uint8_t>(header.begin(), header.end()),
                            file.Size() - kEncryptedTrailerBytes);
        outcome = ParseEmbeddedTrack(plain, true, track);
        break;
      }
    }
  } else {
    outcome = ParseEmbeddedTrack(file, true, track);
  }
  if (outcome.durationMs > 0 && outcome.durationMs <= kMaxLengthMs)
    facts.lengthMs = static_cast<std::int64_t>(outcome.durationMs);
  return StatusOf(outcome, track);
}

}  // namespace

std::string_view TrackStatusName(TrackStatus status) {
  return kTrackNames.at(static_cast<std::size_t>(status));
}

std::optional<TrackStatus> TrackStatusOfName(std::string_view name) {
  for (std::size_t i = 0; i < kTrackNames.size(); ++i) {
    if (kTrackNames[i] == name) return static_cast<TrackStatus>(i);
  }
  return std::nullopt;
}

std::string_view RecordingKindName(int kind) {
  return kind >= 0 && kind < static_cast<int>(kKindNames.size())
             ? kKindNames.at(static_cast<std::size_t>(kind))
             : kKindNames[0];
}

std::optional<int> RecordingKindOfName(std::string_view name) {
  for (std::size_t i = 0; i < kKindNames.size(); ++i) {
    if (kKindNames[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<FileStamp> StampOf(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  const auto size = fs::file_size(file, ec);
  if (ec) return std::nullopt;
  const auto modified = fs::last_write_time(file, ec);
  if (ec) return std::nullopt;
  return FileStamp{size, static_cast<std::int64_t>(modified.time_since_epoch().count())};
}

std::optional<CivilTime> RecordingFacts::UtcStart() const {
  return exporting::UtcTimeAt({localStart, utcOffsetMinutes}, 0);
}

CivilTime RecordingFacts::LocalEnd() const {
  const std::int64_t seconds = lengthMs ? std::max<std::int64_t>(0, (*lengthMs + 999) / 1000 - 1) : 0;
  return AddSeconds(localStart, seconds);
}

void FillTrackFacts(std::span<const TrackSecond> records, RecordingFacts& facts, std::size_t sensorRecords) {
  facts.points.clear();
  facts.distanceMetres = 0;
  facts.topSpeed = 0;
  facts.peakG = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TrackSecond& r = records[i];
    const double magnitude = std::sqrt(r.accelX * r.accelX + r.accelY * r.accelY + r.accelZ * r.accelZ);
    if (std::isfinite(magnitude)) facts.peakG = std::max(facts.peakG, magnitude);
    const double lat = NmeaToDecimalDegrees(LatitudeText(r));
    const double lon = NmeaToDecimalDegrees(LongitudeText(r));
    if (!map::IsDrawablePosition(lat, lon)) continue;
    if (!facts.points.empty()) {
      const TrackPoint& last = facts.points.back();
      const double step = GroundDistance(last.latitude, last.longitude, lat, lon);
      if (std::isfinite(step) && step > 0 && step <= kMaxStepMetres) facts.distanceMetres += step;
    }
    facts.topSpeed = std::max(facts.topSpeed, static_cast<int>(r.speed));
    facts.points.push_back(
        {static_cast<int>(i), exporting::RecordUtcTime(r), lat, lon, r.speed, r.accelX, r.accelY, r.accelZ});
  }
  facts.moments = DetectHarshMoments(records, sensorRecords);
}

std::optional<RecordingFacts> ReadRecordingFacts(const fs::path& front,
                                                 const std::optional<std::string>& password) {
  const auto start = RecordingNameTime(front.filename().string());
  const auto stamp = StampOf(front);
  if (!start || !stamp) return std::nullopt;
  // The boxes lie at the file's two ends: the video between them is not read.
  const auto file = SparseFileReader::Open(front);
  if (!file) return std::nullopt;
  RecordingFacts facts;
  facts.front = front;
  facts.kind = RecordingKind(front);
  facts.localStart = *start;
  facts.frontStamp = *stamp;
  if (const fs::path rear = RearCompanionPath(front); rear != front) {
    facts.rearStamp = StampOf(rear);
    if (facts.rearStamp) facts.rear = rear;
  }
  TrackState track;
  facts.track = ReadTrack(*file, facts, password, track);
  if (facts.track == TrackStatus::Read) {
    FillTrackFacts(track.Records(), facts, static_cast<std::size_t>(track.sensorCount));
    facts.utcOffsetMinutes = exporting::UtcOffsetMinutes(facts.localStart, track.Records());
  }
  return facts;
}

std::string LocalIsoText(const CivilTime& time) {
  std::string text = exporting::CivilTimeText(time);
  if (text.size() > 10) text[10] = 'T';
  return text;
}

}  // namespace direvovu::library
