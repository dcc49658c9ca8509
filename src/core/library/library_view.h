#pragma once

// The rules of the library window, without the window: what its map page is told, what
// the page's picks mean, and the day-by-day timeline.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/library_query.h"
#include "core/map/page_calls.h"

namespace direvovu::library {

// A recording's route as the overview map draws it.
struct RouteDrawing {
  std::int64_t id = 0;
  int kind = 0;  // RecordingKindIndex: the route's colour
  std::vector<TrackPoint> points;
};

// Every nth point is enough for an overview; the first and last always stay.
inline constexpr std::size_t kOverviewPointStep = 5;
// Routes per page call, so that no single script grows without bound.
inline constexpr std::size_t kRoutesPerCall = 200;

// library_routes calls: one text argument each, routes separated by '|', a route
// "id;kind;second,lat,lon;second,lat,lon…" with 6 decimals.
std::vector<map::PageCall> RouteCalls(const std::vector<RouteDrawing>& routes);
// library_moments calls: "id;second;kind;lat;lon;label|…" for the moments that have a
// position (the point of their second, or the nearest one before it).
struct MomentDrawing {
  std::int64_t id = 0;
  int second = 0;
  MomentKind kind = MomentKind::Braking;
  double latitude = 0;
  double longitude = 0;
  std::string label;
};
map::PageCall MomentsCall(const std::vector<MomentDrawing>& moments);
// The place circle; a radius of 0 removes it.
map::PageCall PlaceCall(double latitude, double longitude, double radiusMetres);

// The position of a recording's second: its own point, else the last one before it,
// else the first one after it; nullopt without points.
std::optional<std::pair<double, double>> PositionAt(const std::vector<TrackPoint>& points, int second);

// What the user picked on the page, as library_pick reports it.
struct PagePick {
  enum class What { Recording, Place } what = What::Recording;
  std::int64_t id = 0;  // Recording
  int second = 0;
  double latitude = 0;  // Place
  double longitude = 0;
};
// "route,ID,SECOND", "moment,ID,SECOND" or "place,LAT,LON"; nullopt for anything else.
std::optional<PagePick> ParsePagePick(std::string_view text);

// The timeline: one row a day, recordings as spans of the day's seconds, moments as ticks.
enum class TimelineKind { Driving, Parked, Event };
TimelineKind TimelineKindOf(int recordingKind);

struct TimelineSpan {
  std::int64_t id = 0;
  int from = 0;         // second of the day
  int to = 0;           // last second of the day it covers
  int startSecond = 0;  // the recording's own second at `from`
  TimelineKind kind = TimelineKind::Driving;
};
struct TimelineTick {
  std::int64_t id = 0;
  int at = 0;      // second of the day
  int second = 0;  // the recording's own second
  MomentKind kind = MomentKind::Braking;
};
struct TimelineDay {
  int year = 0, month = 0, day = 0;
  std::vector<TimelineSpan> spans;
  std::vector<TimelineTick> ticks;
};

// A recording whose length is unknown (scrambled, damaged) is drawn as the camera's
// usual minute.
inline constexpr int kUnknownLengthSeconds = 60;
inline constexpr int kSecondsPerDay = 86400;

// Days in order; a recording over midnight is split between its days. Times are the
// camera's local ones, from the names, so recordings without a track time have a place.
std::vector<TimelineDay> BuildTimeline(const std::vector<FoundRecording>& recordings,
                                       const std::vector<FoundMoment>& moments);

// The recording and its second at a second of a day row (within `slack` seconds of a
// span or a tick, ticks first); nullopt for an empty place.
struct TimelineHit {
  std::int64_t id = 0;
  int second = 0;
};
std::optional<TimelineHit> HitTimeline(const TimelineDay& day, int secondOfDay, int slack);

}  // namespace direvovu::library
