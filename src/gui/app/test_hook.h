#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

#include "gui/controls/prompts.h"

namespace direvovu::gui {

class CVantorDlg;

// What the end-to-end tests ask of a real viewer, through the environment. Only a build
// made for those tests has it (DIREVOVU_E2E_HOOK); with none of these set it does nothing.
//   DIREVOVU_TEST_REPORT_PLAYING=1        prints "playing front" / "playing rear" on
//                                         stdout once each channel's picture moves
//   DIREVOVU_TEST_SCREENSHOT=FILE         once every channel plays, saves the screen
//   DIREVOVU_TEST_QUIT_AFTER_PLAYING=MS   then, MS later, runs the close command
//   DIREVOVU_TEST_PASSWORD=TEXT           answers every password question with TEXT
//                                         (no dialog) and prints "password asked"
//   DIREVOVU_TEST_TOUR=N                  prints "started NAME" at each start; at the
//                                         N-th start (the screenshot is taken then)
//                                         seeks to the middle, pauses, resumes, stops
//                                         and closes, printing "seeked T of L",
//                                         "paused T1 T2", "resumed T", "stopped S"
// "closed" is printed when the window has been closed this way.
class TestHook : public QObject {
  Q_OBJECT

 public:
  explicit TestHook(const QProcessEnvironment& environment);

  // The prompts the window gets: `real`, but for the password when the tests answer it.
  IPrompts& Prompts(IPrompts& real);
  // Follows the window from its first start on.
  void Watch(CVantorDlg* dialog);

 private:
  // One step of the tour: run `action` `after_ms` after the step before.
  struct TourStep {
    int after_ms;
    std::function<void()> action;
  };

  void Poll();
  void AllPlaying();
  void Finish();
  void Started();
  void RunTour(std::vector<TourStep> steps, std::size_t next);
  [[nodiscard]] std::vector<TourStep> Tour();

  CVantorDlg* dialog_ = nullptr;
  bool report_ = false;
  QString screenshot_;
  int quit_after_ms_ = -1;
  int tour_at_ = -1;
  std::optional<QByteArray> password_;
  int starts_ = 0;
  bool front_reported_ = false;
  bool rear_reported_ = false;
  bool done_ = false;
  QTimer watch_;
  std::unique_ptr<IPrompts> prompts_;
};

}  // namespace direvovu::gui
