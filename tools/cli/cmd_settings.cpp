// direvovu-cli settings: the viewer's settings as the viewer applies them.
#include <iostream>

#include "command.h"
#include "core/settings/viewer_settings.h"
#include "platform/working_root.h"

namespace direvovu::cli {

int RunSettings(Args args) {
  for (const auto arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << "Usage: direvovu-cli settings\n\n"
                   "Prints every key of section VIEWER_SETUP of Env_Setup.txt under the working root\n"
                   "($DIREVOVU_ROOT, else ~/DirevOvu) as KEY=value, as the viewer applies it,\n"
                   "then MARKER_INTERVAL_MS.\n";
      return kExitOk;
    }
    return UsageError("settings: unexpected argument '" + std::string(arg) + "'");
  }
  const WorkingFolders folders(platform::WorkingRoot());
  for (const auto& line : DescribeSettings(folders, platform::TodayText())) std::cout << line << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
