#include "core/app/main_window_geometry.h"

#include <algorithm>
#include <cstdio>

namespace direvovu {

WindowPosition PlaceMainWindow(int screen_width, int screen_height) {
  if (screen_height < kMainWindowHeight) {
    return {(screen_width - kMainWindowWidth) / 2, screen_height - kMainWindowHeight};
  }
  return {0, 0};
}

std::string ClockText(std::int64_t ms) {
  const std::int64_t s = std::max<std::int64_t>(ms, 0) / 1000;
  const auto minutes = static_cast<int>(s / 60 - (s / 3600) * 60);
  const auto seconds = static_cast<int>(s % 3600 - static_cast<std::int64_t>(minutes) * 60);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
  return text;
}

int PlaySecond(std::int64_t ms) { return static_cast<int>(std::max<std::int64_t>(ms, 0) / 1000); }

int SliderPosition(std::int64_t time_ms, std::int64_t length_ms, int range) {
  if (length_ms <= 0) return 0;
  const std::int64_t position = std::clamp<std::int64_t>(time_ms, 0, length_ms) * range / length_ms;
  return static_cast<int>(position);
}

}  // namespace direvovu
