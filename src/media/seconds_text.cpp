#include "media/seconds_text.h"

#include <cstdio>

namespace direvovu::media {

std::string SecondsText(double seconds) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f s", seconds);
  return text;
}

}  // namespace direvovu::media
