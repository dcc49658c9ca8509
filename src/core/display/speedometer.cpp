#include "core/display/speedometer.h"

#include <array>
#include <cmath>

#include "core/printf_text.h"

namespace direvovu::display {
namespace {

// Hand-measured on the dial pictures: 0, 5, …, 195 km/h.
constexpr std::array<Point, 40> kKmhNeedle{{
    {431, 558}, {429, 554}, {427, 549}, {426, 544}, {425, 538}, {424, 533}, {425, 527}, {426, 522},
    {427, 516}, {430, 512}, {433, 507}, {436, 503}, {439, 499}, {443, 496}, {447, 492}, {452, 490},
    {458, 487}, {462, 486}, {468, 485}, {473, 485}, {480, 486}, {484, 487}, {490, 489}, {495, 491},
    {500, 493}, {504, 496}, {507, 500}, {511, 503}, {514, 508}, {516, 512}, {518, 517}, {519, 523},
    {521, 529}, {520, 533}, {520, 539}, {520, 543}, {519, 550}, {517, 554}, {514, 559}, {511, 563},
}};

// 0, 3.3, …, 115.5 mph.
constexpr std::array<Point, 36> kMphNeedle{{
    {432, 563}, {429, 558}, {427, 553}, {425, 546}, {424, 540}, {424, 535}, {425, 529}, {426, 523},
    {427, 517}, {429, 512}, {432, 507}, {436, 502}, {441, 497}, {446, 493}, {452, 490}, {459, 487},
    {465, 486}, {472, 485}, {480, 486}, {487, 487}, {493, 490}, {499, 493}, {504, 497}, {509, 501},
    {513, 506}, {516, 511}, {519, 516}, {520, 521}, {521, 527}, {522, 534}, {522, 539}, {521, 545},
    {519, 551}, {517, 557}, {514, 562}, {510, 567},
}};

constexpr double kMilesPerKm = 0.621371192;
constexpr double kKmhPerStep = 5.0;
constexpr double kMphPerStep = 3.3;

}  // namespace

std::span<const Point> NeedleTable(SpeedUnit unit) {
  if (unit == SpeedUnit::Kmh) return kKmhNeedle;
  return kMphNeedle;
}

int DisplaySpeed(int speedKmh, SpeedUnit unit) {
  if (unit == SpeedUnit::Kmh) return speedKmh;
  return static_cast<int>(std::trunc(speedKmh * kMilesPerKm));
}

int NeedleIndex(int displaySpeed, SpeedUnit unit) {
  const double step = unit == SpeedUnit::Kmh ? kKmhPerStep : kMphPerStep;
  const int last = static_cast<int>(NeedleTable(unit).size()) - 1;
  if (displaySpeed <= 0) return 0;
  const double index = std::trunc(displaySpeed / step);
  return index >= last ? last : static_cast<int>(index);
}

Point NeedleEnd(int displaySpeed, SpeedUnit unit) {
  return NeedleTable(unit)[static_cast<std::size_t>(NeedleIndex(displaySpeed, unit))];
}

std::string SpeedNumberText(int displaySpeed, SpeedUnit unit) {
  // The mph padding keeps its own thresholds (17 and 170), not the digit counts.
  const int one_digit = unit == SpeedUnit::Kmh ? 10 : 17;
  const int two_digits = unit == SpeedUnit::Kmh ? 100 : 170;
  const char* padding = displaySpeed < one_digit ? "  " : displaySpeed < two_digits ? " " : "";
  return PrintfText("%s%d", padding, displaySpeed);
}

double NeedleAngleDegrees(Point end) {
  constexpr double kDegreesPerRadian = 57.29577951308232;
  return std::atan2(kDialCentre.y - end.y, end.x - kDialCentre.x) * kDegreesPerRadian;
}

}  // namespace direvovu::display
