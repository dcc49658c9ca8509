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
// "closed" is printed when the window has been closed this way.
class TestHook : public QObject {
  Q_OBJECT

 public:
  TestHook(CVantorDlg* dialog, const QProcessEnvironment& environment);

 private:
  void Watch();
  void AllPlaying();
  void Finish();

  CVantorDlg* dialog_;
  bool report_ = false;
  QString screenshot_;
  int quit_after_ms_ = -1;
  bool front_reported_ = false;
  bool rear_reported_ = false;
  bool done_ = false;
  QTimer watch_;
};

}  // namespace direvovu::gui
