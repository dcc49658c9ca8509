#include "gui/app/test_hook.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {
namespace {

// Time for both pictures to be on screen before the shot.
constexpr int kScreenshotDelayMs = 2500;
constexpr int kWatchMs = 200;

bool Moving(const IChannelPlayer* player) {
  return player != nullptr && player->GetState() == PlayerState::kPlaying && player->GetTime() > 0;
}

}  // namespace

TestHook::TestHook(CVantorDlg* dialog, const QProcessEnvironment& environment)
    : QObject(dialog), dialog_(dialog) {
  report_ = environment.value(QStringLiteral("DIREVOVU_TEST_REPORT_PLAYING")) == QLatin1String("1");
  screenshot_ = environment.value(QStringLiteral("DIREVOVU_TEST_SCREENSHOT"));
  bool valid = false;
  const int quit = environment.value(QStringLiteral("DIREVOVU_TEST_QUIT_AFTER_PLAYING")).toInt(&valid);
  if (valid && quit >= 0) quit_after_ms_ = quit;
  if (!report_ && screenshot_.isEmpty() && quit_after_ms_ < 0) return;
  connect(&watch_, &QTimer::timeout, this, &TestHook::Watch);
  connect(dialog_, &CVantorDlg::playbackStarted, this, [this] {
    if (!done_) watch_.start(kWatchMs);
  });
}

void TestHook::Watch() {
  const auto report = [this](bool& reported, const IChannelPlayer* player, const char* name) {
    if (reported || !Moving(player)) return;
    reported = true;
    if (report_) {
      std::printf("playing %s\n", name);
      std::fflush(stdout);
    }
  };
  if (dialog_->frontPresent()) report(front_reported_, dialog_->frontPlayer(), "front");
  if (dialog_->rearPresent()) report(rear_reported_, dialog_->rearPlayer(), "rear");
  const bool all =
      (!dialog_->frontPresent() || front_reported_) && (!dialog_->rearPresent() || rear_reported_);
  if (all && (front_reported_ || rear_reported_)) {
    watch_.stop();
    done_ = true;
    AllPlaying();
  }
}

void TestHook::AllPlaying() {
  const int shot_delay = screenshot_.isEmpty() ? 0 : kScreenshotDelayMs;
  QTimer::singleShot(shot_delay, this, [this] {
    if (!screenshot_.isEmpty()) {
      QScreen* screen = dialog_->screen();
      const QPixmap shot = screen != nullptr ? screen->grabWindow(0) : QPixmap();
      if (!shot.save(screenshot_))
        std::fprintf(stderr, "screenshot not saved: %s\n", qPrintable(screenshot_));
    }
    if (quit_after_ms_ >= 0) QTimer::singleShot(quit_after_ms_, this, &TestHook::Finish);
  });
}

void TestHook::Finish() {
  dialog_->CloseCommand();
  if (!dialog_->closing()) {
    QTimer::singleShot(kWatchMs, this, &TestHook::Finish);  // a load was under way
    return;
  }
  std::printf("closed\n");
  std::fflush(stdout);
}

}  // namespace direvovu::gui
