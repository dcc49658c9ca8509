#include "core/app/viewer_arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace direvovu {
namespace {

// Qt's application options; those in the first list take a value, as the next argument
// or after '='.
constexpr std::array<std::string_view, 13> kToolkitOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
constexpr std::array<std::string_view, 6> kToolkitFlags{"reverse", "widgetcount", "nograb",
                                                        "dograb",  "sync",        "qwindowalwaysontop"};

// "-style", "--style" and "--style=Fusion" all name "style".
std::string_view OptionName(std::string_view argument) {
  argument.remove_prefix(argument.rfind("--", 0) == 0 ? 2 : 1);
  return argument.substr(0, argument.find('='));
}

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

ViewerArguments ReadViewerArguments(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") return {ViewerStart::Help, {}};
    if (argument == "--version") return {ViewerStart::Version, {}};
    if (argument.size() < 2 || argument[0] != '-') continue;  // a recording (or "-")
    if (argument == "--") break;                              // the rest are recordings
    const std::string_view name = OptionName(argument);
    if (Holds(kToolkitFlags, name)) continue;
    if (Holds(kToolkitOptionsWithValue, name)) {
      if (argument.find('=') != std::string::npos) continue;
      if (++i == arguments.size()) return {ViewerStart::BadUsage, "option " + argument + " needs a value"};
      continue;
    }
    return {ViewerStart::BadUsage, "unknown option " + argument + " (try --help)"};
  }
  return {};
}

std::string ViewerUsage() {
  return "Usage: direvovu [RECORDING.mp4 | FOLDER ...]\n"
         "\n"
         "Plays the front and rear recordings of a two-lens dash camera side by side, with\n"
         "the G-sensor, speed, time and GPS position embedded in them. Recordings or folders\n"
         "named here fill the play list and start playing; when a viewer already runs, they\n"
         "are handed to it.\n"
         "\n"
         "Options: --help, --version, and the window system's own (-platform NAME, -style NAME ...).\n"
         "Environment: DIREVOVU_ROOT (working folder, default ~/DirevOvu), DIREVOVU_DRIVES\n"
         "(drive table, e.g. E=/media/card), DIREVOVU_VLC_OPTIONS (extra libvlc options).\n";
}

}  // namespace direvovu
