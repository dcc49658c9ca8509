#include "core/app/pair_steps.h"

#include <array>

namespace direvovu {
namespace {

using C = PairChannel;
using A = StepAction;

// Each channel holds at its first picture until both have one, so the front follows the
// rear at once: any pause would only add to the wait for the pictures.
constexpr int kRearToFrontMs = 0;
// The players need these pauses between a seek's calls, and between the two channels'
// rates, to take them in order.
constexpr int kSeekPauseMs = 100;
constexpr int kSeekFrontToRearMs = 200;
constexpr int kResumeFrontToRearMs = 100;
constexpr int kRateFrontToRearMs = 200;

constexpr std::array kOpen{ChannelStep{C::Rear, A::Open, 0}, ChannelStep{C::Front, A::Open, 0}};
constexpr std::array kPlay{ChannelStep{C::Rear, A::Play, 0}, ChannelStep{C::Front, A::Play, kRearToFrontMs}};
constexpr std::array kPause{ChannelStep{C::Front, A::Pause, 0}, ChannelStep{C::Rear, A::Pause, 0}};
constexpr std::array kSeek{
    ChannelStep{C::Front, A::Pause, 0},
    ChannelStep{C::Rear, A::Pause, 0},
    ChannelStep{C::Front, A::SetTime, kSeekPauseMs},
    ChannelStep{C::Rear, A::SetTime, kSeekFrontToRearMs},
    ChannelStep{C::Front, A::Play, 0},
    ChannelStep{C::Rear, A::Play, kResumeFrontToRearMs},
};
constexpr std::array kSeekStill{ChannelStep{C::Front, A::SetTime, 0},
                                ChannelStep{C::Rear, A::SetTime, kSeekFrontToRearMs}};
constexpr std::array kSeekRear{ChannelStep{C::Rear, A::SetTime, 0}};
constexpr std::array kStopAtTheEnd{ChannelStep{C::Front, A::Stop, 0}, ChannelStep{C::Rear, A::Stop, kSeekPauseMs}};
constexpr std::array kRate{ChannelStep{C::Front, A::SetRate, 0}, ChannelStep{C::Rear, A::SetRate, kRateFrontToRearMs}};
// The rear first, as the players were started the other way round.
constexpr std::array kStop{ChannelStep{C::Rear, A::Stop, 0}, ChannelStep{C::Front, A::Stop, 0}};

}  // namespace

std::span<const ChannelStep> StepsOf(PairSequence sequence) {
  switch (sequence) {
    case PairSequence::Open:
      return kOpen;
    case PairSequence::Play:
      return kPlay;
    case PairSequence::Pause:
      return kPause;
    case PairSequence::Seek:
      return kSeek;
    case PairSequence::SeekStill:
      return kSeekStill;
    case PairSequence::SeekRear:
      return kSeekRear;
    case PairSequence::StopAtTheEnd:
      return kStopAtTheEnd;
    case PairSequence::Rate:
      return kRate;
    case PairSequence::Stop:
      return kStop;
  }
  return {};
}

bool StepStillWanted(const ChannelStep& step, PlaybackState phase) {
  return step.action != StepAction::Play || Running(phase) || phase == PlaybackState::Starting;
}

}  // namespace direvovu
