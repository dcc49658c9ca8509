#pragma once

#include <QString>

#include <filesystem>
#include <functional>

#include "gui/controls/prompts.h"
#include "player/media_player.h"

class QWidget;

namespace direvovu::gui {

// What capture and printing need to know of the main window's playback.
struct PlaybackView {
  IChannelPlayer* front = nullptr;       // nullptr when the front channel is absent
  IChannelPlayer* rear = nullptr;        // nullptr when the rear channel is absent
  std::filesystem::path frontRecording;  // the recordings the user opened (for the names)
  std::filesystem::path rearRecording;
  bool loadPending = false;
  std::function<void()> pause;  // the pause command
  std::function<void()> play;   // the play command (resume)

  // The front player when the front channel is present, else the rear one.
  [[nodiscard]] IChannelPlayer* Leading() const { return front != nullptr ? front : rear; }
};

struct CaptureResult {
  bool attempted = false;           // false: nothing playing or paused, or a load pending
  std::filesystem::path frontFile;  // empty when that channel is absent
  std::filesystem::path rearFile;
  bool frontWritten = false;
  bool rearWritten = false;
  QString detail;  // the text shown under the message
};

// The capture button: pauses a playing pair, writes a PNG of each present channel's
// picture into the capture folder (created when missing), names them after the recording
// and the play position, reports them with message 1 and plays on. When no picture could
// be written it asks for another folder (message 21) instead of claiming success.
CaptureResult CaptureVideo(const PlaybackView& playback, const std::filesystem::path& captureFolder,
                           IPrompts& prompts);

}  // namespace direvovu::gui
