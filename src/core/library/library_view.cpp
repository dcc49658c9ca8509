#include "core/library/library_view.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "core/map/map_page.h"
#include "core/recording/recording_name.h"

namespace direvovu::library {
namespace {

constexpr int kCoordinateDecimals = 6;

std::string PointText(const TrackPoint& p) {
  return std::to_string(p.second) + "," + map::FixedText(p.latitude, kCoordinateDecimals) + "," +
         map::FixedText(p.longitude, kCoordinateDecimals);
}

std::string RouteText(const RouteDrawing& route) {
  std::string text = std::to_string(route.id) + ";" + std::to_string(route.kind);
  const auto& points = route.points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i % kOverviewPointStep != 0 && i + 1 != points.size()) continue;
    text += ";" + PointText(points[i]);
  }
  return text;
}

// Labels come from files and texts: the separators of the call's text are left out.
std::string CleanLabel(std::string_view label) {
  std::string clean;
  for (const char c : label) clean += (c == '|' || c == ';') ? ' ' : c;
  return clean;
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value{};
  const auto* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  return value;
}

int SecondOfDay(const CivilTime& t) { return t.hour * 3600 + t.minute * 60 + t.second; }

TimelineDay& DayOf(std::map<std::int64_t, TimelineDay>& days, const CivilTime& t) {
  const std::int64_t key = SecondsSinceEpoch({t.year, t.month, t.day, 0, 0, 0});
  TimelineDay& day = days[key];
  day.year = t.year;
  day.month = t.month;
  day.day = t.day;
  return day;
}

}  // namespace

std::vector<map::PageCall> RouteCalls(const std::vector<RouteDrawing>& routes) {
  std::vector<map::PageCall> calls;
  for (std::size_t first = 0; first < routes.size(); first += kRoutesPerCall) {
    std::string text;
    for (std::size_t i = first; i < std::min(routes.size(), first + kRoutesPerCall); ++i) {
      if (routes[i].points.empty()) continue;
      if (!text.empty()) text += '|';
      text += RouteText(routes[i]);
    }
    if (!text.empty()) calls.push_back({"library_routes", {text}});
  }
  return calls;
}

map::PageCall MomentsCall(const std::vector<MomentDrawing>& moments) {
  std::string text;
  for (const MomentDrawing& m : moments) {
    if (!text.empty()) text += '|';
    text += std::to_string(m.id) + ";" + std::to_string(m.second) + ";" +
            std::string(MomentKindName(m.kind)) + ";" + map::FixedText(m.latitude, kCoordinateDecimals) +
            ";" + map::FixedText(m.longitude, kCoordinateDecimals) + ";" + CleanLabel(m.label);
  }
  return {"library_moments", {text}};
}

map::PageCall PlaceCall(double latitude, double longitude, double radiusMetres) {
  return {"library_place",
          {map::FixedText(latitude, kCoordinateDecimals), map::FixedText(longitude, kCoordinateDecimals),
           map::FixedText(radiusMetres, 0)}};
}

std::optional<std::pair<double, double>> PositionAt(const std::vector<TrackPoint>& points, int second) {
  if (points.empty()) return std::nullopt;
  const auto after = std::upper_bound(points.begin(), points.end(), second,
                                      [](int s, const TrackPoint& p) { return s < p.second; });
  const TrackPoint& p = after == points.begin() ? *after : *std::prev(after);
  return std::pair{p.latitude, p.longitude};
}

std::optional<PagePick> ParsePagePick(std::string_view text) {
  const auto first = text.find(',');
  const auto second = first == std::string_view::npos ? first : text.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::string_view what = text.substr(0, first);
  const std::string_view a = text.substr(first + 1, second - first - 1);
  const std::string_view b = text.substr(second + 1);
  PagePick pick;
  if (what == "route" || what == "moment") {
    const auto id = NumberOf<std::int64_t>(a);
    const auto at = NumberOf<int>(b);
    if (!id || !at || *at < 0) return std::nullopt;
    pick.id = *id;
    pick.second = *at;
    return pick;
  }
  if (what != "place") return std::nullopt;
  const auto lat = ParseLatLon(std::string(a) + "," + std::string(b));
  if (!lat) return std::nullopt;
  pick.what = PagePick::What::Place;
  pick.latitude = lat->first;
  pick.longitude = lat->second;
  return pick;
}

TimelineKind TimelineKindOf(int recordingKind) {
  switch (recordingKind) {
    case kKindEvent:
    case kKindParkingEvent:
      return TimelineKind::Event;
    case kKindParking:
      return TimelineKind::Parked;
    default:
      return TimelineKind::Driving;
  }
}

std::vector<TimelineDay> BuildTimeline(const std::vector<FoundRecording>& recordings,
                                       const std::vector<FoundMoment>& moments) {
  std::map<std::int64_t, TimelineDay> days;
  for (const FoundRecording& r : recordings) {
    const std::int64_t start = SecondsSinceEpoch(r.localStart);
    const std::int64_t known = SecondsSinceEpoch(r.localEnd) - start;
    const std::int64_t last = r.lengthMs ? known : std::max<std::int64_t>(known, kUnknownLengthSeconds - 1);
    for (std::int64_t from = 0; from <= last;) {
      const CivilTime t = AddSeconds(r.localStart, from);
      const int at = SecondOfDay(t);
      const std::int64_t span = std::min<std::int64_t>(last - from, kSecondsPerDay - 1 - at);
      DayOf(days, t).spans.push_back(
          {r.id, at, at + static_cast<int>(span), static_cast<int>(from), TimelineKindOf(r.kind)});
      from += span + 1;
    }
  }
  for (const FoundMoment& m : moments) {
    const CivilTime t = AddSeconds(m.localStart, m.second);
    DayOf(days, t).ticks.push_back({m.recordingId, SecondOfDay(t), m.second, m.kind});
  }
  std::vector<TimelineDay> ordered;
  ordered.reserve(days.size());
  for (auto& [key, day] : days) ordered.push_back(std::move(day));
  return ordered;
}

std::optional<TimelineHit> HitTimeline(const TimelineDay& day, int secondOfDay, int slack) {
  const TimelineTick* nearest = nullptr;
  for (const TimelineTick& t : day.ticks) {
    if (std::abs(t.at - secondOfDay) > slack) continue;
    if (nearest == nullptr || std::abs(t.at - secondOfDay) < std::abs(nearest->at - secondOfDay))
      nearest = &t;
  }
  if (nearest != nullptr) return TimelineHit{nearest->id, nearest->second};
  for (const TimelineSpan& s : day.spans) {
    if (secondOfDay < s.from - slack || secondOfDay > s.to + slack) continue;
    const int inside = std::clamp(secondOfDay, s.from, s.to);
    return TimelineHit{s.id, s.startSecond + inside - s.from};
  }
  return std::nullopt;
}

}  // namespace direvovu::library
