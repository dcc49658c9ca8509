#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/recording/embedded_track.h"
#include "core/recording/track_state.h"
#include "core/recording/working_copies.h"

namespace direvovu::gui {

// What a load made: the working copies and the track read from them.
struct PairLoadOutcome {
  WorkingCopiesResult copies;
  TrackState track;
  PairTrackOutcome parse;
};

// Writes the working copies of a pair and reads its track on a thread of its own, so the
// window answers while a large pair copies from a slow card. The password questions are
// over before it starts (the plan holds their answers). Its reports come on its thread:
// the caller posts them to its own.
class PairLoadJob {
 public:
  using Progress = std::function<void(std::uint64_t copied, std::uint64_t total)>;
  using Done = std::function<void(PairLoadOutcome outcome)>;

  PairLoadJob() = default;
  ~PairLoadJob();
  PairLoadJob(const PairLoadJob&) = delete;
  PairLoadJob& operator=(const PairLoadJob&) = delete;

  // `frontCopy` and `rearCopy` are where the copies go. A job still running is cancelled
  // and waited for first.
  void Start(WorkingCopiesPlan plan, std::filesystem::path frontCopy, std::filesystem::path rearCopy,
             Progress progress, Done done);
  // Asks the copy to give up (it leaves both copies empty) and waits for the thread.
  void Cancel();
  // Waits for a thread that has finished (or is about to).
  void Join();

 private:
  std::thread thread_;
  std::atomic<bool> cancel_{false};
};

}  // namespace direvovu::gui
