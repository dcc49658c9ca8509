#include "gui/app/pair_load.h"

#include <utility>

namespace direvovu::gui {

PairLoadJob::~PairLoadJob() { Cancel(); }

void PairLoadJob::Start(WorkingCopiesPlan plan, std::filesystem::path frontCopy,
                        std::filesystem::path rearCopy, Progress progress, Done done) {
  Cancel();
  cancel_ = false;
  const std::uint64_t total = plan.bytes;
  thread_ =
      std::thread([this, plan = std::move(plan), front = std::move(frontCopy), rear = std::move(rearCopy),
                   progress = std::move(progress), done = std::move(done), total]() mutable {
        CopyWatch watch;
        watch.cancel = &cancel_;
        if (progress) watch.progress = [&progress, total](std::uint64_t copied) { progress(copied, total); };
        PairLoadOutcome outcome;
        outcome.copies = WriteWorkingCopies(std::move(plan), front, rear, &watch);
        if (outcome.copies.status == LoadStatus::Ready && !cancel_) {
          outcome.parse =
              ParseTrackOfPair(outcome.copies.frontPresent ? front : std::filesystem::path(),
                               outcome.copies.rearPresent ? rear : std::filesystem::path(), outcome.track);
        }
        done(std::move(outcome));
      });
}

void PairLoadJob::Cancel() {
  cancel_ = true;
  Join();
}

void PairLoadJob::Join() {
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

}  // namespace direvovu::gui
