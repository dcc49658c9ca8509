#include "core/recording/working_copies.h"

#include <optional>
#include <system_error>
#include <thread>

#include "core/recording/recording_name.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

// An absent channel's working copy is emptied, as at start-up, so that nothing of the
// previous recording can be played under the new one's name.
void EmptyWorkingCopy(const fs::path& copy) { (void)BinaryFile::Create(copy, false); }

WorkingCopiesResult Failure(WorkingCopiesResult result, CopyFailure failure, fs::path detail) {
  result.status = LoadStatus::Failed;
  result.failure = failure;
  result.detail = std::move(detail);
  return result;
}

enum class FrontKeyOutcome { Ok, Illegal, Abandoned };

// Reads the front's password, asks for it unless it is the accepted one, and fills
// `header` with the plain header. `header` stays empty when the password is empty: such a
// recording is handled as plain.
FrontKeyOutcome UnlockFront(const BinaryFile& file, const fs::path& path, PasswordState& passwords,
                            const AskPassword& ask, std::optional<RecordingHeader>& header) {
  const auto parts = ReadEncryptedParts(file);
  if (!parts || !ReadPasswordBlock(parts->passwordBlock, passwords.filePassword))
    return FrontKeyOutcome::Illegal;
  if (SlotText(passwords.filePassword).empty()) return FrontKeyOutcome::Ok;  // handled as plain
  if (SlotText(passwords.filePassword) != SlotText(passwords.acceptedPassword)) {
    const PasswordSlot expected = passwords.filePassword;
    PasswordQuestion question{path, false,
                              [expected](std::string_view typed) { return SlotMatches(expected, typed); }};
    if (!ask || !ask(question)) return FrontKeyOutcome::Abandoned;
  }
  header = DecryptHeader(parts->header, parts->tailBlock, passwords.filePassword);
  if (!header) return FrontKeyOutcome::Illegal;
  passwords.acceptedPassword = passwords.filePassword;
  return FrontKeyOutcome::Ok;
}

// How the rear recording is copied: whether it can be, and its plain header when it is
// scrambled.
struct RearPlan {
  bool usable = false;
  std::optional<RecordingHeader> header;
};

// The rear is unlocked with its own password block, without asking: it belongs to the
// front recording the user has just unlocked. A plain front never unlocks a rear.
RearPlan PlanRear(const BinaryFile& file, bool frontEncrypted) {
  // A rear that is plain (even beside a scrambled front) is copied as it is.
  if (!frontEncrypted || !IsEncryptedRecording(file)) return {true, std::nullopt};
  const auto parts = ReadEncryptedParts(file);
  PasswordSlot password{};
  if (!parts || !ReadPasswordBlock(parts->passwordBlock, password)) return {};
  if (SlotText(password).empty()) return {true, std::nullopt};
  auto header = DecryptHeader(parts->header, parts->tailBlock, password);
  if (!header) return {};
  return {true, header};
}

}  // namespace

bool CopyRecordingInto(const BinaryFile& source, const RecordingHeader* plainHeader, BinaryFile& out,
                       const CopyWatch* watch) {
  std::uint64_t from = 0;
  if (plainHeader != nullptr) {
    if (!out.WriteAllAt(0, *plainHeader)) return false;
    from = kScrambledHeaderBytes;
  }
  return CopyToEnd(source, from, out, from, watch);
}

