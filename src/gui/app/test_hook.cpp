#include "gui/app/test_hook.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <string_view>

#include "gui/app/vantor_dlg.h"

namespace direvovu::gui {
namespace {

// Time for both pictures to be on screen before the shot.
constexpr int kScreenshotDelayMs = 2500;
constexpr int kWatchMs = 200;

bool Moving(const IChannelPlayer* player) {
  return player != nullptr && player->GetState() == PlayerState::kPlaying && player->GetTime() > 0;
}

void PrintLine(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

// The real prompts with the password answered by the tests.
class AnsweringPrompts final : public IPrompts {
 public:
  AnsweringPrompts(IPrompts& real, QByteArray password) : real_(real), password_(std::move(password)) {}

  bool Message(const MessageRequest& request) override { return real_.Message(request); }
  bool Password(const PasswordQuestion& question) override {
    PrintLine(QStringLiteral("password asked"));
    return question.matches(
        std::string_view(password_.constData(), static_cast<std::size_t>(password_.size())));
  }
  QStringList ChooseFiles(const QString& title, const QString& start, const QString& filter,
                          FilePick pick) override {
    return real_.ChooseFiles(title, start, filter, pick);
  }
  QString ChooseFolder(const QString& title, const QString& start) override {
    return real_.ChooseFolder(title, start);
  }
  bool ChoosePrinter(QPrinter& printer) override { return real_.ChoosePrinter(printer); }
  void Alert(const QString& text) override { real_.Alert(text); }
  bool ConfirmFormat(const FormatQuestion& question) override { return real_.ConfirmFormat(question); }

 private:
  IPrompts& real_;
  QByteArray password_;
};

}  // namespace

TestHook::TestHook(const QProcessEnvironment& environment) {
  report_ = environment.value(QStringLiteral("DIREVOVU_TEST_REPORT_PLAYING")) == QLatin1String("1");
  screenshot_ = environment.value(QStringLiteral("DIREVOVU_TEST_SCREENSHOT"));
  bool valid = false;
  const int quit = environment.value(QStringLiteral("DIREVOVU_TEST_QUIT_AFTER_PLAYING")).toInt(&valid);
  if (valid && quit >= 0) quit_after_ms_ = quit;
  const int tour = environment.value(QStringLiteral("DIREVOVU_TEST_TOUR")).toInt(&valid);
  if (valid && tour >= 1) tour_at_ = tour;
  if (environment.contains(QStringLiteral("DIREVOVU_TEST_PASSWORD")))
    password_ = environment.value(QStringLiteral("DIREVOVU_TEST_PASSWORD")).toLocal8Bit();
}

IPrompts& TestHook::Prompts(IPrompts& real) {
  if (!password_) return real;
  prompts_ = std::make_unique<AnsweringPrompts>(real, *password_);
  return *prompts_;
}

void TestHook::Watch(CVantorDlg* dialog) {
  dialog_ = dialog;
  if (!report_ && screenshot_.isEmpty() && quit_after_ms_ < 0 && tour_at_ < 0) return;
  connect(&watch_, &QTimer::timeout, this, &TestHook::Poll);
  connect(dialog_, &CVantorDlg::playbackStarted, this, &TestHook::Started);
}

void TestHook::Started() {
  ++starts_;
  if (tour_at_ > 0)
    PrintLine(QStringLiteral("started %1")
                  .arg(QString::fromStdString(dialog_->playback().recording().filename().string())));
  // With a tour, the pictures and the rest wait for its recording.
  if (done_ || (tour_at_ > 0 && starts_ != tour_at_)) return;
  front_reported_ = rear_reported_ = false;
  watch_.start(kWatchMs);
}

void TestHook::Poll() {
  const auto report = [this](bool& reported, const IChannelPlayer* player, const char* name) {
    if (reported || !Moving(player)) return;
    reported = true;
    if (report_) PrintLine(QStringLiteral("playing %1").arg(QLatin1String(name)));
  };
  if (dialog_->playback().frontPresent()) report(front_reported_, dialog_->playback().front(), "front");
  if (dialog_->playback().rearPresent()) report(rear_reported_, dialog_->playback().rear(), "rear");
  const bool all = (!dialog_->playback().frontPresent() || front_reported_) &&
                   (!dialog_->playback().rearPresent() || rear_reported_);
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
      RunTour(Tour(), 0);
    } else if (quit_after_ms_ >= 0) {
      QTimer::singleShot(quit_after_ms_, this, &TestHook::Finish);
    }
  });
}

// Each step is given time to take effect under a real player, then what the player
// reports is printed for the script to judge.
std::vector<TestHook::TourStep> TestHook::Tour() {
  IChannelPlayer* front = dialog_->playback().front();
  auto paused_at = std::make_shared<std::int64_t>(0);
  return {
      {0, [this] { dialog_->SeekCommand(5000); }},
      {1500,
       [this, front] {
         PrintLine(QStringLiteral("seeked %1 of %2").arg(front->GetTime()).arg(front->GetLength()));
         dialog_->PauseCommand();
       }},
      {500, [front, paused_at] { *paused_at = front->GetTime(); }},
      {800,
       [this, front, paused_at] {
         PrintLine(QStringLiteral("paused %1 %2").arg(*paused_at).arg(front->GetTime()));
         dialog_->PlayCommand();
       }},
      {1000,
       [this, front] {
         PrintLine(QStringLiteral("resumed %1").arg(front->GetTime()));
         dialog_->StopCommand();
       }},
      {500,
       [this, front] {
         PrintLine(QStringLiteral("stopped %1").arg(QLatin1String(PlayerStateName(front->GetState()))));
         Finish();
       }},
  };
}

void TestHook::RunTour(std::vector<TourStep> steps, std::size_t next) {
  if (next >= steps.size()) return;
  const int after = steps[next].after_ms;
  QTimer::singleShot(after, this, [this, steps = std::move(steps), next]() mutable {
    steps[next].action();
    RunTour(std::move(steps), next + 1);
  });
}

void TestHook::Finish() {
  dialog_->CloseCommand();
  if (!dialog_->playback().closed()) {
    QTimer::singleShot(kWatchMs, this, &TestHook::Finish);  // a start was under way
    return;
  }
  PrintLine(QStringLiteral("closed"));
}

}  // namespace direvovu::gui
