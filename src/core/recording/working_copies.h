#pragma once

// The load step that writes the two working copies (front and rear) the players and
// the track parser read: decrypted where the recording is scrambled, byte for byte
// otherwise. The track is parsed by the caller afterwards.

#include <filesystem>
#include <functional>
#include <optional>
#include <optional>
#include <string_view>

#include "core/recording/encrypted_recording.h"

#include "core/settings/texts.h"

namespace direvovu {

// Password state held by the main window for the life of the program.
struct PasswordState {
  PasswordSlot filePassword{};      // decrypted from the recording being loaded
  PasswordSlot acceptedPassword{};  // last one accepted while loading: not asked again
  PasswordSlot savePassword{};      // decrypted from the recording being saved decrypted
};

// What the password dialogs need: which recording, and a checker for a typed text.
struct PasswordQuestion {
  std::filesystem::path recording;
  bool saveMode = false;  // asked for "Decryption And Save"
  std::function<bool(std::string_view typed)> matches;
};

// Shows the dialogs (first entry, then retries) and returns true once a typed password
// matched; false when the user gave up.
using AskPassword = std::function<bool(const PasswordQuestion&)>;

enum class LoadStatus {
  Ready,      // at least one working copy was written
  Failed,     // failure and detail say why
  Abandoned,  // the user gave up in the password dialogs
  Cancelled,  // the copy was given up on request; both working copies are empty
};

// Why a load failed.
enum class CopyFailure {
  None,
  IllegalRecording,  // the front recording is not one of the camera's (its key is unreadable)
  Unreadable,        // a recording could not be read or its copy not written
  RearNotWritten,    // the rear's copy could not be written; the pair is refused as a whole
};

struct WorkingCopiesResult {
  LoadStatus status = LoadStatus::Failed;
  bool frontPresent = false;
  bool rearPresent = false;
  bool encrypted = false;
  CopyFailure failure = CopyFailure::None;
  std::filesystem::path detail;  // the file the failure concerns
};

// What the load says at once about a failed copy, with the detail's path: "can't open"
// for a recording it could not read. An illegal recording and a rear that was not written
// are told by the load's own notice of an illegal pair afterwards.
std::optional<MessageId> CopyFailureMessage(const WorkingCopiesResult& result);

// The part of a load that reads the recordings' headers and may ask for the password: it
// decides what each working copy is made of. Quick (a few small reads), so it runs where
// the questions can be asked; the copies, which take the time, follow apart.
struct WorkingCopiesPlan {
  WorkingCopiesResult result;  // status Ready: the copies can be written
  std::optional<BinaryFile> front;
  std::optional<RecordingHeader> frontHeader;
  std::optional<BinaryFile> rear;  // open only when the rear can be copied
  std::optional<RecordingHeader> rearHeader;
  std::uint64_t bytes = 0;  // what the copies will write, for a progress figure
};

WorkingCopiesPlan PlanWorkingCopies(const std::filesystem::path& front,
                                    const std::filesystem::path& frontCopy,
                                    const std::filesystem::path& rearCopy, PasswordState& passwords,
                                    const AskPassword& ask);

// Writes the copies a Ready plan decided (both at once); any thread may run it. The watch
// sees the bytes of both copies together. A cancel leaves both working copies empty.
WorkingCopiesResult WriteWorkingCopies(WorkingCopiesPlan plan, const std::filesystem::path& frontCopy,
                                       const std::filesystem::path& rearCopy,
                                       const CopyWatch* watch = nullptr);

// Both steps at once. Writes the front working copy from `front` and the rear one from its companion
// (RearCompanionPath). A channel whose recording cannot be opened is absent and its
// working copy is left empty. Asks for the password only when the front recording is
// scrambled with a password other than the accepted one.
WorkingCopiesResult MakeWorkingCopies(const std::filesystem::path& front,
                                      const std::filesystem::path& frontCopy,
                                      const std::filesystem::path& rearCopy, PasswordState& passwords,
                                      const AskPassword& ask);

// Writes an open recording into `out`: the plain header followed by the recording from
// byte 128, or (without a header) the whole recording. False on any failure.
bool CopyRecordingInto(const BinaryFile& source, const RecordingHeader* plainHeader, BinaryFile& out,
                       const CopyWatch* watch = nullptr);

// Writes `target` from an open recording: the plain header followed by the recording
// from byte 128, or (without a header) the whole recording. The target is emptied or
// created first. False on any failure; a partial target is removed.
bool WriteRecordingCopy(const BinaryFile& source, const RecordingHeader* plainHeader,
                        const std::filesystem::path& target, const CopyWatch* watch = nullptr);

}  // namespace direvovu
