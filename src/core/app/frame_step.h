#pragma once

#include <cstdint>
#include <optional>

namespace direvovu {

// A channel's frame rate as its stream gives it (30000/1001 stays exact).
struct FrameRate {
  std::int64_t num = 0;
  std::int64_t den = 1;

  [[nodiscard]] bool Known() const { return num > 0 && den > 0; }
  bool operator==(const FrameRate&) const = default;
};

// The frame shown at `time_us`: the last one that starts at or before it.
std::int64_t FrameAt(std::int64_t time_us, FrameRate rate);
// Where frame `index` starts, rounded up to the microsecond, so FrameAt gives `index` back.
std::int64_t FrameStartUs(std::int64_t index, FrameRate rate);
// The millisecond a precise seek asks for to show frame `index`: rounded down, so the
// frame is not dropped as one before the target.
std::int64_t FrameSeekMs(std::int64_t index, FrameRate rate);
// The last frame of a channel `length_ms` long.
std::int64_t LastFrame(std::int64_t length_ms, FrameRate rate);

// A frame step of the paused pair. The front moves by one of its own frames; the rear
// shows the frame at or just before the front's new time, whatever its own rate.
struct PairStill {
  std::int64_t front_frame = 0;
  std::int64_t front_length_ms = 0;
  FrameRate front_rate;
  FrameRate rear_rate;  // unknown: no rear
  std::int64_t rear_length_ms = 0;
};

// What the players are asked, and where the pair then stands.
struct FrameStepPlan {
  std::int64_t front_frame = 0;               // the front's frame after the step
  std::int64_t position_us = 0;               // the pair's time: where that frame starts
  bool front_next = false;                    // the front shows its next frame (forward)
  std::optional<std::int64_t> front_seek_ms;  // ... or seeks precisely (back)
  int rear_next = 0;                          // the rear shows this many next frames
  std::optional<std::int64_t> rear_seek_ms;   // ... or seeks precisely
};

// The rear moves by next-frame calls up to this many frames; further it seeks.
inline constexpr int kMaxRearNextFrames = 2;

// Nothing when the step would leave the recording (the first or last frame stays) or
// the front's rate is unknown.
std::optional<FrameStepPlan> PlanFrameStep(const PairStill& still, bool forward);

// The rear's frame for a front frame: at or just before the front's time, within the rear.
std::int64_t RearFrameFor(const PairStill& still, std::int64_t front_frame);

}  // namespace direvovu
