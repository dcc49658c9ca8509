#pragma once

#include <string>

namespace direvovu::media {

// "12.35 s": how messages show a moment or a length.
std::string SecondsText(double seconds);

}  // namespace direvovu::media
