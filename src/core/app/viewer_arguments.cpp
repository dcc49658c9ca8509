#include "core/app/viewer_arguments.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <utility>

#include "core/settings/texts.h"

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

std::optional<int> LanguageNumber(std::string_view text) {
  int value = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value >= kLanguageCount)
    return std::nullopt;
  return value;
}

ViewerArguments Bad(std::string reason) { return {ViewerStart::BadUsage, std::move(reason), {}, {}}; }

}  // namespace

ViewerArguments ReadViewerArguments(const std::vector<std::string>& arguments) {
  ViewerArguments read;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") return {ViewerStart::Help, {}, {}, {}};
    if (argument == "--version") return {ViewerStart::Version, {}, {}, {}};
    if (argument == "-") continue;  // no recording comes from standard input
    if (argument.size() < 2 || argument[0] != '-') {
      read.files.push_back(argument);
      continue;
    }
    if (argument == "--") {  // the rest are recordings
      read.files.insert(read.files.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        arguments.end());
      break;
    }
    const std::string_view name = OptionName(argument);
    const bool inline_value = argument.find('=') != std::string::npos;
    if (Holds(kToolkitFlags, name)) continue;
    if (name == "language" || Holds(kToolkitOptionsWithValue, name)) {
      if (!inline_value && ++i == arguments.size()) return Bad("option " + argument + " needs a value");
      if (name != "language") continue;
      const std::string_view value = inline_value ? std::string_view(argument).substr(argument.find('=') + 1)
                                                  : std::string_view(arguments[i]);
      read.language = LanguageNumber(value);
      if (!read.language) return Bad("--language takes 0 to 6, not '" + std::string(value) + "'");
      continue;
    }
    return Bad("unknown option " + argument + " (try --help)");
  }
  return read;
}

std::string ViewerUsage() {
  return "Usage: direvovu [RECORDING.mp4 | FOLDER ...]\n"
         "\n"
         "Plays the front and rear recordings of a two-lens dash camera side by side, with\n"
         "the G-sensor, speed, time and GPS position embedded in them. Recordings or folders\n"
         "named here fill the play list and start playing; when a viewer already runs, they\n"
         "are handed to it.\n"
         "\n"
         "Options:\n"
         "  --language N  this run's language, the settings left as they are: 0 Korean,\n"
         "                1 English, 2 Japanese, 3 Chinese simplified, 4 Russian,\n"
         "                5 Chinese traditional, 6 Portuguese (direvovu-cli settings LANGUAGE=N\n"
         "                keeps one)\n"
         "  --help, --version, and the window system's own (-platform NAME, -style NAME ...).\n"
         "Environment: DIREVOVU_ROOT (working folder, default ~/DirevOvu), DIREVOVU_DRIVES\n"
         "(drive table, e.g. E=/media/card), DIREVOVU_VLC_OPTIONS (extra libvlc options).\n";
}

}  // namespace direvovu
