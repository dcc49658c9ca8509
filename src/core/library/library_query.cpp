#include "core/library/library_query.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>

#include <sqlite3.h>

#include "core/export/time_model.h"
#include "core/library/library_store.h"
#include "core/library/point_segment.h"
#include "core/map/page_calls.h"

namespace direvovu::library {
namespace {

// Fewest metres in a degree of latitude (at the equator), less a margin: the prefilter's
// box must hold the whole circle.
constexpr double kMetresPerDegree = 110000;

CivilTime ParseStoredTime(const std::string& text) {
  CivilTime t;
  if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                  &t.second) != 6) {
    return {};
  }
  return t;
}

std::string BoundText(const TimeBound& bound) {
  return bound.utc ? exporting::IsoUtcText(bound.time) : LocalIsoText(bound.time);
}

struct LatLonBox {
  double minLat, maxLat, minLon, maxLon;
};

// The boxes (two across the date line) that hold the circle.
std::vector<LatLonBox> BoxesAround(const Place& place) {
  const double dLat = place.radiusMetres / kMetresPerDegree;
  const double minLat = std::max(-90.0, place.latitude - dLat);
  const double maxLat = std::min(90.0, place.latitude + dLat);
  const double widest = std::max(std::abs(minLat), std::abs(maxLat));
  const double cosine = std::cos(widest * M_PI / 180);
  const double dLon = cosine > 1e-9 ? dLat / cosine : 360;
  if (dLon >= 180) return {{minLat, maxLat, -180, 180}};
  const double west = place.longitude - dLon;
  const double east = place.longitude + dLon;
  if (west < -180) return {{minLat, maxLat, west + 360, 180}, {minLat, maxLat, -180, east}};
  if (east > 180) return {{minLat, maxLat, west, 180}, {minLat, maxLat, -180, east - 360}};
  return {{minLat, maxLat, west, east}};
}

// The first and last second within the circle, by recording.
using SecondsWithin = std::map<std::int64_t, std::pair<int, int>>;

// Every point of the segments whose boxes meet the circle's boxes, measured exactly.
SecondsWithin PointsWithin(SqliteDb& db, const Place& place) {
  SecondsWithin within;
  Statement boxes(db,
                  "SELECT s.id, s.points FROM point_boxes b JOIN point_segments s ON s.id = b.id"
                  " WHERE b.max_lat >= ?1 AND b.min_lat <= ?2 AND b.max_lon >= ?3 AND b.min_lon <= ?4");
  std::vector<TrackPoint> points;
  for (const LatLonBox& b : BoxesAround(place)) {
    boxes.Bind(1, b.minLat).Bind(2, b.maxLat).Bind(3, b.minLon).Bind(4, b.maxLon);
    while (boxes.Step()) {
      points.clear();
      const std::int64_t segment = boxes.Int(0);
      AppendStoredSegment(boxes, segment, points);
      for (const TrackPoint& p : points) {
        if (!(GroundDistance(place.latitude, place.longitude, p.latitude, p.longitude) <= place.radiusMetres))
          continue;
        const auto [at, added] = within.try_emplace(segment / kBoxesPerRecording, p.second, p.second);
        at->second.first = std::min(at->second.first, p.second);
        at->second.second = std::max(at->second.second, p.second);
      }
    }
    boxes.Reset();
  }
  return within;
}

// The query's head with the kind and time conditions and the order; ?1 the kind, ?2 and
// ?3 the bounds (a recording overlaps the range).
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the range's two ends, in order
std::string FilteredSql(std::string sql, std::string_view kindColumn,
                        const std::optional<std::string_view>& kind, const std::optional<TimeBound>& from,
                        const std::optional<TimeBound>& to, std::string_view order) {
  if (kind) sql += " AND " + std::string(kindColumn) + " = ?1";
  if (from) sql += from->utc ? " AND utc_end >= ?2" : " AND local_end >= ?2";
  if (to) sql += to->utc ? " AND utc_start <= ?3" : " AND local_start <= ?3";
  return sql + " ORDER BY " + std::string(order);
}

