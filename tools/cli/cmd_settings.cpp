// direvovu-cli settings: the viewer's settings as the viewer applies them, and changed
// as its setup window changes them.
#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

#include "command.h"
#include "core/settings/setting_assignments.h"
#include "core/settings/viewer_settings.h"
#include "platform/working_root.h"

namespace direvovu::cli {

int RunSettings(Args args) {
  std::vector<std::string_view> assignments;
  for (const auto arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << "Usage: direvovu-cli settings [KEY=VALUE ...]\n\n"
                   "Without arguments, prints every key of section VIEWER_SETUP of Env_Setup.txt under\n"
                   "the working root ($DIREVOVU_ROOT, else ~/DirevOvu) as KEY=value, as the viewer\n"
                   "applies it, then MARKER_INTERVAL_MS.\n\n"
                   "With KEY=VALUE arguments, writes those keys in one rewrite of the file, as the\n"
                   "viewer setup's Save does, and prints the settings after it. Nothing is written\n"
                   "when any one is refused. For example LANGUAGE=1 makes the viewer English\n"
                   "(0 Korean, 1 English, 2 Japanese, 3 Chinese simplified, 4 Russian,\n"
                   "5 Chinese traditional, 6 Portuguese); SPEED_UNIT=0 shows mph, 1 km/h.\n"
                   "Exit status: 0 done, 1 bad usage or a value refused, 2 the file could not be written.\n";
      return kExitOk;
    }
    if (arg.starts_with("-")) return UsageError("settings: unexpected argument '" + std::string(arg) + "'");
    assignments.push_back(arg);
  }
  const WorkingFolders folders(platform::WorkingRoot());
  if (!assignments.empty()) {
    const SettingAssignments read = ReadSettingAssignments(assignments);
    if (!read.ok()) return UsageError("settings: " + read.error);
    std::error_code ec;
    std::filesystem::create_directories(folders.root, ec);  // a first run has no root yet
    if (!SaveSettingAssignments(folders, read)) {
      std::cerr << "direvovu-cli: settings: cannot write " << folders.settings_file().string() << '\n';
      return kExitRefused;
    }
  }
  for (const auto& line : DescribeSettings(folders, platform::TodayText())) std::cout << line << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
