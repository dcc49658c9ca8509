// A track segment's packed bytes: the layout, the way back, and bytes that are not one.
#include "core/library/point_segment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/library/library_query.h"
#include "core/library/library_store.h"
#include "library_fixture.h"

namespace direvovu::library {
namespace {

using testing::LibraryFixture;

std::vector<TrackPoint> Points(int n) {
  std::vector<TrackPoint> points;
  for (int i = 0; i < n; ++i) {
    TrackPoint p{i * 2 + 1, std::nullopt, -33.9 + i * 1e-5, 151.2 - i * 1e-5, 40 + i, 0.01 * i, -0.02, 1};
    if (i % 3 != 0) p.utc = CivilTime{2026, 12, 7, 9 + i / 60, i % 60, 5};
    points.push_back(p);
  }
  return points;
}

void ExpectSame(const std::vector<TrackPoint>& got, const std::vector<TrackPoint>& want, const char* name) {
  ASSERT_EQ(got.size(), want.size()) << name;
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].second, want[i].second) << name << " #" << i;
    EXPECT_EQ(got[i].utc, want[i].utc) << name << " #" << i;
    EXPECT_EQ(got[i].latitude, want[i].latitude) << name << " #" << i;
    EXPECT_EQ(got[i].longitude, want[i].longitude) << name << " #" << i;
    EXPECT_EQ(got[i].speed, want[i].speed) << name << " #" << i;
    EXPECT_EQ(got[i].gx, want[i].gx) << name << " #" << i;
    EXPECT_EQ(got[i].gy, want[i].gy) << name << " #" << i;
    EXPECT_EQ(got[i].gz, want[i].gz) << name << " #" << i;
  }
}

std::vector<std::uint8_t> With(std::vector<std::uint8_t> bytes, std::size_t at, std::uint8_t value) {
  bytes.at(at) = value;
  return bytes;
}

std::vector<std::uint8_t> PutReal(std::vector<std::uint8_t> bytes, std::size_t at, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (std::size_t i = 0; i < 8; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

struct SegmentCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  std::vector<TrackPoint> points;  // what they decode to; empty: not a segment
};

TEST(PointSegment, BytesDecodeToTheirPointsOrAreRefused) {
  const auto one = EncodeSegment(Points(1));
  const auto full = EncodeSegment(Points(kPointsPerBox));
  const std::size_t point2 = kSegmentHeadBytes + kSegmentPointBytes;  // the second point's start
  const std::vector<std::uint8_t> cut(full.begin(), full.end() - 1);
  auto longer = full;
  longer.push_back(0);
  auto overfull = full;
  overfull.insert(overfull.end(), full.end() - kSegmentPointBytes, full.end());
  overfull[2] = static_cast<std::uint8_t>(kPointsPerBox + 1);
  auto backwards = Points(2);
  std::swap(backwards[0].second, backwards[1].second);
  const std::vector<SegmentCase> cases{
      // The layout itself: one point at second 1, no UTC, -33.9, 151.2, 40 km/h, G (0, -0.02, 1).
      {"one point", one, Points(1)},
      {"a full segment", full, Points(kPointsPerBox)},
      {"empty", {}, {}},
      {"a head without points", {1, 0, 0, 0}, {}},
      {"cut by a byte", cut, {}},
      {"a byte too many", longer, {}},
      {"more points than a segment holds", overfull, {}},
      {"another layout", With(one, 0, 2), {}},
      {"a UTC flag that is neither 0 nor 1", With(one, 8, 2), {}},
      {"a UTC time without its flag", With(one, 9, 1), {}},
      {"seconds out of order", EncodeSegment(backwards), {}},
      {"a latitude off the globe", PutReal(full, point2 + 13, 90.5), {}},
      {"a longitude that is not a number", PutReal(full, point2 + 21, std::nan("")), {}},
  };
  EXPECT_EQ(one.size(), kSegmentHeadBytes + kSegmentPointBytes);
  EXPECT_EQ((std::vector<std::uint8_t>(one.begin(), one.begin() + 9)),
            (std::vector<std::uint8_t>{1, 0, 1, 0, 1, 0, 0, 0, 0}));
  for (const SegmentCase& c : cases) {
    std::vector<TrackPoint> out = Points(1);  // what was there before stays
    const bool decoded = DecodeSegment(c.bytes, out);
    EXPECT_EQ(decoded, !c.points.empty()) << c.name;
    std::vector<TrackPoint> want = Points(1);
    want.insert(want.end(), c.points.begin(), c.points.end());
    ExpectSame(out, want, c.name);
  }
  EXPECT_THROW((void)EncodeSegment(Points(kPointsPerBox + 1)), std::invalid_argument);
}

TEST(PointSegment, DamagedStoredSegmentIsAClearErrorForEveryReader) {
  LibraryFixture fx;
  auto library = fx.Open();
  RecordingFacts f;
  f.front = "/card/drf0_20261207_090000.mp4";
  f.localStart = {2026, 12, 7, 9, 0, 0};
  f.lengthMs = 60000;
  f.track = TrackStatus::Read;
  f.points = Points(40);
  {
    Transaction t(library->db());
    RecordingWriter(library->db()).Store(f);
    t.Commit();
  }
  SqliteDb& db = library->db();
  ExpectSame(PointsOf(db, 1), f.points, "stored");
  RecordingFilter near;
  near.near = Place{-33.9, 151.2, 50};
  ASSERT_EQ(FindRecordings(db, near).size(), 1U);
  db.Exec("UPDATE point_segments SET points = substr(points, 1, 100) WHERE id = 1024");
  const auto expectDamaged = [](const auto& read, const char* reader) {
    try {
      read();
      ADD_FAILURE() << reader << " read a damaged segment";
    } catch (const DbError& e) {
      EXPECT_TRUE(e.Damaged()) << reader;
      EXPECT_NE(std::string(e.what()).find("track of recording 1 is damaged"), std::string::npos) << e.what();
    }
  };
  expectDamaged([&] { (void)PointsOf(db, 1); }, "one recording's points");
  expectDamaged([&] { (void)PointsOfAll(db); }, "every recording's points");
  expectDamaged([&] { (void)FindRecordings(db, near); }, "the place query");
}

}  // namespace
}  // namespace direvovu::library
