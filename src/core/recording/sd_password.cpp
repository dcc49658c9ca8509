#include "core/recording/sd_password.h"

#include <algorithm>
#include <system_error>

#include "core/io/atomic_file.h"
#include "core/settings/texts.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

SdPasswordResult Refuse(MessageId message, fs::path detail = {}) { return {false, message, std::move(detail)}; }

// The write test: the card must take a new file in its Setup folder.
bool CardIsWritable(const fs::path& setupFolder) {
  std::error_code ec;
  fs::create_directory(setupFolder, ec);
  if (ec && !fs::is_directory(setupFolder, ec)) return false;
  const fs::path test = setupFolder / "test.bin";
  auto file = BinaryFile::Create(test, false);
  if (!file) return false;
  const bool closed = file->Close();
  fs::remove(test, ec);
  return closed;
}

}  // namespace

std::optional<MessageId> CheckNewPassword(std::string_view password, std::string_view confirmation) {
  if (password.empty()) return msg::kInputPassword;
  const std::size_t chars = CharacterCount(password);
  if (chars < kMinPasswordChars || chars > kMaxPasswordChars) return msg::kPasswordLength;
  if (!std::all_of(password.begin(), password.end(), IsAsciiAlnum)) return msg::kPasswordCharacters;
  if (confirmation != password) return msg::kPasswordsDiffer;
  return std::nullopt;
}

std::optional<CipherBlock16> MakeSdPasswordBlock(std::string_view password) {
  const auto block = EncryptPasswordBlock(password);
  if (!block || std::find(block->begin(), block->end(), std::uint8_t{0}) != block->end()) return std::nullopt;
  return block;
}

fs::path SdPasswordPath(const fs::path& cardRoot) { return cardRoot / "Setup" / "passwd.bin"; }

SdPasswordResult SaveSdPassword(const fs::path& cardRoot, std::string_view password,
                                std::string_view confirmation, const SetHiddenAttributeFn& setHidden) {
  if (const auto refused = CheckNewPassword(password, confirmation)) return Refuse(*refused);
  const auto block = MakeSdPasswordBlock(password);
  if (!block) return Refuse(msg::kFailSetPassword);

  // No card known: never fall back to a folder relative to wherever we run.
  if (cardRoot.empty()) return Refuse(msg::kNoSdOrWriteProtected);
  const fs::path target = SdPasswordPath(cardRoot);
  if (!CardIsWritable(target.parent_path())) return Refuse(msg::kNoSdOrWriteProtected, target.parent_path());

  std::error_code ec;
  if (fs::exists(target, ec)) {
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
    if (setHidden) setHidden(target, false);
  }
  if (!WriteFileAtomically(target, *block)) return Refuse(msg::kFailSetPassword, target);
  if (setHidden) setHidden(target, true);
  return {true, msg::kSdPasswordSaved, target};
}

}  // namespace direvovu
