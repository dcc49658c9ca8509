#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/civil_time.h"
#include "core/library/harsh_moments.h"
#include "core/library/recording_facts.h"
#include "core/library/sqlite_db.h"

namespace direvovu::library {

// A bound of a time range: the camera's local time, or UTC when the text named a zone.
struct TimeBound {
  CivilTime time;
  bool utc = false;
};

// "2026-12-07", "2026-12-07T08:00", "2026-12-07T08:00:00", each optionally followed by
// "Z" or "+09:00"/"-0330" (then read as UTC). A date alone is its first second, or its
// last with endOfDay. Nullopt for anything else.
std::optional<TimeBound> ParseTimeBound(std::string_view text, bool endOfDay);

// A circle on the ground.
struct Place {
  double latitude = 0;
  double longitude = 0;
  double radiusMetres = 0;
};
// "LAT,LON" in decimal degrees; nullopt for text that is not a position on the globe.
std::optional<std::pair<double, double>> ParseLatLon(std::string_view text);

struct RecordingFilter {
  std::optional<TimeBound> from;  // recordings that end at or after it
  std::optional<TimeBound> to;    // recordings that start at or before it
  std::optional<int> kind;        // RecordingKindIndex
  std::optional<Place> near;      // recordings with a point within the circle
};

struct FoundRecording {
  std::int64_t id = 0;
  std::string front;
  std::optional<std::string> rear;
  int kind = 0;
  CivilTime localStart;
  CivilTime localEnd;
  std::optional<std::string> utcStart;
  std::optional<std::int64_t> lengthMs;
  bool scrambled = false;
  TrackStatus track = TrackStatus::None;
  bool missing = false;
  double distanceMetres = 0;
  int topSpeed = 0;
  double peakG = 0;
  // With a place: the first and last second of the recording within the circle.
  std::optional<int> firstSecond;
  std::optional<int> lastSecond;
};

// The recordings the filter keeps, by local start time (then path).
std::vector<FoundRecording> FindRecordings(SqliteDb& db, const RecordingFilter& filter);

struct MomentFilter {
  std::optional<TimeBound> from;
  std::optional<TimeBound> to;
  std::optional<MomentKind> kind;
};

struct FoundMoment {
  std::int64_t recordingId = 0;
  std::string front;
  CivilTime localStart;
  int second = 0;
  MomentKind kind = MomentKind::Braking;
  double value = 0;
};

// The moments whose own second lies in the range, by the recording's start, then second.
std::vector<FoundMoment> FindMoments(SqliteDb& db, const MomentFilter& filter);

// Appends the points of a stored segment: the row's column 1 holds its bytes, `segmentId`
// names it in the message. Throws a damaged DbError for bytes that are not a segment.
// Every reader of the stored points goes through it.
void AppendStoredSegment(const Statement& row, std::int64_t segmentId, std::vector<TrackPoint>& out);
// The indexed points of a recording, in order (for drawing its route).
std::vector<TrackPoint> PointsOf(SqliteDb& db, std::int64_t recordingId);
// Every recording's points at once (the overview map), by recording id.
std::map<std::int64_t, std::vector<TrackPoint>> PointsOfAll(SqliteDb& db);

// The distance in metres between two points on the ground.
double GroundDistance(double lat1, double lon1, double lat2, double lon2);

}  // namespace direvovu::library
