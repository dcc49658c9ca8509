#include "core/recording/decrypt_and_save.h"

#include <optional>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

DecryptSaveResult Outcome(DecryptSaveResult result, SaveStatus status, MessageId message, std::string detail) {
  result.status = status;
  result.message = message;
  result.detail = std::move(detail);
  return result;
}

// Password and plain header of a scrambled recording; nullopt when its password block
// or header does not decrypt (not the camera's file, or damaged).
struct Unlocked {
  PasswordSlot password{};
  RecordingHeader header{};
};

std::optional<Unlocked> Unlock(const BinaryFile& file) {
  const auto parts = ReadEncryptedParts(file);
  Unlocked unlocked;
  if (!parts || !ReadPasswordBlock(parts->passwordBlock, unlocked.password)) return std::nullopt;
  const auto header = DecryptHeader(parts->header, parts->tailBlock, unlocked.password);
  if (!header) return std::nullopt;
  unlocked.header = *header;
  return unlocked;
}

// The decrypted copy must never take the place of the recording it comes from (the
// decryption folder may be the recording's own folder).
bool IsSameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool SaveRecordingCopy(const BinaryFile& source, const RecordingHeader* plainHeader, const fs::path& target) {
  const fs::path temp = TemporarySibling(target);
  auto out = BinaryFile::Create(temp, true);
  if (!out) return false;
  // Synced before the rename so that a complete name never points at missing data.
  bool ok = CopyRecordingInto(source, plainHeader, *out) && out->Sync();
  ok = out->Close() && ok;
  std::error_code ec;
  if (ok) fs::rename(temp, target, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

DecryptSaveResult DecryptAndSave(const fs::path& source, const fs::path& targetFolder,
                                 PasswordState& passwords, const AskPassword& ask) {
  DecryptSaveResult result;
  const auto file = BinaryFile::OpenRead(source);
  if (!file) return Outcome(result, SaveStatus::Failed, msg::kCantOpenFile, source.string());
  if (!IsEncryptedRecording(*file)) return Outcome(result, SaveStatus::NotEncrypted, msg::kNotEncrypted, "");
  const auto front = Unlock(*file);
  if (!front) return Outcome(result, SaveStatus::Failed, msg::kIllegalFile, source.string());
  passwords.savePassword = front->password;

  // Asked every time: having played the recording does not entitle one to a copy.
  const PasswordSlot expected = passwords.savePassword;
  PasswordQuestion question{source, true,
                            [expected](std::string_view typed) { return SlotMatches(expected, typed); }};
  if (!ask || !ask(question)) {
    result.status = SaveStatus::Abandoned;
    return result;
  }

  const fs::path frontTarget = targetFolder / source.filename();
  if (IsSameFile(source, frontTarget) || !SaveRecordingCopy(*file, &front->header, frontTarget)) {
    return Outcome(result, SaveStatus::Failed, msg::kCantOpenFile, frontTarget.string());
  }
  result.written.push_back(frontTarget);

  const fs::path rear = RearCompanionPath(source);
  const auto rearFile = rear != source ? BinaryFile::OpenRead(rear) : std::nullopt;
  if (rearFile) {
    const fs::path rearTarget = targetFolder / rear.filename();
    std::optional<Unlocked> rearKey;
    // A plain rear is saved as it is; a scrambled one with its own password block.
    if (IsEncryptedRecording(*rearFile)) {
      rearKey = Unlock(*rearFile);
      if (!rearKey) return Outcome(result, SaveStatus::Failed, msg::kIllegalFile, rear.string());
    }
    if (IsSameFile(rear, rearTarget) ||
        !SaveRecordingCopy(*rearFile, rearKey ? &rearKey->header : nullptr, rearTarget)) {
      return Outcome(result, SaveStatus::Failed, msg::kCantOpenFile, rearTarget.string());
    }
    result.written.push_back(rearTarget);
  }

  std::string detail = result.written.front().string();
  if (result.written.size() > 1) detail += "\n" + result.written.back().string();
  return Outcome(result, SaveStatus::Saved, msg::kDecrypted, detail);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the list's size, then the selected row
std::optional<MessageId> DecryptRefusal(bool playing, int row_count, int selected_row) {
  if (playing) return msg::kStopPlaying;
  if (selected_row >= 0) return std::nullopt;
  return row_count == 0 ? msg::kNoFileForDecryption : msg::kSelectPlaylistItem;
}

std::vector<Notice> DecryptNotices(const DecryptSaveResult& saved) {
  std::vector<Notice> notices;
  if (saved.status == SaveStatus::Abandoned) return notices;
  if (saved.status == SaveStatus::Failed && !saved.written.empty()) {
    notices.push_back({msg::kDecrypted, saved.written.front().string()});
  }
  if (saved.message) notices.push_back({*saved.message, saved.detail});
  return notices;
}

}  // namespace direvovu