void BindFilter(Statement& s, const std::optional<std::string_view>& kind,
                const std::optional<TimeBound>& from, const std::optional<TimeBound>& to) {
  if (kind) s.Bind(1, *kind);
  if (from) s.Bind(2, BoundText(*from));
  if (to) s.Bind(3, BoundText(*to));
}

FoundRecording ReadRecordingRow(const Statement& s) {
  FoundRecording r;
  r.id = s.Int(0);
  r.front = s.Text(1);
  r.rear = s.OptionalText(2);
  r.kind = RecordingKindOfName(s.Text(3)).value_or(0);
  r.localStart = ParseStoredTime(s.Text(4));
  r.localEnd = ParseStoredTime(s.Text(5));
  r.utcStart = s.OptionalText(6);
  r.lengthMs = s.OptionalInt(7);
  r.scrambled = s.Int(8) != 0;
  r.track = TrackStatusOfName(s.Text(9)).value_or(TrackStatus::None);
  r.missing = s.Int(10) != 0;
  r.distanceMetres = s.Real(11);
  r.topSpeed = static_cast<int>(s.Int(12));
  r.peakG = s.Real(13);
  return r;
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): latitude before longitude, point by point
double GroundDistance(double lat1, double lon1, double lat2, double lon2) {
  // Haversine on the mean sphere: well-behaved at every distance, and within 0.5 % of
  // the ellipsoid, which no radius a user picks on a map can tell apart.
  constexpr double kEarthRadius = 6371008.8;
  constexpr double kRadians = M_PI / 180;
  const double dLat = (lat2 - lat1) * kRadians;
  const double dLon = (lon2 - lon1) * kRadians;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(lat1 * kRadians) *
                                                                 std::cos(lat2 * kRadians) *
                                                                 std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kEarthRadius * std::asin(std::sqrt(std::clamp(a, 0.0, 1.0)));
}

std::optional<TimeBound> ParseTimeBound(std::string_view text, bool endOfDay) {
  static const std::regex kForm(
      R"(([0-9]{4})-([0-9]{2})-([0-9]{2})(?:[T ]([0-9]{2}):([0-9]{2})(?::([0-9]{2}))?)?(Z|[+-][0-9]{2}:?[0-9]{2})?)");
  std::match_results<std::string_view::const_iterator> m;
  if (!std::regex_match(text.begin(), text.end(), m, kForm)) return std::nullopt;
  const auto field = [&m](std::size_t i, int fallback) {
    return m[i].matched ? std::stoi(m[i].str()) : fallback;
  };
  const bool dateOnly = !m[4].matched;
  const int lastSecond = dateOnly && endOfDay ? 59 : 0;
  CivilTime t{field(1, 0),          field(2, 0),         field(3, 0), field(4, dateOnly && endOfDay ? 23 : 0),
              field(5, lastSecond), field(6, lastSecond)};
  if (!IsValidCivilTime(t)) return std::nullopt;
  if (!m[7].matched) return TimeBound{t, false};
  const std::string zone = m[7].str();
  if (zone == "Z") return TimeBound{t, true};
  const int hours = std::stoi(zone.substr(1, 2));
  const int minutes = std::stoi(zone.substr(zone.size() - 2));
  if (hours > 14 || minutes > 59) return std::nullopt;
  const int offset = (zone[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
  return TimeBound{AddSeconds(t, -std::int64_t{offset} * 60), true};
}

std::optional<std::pair<double, double>> ParseLatLon(std::string_view text) {
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  // Whole numbers with a decimal point whatever the process locale (the window's toolkit
  // sets the user's, where the point may be a comma).
  const auto number = [](std::string_view part) -> std::optional<double> {
    double value = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size() || !std::isfinite(value)) return std::nullopt;
    return value;
  };
  const auto lat = number(text.substr(0, comma));
  const auto lon = number(text.substr(comma + 1));
  if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) return std::nullopt;
  return std::pair{*lat, *lon};
}

