#pragma once

#include <cstdint>
#include <string>

namespace direvovu {

// The main window is fixed in size; its skin is drawn for exactly these pixels.
inline constexpr int kMainWindowWidth = 947;
inline constexpr int kMainWindowHeight = 750;

// Rounded outline of the window, in client pixels: left, top, right, bottom and the
// size of the corner ellipse.
struct RoundedOutline {
  int left = 5;
  int top = 5;
  int right = 942;
  int bottom = 745;
  int corner = 20;
};
inline constexpr RoundedOutline kMainWindowOutline{};

struct WindowPosition {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPosition&) const = default;
};

// Where the window goes on a screen of the given size (pixels of its available area).
// A screen too low for the window gets it centred horizontally and pushed up so that
// its bottom (with the transport and the buttons) stays visible; otherwise it sits at
// the top-left corner.
WindowPosition PlaceMainWindow(int screen_width, int screen_height);

// "mm:ss" of a play time; hours are dropped (recordings are minutes long), negative
// times read as 0.
std::string ClockText(std::int64_t ms);

// Whole seconds of a play time, never negative.
int PlaySecond(std::int64_t ms);

// Seek slider position 0..`range` for time t of a recording of length L (both ms);
// 0 when the length is unknown.
int SliderPosition(std::int64_t time_ms, std::int64_t length_ms, int range = 10000);

}  // namespace direvovu
