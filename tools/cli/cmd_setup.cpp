// direvovu-cli setup: the camera's settings on a card, read, changed and saved as the
// black box setup does.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/civil_time.h"
#include "core/setup/camera_setup.h"
#include "core/setup/time_zones.h"
#include "message_text.h"
#include "platform/time_zone_offset.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli setup CARD [KEY=VALUE ...] [--clock]\n"
    "\n"
    "Without changes, prints the camera settings of CARD/Setup/setup.ini as the setup\n"
    "window shows them (defaults applied), one KEY=value a line, then TIME_ZONE_ROW\n"
    "(-1 for none) and TIME_ZONE_TEXT.\n"
    "KEY=VALUE sets a value as the window's control would (keys as in the file, such as\n"
    "IMPACT_X_INDEX=12; BUZZER=0|1 for the buzzer choice; TIME_ZONE_ROW=N or\n"
    "TIME_ZONE=-9) and saves setup.ini as the window's Save does.\n"
    "--clock writes Setup/date.txt from the local time, as Save Time does.\n"
    "Exit codes: 0 done, 1 usage or the card refused (the reason on standard error).\n";

struct SetupArgs {
  std::filesystem::path card;
  std::vector<std::pair<std::string, std::string>> values;
  bool clock = false;
};

int ParseSetupArgs(Args args, SetupArgs& out) {
  for (const std::string_view a : args) {
    if (a == "--clock") {
      out.clock = true;
    } else if (a.starts_with("-")) {
      return UsageError("setup: unknown option '" + std::string(a) + "'");
    } else if (out.card.empty()) {
      out.card = std::string(a);
    } else if (const auto eq = a.find('='); eq != std::string_view::npos && eq > 0) {
      out.values.emplace_back(a.substr(0, eq), a.substr(eq + 1));
    } else {
      return UsageError("setup: expected KEY=VALUE, got '" + std::string(a) + "'");
    }
  }
  if (out.card.empty()) return UsageError("setup: missing CARD (try --help)");
  return kExitOk;
}

void PrintForm(const CameraSetupForm& form) {
  for (const auto& line : DescribeCameraSettings(form.settings)) std::cout << line << '\n';
  const auto rows = TimeZoneRows();
  std::cout << "TIME_ZONE_ROW=" << form.time_zone_row << '\n';
  std::cout << "TIME_ZONE_TEXT="
            << (form.time_zone_row >= 0 ? rows[static_cast<std::size_t>(form.time_zone_row)].text : "")
            << '\n';
}

// A refusal of the card check or the write: its message, exit 1.
int Report(const SetupWriteResult& result) {
  if (result.written) {
    std::cout << result.file.string() << '\n';
    return kExitOk;
  }
  if (result.message) {
    PrintMessage(*result.message, result.file.parent_path().string());
  } else {
    std::cerr << "direvovu-cli: cannot write " << result.file.string() << '\n';
  }
  return kExitUsage;
}

}  // namespace

int RunSetup(Args args) {
  for (const std::string_view a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  SetupArgs parsed;
  if (const int rc = ParseSetupArgs(args, parsed); rc != kExitOk) return rc;
  const std::filesystem::path setup = CardSetupFolder(parsed.card);
  CameraSetupForm form = OpenCameraSetup(setup, platform::PcSecondsWestOfUtc());
  if (parsed.values.empty() && !parsed.clock) {
    PrintForm(form);
    return kExitOk;
  }
  for (const auto& [key, value] : parsed.values) {
    if (!SetCameraSetupValue(form, key, value)) {
      std::string reason = "setup: ";
      return UsageError(reason.append(key).append(" cannot be '").append(value).append("'"));
    }
  }
  if (!parsed.values.empty()) {
    if (const int rc = Report(SaveCameraSetup(setup, parsed.card, form)); rc != kExitOk) return rc;
  }
  if (parsed.clock) return Report(SaveClockFile(setup, parsed.card, LocalNow()));
  return kExitOk;
}

}  // namespace direvovu::cli
