#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/display/graph_geometry.h"
#include "core/recording/track_state.h"
#include "player/media_player.h"

namespace direvovu::test {

// A drive of `seconds` records (one a second) from 2012-03-14 09:05:07: speeding up to
// about 80 km/h, a hard braking spike at `spike` (X −1.8 g) down to a stop, then away
// again; positions in Lisbon.
TrackState BrakingTrack(int seconds = 60, int spike = 30);
// The event text of that spike, as the camera logs it.
std::string BrakingEventText(int spike = 30);
std::vector<display::GraphEvent> BrakingEvents(const TrackState& track, int spike = 30);

// Where the display tests leave their pictures for people to look at.
std::filesystem::path ScreenshotFolder();

// True when the image has more than one colour.
bool HasSeveralColours(const QImage& image);

// A player without a media library whose snapshot is a PNG of a test picture, so that
// capture and printing can run without video.
class PictureFakePlayer : public IChannelPlayer {
  Q_OBJECT

 public:
  explicit PictureFakePlayer(QColor colour, QObject* parent = nullptr)
      : IChannelPlayer(parent), colour_(colour) {}

  PlayerResult Init() override { return PlayerResult::Success(); }
  PlayerResult Open(const std::filesystem::path& /*file*/) override { return PlayerResult::Success(); }
  void Release() override {}
  void SetDrawable(std::uintptr_t window) override { drawable_ = window; }
  std::uintptr_t Drawable() const override { return drawable_; }
  PlayerResult Play() override {
    state_ = PlayerState::kPlaying;
    ++plays_;
    return PlayerResult::Success();
  }
  void Pause() override {
    if (state_ == PlayerState::kPlaying) state_ = PlayerState::kPaused;
    ++pauses_;
  }
  void Stop() override { state_ = PlayerState::kStopped; }
  float GetRate() const override { return 1; }
  void SetRate(float /*rate*/) override {}
  float GetPosition() const override { return 0; }
  void SetPosition(float /*position*/) override {}
  std::int64_t GetLength() const override { return 60000; }
  std::int64_t GetTime() const override { return time_ms_; }
  void SetTime(std::int64_t ms) override { time_ms_ = ms; }
  PlayerState GetState() const override { return state_; }
  bool TakeSnapshot(const std::filesystem::path& file) override;
  bool CanPause() const override { return true; }
  bool IsSeekable() const override { return true; }
  void SetMute(bool /*mute*/) override {}
  bool GetMute() const override { return false; }
  void SetVolume(int /*step*/) override {}
  int GetVolume() const override { return 5; }
  int VideoWidth() const override { return 320; }
  int VideoHeight() const override { return 180; }
  int GetFps() const override { return 30; }
  FrameRate GetFrameRate() const override { return {30, 1}; }
  void NextFrame() override { time_ms_ += 33; }
  void SetCropGeometry(const std::string& /*geometry*/) override {}
  int LostPictures() const override { return 0; }

  void SetState(PlayerState state) { state_ = state; }
  int plays() const { return plays_; }
  int pauses() const { return pauses_; }

 private:
  QColor colour_;
  std::uintptr_t drawable_ = 0;
  PlayerState state_ = PlayerState::kIdle;
  std::int64_t time_ms_ = 0;
  int plays_ = 0;
  int pauses_ = 0;
};

}  // namespace direvovu::test
