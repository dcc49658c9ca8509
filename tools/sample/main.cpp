// direvovu-sample: makes camera-format recordings for tests and the demo.
#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/atomic_file.h"
#include "drive_log.h"
#include "ffmpeg_encode.h"
#include "mp4_layout.h"
#include "recording_options.h"
#include "recording_writer.h"
#include "scramble.h"

namespace direvovu::sample {
namespace {

enum ExitCode : int { kExitOk = 0, kExitUsage = 1, kExitFailed = 2 };

using Args = std::span<const std::string_view>;

struct Command {
  std::string_view name;
  std::string_view summary;
  int (*run)(Args args);
};

int UsageError(std::string_view reason) {
  std::cerr << "direvovu-sample: " << reason << '\n';
  return kExitUsage;
}

int Failed(std::string_view reason) {
  std::cerr << "direvovu-sample: " << reason << '\n';
  return kExitFailed;
}

int RunRecording(Args args) {
  const RecordingOptionsOutcome parsed = ParseRecordingOptions(args);
  if (parsed.help_requested) {
    std::cout << RecordingUsage();
    return kExitOk;
  }
  if (!parsed.options) return UsageError(parsed.error + " (try recording --help)");
  try {
    for (const auto& path : WriteRecordings(*parsed.options, std::cerr)) std::cout << path.string() << '\n';
    return kExitOk;
  } catch (const EncodeError& e) {
    return Failed(e.what());
  } catch (const LayoutError& e) {
    return Failed(std::string("ffmpeg's output has an unexpected layout: ") + e.what());
  } catch (const std::filesystem::filesystem_error& e) {
    return Failed(e.what());
  } catch (const std::exception& e) {
    return Failed(e.what());
  }
}

int RunDriveLog(Args args) {
  const DriveLogOptionsOutcome parsed = ParseDriveLogOptions(args);
  if (parsed.help_requested) {
    std::cout << DriveLogUsage();
    return kExitOk;
  }
  if (!parsed.options) return UsageError(parsed.error + " (try drivelog --help)");
  const std::filesystem::path& out = parsed.options->out;
  std::error_code ec;
  if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ec);
  if (!WriteFileAtomically(out, MakeDriveLog(*parsed.options))) return Failed("cannot write " + out.string());
  std::cout << out.string() << '\n';
  return kExitOk;
}

constexpr std::array kCommands{
    Command{"recording", "a front and rear recording with an embedded sensor and GPS track", RunRecording},
    Command{"drivelog", "a driving log of several days of driving (Setup/*.dat)", RunDriveLog},
};

void PrintHelp() {
  std::cout << "Usage: direvovu-sample <command> [options]\n\nCommands:\n";
  for (const auto& c : kCommands) {
    std::cout << "  " << c.name << std::string(12 - std::min<std::size_t>(c.name.size(), 11), ' ')
              << c.summary << '\n';
  }
  std::cout << "\nOptions: --help, --version; '<command> --help' describes a command.\n"
               "Exit status: 0 done, 1 bad usage, 2 the files could not be made.\n";
}

}  // namespace
}  // namespace direvovu::sample

int main(int argc, char** argv) {
  using namespace direvovu::sample;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("missing command (try --help)");
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
    return kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "direvovu-sample " << DIREVOVU_VERSION << '\n';
    return kExitOk;
  }
  for (const auto& c : kCommands) {
    if (c.name == args[0]) return c.run(Args(args).subspan(1));
  }
  return UsageError("unknown command '" + std::string(args[0]) + "' (try --help)");
}
