#include "core/library/harsh_moments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/map/page_calls.h"

namespace direvovu::library {
namespace {

// The sensor writes floats; an edge such as 0.8 g is not exact in them.
constexpr double kSensorResolution = 1e-6;

bool HasRecordFix(const TrackSecond& r) {
  return map::IsDrawablePosition(NmeaToDecimalDegrees(LatitudeText(r)),
                                 NmeaToDecimalDegrees(LongitudeText(r)));
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const std::size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid), values.end());
  const double upper = values[mid];
  if (values.size() % 2 == 1) return upper;
  const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid));
  return (lower + upper) / 2;
}

void SpeedMoments(std::span<const TrackSecond> records, std::vector<HarshMoment>& out) {
  // Each record's fix is read once (the position text is parsed for it) and kept for the next step.
  bool beforeFix = !records.empty() && HasRecordFix(records[0]);
  for (std::size_t i = 1; i < records.size(); ++i) {
    const TrackSecond& before = records[i - 1];
    const TrackSecond& now = records[i];
    const bool nowFix = HasRecordFix(now);
    const bool bothFix = beforeFix && nowFix;
    beforeFix = nowFix;
    if (!bothFix) continue;
    const int dv = now.speed - before.speed;
    const int second = static_cast<int>(i);
    if (dv <= -kHarshSpeedStep && before.speed >= kBrakingFromSpeed) {
      out.push_back({second, MomentKind::Braking, static_cast<double>(dv)});
    } else if (dv >= kHarshSpeedStep) {
      out.push_back({second, MomentKind::Acceleration, static_cast<double>(dv)});
    }
  }
}

void ShockMoments(std::span<const TrackSecond> records, std::vector<HarshMoment>& out) {
  using Axis = double TrackSecond::*;
  constexpr std::array<Axis, 3> kAxes{&TrackSecond::accelX, &TrackSecond::accelY, &TrackSecond::accelZ};
  std::array<double, 3> median{};
  for (std::size_t a = 0; a < kAxes.size(); ++a) {
    std::vector<double> values;
    values.reserve(records.size());
    for (const TrackSecond& r : records) {
      if (std::isfinite(r.*kAxes[a])) values.push_back(r.*kAxes[a]);
    }
    median[a] = Median(std::move(values));
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    double worst = 0;
    for (std::size_t a = 0; a < kAxes.size(); ++a) {
      const double deviation = records[i].*kAxes[a] - median[a];
      if (std::isfinite(deviation) && std::abs(deviation) > std::abs(worst)) worst = deviation;
    }
    if (std::abs(worst) >= kShockDeviation - kSensorResolution) {
      out.push_back({static_cast<int>(i), MomentKind::Shock, worst});
    }
  }
}

// Moments of one kind, in order of their second, folded into runs.
std::vector<HarshMoment> Merge(const std::vector<HarshMoment>& moments) {
  std::vector<HarshMoment> merged;
  int lastSecond = 0;
  for (const HarshMoment& m : moments) {
    if (!merged.empty() && m.second - lastSecond < kMomentMergeSeconds) {
      if (std::abs(m.value) > std::abs(merged.back().value)) merged.back().value = m.value;
    } else {
      merged.push_back(m);
    }
    lastSecond = m.second;
  }
  return merged;
}

}  // namespace

std::string_view MomentKindName(MomentKind kind) {
  switch (kind) {
    case MomentKind::Braking:
      return "braking";
    case MomentKind::Acceleration:
      return "acceleration";
    case MomentKind::Shock:
      break;
  }
  return "shock";
}

std::optional<MomentKind> MomentKindOfName(std::string_view name) {
  for (const MomentKind kind : {MomentKind::Braking, MomentKind::Acceleration, MomentKind::Shock}) {
    if (MomentKindName(kind) == name) return kind;
  }
  return std::nullopt;
}

std::vector<HarshMoment> DetectHarshMoments(std::span<const TrackSecond> records, std::size_t sensorRecords) {
  std::vector<HarshMoment> found;
  SpeedMoments(records, found);
  std::vector<HarshMoment> shocks;
  ShockMoments(records.first(std::min(sensorRecords, records.size())), shocks);
  std::vector<HarshMoment> all;
  for (const MomentKind kind : {MomentKind::Braking, MomentKind::Acceleration}) {
    std::vector<HarshMoment> ofKind;
    std::copy_if(found.begin(), found.end(), std::back_inserter(ofKind),
                 [kind](const HarshMoment& m) { return m.kind == kind; });
    const auto merged = Merge(ofKind);
    all.insert(all.end(), merged.begin(), merged.end());
  }
  const auto mergedShocks = Merge(shocks);
  all.insert(all.end(), mergedShocks.begin(), mergedShocks.end());
  std::stable_sort(all.begin(), all.end(), [](const HarshMoment& a, const HarshMoment& b) {
    return a.second != b.second ? a.second < b.second : a.kind < b.kind;
  });
  return all;
}

}  // namespace direvovu::library
