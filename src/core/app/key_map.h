#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace direvovu {

// What a key of the main window (or of a channel full screen) does.
enum class KeyCommand {
  PlayPause,
  Back5s,
  Forward5s,
  Back1s,
  Forward1s,
  Back60s,
  Forward60s,
  RateDown,
  RateUp,
  RateNormal,
  Mute,
  VolumeUp,
  VolumeDown,
  NextRow,
  PreviousRow,
  PlaySelectedRow,  // only in the play list
  Open,
  Capture,
  KeySheet,
  FrameForward,
  FrameBack,
  Loop,
  FullScreenFront,
  FullScreenRear,
  ZoomReset,
  LeaveFullScreen,  // only in full screen; elsewhere Escape keeps its own meaning
  MarkIn,
  MarkOut,
  Export,
  Library,
};

// A command and its keys, in Qt's portable key text ("Shift+Left", "Ctrl+O", "."),
// which the window turns into key sequences; a command has one or two.
struct KeyBinding {
  KeyCommand command;
  std::array<std::string_view, 2> keys;
  bool repeats;  // holding the key repeats the command
};

// Every binding, in the order the key sheet lists them.
std::span<const KeyBinding> KeyBindings();

// The command of a key, by its portable text; nothing for a key that has none.
std::optional<KeyCommand> CommandForKey(std::string_view key);

// The play time a seek key moves by; 0 for the other commands.
long long SeekKeyDeltaMs(KeyCommand command);

}  // namespace direvovu
