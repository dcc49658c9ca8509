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

WorkingCopiesResult Failure(WorkingCopiesResult result, int row, fs::path detail) {
  result.status = LoadStatus::Failed;
  result.messageRow = row;
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

bool CopyRecordingInto(const BinaryFile& source, const RecordingHeader* plainHeader, BinaryFile& out) {
  std::uint64_t from = 0;
  if (plainHeader != nullptr) {
    if (!out.WriteAllAt(0, *plainHeader)) return false;
    from = kScrambledHeaderBytes;
  }
  return CopyToEnd(source, from, out, from);
}

bool WriteRecordingCopy(const BinaryFile& source, const RecordingHeader* plainHeader,
                        const fs::path& target) {
  std::error_code ec;
  fs::remove(target, ec);
  auto out = BinaryFile::Create(target, false);
  if (!out) return false;
  bool ok = CopyRecordingInto(source, plainHeader, *out);
  ok = out->Close() && ok;
  if (!ok) fs::remove(target, ec);
  return ok;
}

WorkingCopiesResult MakeWorkingCopies(const fs::path& front, const fs::path& frontCopy,
                                      const fs::path& rearCopy, PasswordState& passwords,
                                      const AskPassword& ask) {
  WorkingCopiesResult result;
  auto file = BinaryFile::OpenRead(front);
  std::optional<RecordingHeader> header;
  if (file) {
    result.encrypted = IsEncryptedRecording(*file);
    if (result.encrypted) {
      switch (UnlockFront(*file, front, passwords, ask, header)) {
        case FrontKeyOutcome::Illegal:
          EmptyWorkingCopy(frontCopy);
          return Failure(result, msg::kIllegalFile, front);
        case FrontKeyOutcome::Abandoned:
          result.status = LoadStatus::Abandoned;
          return result;
        case FrontKeyOutcome::Ok:
          result.encrypted = header.has_value();
          break;
      }
    }
    if (!header && !VerifyPlainRecording(*file)) {
      EmptyWorkingCopy(frontCopy);
      return Failure(result, msg::kIllegalFile, front);
    }
  } else {
    EmptyWorkingCopy(frontCopy);
  }

  // The rear is decided by the front's unlock alone, so both copies can run at once: the
  // copy is the time the user waits for, and two kernel copies of different files
  // overlap well.
  const fs::path rear = RearCompanionPath(front);
  const auto rearFile = rear != front ? BinaryFile::OpenRead(rear) : std::nullopt;
  const RearPlan plan = rearFile ? PlanRear(*rearFile, result.encrypted) : RearPlan{};
  bool rearWritten = false;
  std::thread rearCopier;
  if (plan.usable) {
    rearCopier = std::thread([&] {
      rearWritten = WriteRecordingCopy(*rearFile, plan.header ? &*plan.header : nullptr, rearCopy);
    });
  } else {
    // Missing, or scrambled beyond use: the front plays alone.
    EmptyWorkingCopy(rearCopy);
  }
  const bool frontWritten = file && WriteRecordingCopy(*file, header ? &*header : nullptr, frontCopy);
  if (rearCopier.joinable()) rearCopier.join();

  if (file && !frontWritten) return Failure(result, msg::kCantOpenFile, front);  // names the recording
  result.frontPresent = frontWritten;
  if (plan.usable && !rearWritten) return Failure(result, -1, rearCopy);  // the load reports 33
  result.rearPresent = rearWritten;

  if (!result.frontPresent && !result.rearPresent) return Failure(result, msg::kCantOpenFile, front);
  result.status = LoadStatus::Ready;
  return result;
}

}  // namespace direvovu
