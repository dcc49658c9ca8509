// direvovu-cli decrypt: "Decryption And Save" on the command line.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/recording/decrypt_and_save.h"
#include "core/settings/viewer_settings.h"
#include "message_text.h"
#include "platform/working_root.h"

namespace direvovu::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDecryptHelp =
    "Usage: direvovu-cli decrypt FILE --password P [-o DIR]\n\n"
    "Writes the decrypted copy of an encrypted recording and, when present, of its rear\n"
    "companion (drf0 -> drf1) into DIR, under their recording names, and prints the\n"
    "written paths. Without -o the decryption folder of the viewer's settings is used.\n"
    "Exit codes: 0 saved, 1 usage, 2 refused or unreadable, 3 wrong password.\n";

struct DecryptArgs {
  std::optional<fs::path> file;
  std::optional<std::string> password;
  std::optional<fs::path> folder;
};

std::optional<DecryptArgs> Refuse(const std::string& reason) {
  UsageError(reason);
  return std::nullopt;
}

// nullopt after a usage error has been printed; `help` set when help was asked.
std::optional<DecryptArgs> Parse(Args args, bool& help) {
  DecryptArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      help = true;
      return parsed;
    }
    if (a == "--password" || a == "-p") {
      if (!hasValue) return Refuse("decrypt: --password needs a value");
      parsed.password = std::string(args[++i]);
    } else if (a == "-o" || a == "--output") {
      if (!hasValue) return Refuse("decrypt: -o needs a folder");
      parsed.folder = fs::path(std::string(args[++i]));
    } else if (!a.starts_with("-") && !parsed.file) {
      parsed.file = fs::path(std::string(a));
    } else {
      return Refuse("decrypt: unexpected argument '" + std::string(a) + "'");
    }
  }
  if (!parsed.file) return Refuse("decrypt: missing FILE (try --help)");
  if (!parsed.password) return Refuse("decrypt: missing --password");
  return parsed;
}

// The viewer's decryption folder, made if missing as the viewer does at start-up.
fs::path SettingsDecryptionFolder() {
  const WorkingFolders folders(platform::WorkingRoot());
  fs::path folder = SettingFolder(folders, FolderKind::Decryption);
  std::error_code ec;
  fs::create_directories(folder, ec);
  return folder;
}

}  // namespace

int RunDecrypt(Args args) {
  bool help = false;
  const auto parsed = Parse(args, help);
  if (help) {
    std::cout << kDecryptHelp;
    return kExitOk;
  }
  if (!parsed) return kExitUsage;

  const fs::path folder = parsed->folder ? *parsed->folder : SettingsDecryptionFolder();
  PasswordState passwords;
  const std::string typed = *parsed->password;
  const auto result = DecryptAndSave(*parsed->file, folder, passwords,
                                     [&typed](const PasswordQuestion& q) { return q.matches(typed); });
  for (const auto& p : result.written) std::cout << p.string() << '\n';
  switch (result.status) {
    case SaveStatus::Saved:
      return kExitOk;
    case SaveStatus::Abandoned:
      std::cerr << "direvovu-cli: decrypt: wrong password\n";
      return kExitWrongPassword;
    case SaveStatus::NotEncrypted:
      PrintMessage(result.message.value_or(msg::kNotEncrypted), parsed->file->string());
      return kExitRefused;
    case SaveStatus::Failed:
      break;
  }
  if (result.message) PrintMessage(*result.message, result.detail);
  return kExitRefused;
}

}  // namespace direvovu::cli
