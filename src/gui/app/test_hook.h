#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>

namespace direvovu::gui {

class CVantorDlg;

// What the end-to-end tests ask of a real viewer, through the environment; with none
// of these set it does nothing.
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
  TestHook(CVantorDlg* dialog, const QProcessEnvironment& environment);

 private:
  void Watch();
  void AllPlaying();
  void Finish();
  void Started();
  void Tour();

  CVantorDlg* dialog_;
  bool report_ = false;
  QString screenshot_;
  int quit_after_ms_ = -1;
  int tour_at_ = -1;
  int starts_ = 0;
  bool front_reported_ = false;
  bool rear_reported_ = false;
  bool done_ = false;
  QTimer watch_;
};

}  // namespace direvovu::gui
