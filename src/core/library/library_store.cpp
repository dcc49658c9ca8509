#include "core/library/library_store.h"

#include <algorithm>

#include "core/export/time_model.h"

namespace direvovu::library {
namespace {

// The recording's columns in the order both the insert and the update bind them.
constexpr std::string_view kInsert =
    "INSERT INTO recordings (front_path, rear_path, kind, local_start, local_end, utc_start, utc_end,"
    " utc_offset_minutes, length_ms, size, mtime, rear_size, rear_mtime, scrambled, track, missing,"
    " distance_m, top_speed_kmh, peak_g, box_count)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, 0, ?16, ?17, ?18, ?19)";
constexpr std::string_view kUpdate =
    "UPDATE recordings SET rear_path = ?2, kind = ?3, local_start = ?4, local_end = ?5, utc_start = ?6,"
    " utc_end = ?7, utc_offset_minutes = ?8, length_ms = ?9, size = ?10, mtime = ?11, rear_size = ?12,"
    " rear_mtime = ?13, scrambled = ?14, track = ?15, missing = 0, distance_m = ?16, top_speed_kmh = ?17,"
    " peak_g = ?18, box_count = ?19 WHERE front_path = ?1";

std::optional<std::string> UtcText(const std::optional<CivilTime>& utc) {
  if (!utc) return std::nullopt;
  return exporting::IsoUtcText(*utc);
}

std::int64_t BoxCount(const RecordingFacts& facts) {
  return (static_cast<std::int64_t>(facts.points.size()) + kPointsPerBox - 1) / kPointsPerBox;
}

void BindRecording(Statement& s, const RecordingFacts& facts) {
  const exporting::TimeModel model{facts.localStart, facts.utcOffsetMinutes};
  const std::int64_t lastSecond = SecondsSinceEpoch(facts.LocalEnd()) - SecondsSinceEpoch(facts.localStart);
  s.Bind(1, facts.front.string());
  s.Bind(2, facts.rear ? std::optional(facts.rear->string()) : std::nullopt);
  s.Bind(3, RecordingKindName(facts.kind));
  s.Bind(4, LocalIsoText(facts.localStart));
  s.Bind(5, LocalIsoText(facts.LocalEnd()));
  s.Bind(6, UtcText(exporting::UtcTimeAt(model, 0)));
  s.Bind(7, UtcText(exporting::UtcTimeAt(model, lastSecond)));
  s.Bind(8, facts.utcOffsetMinutes);
  s.Bind(9, facts.lengthMs);
  s.Bind(10, static_cast<std::int64_t>(facts.frontStamp.size));
  s.Bind(11, facts.frontStamp.modified);
  s.Bind(12,
         facts.rearStamp ? std::optional(static_cast<std::int64_t>(facts.rearStamp->size)) : std::nullopt);
  s.Bind(13, facts.rearStamp ? std::optional(facts.rearStamp->modified) : std::nullopt);
  s.Bind(14, facts.scrambled ? 1 : 0);
  s.Bind(15, TrackStatusName(facts.track));
  s.Bind(16, facts.distanceMetres);
  s.Bind(17, facts.topSpeed);
  s.Bind(18, facts.peakG);
  s.Bind(19, BoxCount(facts));
}

}  // namespace

RecordingWriter::RecordingWriter(SqliteDb& db)
    : db_(db),
      find_(db, "SELECT id, box_count FROM recordings WHERE front_path = ?1"),
      insert_(db, kInsert),
      update_(db, kUpdate),
      segment_(db, "INSERT INTO point_segments (id, points) VALUES (?1, ?2)"),
      moment_(db, "INSERT INTO moments (recording_id, second, kind, value) VALUES (?1, ?2, ?3, ?4)"),
      box_(db,
           "INSERT INTO point_boxes (id, min_lat, max_lat, min_lon, max_lon) VALUES (?1, ?2, ?3, ?4, ?5)"),
      forgetSegments_(db, "DELETE FROM point_segments WHERE id BETWEEN ?1 AND ?2"),
      forgetMoments_(db, "DELETE FROM moments WHERE recording_id = ?1"),
      forgetBox_(db, "DELETE FROM point_boxes WHERE id = ?1"),
      missing_(db, "UPDATE recordings SET missing = ?2 WHERE front_path = ?1") {}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the recording, then how many boxes it has
void RecordingWriter::RemoveTrack(std::int64_t id, std::int64_t boxCount) {
  forgetSegments_.Bind(1, id * kBoxesPerRecording)
      .Bind(2, id * kBoxesPerRecording + kBoxesPerRecording - 1)
      .Run();
  forgetMoments_.Bind(1, id).Run();
  for (std::int64_t b = 0; b < boxCount; ++b) forgetBox_.Bind(1, id * kBoxesPerRecording + b).Run();
}

void RecordingWriter::StoreTrack(std::int64_t id, const RecordingFacts& facts) {
  for (const HarshMoment& m : facts.moments) {
    moment_.Bind(1, id).Bind(2, m.second).Bind(3, MomentKindName(m.kind)).Bind(4, m.value).Run();
  }
  const auto& points = facts.points;
  for (std::size_t first = 0, box = 0; first < points.size(); first += kPointsPerBox, ++box) {
    const std::size_t end = std::min(points.size(), first + kPointsPerBox);
    double minLat = points[first].latitude, maxLat = minLat;
    double minLon = points[first].longitude, maxLon = minLon;
    for (std::size_t i = first + 1; i < end; ++i) {
      minLat = std::min(minLat, points[i].latitude);
      maxLat = std::max(maxLat, points[i].latitude);
      minLon = std::min(minLon, points[i].longitude);
      maxLon = std::max(maxLon, points[i].longitude);
    }
    const std::int64_t boxId = id * kBoxesPerRecording + static_cast<std::int64_t>(box);
    box_.Bind(1, boxId).Bind(2, minLat).Bind(3, maxLat).Bind(4, minLon).Bind(5, maxLon).Run();
    segment_.Bind(1, boxId).Bind(2, EncodeSegment(std::span(points).subspan(first, end - first))).Run();
  }
}

void RecordingWriter::Store(const RecordingFacts& facts) {
  find_.Bind(1, facts.front.string());
  std::optional<std::int64_t> id;
  if (find_.Step()) {
    id = find_.Int(0);
    const std::int64_t boxes = find_.Int(1);
    find_.Reset();
    RemoveTrack(*id, boxes);
    BindRecording(update_, facts);
    update_.Run();
  } else {
    find_.Reset();
    BindRecording(insert_, facts);
    insert_.Run();
    id = db_.LastInsertId();
  }
  StoreTrack(*id, facts);
}

void RecordingWriter::SetMissing(const std::string& frontPath, bool missing) {
  missing_.Bind(1, frontPath).Bind(2, missing ? 1 : 0).Run();
}

}  // namespace direvovu::library
