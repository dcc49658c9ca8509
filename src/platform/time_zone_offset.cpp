#include "platform/time_zone_offset.h"

#include <QDateTime>
#include <QTimeZone>

namespace direvovu::platform {

std::optional<long> PcSecondsWestOfUtc() {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  if (!zone.isValid()) return std::nullopt;
  return -static_cast<long>(zone.standardTimeOffset(QDateTime::currentDateTime()));
}

}  // namespace direvovu::platform
