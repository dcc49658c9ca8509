// direvovu-cli: the viewer's core on the command line.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

namespace direvovu::cli {
namespace {

constexpr std::array kCommands{
    Command{"settings", "print the viewer settings as the viewer applies them", RunSettings},
    Command{"texts", "print the texts of the string tables", RunTexts},
    Command{"decrypt", "save the decrypted copy of an encrypted recording (and its rear)", RunDecrypt},
    Command{"passwd", "write the camera's password file Setup/passwd.bin to a card", RunPasswd},
    Command{"info", "name, kind, encryption and track summary of a recording", RunInfo},
    Command{"card", "list a card's recordings by kind, or download them with their rear files", RunCard},
    Command{"setup", "read or write the camera's Setup/setup.ini and date.txt on a card", RunSetup},
    Command{"search", "the recordings of a folder tree in a date and time range, in play order", RunSearch},
    Command{"track", "the embedded track of a recording as csv, json, gpx, kml, geojson", RunTrack},
    Command{"export", "the incident folder of a moment: clip, originals, track, report, checksums",
            RunExport},
    Command{"trips", "the trips of a driving log, or one trip as csv, gpx, kml, geojson", RunTrips},
    Command{"address", "the two address lines of a point, through the address service", RunAddress},
    Command{"events", "list an event folder's events and write the event report", RunEvents},
    Command{"library", "index recordings, find them by place and time, list their harsh moments", RunLibrary},
};

void PrintHelp() {
  std::cout << "Usage: direvovu-cli <command> [options]\n\nCommands:\n";
  for (const auto& c : kCommands) {
    std::cout << "  " << c.name << std::string(12 - std::min<size_t>(c.name.size(), 11), ' ') << c.summary
              << '\n';
  }
  std::cout << "\nOptions: --help, --version\n";
}

}  // namespace

int UsageError(std::string_view reason) {
  std::cerr << "direvovu-cli: " << reason << '\n';
  return kExitUsage;
}

}  // namespace direvovu::cli

int main(int argc, char** argv) {
  using namespace direvovu::cli;
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("missing command (try --help)");
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
    return kExitOk;
  }
  if (args[0] == "--version") {
    std::cout << "direvovu-cli " << DIREVOVU_VERSION << '\n';
    return kExitOk;
  }
  for (const auto& c : kCommands) {
    if (c.name == args[0]) return c.run(Args(args).subspan(1));
  }
  return UsageError("unknown command '" + std::string(args[0]) + "' (try --help)");
}
