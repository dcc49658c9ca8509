#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <span>

#include "core/app/pair_steps.h"

namespace direvovu::gui {

// Runs the steps of a two-channel sequence at their delays, on the event loop (never a
// sleep: a player that does not answer cannot freeze the window). Each Drop makes the
// steps still waiting do nothing: a stop or another load overtakes them.
class PairStepRunner : public QObject {
  Q_OBJECT

 public:
  // Does one step; false ends the sequence there (the rest is no longer wanted).
  using Perform = std::function<bool(const ChannelStep&)>;

  explicit PairStepRunner(QObject* parent = nullptr) : QObject(parent) {}

  // `done` follows the last step, or the one that ended the sequence; neither runs once
  // the sequence was dropped.
  void Run(std::span<const ChannelStep> steps, Perform perform, std::function<void()> done = {});
  // `work` after `ms` (not paced), unless dropped meanwhile.
  void After(int ms, std::function<void()> work);
  // A paced pause: `work` after `ms` scaled like the sequences' delays.
  void Later(int ms, std::function<void()> work) { After(Paced(ms), std::move(work)); }
  void Drop() { ++generation_; }
  // Changes with each Drop: work posted from elsewhere compares it too.
  [[nodiscard]] std::uint64_t Generation() const { return generation_; }

  // Tests: the delays are scaled (0 = none, though a delayed step still waits for the
  // next turn of the event loop).
  void SetPacing(double scale) { pacing_ = scale; }

 private:
  void RunFrom(std::span<const ChannelStep> steps, std::uint64_t generation, Perform perform,
               std::function<void()> done, bool waited);
  [[nodiscard]] int Paced(int ms) const;

  std::uint64_t generation_ = 0;
  double pacing_ = 1.0;
};

}  // namespace direvovu::gui
