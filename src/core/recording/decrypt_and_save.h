#pragma once

// "Decryption And Save": writes decrypted copies of a scrambled recording and of its
// rear companion into the decryption folder, and what the command tells the user.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/recording/working_copies.h"
#include "core/settings/texts.h"

namespace direvovu {

enum class SaveStatus {
  Saved,         // message kDecrypted, detail = the written paths, one per line
  NotEncrypted,  // message kNotEncrypted
  Failed,        // message kCantOpenFile or kIllegalFile, detail = the path concerned
  Abandoned,     // the user gave up in the password dialogs; nothing was written
};

struct DecryptSaveResult {
  SaveStatus status = SaveStatus::Failed;
  std::vector<std::filesystem::path> written;  // front first; may hold the front after a rear failure
  std::optional<MessageId> message;
  std::string detail;
};

// Why the command does not start: a recording plays (message 11), the play list is empty
// (19) or no row is selected (12). Nothing when it may.
std::optional<MessageId> DecryptRefusal(bool playing, int row_count, int selected_row);

// One message with the text shown below it.
struct Notice {
  MessageId message;
  std::string detail;
  friend bool operator==(const Notice&, const Notice&) = default;
};

// What a finished save tells, in order: the complete front copy first when only the rear
// failed, then the outcome's own message; nothing after the user gave up.
std::vector<Notice> DecryptNotices(const DecryptSaveResult& saved);

// Always asks for the password (save mode). Each copy is written under a temporary
// name in `targetFolder` and renamed to the recording's name only when complete, so a
// failure, a wrong password or a full disk leaves no partial file and an existing copy
// of the same name is replaced only by a complete one. A target that is the recording
// itself (the decryption folder being the recording's folder) is refused.
DecryptSaveResult DecryptAndSave(const std::filesystem::path& source,
                                 const std::filesystem::path& targetFolder, PasswordState& passwords,
                                 const AskPassword& ask);

// Writes `target` through a temporary sibling: the plain header (when given) and the
// source from byte 128, or the whole source. False on any failure, leaving `target` as
// it was.
bool SaveRecordingCopy(const BinaryFile& source, const RecordingHeader* plainHeader,
                       const std::filesystem::path& target);

}  // namespace direvovu
