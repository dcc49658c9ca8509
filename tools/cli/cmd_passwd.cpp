// direvovu-cli passwd: writes the camera's password file to a card.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/recording/sd_password.h"
#include "message_text.h"
#include "platform/file_attributes.h"

namespace direvovu::cli {

int RunPasswd(Args args) {
  std::optional<std::filesystem::path> root;
  std::optional<std::string> password;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--help" || a == "-h") {
      std::cout << "Usage: direvovu-cli passwd CARD_ROOT --password P\n\n"
                   "Writes Setup/passwd.bin under CARD_ROOT (hidden where the file system has the\n"
                   "attribute) after the checks of the password dialog: 4 to 6 ASCII letters or\n"
                   "digits, and a card that takes a test file. Prints the written path.\n"
                   "Exit codes: 0 written, 1 usage, 2 refused (the reason on standard error).\n";
      return kExitOk;
    }
    if (a == "--password" || a == "-p") {
      if (i + 1 >= args.size()) return UsageError("passwd: --password needs a value");
      password = std::string(args[++i]);
    } else if (!a.starts_with("-") && !root) {
      root = std::filesystem::path(std::string(a));
    } else {
      return UsageError("passwd: unexpected argument '" + std::string(a) + "'");
    }
  }
  if (!root) return UsageError("passwd: missing CARD_ROOT (try --help)");
  if (!password) return UsageError("passwd: missing --password");

  // The command line has no second box: the password confirms itself.
  const auto result = SaveSdPassword(*root, *password, *password, platform::SetHiddenAttribute);
  if (!result.saved) {
    PrintMessage(result.message, result.detail.string());
    return kExitRefused;
  }
  std::cout << result.detail.string() << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
