#include "gui/display/capture.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cstring>
#include <system_error>

#include "core/display/bmp_header.h"
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

// The DIB rows of an image at a depth: bottom-up, each padded to four bytes. QImage keeps
// its lines 32-bit aligned as well, so a line is copied as it stands.
display::BmpImage BmpOfImage(const QImage& source, int bits) {
  QImage image;
  switch (bits) {
    case 8:
      image = source.convertToFormat(QImage::Format_Indexed8);
      break;
    case 16:
      image = source.convertToFormat(QImage::Format_RGB555);
      break;
    case 32:
      image = source.convertToFormat(QImage::Format_RGB32);
      break;
    default:
      bits = 24;
      image = source.convertToFormat(QImage::Format_BGR888);
      break;
  }
  display::BmpImage bmp;
  bmp.width = image.width();
  bmp.height = image.height();
  bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
  if (bits == 8) {
    for (const QRgb colour : image.colorTable()) bmp.colourTable.push_back(colour & 0xFFFFFF);
  }
  const std::uint32_t stride = display::BmpRowStride(bmp.width, bmp.bitsPerPixel);
  bmp.pixels.resize(static_cast<std::size_t>(stride) * bmp.height);
  for (int row = 0; row < bmp.height; ++row) {
    const uchar* line = image.constScanLine(bmp.height - 1 - row);
    std::memcpy(bmp.pixels.data() + static_cast<std::size_t>(row) * stride, line,
                std::min<std::size_t>(stride, static_cast<std::size_t>(image.bytesPerLine())));
  }
  return bmp;
}

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

int CaptureBitsPerPixel(QWidget* window) {
  const QScreen* screen = window != nullptr ? window->screen() : nullptr;
  const int depth = screen != nullptr ? screen->depth() : 24;
  if (depth <= 8) return 8;
  if (depth <= 16) return 16;
  if (depth <= 24) return 24;
  return 32;
}

bool CaptureWindowArea(QWidget* window, int left, int top, int width, int height,
                       const std::filesystem::path& file) {
  if (window == nullptr || width <= 0 || height <= 0) return false;
  const QPixmap area = window->grab(QRect(left, top, width, height));
  if (area.isNull()) return false;
  const QImage image = area.toImage();
  return display::SaveBmpFile(file, BmpOfImage(image, CaptureBitsPerPixel(window)));
}

}  // namespace direvovu::gui
