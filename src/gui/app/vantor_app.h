#pragma once

#include <QStringList>

#include <memory>
#include <optional>

class QApplication;

namespace direvovu::gui {

// The application object: one viewer per working root. A later start hands its files
// to the running viewer and ends with 0; the first one runs the main window until it
// closes.
//
// Environment read at start-up (besides DIREVOVU_ROOT and DIREVOVU_DRIVES):
//   DIREVOVU_VLC_OPTIONS   extra libvlc options for both players, blank-separated
//                          (e.g. "--aout=dummy" on a machine without sound)
//   DIREVOVU_TEST_*        the end-to-end test hook, see test_hook.h
class CVantorApp {
 public:
  CVantorApp(int& argc, char** argv);
  ~CVantorApp();
  CVantorApp(const CVantorApp&) = delete;
  CVantorApp& operator=(const CVantorApp&) = delete;

  // Runs the viewer (in `language` for this run when given, else the settings' one); the
  // process's exit code: 0 after a normal close or a hand-over, 1 when the media library
  // cannot be started or no running viewer took the recordings.
  int run(std::optional<int> language = std::nullopt);

  // The file arguments of a command line, made absolute (the running viewer may have
  // another working folder).
  static QStringList FileArguments(const QStringList& arguments);

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace direvovu::gui
