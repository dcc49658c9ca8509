#include "gui/display/capture.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cstring>
#include <system_error>

#include "core/display/capture_names.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"

namespace direvovu::gui {
namespace {

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// libvlc writes the snapshot when asked; a channel whose picture could not be written
// must not be reported as saved.
bool Snapshot(IChannelPlayer* player, const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::remove(file, error);
  return player->TakeSnapshot(file) && std::filesystem::is_regular_file(file, error);
}

}  // namespace

CaptureResult CaptureVideo(const PlaybackView& playback, const std::filesystem::path& captureFolder,
                           IPrompts& prompts) {
  CaptureResult result;
  IChannelPlayer* leading = playback.Leading();
  if (playback.loadPending || leading == nullptr || !leading->IsPlaying()) return result;
  result.attempted = true;
  const bool was_playing = leading->GetState() == PlayerState::kPlaying;
  if (was_playing && playback.pause) playback.pause();

  const std::int64_t time_ms = leading->GetTime();
  std::error_code error;
  std::filesystem::create_directories(captureFolder, error);
  if (playback.front != nullptr) {
    result.frontFile = display::VideoCaptureFile(captureFolder, playback.frontRecording, time_ms);
    result.frontWritten = Snapshot(playback.front, result.frontFile);
  }
  if (playback.rear != nullptr) {
    result.rearFile = display::VideoCaptureFile(captureFolder, playback.rearRecording, time_ms);
    result.rearWritten = Snapshot(playback.rear, result.rearFile);
  }
  // The front name (empty without a front channel), a line break and the rear name.
  const QString front = result.frontWritten ? PathText(result.frontFile) : QString();
  result.detail =
      playback.rear != nullptr && result.rearWritten ? front + "\n" + PathText(result.rearFile) : front;
  if (result.frontWritten || result.rearWritten) {
    ShowMessage(prompts, msg::kCaptureSaved, result.detail);
  } else {
    ShowMessage(prompts, msg::kSelectCaptureFolder, PathText(captureFolder));
  }
  if (was_playing && playback.play) playback.play();
  return result;
}

}  // namespace direvovu::gui