bool WriteRecordingCopy(const BinaryFile& source, const RecordingHeader* plainHeader, const fs::path& target,
                        const CopyWatch* watch) {
  std::error_code ec;
  fs::remove(target, ec);
  auto out = BinaryFile::Create(target, false);
  if (!out) return false;
  bool ok = CopyRecordingInto(source, plainHeader, *out, watch);
  ok = out->Close() && ok;
  if (!ok) fs::remove(target, ec);
  return ok;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the recording, then its copies in order
WorkingCopiesPlan PlanWorkingCopies(const fs::path& front, const fs::path& frontCopy,
                                    const fs::path& rearCopy, PasswordState& passwords,
                                    const AskPassword& ask) {
  WorkingCopiesPlan plan;
  WorkingCopiesResult& result = plan.result;
  plan.front = BinaryFile::OpenRead(front);
  if (plan.front) {
    result.encrypted = IsEncryptedRecording(*plan.front);
    if (result.encrypted) {
      switch (UnlockFront(*plan.front, front, passwords, ask, plan.frontHeader)) {
        case FrontKeyOutcome::Illegal:
          EmptyWorkingCopy(frontCopy);
          result = Failure(result, CopyFailure::IllegalRecording, front);
          return plan;
        case FrontKeyOutcome::Abandoned:
          result.status = LoadStatus::Abandoned;
          return plan;
        case FrontKeyOutcome::Ok:
          result.encrypted = plan.frontHeader.has_value();
          break;
      }
    }
    if (!plan.frontHeader && !VerifyPlainRecording(*plan.front)) {
      EmptyWorkingCopy(frontCopy);
      result = Failure(result, CopyFailure::IllegalRecording, front);
      return plan;
    }
    plan.bytes += plan.front->Size().value_or(0);
  } else {
    EmptyWorkingCopy(frontCopy);
  }

  // The rear is decided by the front's unlock alone, so both copies can run at once.
  const fs::path rear = RearCompanionPath(front);
  auto rearFile = rear != front ? BinaryFile::OpenRead(rear) : std::nullopt;
  const RearPlan rearPlan = rearFile ? PlanRear(*rearFile, result.encrypted) : RearPlan{};
  if (rearPlan.usable) {
    plan.bytes += rearFile->Size().value_or(0);
    plan.rear = std::move(rearFile);
    plan.rearHeader = rearPlan.header;
  } else {
    // Missing, or scrambled beyond use: the front plays alone.
    EmptyWorkingCopy(rearCopy);
  }
  result.detail = front;  // what a failure of the copies names
  result.status = LoadStatus::Ready;
  return plan;
}

namespace {

// Both copies' bytes as one figure for the caller's watch.
class PairWatch {
 public:
  explicit PairWatch(const CopyWatch* outer) : outer_(outer) {
    if (outer_ == nullptr) return;
    front_.cancel = rear_.cancel = outer_->cancel;
    front_.progress = [this](std::uint64_t n) { Report(front_bytes_, n); };
    rear_.progress = [this](std::uint64_t n) { Report(rear_bytes_, n); };
  }
  [[nodiscard]] const CopyWatch* front() const { return outer_ != nullptr ? &front_ : nullptr; }
  [[nodiscard]] const CopyWatch* rear() const { return outer_ != nullptr ? &rear_ : nullptr; }

 private:
  void Report(std::atomic<std::uint64_t>& mine, std::uint64_t n) {
    mine = n;
    outer_->Report(front_bytes_ + rear_bytes_);
  }

  const CopyWatch* outer_;
  CopyWatch front_;
  CopyWatch rear_;
  std::atomic<std::uint64_t> front_bytes_{0};
  std::atomic<std::uint64_t> rear_bytes_{0};
};

}  // namespace

WorkingCopiesResult WriteWorkingCopies(WorkingCopiesPlan plan, const fs::path& frontCopy,
                                       const fs::path& rearCopy, const CopyWatch* watch) {
  WorkingCopiesResult result = plan.result;
  if (result.status != LoadStatus::Ready) return result;
  result.detail.clear();
  const PairWatch pair(watch);
  // Two kernel copies of different files overlap well, and the copy is the time the user
  // waits for.
  bool rearWritten = false;
  std::thread rearCopier;
  if (plan.rear) {
    rearCopier = std::thread([&] {
      rearWritten = WriteRecordingCopy(*plan.rear, plan.rearHeader ? &*plan.rearHeader : nullptr, rearCopy,
                                       pair.rear());
    });
  }
  const bool frontWritten =
      plan.front && WriteRecordingCopy(*plan.front, plan.frontHeader ? &*plan.frontHeader : nullptr,
                                       frontCopy, pair.front());
  if (rearCopier.joinable()) rearCopier.join();

  if (watch != nullptr && watch->Cancelled()) {
    // Nothing half-written stays behind under the working copies' names.
    EmptyWorkingCopy(frontCopy);
    EmptyWorkingCopy(rearCopy);
    result.status = LoadStatus::Cancelled;
    result.frontPresent = result.rearPresent = false;
    return result;
  }
  const fs::path& recording = plan.result.detail;
  if (plan.front && !frontWritten) return Failure(result, CopyFailure::Unreadable, recording);
  result.frontPresent = frontWritten;
  if (plan.rear && !rearWritten) return Failure(result, CopyFailure::RearNotWritten, rearCopy);
  result.rearPresent = rearWritten;
  if (!result.frontPresent && !result.rearPresent) return Failure(result, CopyFailure::Unreadable, recording);
  result.status = LoadStatus::Ready;
  return result;
}

WorkingCopiesResult MakeWorkingCopies(const fs::path& front, const fs::path& frontCopy,
                                      const fs::path& rearCopy, PasswordState& passwords,
                                      const AskPassword& ask) {
  WorkingCopiesPlan plan = PlanWorkingCopies(front, frontCopy, rearCopy, passwords, ask);
  if (plan.result.status != LoadStatus::Ready) return plan.result;
  return WriteWorkingCopies(std::move(plan), frontCopy, rearCopy);
}

std::optional<MessageId> CopyFailureMessage(const WorkingCopiesResult& result) {
  if (result.status != LoadStatus::Failed || result.failure != CopyFailure::Unreadable) return std::nullopt;
  return msg::kCantOpenFile;
}

}  // namespace direvovu
