// Queries of the library: the place query against a brute-force distance check, and the
// time and kind filters.
#include "core/library/library_query.h"

#include <gtest/gtest.h>

#include <random>

#include "comma_locale.h"
#include "core/library/library_store.h"
#include "library_fixture.h"

namespace direvovu::library {
namespace {

using testing::LibraryFixture;

// Wandering tracks around a few centres, one across the date line.
std::vector<RecordingFacts> WanderingTracks(std::mt19937& random) {
  const std::vector<std::pair<double, double>> centres{
      {37.5, 127.0}, {37.52, 127.03}, {-33.9, 151.2}, {65.0, -179.995}, {0.001, 0.001}};
  std::uniform_real_distribution<double> step(-0.0004, 0.0004);
  std::vector<RecordingFacts> tracks;
  for (int i = 0; i < 150; ++i) {
    RecordingFacts f;
    char name[64];
    std::snprintf(name, sizeof name, "/card/drf0_20261207_%02d%02d00.mp4", i / 60, i % 60);
    f.front = name;
    f.localStart = {2026, 12, 7, i / 60, i % 60, 0};
    f.lengthMs = 60000;
    f.track = TrackStatus::Read;
    f.kind = i % 4;
    auto [lat, lon] = centres[static_cast<std::size_t>(i) % centres.size()];
    for (int s = 0; s < 60; ++s) {
      lat += step(random);
      lon += step(random);
      if (lon < -180) lon += 360;
      if (lon > 180) lon -= 360;
      if (s % 7 == 3) continue;  // seconds without a fix
      f.points.push_back({s, std::nullopt, lat, lon, 40, 0, 0, 1});
    }
    tracks.push_back(std::move(f));
  }
  return tracks;
}

TEST(LibraryQuery, GroundDistanceHoldsAtEveryScale) {
  EXPECT_NEAR(GroundDistance(37, 127, 38, 127), 111195, 10);
  EXPECT_NEAR(GroundDistance(0, 179.9995, 0, -179.9995), 111.2, 0.1);  // across the date line
  EXPECT_NEAR(GroundDistance(10, 20, -10, -160), 20015114, 10);        // the far side
  EXPECT_EQ(GroundDistance(37.5, 127, 37.5, 127), 0);
}

TEST(LibraryQuery, PlaceQueryAgreesWithBruteForce) {
  LibraryFixture fx;
  auto library = fx.Open();
  std::mt19937 random(7);
  const auto tracks = WanderingTracks(random);
  {
    Transaction t(library->db());
    RecordingWriter writer(library->db());
    for (const auto& f : tracks) writer.Store(f);
    t.Commit();
  }
  std::uniform_int_distribution<std::size_t> pick(0, tracks.size() - 1);
  std::uniform_real_distribution<double> radius(5, 3000);
  int nonEmpty = 0;
  for (int q = 0; q < 60; ++q) {
    const auto& around = tracks[pick(random)].points;
    const TrackPoint& p = around[around.size() / 2];
    const Place place{p.latitude + 0.001, p.longitude, radius(random)};
    // Brute force: every point of every track.
    std::map<std::string, std::pair<int, int>> expected;
    for (const auto& f : tracks) {
      for (const TrackPoint& tp : f.points) {
        if (!(GroundDistance(place.latitude, place.longitude, tp.latitude, tp.longitude) <=
              place.radiusMetres))
          continue;
        auto [it, added] = expected.try_emplace(f.front.string(), tp.second, tp.second);
        it->second.second = tp.second;
      }
    }
    RecordingFilter filter;
    filter.near = place;
    std::map<std::string, std::pair<int, int>> found;
    for (const auto& r : FindRecordings(library->db(), filter))
      found[r.front] = {*r.firstSecond, *r.lastSecond};
    EXPECT_EQ(found, expected) << "query " << q << " r=" << place.radiusMetres;
    nonEmpty += expected.empty() ? 0 : 1;
  }
  EXPECT_GT(nonEmpty, 50);  // the queries do find things
}

TEST(LibraryQuery, TimeAndKindFilters) {
  LibraryFixture fx;
  auto library = fx.Open();
  {
    Transaction t(library->db());
    RecordingWriter writer(library->db());
    for (int i = 0; i < 4; ++i) {
      RecordingFacts f;
      f.front = "/card/drf0_2026120" + std::to_string(7 + i) + "_235930.mp4";
      f.localStart = {2026, 12, 7 + i, 23, 59, 30};
      f.lengthMs = 60000;
      f.kind = i % 2;
      f.utcOffsetMinutes = 540;
      f.moments = {{10, MomentKind::Braking, -14}, {50, MomentKind::Shock, 0.9}};
      writer.Store(f);
    }
    t.Commit();
  }
  const auto fronts = [](const auto& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(std::string(r.front).substr(11, 8));
    return names;
  };
  RecordingFilter day;
  day.from = ParseTimeBound("2026-12-08", false);
  day.to = ParseTimeBound("2026-12-08", true);
  // The recording of the 7th runs past midnight into the 8th.
  EXPECT_EQ(fronts(FindRecordings(library->db(), day)), (std::vector<std::string>{"20261207", "20261208"}));
  day.kind = 1;
  EXPECT_EQ(fronts(FindRecordings(library->db(), day)), (std::vector<std::string>{"20261208"}));
  RecordingFilter utc;
  utc.from = ParseTimeBound("2026-12-09T14:59:45Z", false);
  utc.to = ParseTimeBound("2026-12-09T15:00:00+00:00", false);
  EXPECT_EQ(fronts(FindRecordings(library->db(), utc)), (std::vector<std::string>{"20261209"}));

  MomentFilter moments;
  moments.from = ParseTimeBound("2026-12-08", false);
  moments.to = ParseTimeBound("2026-12-08", true);
  const auto found = FindMoments(library->db(), moments);
  // The 7th's shock falls at 00:00:20 on the 8th; its braking at 23:59:40 on the 7th.
  ASSERT_EQ(found.size(), 2U);
  EXPECT_EQ(found[0].kind, MomentKind::Shock);
  EXPECT_EQ(found[0].localStart.day, 7);
  EXPECT_EQ(found[1].kind, MomentKind::Braking);
  EXPECT_EQ(found[1].localStart.day, 8);
  moments.kind = MomentKind::Braking;
  EXPECT_EQ(FindMoments(library->db(), moments).size(), 1U);
}

struct BoundCase {
  const char* text;
  bool endOfDay;
  std::optional<CivilTime> time;
  bool utc;
};

TEST(LibraryQuery, TimeBoundsAreIso8601) {
  const std::vector<BoundCase> cases{
      {"2026-12-07", false, CivilTime{2026, 12, 7, 0, 0, 0}, false},
      {"2026-12-07", true, CivilTime{2026, 12, 7, 23, 59, 59}, false},
      {"2026-12-07T08:30", true, CivilTime{2026, 12, 7, 8, 30, 0}, false},
      {"2026-12-07 08:30:15", false, CivilTime{2026, 12, 7, 8, 30, 15}, false},
      {"2026-12-07T08:30:15Z", false, CivilTime{2026, 12, 7, 8, 30, 15}, true},
      {"2026-12-07T08:30:15+09:00", false, CivilTime{2026, 12, 6, 23, 30, 15}, true},
      {"2026-12-07T08:30:15-0330", false, CivilTime{2026, 12, 7, 12, 0, 15}, true},
      {"2026-02-30", false, std::nullopt, false},
      {"2026-12-07T25:00", false, std::nullopt, false},
      {"07.12.2026", false, std::nullopt, false},
      {"2026-12-07T08:30:15+15:00", false, std::nullopt, false},
      {"", false, std::nullopt, false},
  };
  for (const BoundCase& c : cases) {
    const auto bound = ParseTimeBound(c.text, c.endOfDay);
    ASSERT_EQ(bound.has_value(), c.time.has_value()) << c.text;
    if (!bound) continue;
    EXPECT_EQ(bound->time, *c.time) << c.text;
    EXPECT_EQ(bound->utc, c.utc) << c.text;
  }
  // The decimal point is a point whatever the process locale says.
  const test::CommaLocale comma;
  EXPECT_EQ(ParseLatLon("37.5,127.25"), (std::pair{37.5, 127.25}));
  EXPECT_EQ(ParseLatLon("-33.875,-151"), (std::pair{-33.875, -151.0}));
  for (const char* junk :
       {"91,0", "37.5;127", "37.5x,127", "nan,127", "37.5,inf", " 37.5,127", "37,5,127", ","}) {
    EXPECT_FALSE(ParseLatLon(junk).has_value()) << junk;
  }
}

}  // namespace
}  // namespace direvovu::library
