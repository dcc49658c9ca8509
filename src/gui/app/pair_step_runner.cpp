#include "gui/app/pair_step_runner.h"

#include <QTimer>

#include <cmath>

namespace direvovu::gui {

void PairStepRunner::Run(std::span<const ChannelStep> steps, Perform perform, std::function<void()> done) {
  RunFrom(steps, generation_, std::move(perform), std::move(done), false);
}

// `waited`: the first step's delay has passed already.
void PairStepRunner::RunFrom(std::span<const ChannelStep> steps, std::uint64_t generation, Perform perform,
                             std::function<void()> done, bool waited) {
  for (; !steps.empty(); steps = steps.subspan(1), waited = false) {
    if (generation != generation_) return;
    if (steps.front().delay_ms > 0 && !waited) {
      QTimer::singleShot(Paced(steps.front().delay_ms), this,
                         [this, steps, generation, perform = std::move(perform), done = std::move(done)] {
                           RunFrom(steps, generation, perform, done, true);
                         });
      return;
    }
    if (!perform(steps.front())) break;
  }
  if (generation == generation_ && done) done();
}

void PairStepRunner::After(int ms, std::function<void()> work) {
  const std::uint64_t generation = generation_;
  QTimer::singleShot(ms, this, [this, generation, work = std::move(work)] {
    if (generation == generation_) work();
  });
}

int PairStepRunner::Paced(int ms) const { return static_cast<int>(std::lround(ms * pacing_)); }

}  // namespace direvovu::gui
