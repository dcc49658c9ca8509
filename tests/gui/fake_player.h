#pragma once

#include <QSize>

#include <memory>
#include <string>
#include <vector>

#include "player/media_player.h"

namespace direvovu::test {

// A player for window tests: no libvlc. States follow the calls the way libvlc's do, and
// events come only when the test reports them. Every call is appended to a log shared by
// the two channels, as "front Play", "rear SetMute(true)", "front SetVolume(7)" ...
class FakePlayer final : public IChannelPlayer {
  Q_OBJECT

 public:
  using Log = std::shared_ptr<std::vector<std::string>>;
  explicit FakePlayer(Channel channel, Log log = std::make_shared<std::vector<std::string>>(),
                      QObject* parent = nullptr);

  // What the fake answers.
  void FailInit(std::string message) { init_failure_ = std::move(message); }
  void FailOpen(std::string message) { open_failure_ = std::move(message); }
  void SetClock(std::int64_t time_ms, std::int64_t length_ms);
  void SetState(PlayerState state) { state_ = state; }
  void SetVideoSize(QSize size) { video_size_ = size; }
  // A player that does not settle: Stop is recorded but the state stays.
  void IgnoreStop(bool ignore) { ignore_stop_ = ignore; }

  // Events as libvlc would report them (emitted at once, on the calling thread).
  void ReportPlaying();  // state playing, then playing()
  void ReportEnd();      // state ended, then endReached()
  void ReportError(const QString& message);

  const std::filesystem::path& file() const { return file_; }
  const Log& log() const { return log_; }
  float rate() const { return rate_; }

  PlayerResult Init() override;
  PlayerResult Open(const std::filesystem::path& file) override;
  void Release() override;
  void SetDrawable(std::uintptr_t window) override;
  std::uintptr_t Drawable() const override { return drawable_; }
  PlayerResult Play() override;
  void Pause() override;
  void Stop() override;
  float GetRate() const override { return rate_; }
  void SetRate(float rate) override;
  float GetPosition() const override;
  void SetPosition(float position) override;
  std::int64_t GetLength() const override { return length_ms_; }
  std::int64_t GetTime() const override { return time_ms_; }
  void SetTime(std::int64_t ms) override;
  PlayerState GetState() const override { return state_; }
  // Writes a grey PNG of the video size while playing or paused, as the real player does.
  bool TakeSnapshot(const std::filesystem::path& file) override;
  bool CanPause() const override { return !file_.empty(); }
  bool IsSeekable() const override { return !file_.empty(); }
  void SetMute(bool mute) override;
  bool GetMute() const override { return mute_; }
  void SetVolume(int step) override;
  int GetVolume() const override { return volume_; }
  int VideoWidth() const override { return IsPlaying() ? video_size_.width() : 0; }
  int VideoHeight() const override { return IsPlaying() ? video_size_.height() : 0; }
  int GetFps() const override {
    return file_.empty() ? 0 : frame_rate_.Known() ? static_cast<int>(frame_rate_.num / frame_rate_.den) : 0;
  }
  FrameRate GetFrameRate() const override { return file_.empty() ? FrameRate{0, 1} : frame_rate_; }
  // One frame on, by the fake's rate; only while playing or paused, and it pauses.
  void NextFrame() override;
  void SetCropGeometry(const std::string& geometry) override;
  int LostPictures() const override { return 0; }
  void SetFrameRate(FrameRate rate) { frame_rate_ = rate; }
  const std::string& crop() const { return crop_; }

 private:
  void Record(const std::string& call) const;

  std::string name_;
  Log log_;
  std::string init_failure_;
  std::string open_failure_;
  std::filesystem::path file_;
  PlayerState state_ = PlayerState::kIdle;
  std::uintptr_t drawable_ = 0;
  float rate_ = 1.0F;
  std::int64_t time_ms_ = 0;
  std::int64_t length_ms_ = 0;
  bool mute_ = false;
  bool ignore_stop_ = false;
  int volume_ = 5;
  QSize video_size_{1280, 720};
  FrameRate frame_rate_{30, 1};
  std::string crop_;
};

}  // namespace direvovu::test
