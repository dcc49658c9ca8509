#pragma once

#include <span>
#include <string_view>

namespace direvovu::cli {

// Exit codes shared by every sub-command.
enum ExitCode : int {
  kExitOk = 0,
  kExitUsage = 1,
  kExitRefused = 2,
  kExitWrongPassword = 3,
  kExitMismatch = 4,  // a verification found a file missing or changed
};

using Args = std::span<const std::string_view>;

// One sub-command of direvovu-cli; args exclude the program and command names.
struct Command {
  std::string_view name;
  std::string_view summary;
  int (*run)(Args args);
};

// Prints "direvovu-cli: <reason>" on standard error and returns kExitUsage.
int UsageError(std::string_view reason);

// Each sub-command lives in its own file and is listed in main.cpp.
int RunSettings(Args args);
int RunTexts(Args args);
int RunDecrypt(Args args);
int RunPasswd(Args args);
int RunInfo(Args args);
int RunTrack(Args args);
int RunCard(Args args);
int RunSetup(Args args);
int RunSearch(Args args);
int RunTrips(Args args);
int RunAddress(Args args);
int RunEvents(Args args);
int RunExport(Args args);
int RunLibrary(Args args);

}  // namespace direvovu::cli
