#pragma once

namespace direvovu {

enum class SpeedUnit { Kmh, Mph };

// The setting SPEED_UNIT: non-zero is km/h, 0 miles per hour.
inline SpeedUnit SpeedUnitFromSetting(int value) { return value != 0 ? SpeedUnit::Kmh : SpeedUnit::Mph; }
inline int SpeedUnitSetting(SpeedUnit unit) { return unit == SpeedUnit::Kmh ? 1 : 0; }

}  // namespace direvovu
