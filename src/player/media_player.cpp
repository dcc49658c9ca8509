#include "player/media_player.h"

#include <algorithm>
#include <cmath>

namespace direvovu {

IChannelPlayer::~IChannelPlayer() = default;

bool IChannelPlayer::IsPlaying() const {
  const PlayerState state = GetState();
  return state == PlayerState::kPlaying || state == PlayerState::kPaused;
}

PlayerState PlayerStateFromLibvlc(int libvlc_state) {
  // libvlc 3: 0 nothing special, 1 opening, 2 buffering, 3 playing, 4 paused,
  // 5 stopped, 6 ended, 7 error.
  switch (libvlc_state) {
    case 0:
      return PlayerState::kIdle;
    case 1:
      return PlayerState::kOpening;
    case 2:
      return PlayerState::kBuffering;
    case 3:
      return PlayerState::kPlaying;
    case 4:
      return PlayerState::kPaused;
    case 5:
      return PlayerState::kStopped;
    case 6:
      return PlayerState::kEnded;
    default:
      return PlayerState::kError;
  }
}

const char* PlayerStateName(PlayerState state) {
  switch (state) {
    case PlayerState::kIdle:
      return "idle";
    case PlayerState::kOpening:
      return "opening";
    case PlayerState::kBuffering:
      return "buffering";
    case PlayerState::kPlaying:
      return "playing";
    case PlayerState::kPaused:
      return "paused";
    case PlayerState::kStopped:
      return "stopped";
    case PlayerState::kEnded:
      return "ended";
    case PlayerState::kError:
      return "error";
  }
  return "error";
}

int LibvlcVolumeFromStep(int step) { return std::clamp(step, 0, kMaxVolumeStep) * 10; }

int VolumeStepFromLibvlc(int percent) {
  if (percent < 0) return 0;
  return std::clamp(static_cast<int>(std::lround(percent / 10.0)), 0, kMaxVolumeStep);
}

}  // namespace direvovu
