#include "drive_simulation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace direvovu::sample {
namespace {

constexpr double kGravity = 9.80665;  // m/s² per g
constexpr double kMetresPerDegreeLat = 110540.0;
constexpr double kMetresPerDegreeLonAtEquator = 111320.0;
constexpr int kStepsPerSecond = 10;
constexpr double kStep = 1.0 / kStepsPerSecond;
constexpr double kComfortDecel = 2.0;  // m/s², slowing for a corner or a lower speed
constexpr double kHardBrakeMin = 5.6;  // m/s², about 0.6 g: the spike the graphs should show
constexpr double kHardBrakeMax = 6.4;

double KmhToMs(double kmh) { return kmh / 3.6; }

// mt19937 is specified bit for bit; the standard distributions are not, so the drive draws
// its numbers through these to stay the same on every library.
class DriveRandom {
 public:
  explicit DriveRandom(std::uint32_t seed) : engine_(seed) {}
  double Uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
  }
  // Roughly normal noise (sum of four uniforms) with the given standard deviation.
  double Noise(double sigma) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) sum += Uniform(0, 1);
    return sigma * (sum - 2.0) * std::numbers::sqrt3;
  }
  bool Chance(double p) { return Uniform(0, 1) < p; }

 private:
  std::mt19937 engine_;
};

struct Vec2 {
  double x = 0;
  double y = 0;
};

// The route in local metres (east, north) around its first point, with distances along it.
class RouteGeometry {
 public:
  explicit RouteGeometry(const std::vector<GeoPoint>& route, GeoPoint origin) : origin_(origin) {
    const GeoPoint first = route.front();
    lon_scale_ = kMetresPerDegreeLonAtEquator * std::cos(origin.latitude * std::numbers::pi / 180.0);
    for (const GeoPoint& p : route) {
      points_.push_back({(p.longitude - first.longitude) * lon_scale_,
                         (p.latitude - first.latitude) * kMetresPerDegreeLat});
    }
    cumulative_.push_back(0);
    for (std::size_t i = 1; i < points_.size(); ++i) {
      cumulative_.push_back(cumulative_.back() +
                            std::hypot(points_[i].x - points_[i - 1].x, points_[i].y - points_[i - 1].y));
    }
    for (std::size_t i = 1; i + 1 < points_.size(); ++i)
      AddCorner(i, points_[i - 1], points_[i], points_[i + 1]);
    AddCorner(0, points_[points_.size() - 2], points_[0], points_[1]);  // the loop closes at the start
  }

  [[nodiscard]] double Length() const { return cumulative_.back(); }

  [[nodiscard]] Vec2 PointAt(double s) const {
    s = Wrap(s);
    const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), s);
    const std::size_t i =
        std::clamp<std::size_t>(static_cast<std::size_t>(it - cumulative_.begin()), 1, points_.size() - 1);
    const double seg = cumulative_[i] - cumulative_[i - 1];
    const double f = seg > 0 ? (s - cumulative_[i - 1]) / seg : 0;
    return {points_[i - 1].x + f * (points_[i].x - points_[i - 1].x),
            points_[i - 1].y + f * (points_[i].y - points_[i - 1].y)};
  }

  // Heading (radians, counter-clockwise from east) of a chord across s, so that corners turn
  // gradually over a few metres as a car does.
  [[nodiscard]] double HeadingAt(double s) const {
    const Vec2 a = PointAt(s - 8.0);
    const Vec2 b = PointAt(s + 8.0);
    return std::atan2(b.y - a.y, b.x - a.x);
  }

  [[nodiscard]] GeoPoint ToGeo(Vec2 p) const {
    return {origin_.latitude + p.y / kMetresPerDegreeLat, origin_.longitude + p.x / lon_scale_};
  }

  // Highest speed (m/s) at s that still allows slowing comfortably for the corners ahead.
  [[nodiscard]] double CornerSpeedCap(double s) const {
    double cap = std::numeric_limits<double>::infinity();
    const double here = Wrap(s);
    for (const auto& corner : corners_) {
      double ahead = corner.at - here;
      if (ahead < -10.0) ahead += Length();  // behind us: meet it on the next lap
      const double distance = std::max(0.0, ahead);
      if (distance > 250.0) continue;
      cap = std::min(cap, std::sqrt(corner.speed * corner.speed + 2.0 * kComfortDecel * distance));
    }
    return cap;
  }

 private:
  struct Corner {
    double at;     // distance along the route
    double speed;  // m/s a driver takes it at
  };

  [[nodiscard]] double Wrap(double s) const {
    const double length = Length();
    s = std::fmod(s, length);
    return s < 0 ? s + length : s;
  }

  void AddCorner(std::size_t i, Vec2 before, Vec2 at, Vec2 after) {
    const double in = std::atan2(at.y - before.y, at.x - before.x);
    const double out = std::atan2(after.y - at.y, after.x - at.x);
    double turn = std::fabs(std::remainder(out - in, 2 * std::numbers::pi));
    turn *= 180.0 / std::numbers::pi;
    if (turn < 25.0) return;
    corners_.push_back({cumulative_[i], KmhToMs(turn > 60.0 ? 18.0 : 28.0)});
  }

  GeoPoint origin_;
  double lon_scale_ = 0;
  std::vector<Vec2> points_;
  std::vector<double> cumulative_;
  std::vector<Corner> corners_;
};

// The driver: waits at lights, pulls away, cruises at a chosen speed, brakes.
class Driver {
 public:
  explicit Driver(DriveRandom& random) : random_(random) { timer_ = random_.Uniform(2, 4); }

