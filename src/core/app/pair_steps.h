#pragma once

#include <span>

#include "core/app/pair_channels.h"
#include "core/app/playback_state.h"

namespace direvovu {

// What one step asks of one channel's player.
enum class StepAction { Open, Play, Pause, Stop, SetTime, SetRate };

// One call of a two-channel sequence: which player, what, and how long after the step
// before it (0: at once, in the same turn).
struct ChannelStep {
  PairChannel channel;
  StepAction action;
  int delay_ms;
};

// The two-channel sequences. The front channel goes before the rear one, except where a
// picture starts to move (start, release, resume): there the rear goes first, since the
// front carries the sound and the clock and must not run ahead. A step of an absent
// channel is skipped, its delay still passes.
enum class PairSequence {
  Open,         // both players open the working copies
  Play,         // the start, the release at the first pictures, the resume
  Pause,        //
  Seek,         // of a moving pair: paused, both times set, both moving again
  SeekStill,    // of a still pair: both times set
  SeekRear,     // of the rear channel alone: no pause needed
  StopAtTheEnd, // a seek past the end: the recording is over
  Rate,         //
  Stop,         //
};

std::span<const ChannelStep> StepsOf(PairSequence sequence);

// Whether a step still makes sense in this phase; a sequence ends at one that does not (a
// pause that came in between holds: no channel starts to move again).
bool StepStillWanted(const ChannelStep& step, PlaybackState phase);

}  // namespace direvovu
