#include <cstdio>
#include <string>
#include <vector>

#include "core/app/viewer_arguments.h"
#include "gui/app/vantor_app.h"

int main(int argc, char** argv) {
  // Answered before the application object exists: it needs a display.
  const direvovu::ViewerArguments arguments =
      direvovu::ReadViewerArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  switch (arguments.start) {
    case direvovu::ViewerStart::Help:
      std::fputs(direvovu::ViewerUsage().c_str(), stdout);
      return 0;
    case direvovu::ViewerStart::Version:
      std::printf("direvovu %s\n", DIREVOVU_VERSION);
      return 0;
    case direvovu::ViewerStart::BadUsage:
      std::fprintf(stderr, "direvovu: %s\n", arguments.reason.c_str());
      return 1;
    case direvovu::ViewerStart::Run:
      break;
  }
  direvovu::gui::CVantorApp app(argc, argv);
  return app.run(arguments.language);
}