  // Advances one step; returns the new speed in m/s.
  // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the speed, then its cap
  double Step(double speed, double corner_cap) {
    timer_ -= kStep;
    switch (phase_) {
      case Phase::kStopped:
        if (timer_ <= 0) StartDriving();
        return 0;
      case Phase::kBraking: {
        const double v = speed - brake_decel_ * kStep;
        if (v > 0) return v;
        phase_ = Phase::kStopped;
        timer_ = random_.Uniform(6, 18);
        return 0;
      }
      case Phase::kDriving:
        break;
    }
    if (timer_ <= 0) DecideNext();
    if (phase_ != Phase::kDriving) return speed;
    // Nobody holds a speed exactly: let the chosen speed wander a little.
    target_ = std::clamp(target_ + random_.Noise(0.04), KmhToMs(25), KmhToMs(65));
    const double desired = std::min(target_, corner_cap);
    if (speed < desired) return std::min(desired, speed + accel_ * kStep);
    return std::max(desired, speed - kComfortDecel * kStep);
  }

  // After a collision the car stays where it is.
  void Halt() {
    phase_ = Phase::kStopped;
    timer_ = std::numeric_limits<double>::infinity();
  }

 private:
  enum class Phase { kStopped, kDriving, kBraking };

  void StartDriving() {
    phase_ = Phase::kDriving;
    target_ = KmhToMs(random_.Uniform(30, 60));
    accel_ = random_.Uniform(1.2, 2.4);
    timer_ = random_.Uniform(12, 30);
  }

  void DecideNext() {
    if (random_.Chance(0.45)) {
      phase_ = Phase::kBraking;
      // The first stop is always a hard one, so that even a short clip shows a braking spike.
      const bool hard = !braked_hard_ || random_.Chance(0.3);
      braked_hard_ |= hard;
      brake_decel_ = hard ? random_.Uniform(kHardBrakeMin, kHardBrakeMax) : random_.Uniform(1.8, 2.8);
      return;
    }
    target_ = KmhToMs(random_.Uniform(30, 60));
    timer_ = random_.Uniform(10, 25);
  }

  DriveRandom& random_;
  Phase phase_ = Phase::kStopped;
  double timer_ = 0;
  double target_ = 0;
  double accel_ = 1.5;
  double brake_decel_ = kHardBrakeMin;
  bool braked_hard_ = false;
};

// What the sensor reads in the second of a collision: a forward crash while moving, a shove
// from behind while standing.
void ApplyImpact(DriveSecond& second, bool moving, DriveRandom& random) {
  second.accel_x = (moving ? -1.8 : 1.5) + random.Noise(0.05);
  second.accel_y = (moving ? 0.7 : -0.5) + random.Noise(0.05);
  second.accel_z = 1.6 + random.Noise(0.05);
}

}  // namespace

const std::vector<GeoPoint>& CityRoute() {
  // A loop through the Baixa, up Avenida da Liberdade to Marquês de Pombal, over Largo do
  // Rato and São Bento down to the river, and back along Avenida 24 de Julho.
  static const std::vector<GeoPoint> kLisbon{
      {38.7076, -9.1355}, {38.7086, -9.1360}, {38.7112, -9.1367}, {38.7133, -9.1374}, {38.7142, -9.1382},
      {38.7148, -9.1393}, {38.7160, -9.1413}, {38.7178, -9.1430}, {38.7203, -9.1455}, {38.7228, -9.1478},
      {38.7247, -9.1495}, {38.7240, -9.1508}, {38.7228, -9.1520}, {38.7212, -9.1536}, {38.7201, -9.1545},
      {38.7178, -9.1543}, {38.7150, -9.1538}, {38.7120, -9.1530}, {38.7096, -9.1527}, {38.7068, -9.1530},
      {38.7064, -9.1500}, {38.7061, -9.1466}, {38.7060, -9.1444}, {38.7070, -9.1420}, {38.7076, -9.1395},
      {38.7074, -9.1375}, {38.7076, -9.1355},
  };
  return kLisbon;
}

std::vector<DriveSecond> SimulateDrive(const DriveOptions& options) {
  DriveRandom random(options.seed);
  const RouteGeometry route(CityRoute(), options.start.value_or(CityRoute().front()));
  Driver driver(random);
  if (options.parked) driver.Halt();
  const int total = options.offset_seconds + options.seconds;
  const int impact_second = options.offset_seconds + options.seconds / 2;

  std::vector<DriveSecond> drive;
  drive.reserve(static_cast<std::size_t>(std::max(0, options.seconds)));
  double distance = 0, speed = 0;
  double previous_speed = 0, previous_heading = route.HeadingAt(0);
  for (int t = 0; t < total; ++t) {
    DriveSecond second;
    const double heading = route.HeadingAt(distance);
    const double yaw = std::remainder(heading - previous_heading, 2 * std::numbers::pi);
    second.accel_x = (speed - previous_speed) / kGravity + random.Noise(0.02);
    second.accel_y = std::clamp(speed * yaw / kGravity, -0.5, 0.5) + random.Noise(0.02);
    second.accel_z = 1.0 + random.Noise(0.01 + 0.0002 * speed * 3.6);
    if (options.impact && t == impact_second) {
      ApplyImpact(second, speed > 2.0, random);
      speed = 0;
      driver.Halt();
    }
    second.position = route.ToGeo(route.PointAt(distance));
    second.speed_kmh = speed * 3.6;
    if (t - options.offset_seconds < options.no_fix_seconds) {
      second.position.reset();
      second.speed_kmh = 0;
    }
    if (t >= options.offset_seconds) drive.push_back(second);

    previous_speed = speed;
    previous_heading = heading;
    for (int step = 0; step < kStepsPerSecond; ++step) {
      const double next = driver.Step(speed, route.CornerSpeedCap(distance));
      distance += 0.5 * (speed + next) * kStep;
      speed = next;
    }
  }
  return drive;
}

}  // namespace direvovu::sample