std::vector<FoundRecording> FindRecordings(SqliteDb& db, const RecordingFilter& filter) {
  const std::optional<std::string_view> kind =
      filter.kind ? std::optional(RecordingKindName(*filter.kind)) : std::nullopt;
  Statement select(db,
                   FilteredSql("SELECT id, front_path, rear_path, kind, local_start, local_end, utc_start,"
                               " length_ms, scrambled, track, missing, distance_m, top_speed_kmh, peak_g"
                               " FROM recordings WHERE 1 = 1",
                               "kind", kind, filter.from, filter.to, "local_start, front_path"));
  BindFilter(select, kind, filter.from, filter.to);

  const SecondsWithin within = filter.near ? PointsWithin(db, *filter.near) : SecondsWithin{};
  std::vector<FoundRecording> found;
  while (select.Step()) {
    FoundRecording row = ReadRecordingRow(select);
    if (filter.near) {
      const auto seconds = within.find(row.id);
      if (seconds == within.end()) continue;
      row.firstSecond = seconds->second.first;
      row.lastSecond = seconds->second.second;
    }
    found.push_back(std::move(row));
  }
  return found;
}

std::vector<FoundMoment> FindMoments(SqliteDb& db, const MomentFilter& filter) {
  const std::optional<std::string_view> kind =
      filter.kind ? std::optional(MomentKindName(*filter.kind)) : std::nullopt;
  Statement select(db, FilteredSql("SELECT r.id, r.front_path, r.local_start, r.utc_start, m.second, m.kind,"
                                   " m.value FROM moments m JOIN recordings r ON r.id = m.recording_id"
                                   " WHERE 1 = 1",
                                   "m.kind", kind, filter.from, filter.to,
                                   "r.local_start, r.front_path, m.second, m.kind"));
  BindFilter(select, kind, filter.from, filter.to);
  std::vector<FoundMoment> found;
  while (select.Step()) {
    FoundMoment m;
    m.recordingId = select.Int(0);
    m.front = select.Text(1);
    m.localStart = ParseStoredTime(select.Text(2));
    m.second = static_cast<int>(select.Int(4));
    m.kind = MomentKindOfName(select.Text(5)).value_or(MomentKind::Shock);
    m.value = select.Real(6);
    // The recording overlaps the range; the moment's own second must lie in it.
    const auto inRange = [&](const std::optional<TimeBound>& bound, bool isFrom) {
      if (!bound) return true;
      std::string at;
      if (bound->utc) {
        if (select.IsNull(3)) return false;
        at = exporting::IsoUtcText(AddSeconds(ParseStoredTime(select.Text(3)), m.second));
      } else {
        at = LocalIsoText(AddSeconds(m.localStart, m.second));
      }
      return isFrom ? at >= BoundText(*bound) : at <= BoundText(*bound);
    };
    if (inRange(filter.from, true) && inRange(filter.to, false)) found.push_back(std::move(m));
  }
  return found;
}

void AppendStoredSegment(const Statement& row, std::int64_t segmentId, std::vector<TrackPoint>& out) {
  if (DecodeSegment(row.Blob(1), out)) return;
  throw DbError("the library's track of recording " + std::to_string(segmentId / kBoxesPerRecording) +
                    " is damaged (segment " + std::to_string(segmentId % kBoxesPerRecording) + ", " +
                    std::to_string(row.Blob(1).size()) + " bytes)",
                SQLITE_CORRUPT);
}

std::vector<TrackPoint> PointsOf(SqliteDb& db, std::int64_t recordingId) {
  Statement select(db, "SELECT id, points FROM point_segments WHERE id BETWEEN ?1 AND ?2 ORDER BY id");
  select.Bind(1, recordingId * kBoxesPerRecording)
      .Bind(2, recordingId * kBoxesPerRecording + kBoxesPerRecording - 1);
  std::vector<TrackPoint> points;
  while (select.Step()) AppendStoredSegment(select, select.Int(0), points);
  return points;
}

std::map<std::int64_t, std::vector<TrackPoint>> PointsOfAll(SqliteDb& db) {
  Statement select(db, "SELECT id, points FROM point_segments ORDER BY id");
  std::map<std::int64_t, std::vector<TrackPoint>> points;
  while (select.Step()) {
    const std::int64_t id = select.Int(0);
    AppendStoredSegment(select, id, points[id / kBoxesPerRecording]);
  }
  return points;
}

}  // namespace direvovu::library
