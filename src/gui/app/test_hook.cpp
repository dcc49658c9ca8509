#include "gui/app/test_hook.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <string_view>

#include "core/recording/working_copies.h"

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
  const int tour = environment.value(QStringLiteral("DIREVOVU_TEST_TOUR")).toInt(&valid);
  if (valid && tour >= 1) tour_at_ = tour;
  if (environment.contains(QStringLiteral("DIREVOVU_TEST_PASSWORD"))) {
    const QByteArray password = environment.value(QStringLiteral("DIREVOVU_TEST_PASSWORD")).toLocal8Bit();
    dialog_->SetPasswordAsker([password](const PasswordQuestion& question) {
      std::printf("password asked\n");
      std::fflush(stdout);
      return question.matches(
          std::string_view(password.constData(), static_cast<std::size_t>(password.size())));
    });
  }
  if (!report_ && screenshot_.isEmpty() && quit_after_ms_ < 0 && tour_at_ < 0) return;
  connect(&watch_, &QTimer::timeout, this, &TestHook::Watch);
  connect(dialog_, &CVantorDlg::playbackStarted, this, &TestHook::Started);
}

void TestHook::Started() {
  ++starts_;
  if (tour_at_ > 0) {
    std::printf("started %s\n", dialog_->currentRecording().filename().string().c_str());
    std::fflush(stdout);
  }
  // With a tour, the pictures and the rest wait for its recording.
  if (done_ || (tour_at_ > 0 && starts_ != tour_at_)) return;
  front_reported_ = rear_reported_ = false;
  watch_.start(kWatchMs);
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
    if (tour_at_ > 0) {
      Tour();
    } else if (quit_after_ms_ >= 0) {
      QTimer::singleShot(quit_after_ms_, this, &TestHook::Finish);
    }
  });
}

// Each step is given time to take effect under a real player, then what the player
// reports is printed for the script to judge.
void TestHook::Tour() {
  const auto print = [](const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
  };
  IChannelPlayer* front = dialog_->frontPlayer();
  dialog_->SeekCommand(5000);
  QTimer::singleShot(1500, this, [this, front, print] {
    print(QStringLiteral("seeked %1 of %2").arg(front->GetTime()).arg(front->GetLength()));
    dialog_->PauseCommand();
    QTimer::singleShot(500, this, [this, front, print] {
      const std::int64_t first = front->GetTime();
      QTimer::singleShot(800, this, [this, front, print, first] {
        print(QStringLiteral("paused %1 %2").arg(first).arg(front->GetTime()));
        dialog_->PlayCommand();
        QTimer::singleShot(1000, this, [this, front, print] {
          print(QStringLiteral("resumed %1").arg(front->GetTime()));
          dialog_->StopCommand();
          QTimer::singleShot(500, this, [this, front, print] {
            print(QStringLiteral("stopped %1").arg(PlayerStateName(front->GetState())));
            Finish();
          });
        });
      });
    });
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
