#include "event_text.h"

#include <algorithm>
#include <cstdio>

namespace direvovu::sample {

std::string EventTextFileName(const CivilTime& start) {
  char name[64];
  std::snprintf(name, sizeof name, "drf_%04d%02d%02d_%02d%02d%02d.txt", start.year, start.month, start.day,
                start.hour, start.minute, start.second);
  return name;
}

std::string EventTextOf(const CivilTime& start, const std::vector<DriveSecond>& drive, int index) {
  if (drive.empty()) return {};
  const auto at = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(drive.size()) - 1));
  const CivilTime moment =
      CivilTimeOfEpochSeconds(static_cast<std::uint32_t>(SecondsSinceEpoch(start) + static_cast<int>(at)));
  const DriveSecond& second = drive[at];
  char text[256];
  std::snprintf(
      text, sizeof text,
      "[Event1]\r\nDate=%04d-%02d-%02d\r\nTime=%02d:%02d:%02d\r\nG_Sensor_X=%.3f\r\nG_Sensor_Y=%.3f\r\n"
      "G_Sensor_Z=%.3f\r\n",
      moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second, second.accel_x,
      second.accel_y, second.accel_z);
  return text;
}

}  // namespace direvovu::sample
