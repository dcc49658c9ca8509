// The next row's working copies, made while the current row plays, so the advance at the
// end of a recording opens the players at once instead of copying first.
#include <QMetaObject>

#include <system_error>

#include "gui/app/pair_playback.h"

namespace direvovu::gui {
namespace {

std::filesystem::path Ahead(const std::filesystem::path& copy) {
  std::filesystem::path ahead = copy;
  ahead += ".next";
  return ahead;
}

void RemoveAhead(const WorkingFolders& folders) {
  std::error_code ignored;
  std::filesystem::remove(Ahead(folders.front_copy()), ignored);
  std::filesystem::remove(Ahead(folders.rear_copy()), ignored);
}

}  // namespace

void PairPlayback::PrepareNext() {
  DiscardPrepared();
  if (!next_row_) return;
  const std::optional<std::filesystem::path> next = next_row_();
  if (!next || next->empty()) return;
  // A password question now would come out of nowhere: such a row is loaded when its turn
  // comes. The plan works on a copy of the passwords until the row is really played.
  PasswordState passwords = passwords_;
  WorkingCopiesPlan plan = PlanWorkingCopies(*next, Ahead(folders_.front_copy()), Ahead(folders_.rear_copy()),
                                             passwords, [](const PasswordQuestion&) { return false; });
  if (plan.result.status != LoadStatus::Ready) {
    RemoveAhead(folders_);
    return;
  }
  prepared_path_ = *next;
  prepared_passwords_ = passwords;
  const std::uint64_t generation = ++prepare_generation_;
  prepare_job_.Start(std::move(plan), Ahead(folders_.front_copy()), Ahead(folders_.rear_copy()), {},
                     [this, generation](PairLoadOutcome outcome) {
                       QMetaObject::invokeMethod(
                           this,
                           [this, generation, outcome = std::move(outcome)]() mutable {
                             PreparedDone(generation, std::move(outcome));
                           },
                           Qt::QueuedConnection);
                     });
}

void PairPlayback::PreparedDone(std::uint64_t generation, PairLoadOutcome outcome) {
  if (generation != prepare_generation_) return;
  prepare_job_.Join();
  if (outcome.copies.status != LoadStatus::Ready) {
    DiscardPrepared();
    return;
  }
  prepared_ = std::move(outcome);
}

void PairPlayback::DiscardPrepared() {
  ++prepare_generation_;
  prepare_job_.Cancel();
  prepared_.reset();
  prepared_passwords_.reset();
  prepared_path_.clear();
  RemoveAhead(folders_);
}

std::filesystem::path PairPlayback::preparedRecording() const {
  return prepared_ ? prepared_path_ : std::filesystem::path();
}

// The prepared copies become the working copies of the pair that is to play; false when
// they are not (or not yet) those of `front_path`, and the load copies as usual.
bool PairPlayback::TakePrepared(const std::filesystem::path& front_path) {
  if (!prepared_ || prepared_path_ != front_path) {
    DiscardPrepared();
    return false;
  }
  std::error_code front_error;
  std::error_code rear_error;
  std::filesystem::rename(Ahead(folders_.front_copy()), folders_.front_copy(), front_error);
  std::filesystem::rename(Ahead(folders_.rear_copy()), folders_.rear_copy(), rear_error);
  if (front_error || rear_error) {
    DiscardPrepared();
    return false;
  }
  PairLoadOutcome outcome = std::move(*prepared_);
  passwords_ = *prepared_passwords_;
  prepared_.reset();
  prepared_passwords_.reset();
  prepared_path_.clear();
  // As a copy that has just finished: the rest of the load is the same.
  UseCopies(std::move(outcome));
  return true;
}

}  // namespace direvovu::gui
