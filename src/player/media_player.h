#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/app/frame_step.h"
#include "core/limits.h"

namespace direvovu {

// Player states by meaning. libvlc's numbering changed between its versions,
// so nothing outside the player looks at the library's numbers.
enum class PlayerState {
  kIdle,  // nothing opened yet, or the media was released
  kOpening,
  kBuffering,
  kPlaying,
  kPaused,
  kStopped,
  kEnded,  // played to the end
  kError,
};

// Maps a libvlc 3 state number (libvlc_state_t) to its meaning; unknown numbers read as kError.
PlayerState PlayerStateFromLibvlc(int libvlc_state);
const char* PlayerStateName(PlayerState state);

enum class Channel { kFront, kRear };

// Outcome of a player operation that can fail; the message is for the user's detail line.
struct PlayerResult {
  bool ok = true;
  std::string message;

  static PlayerResult Success() { return {}; }
  static PlayerResult Failure(std::string text) { return {false, std::move(text)}; }
  explicit operator bool() const { return ok; }
};

// The viewer's volume is a step 0..kMaxVolumeStep; libvlc 3 takes a percentage 0..100.
int LibvlcVolumeFromStep(int step);
int VolumeStepFromLibvlc(int percent);

// One channel's player as the windows see it. ChannelPlayer is the libvlc one; GUI tests
// drive a fake. Every call is made on the GUI thread, and the signals arrive there too.
//
// The player only reports: pausing at the first "playing" and the synchronised start of
// the two channels are the main window's business.
class IChannelPlayer : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~IChannelPlayer() override;

  // Creates the library instance and an empty player. A failure means the media library
  // is unusable (no plug-ins, bad options); the caller ends start-up with the message.
  virtual PlayerResult Init() = 0;
  // Replaces the current media and player by new ones for the file. Failures that show
  // only while decoding arrive later through error().
  virtual PlayerResult Open(const std::filesystem::path& file) = 0;
  // Stops and frees the media and the player; call before the video widget goes away.
  virtual void Release() = 0;

  // Native window id that video is drawn into (X11 window, HWND, NSView); 0 = none.
  // Remembered and applied again after each Open.
  virtual void SetDrawable(std::uintptr_t window) = 0;
  [[nodiscard]] virtual std::uintptr_t Drawable() const = 0;

  virtual PlayerResult Play() = 0;
  // Pauses only a playing player; a paused one stays paused.
  virtual void Pause() = 0;
  // Stops unless nothing was ever opened. Returns once the player has stopped.
  virtual void Stop() = 0;

  [[nodiscard]] virtual float GetRate() const = 0;
  virtual void SetRate(float rate) = 0;

  [[nodiscard]] virtual float GetPosition() const = 0;  // 0..1
  virtual void SetPosition(float position) = 0;
  [[nodiscard]] virtual std::int64_t GetLength() const = 0;  // ms; 0 or less when unknown
  [[nodiscard]] virtual std::int64_t GetTime() const = 0;    // ms
  virtual void SetTime(std::int64_t ms) = 0;

  [[nodiscard]] virtual PlayerState GetState() const = 0;
  // Paused counts as playing: a loaded pair stays "playing" while paused.
  [[nodiscard]] bool IsPlaying() const;

  // Writes the current picture at the video's own size as a PNG. Only while playing or
  // paused; returns whether a file was written.
  virtual bool TakeSnapshot(const std::filesystem::path& file) = 0;

  [[nodiscard]] virtual bool CanPause() const = 0;
  [[nodiscard]] virtual bool IsSeekable() const = 0;

  // Mute and volume are remembered and applied to every new player after Open.
  virtual void SetMute(bool mute) = 0;
  [[nodiscard]] virtual bool GetMute() const = 0;
  void ToggleMute() { SetMute(!GetMute()); }
  virtual void SetVolume(int step) = 0;             // 0..10
  [[nodiscard]] virtual int GetVolume() const = 0;  // 0..10

  [[nodiscard]] virtual int VideoWidth() const = 0;  // pixels, 0 when unknown
  [[nodiscard]] virtual int VideoHeight() const = 0;
  [[nodiscard]] virtual int GetFps() const = 0;  // whole frames per second, 0 when unknown
  // The video's frame rate as the stream gives it; unknown (0) before it is known.
  [[nodiscard]] virtual FrameRate GetFrameRate() const = 0;
  // Shows the next frame and holds there (a playing player pauses first).
  virtual void NextFrame() = 0;
  // Shows only this part of the decoded picture (libvlc's crop geometry, zoom_geometry.h),
  // enlarged to the video area; empty shows the whole picture. Snapshots keep the whole
  // frame.
  virtual void SetCropGeometry(const std::string& geometry) = 0;
  // Pictures the video output dropped since the media was opened (late or lost).
  [[nodiscard]] virtual int LostPictures() const = 0;

 signals:
  // The media started playing; once per Open or Stop (a resume after Pause is not
  // reported again).
  void playing();
  // The media played to its end; once per Open or Stop.
  void endReached();
  // The media could not be opened or decoded (also when it ends without ever playing);
  // the message names the file. The main window treats it as a failed load.
  void error(const QString& message);
};

}  // namespace direvovu
