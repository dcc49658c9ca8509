#pragma once

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "player/media_player.h"

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_event_t;

namespace direvovu {

// The player of one channel over its own libvlc 3 instance, so the two channels never
// share state inside the library. Lives on the GUI thread; libvlc's event threads only
// post what happened, and the signals are emitted on the GUI thread.
class ChannelPlayer final : public IChannelPlayer {
  Q_OBJECT

 public:
  // extra_options are appended to the channel's option list (tests pass
  // "--vout=dummy", "--aout=dummy").
  explicit ChannelPlayer(Channel channel, QStringList extra_options = {}, QObject* parent = nullptr);
  ~ChannelPlayer() override;
  ChannelPlayer(const ChannelPlayer&) = delete;
  ChannelPlayer& operator=(const ChannelPlayer&) = delete;

  // The arguments given to libvlc_new for a channel.
  static std::vector<std::string> LibraryOptions(Channel channel, const QStringList& extra_options);

  [[nodiscard]] Channel channel() const { return channel_; }

  PlayerResult Init() override;
  // An empty player on the instance, so volume and mute can be set before the first Open.
  PlayerResult CreatePlayer();
  PlayerResult Open(const std::filesystem::path& file) override;
  void Release() override;
  // Release, then the library instance itself.
  void ReleaseAll();

  void SetDrawable(std::uintptr_t window) override;
  [[nodiscard]] std::uintptr_t Drawable() const override { return drawable_; }

  PlayerResult Play() override;
  void Pause() override;
  void Stop() override;

  [[nodiscard]] float GetRate() const override;
  void SetRate(float rate) override;

  [[nodiscard]] float GetPosition() const override;
  void SetPosition(float position) override;
  [[nodiscard]] std::int64_t GetLength() const override;
  [[nodiscard]] std::int64_t GetTime() const override;
  void SetTime(std::int64_t ms) override;

  [[nodiscard]] PlayerState GetState() const override;
  bool TakeSnapshot(const std::filesystem::path& file) override;
  [[nodiscard]] bool CanPause() const override;
  [[nodiscard]] bool IsSeekable() const override;

  void SetMute(bool mute) override;
  [[nodiscard]] bool GetMute() const override { return mute_; }
  void SetVolume(int step) override;
  [[nodiscard]] int GetVolume() const override { return volume_step_; }

  [[nodiscard]] int VideoWidth() const override;
  [[nodiscard]] int VideoHeight() const override;
  [[nodiscard]] int GetFps() const override;
  [[nodiscard]] FrameRate GetFrameRate() const override;
  void NextFrame() override;
  void SetCropGeometry(const std::string& geometry) override;
  [[nodiscard]] int LostPictures() const override;

  // Only meaningful with a window of the player's own; the viewer embeds its video.
  void ToggleFullscreen();
  void SetFullscreen(bool on);
  [[nodiscard]] bool GetFullscreen() const;
  void SetAspect4x3();

 private:
  static void OnLibvlcEvent(const libvlc_event_t* event, void* self);
  void HandleEvent(std::uint64_t generation, int type);
  void ReportFailure();
  void AttachEvents();
  void DetachEvents();
  void ApplyDrawable();
  void ApplyAudio();
  void ForgetPendingEvents();
  bool VideoSize(unsigned* width, unsigned* height) const;

  Channel channel_;
  QStringList extra_options_;
  libvlc_instance_t* instance_ = nullptr;
  libvlc_media_player_t* player_ = nullptr;
  libvlc_media_t* media_ = nullptr;
  std::filesystem::path file_;
  std::uintptr_t drawable_ = 0;
  std::string crop_;
  bool mute_ = false;
  int volume_step_ = 5;
  bool attached_ = false;
  bool playing_reported_ = false;
  bool end_reported_ = false;
  bool failure_reported_ = false;
  // Bumped by Open, Stop and Release: events posted before are dropped on arrival.
  std::atomic<std::uint64_t> generation_{0};
};

}  // namespace direvovu
