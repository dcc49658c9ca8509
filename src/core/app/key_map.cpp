#include "core/app/key_map.h"

#include <algorithm>

#include "core/app/transport.h"

namespace direvovu {
namespace {

using K = KeyCommand;

// The keys people know from mpv and VLC; the window's own (I, O, E) stay as they were.
constexpr std::array kBindings{
    KeyBinding{K::PlayPause, {"Space", ""}, false},
    KeyBinding{K::Back5s, {"Left", ""}, true},
    KeyBinding{K::Forward5s, {"Right", ""}, true},
    KeyBinding{K::Back1s, {"Shift+Left", ""}, true},
    KeyBinding{K::Forward1s, {"Shift+Right", ""}, true},
    KeyBinding{K::Back60s, {"Down", ""}, true},
    KeyBinding{K::Forward60s, {"Up", ""}, true},
    KeyBinding{K::FrameBack, {",", ""}, true},
    KeyBinding{K::FrameForward, {".", ""}, true},
    KeyBinding{K::Loop, {"L", ""}, false},
    KeyBinding{K::RateDown, {"[", ""}, false},
    KeyBinding{K::RateUp, {"]", ""}, false},
    KeyBinding{K::RateNormal, {"Backspace", ""}, false},
    KeyBinding{K::Mute, {"M", ""}, false},
    KeyBinding{K::VolumeUp, {"+", "="}, true},
    KeyBinding{K::VolumeDown, {"-", ""}, true},
    KeyBinding{K::NextRow, {"PgDown", ""}, false},
    KeyBinding{K::PreviousRow, {"PgUp", ""}, false},
    KeyBinding{K::PlaySelectedRow, {"Return", "Enter"}, false},
    KeyBinding{K::FullScreenFront, {"F", ""}, false},
    KeyBinding{K::FullScreenRear, {"Shift+F", ""}, false},
    KeyBinding{K::LeaveFullScreen, {"Esc", ""}, false},
    KeyBinding{K::ZoomReset, {"0", ""}, false},
    KeyBinding{K::Capture, {"S", ""}, false},
    KeyBinding{K::Open, {"Ctrl+O", ""}, false},
    KeyBinding{K::MarkIn, {"I", ""}, false},
    KeyBinding{K::MarkOut, {"O", ""}, false},
    KeyBinding{K::Export, {"E", ""}, false},
    KeyBinding{K::Library, {"Ctrl+L", ""}, false},
    KeyBinding{K::KeySheet, {"F1", "?"}, false},
};

constexpr long long kShortSeekMs = 1000;
constexpr long long kSeekMs = kKeySeekMs;
constexpr long long kLongSeekMs = 60000;

}  // namespace

std::span<const KeyBinding> KeyBindings() { return kBindings; }

std::optional<KeyCommand> CommandForKey(std::string_view key) {
  if (key.empty()) return std::nullopt;
  const auto* found = std::find_if(kBindings.begin(), kBindings.end(), [key](const KeyBinding& binding) {
    return binding.keys[0] == key || binding.keys[1] == key;
  });
  if (found == kBindings.end()) return std::nullopt;
  return found->command;
}

long long SeekKeyDeltaMs(KeyCommand command) {
  switch (command) {
    case K::Back1s:
      return -kShortSeekMs;
    case K::Forward1s:
      return kShortSeekMs;
    case K::Back5s:
      return -kSeekMs;
    case K::Forward5s:
      return kSeekMs;
    case K::Back60s:
      return -kLongSeekMs;
    case K::Forward60s:
      return kLongSeekMs;
    default:
      return 0;
  }
}

}  // namespace direvovu
