#pragma once

// The viewer's own command line, read before any window system is touched so that
// --help and --version answer on a machine without a display.

#include <optional>
#include <string>
#include <vector>

namespace direvovu {

enum class ViewerStart {
  Run,      // open the window (recordings and window-system options as given)
  Help,     // print ViewerUsage() and end with 0
  Version,  // print the version line and end with 0
  BadUsage  // print `reason` on standard error and end with 1
};

struct ViewerArguments {
  ViewerStart start = ViewerStart::Run;
  std::string reason;
  std::optional<int> language;     // --language N: this run's language, not written
  std::vector<std::string> files;  // the recordings and folders, as given
};

// `arguments` without the program name. Recordings and the window system's own options
// (-platform xcb, --style=Fusion …) are left for the window; an option neither of us
// knows is bad usage.
ViewerArguments ReadViewerArguments(const std::vector<std::string>& arguments);

std::string ViewerUsage();

}  // namespace direvovu
