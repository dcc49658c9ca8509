#include "core/display/transport_indicators.h"

#include <algorithm>
#include <cmath>

namespace direvovu::display {

std::string RateIndicatorText(float rate) {
  if (!std::isfinite(rate) || rate <= 0) return "x1";
  // Powers of two from 1/8 to 8.
  const int exponent = std::clamp(static_cast<int>(std::lround(std::log2(rate))), -3, 3);
  if (exponent >= 0) return "x" + std::to_string(1 << exponent);
  return "x1/" + std::to_string(1 << -exponent);
}

int VolumeBarsLit(int volumeStep) { return std::clamp(volumeStep, 0, kVolumeBars); }

}  // namespace direvovu::display
