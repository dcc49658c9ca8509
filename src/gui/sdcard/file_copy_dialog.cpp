#include "gui/sdcard/file_copy_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <cmath>
#include <future>
#include <mutex>

#include "core/settings/size_text.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

constexpr int kOkDelayMs = 500;
constexpr int kStopCloseMs = 6000;
// The worker answers a stop within one piece of a file; past this the dialog lets it
// finish on its own rather than hang the window.
constexpr auto kJoinBound = std::chrono::seconds(10);

QString TimeText(double seconds) {
  const long long whole = std::llround(seconds);
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

}  // namespace

// What the worker and the dialog share; the worker holds it too, so it outlives a
// dialog that had to let a slow worker go.
struct CFileCopy::Shared {
  DownloadPlan plan;
  std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> free_space;
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  CFileCopy* target = nullptr;  // null once the dialog is going away
  std::promise<void> done;

  // Runs `call` on the dialog's thread, if the dialog is still there.
  void Post(std::function<void(CFileCopy*)> call) {
    const std::lock_guard lock(mutex);
    if (target == nullptr) return;
    CFileCopy* dialog = target;
    QMetaObject::invokeMethod(
        dialog, [dialog, call = std::move(call)] { call(dialog); }, Qt::QueuedConnection);
  }
};

CFileCopy::CFileCopy(DownloadPlan plan, IPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), shared_(std::make_shared<Shared>()) {
  shared_->plan = std::move(plan);
  shared_->target = this;
  setWindowTitle(UiText(TextTable::FileCopy, rows::file_copy::kTitle));
  text_ = new QLabel(UiText(TextTable::FileCopy, rows::file_copy::kCopying), this);
  text_->setObjectName(QStringLiteral("copyText"));
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 100);
  bar_->setValue(0);
  detail_ = new QLabel(QStringLiteral(" "), this);
  detail_->setObjectName(QStringLiteral("copyDetail"));
  detail_->setMinimumWidth(420);
  counts_ = new QLabel(QStringLiteral(" "), this);
  counts_->setObjectName(QStringLiteral("copyCounts"));
  button_ = new QPushButton(UiText(TextTable::CommonButtons, rows::common::kCancel), this);
  connect(button_, &QPushButton::clicked, this, &CFileCopy::ButtonPressed);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  layout->addWidget(detail_);
  layout->addWidget(counts_);
  layout->addWidget(button_, 0, Qt::AlignRight);

  ok_timer_ = new QTimer(this);
  ok_timer_->setSingleShot(true);
  connect(ok_timer_, &QTimer::timeout, this, [this] {
    if (state_ != State::Copying) return;
    button_->setText(UiText(TextTable::CommonButtons, rows::common::kOk));
    state_ = State::Finished;
    emit copyEnded();
  });
  close_timer_ = new QTimer(this);
  close_timer_->setSingleShot(true);
  connect(close_timer_, &QTimer::timeout, this, [this] { done(QDialog::Rejected); });
}

CFileCopy::~CFileCopy() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->target = nullptr;
  }
  JoinWorker();
}

void CFileCopy::SetFreeSpaceQuery(
    std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> query) {
  if (state_ == State::Idle) shared_->free_space = std::move(query);
}

void CFileCopy::Start() {
  if (state_ != State::Idle) return;
  state_ = State::Copying;
  worker_ = std::thread([shared = shared_] {
    DownloadHooks hooks;
    hooks.cancel = &shared->cancel;
    hooks.freeSpace = shared->free_space;
    hooks.progress = [&shared](const DownloadProgress& p) {
      shared->Post([p](CFileCopy* dialog) { dialog->ShowProgress(p); });
    };
    const DownloadSummary summary = RunCardDownload(shared->plan, hooks);
    shared->Post([summary](CFileCopy* dialog) { dialog->WorkerEnded(summary); });
    shared->done.set_value();
  });
}

void CFileCopy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Start();
}

void CFileCopy::reject() { ButtonPressed(); }

void CFileCopy::ButtonPressed() {
  switch (state_) {
    case State::Finished:
    case State::Idle:
      done(QDialog::Accepted);
      return;
    case State::Stopping:
      return;
    case State::Copying:
      break;
  }
  state_ = State::Stopping;
  text_->setText(UiText(TextTable::FileCopy, rows::file_copy::kStopping));
  shared_->cancel = true;
  close_timer_->start(kStopCloseMs);
}

void CFileCopy::ShowProgress(const DownloadProgress& p) {
  // Until the sizes are known there is nothing to count: no percentage, no megabytes.
  const bool sized = p.bytesTotal > 0;
  bar_->setTextVisible(sized);
  bar_->setValue(sized ? p.Percent() : 0);
  QString line = QString::fromStdString(p.currentFile);
  if (sized) {
    line = QString::fromStdString(MegabytesOfText(p.bytesDone, p.bytesTotal, CurrentLanguage())) +
           QStringLiteral("   ") + line;
  }
  if (p.secondsLeft >= 0) {
    line += QStringLiteral("   ") +
            UiText(TextTable::FileCopy, rows::file_copy::kTimeLeft).arg(TimeText(p.secondsLeft));
  }
  detail_->setText(line);
}

void CFileCopy::WorkerEnded(const DownloadSummary& summary) {
  summary_ = summary;
  JoinWorker();
  if (state_ != State::Copying) return;  // stopped by the user: the dialog closes on its timer
  namespace fc = rows::file_copy;
  if (summary.end == DownloadEnd::LowSpace) {
    text_->setText(UiText(msg::kLowDiskSpace));
    ShowMessage(prompts_, msg::kLowDiskSpace);
  } else if (summary.end == DownloadEnd::DiskFull || summary.end == DownloadEnd::CardLost) {
    const QString why =
        UiText(TextTable::FileCopy, summary.end == DownloadEnd::DiskFull ? fc::kDiskFull : fc::kCardLost);
    text_->setText(why);
    prompts_.Alert(
        UiLabel(TextTable::FileCopy, summary.end == DownloadEnd::DiskFull ? fc::kDiskFull : fc::kCardLost));
  } else if (summary.failed > 0) {
    text_->setText(UiText(TextTable::FileCopy, fc::kSomeFailed).arg(summary.failed));
  } else {
    text_->setText(UiText(TextTable::FileCopy, fc::kDone));
  }
  counts_->setText(UiText(TextTable::FileCopy, fc::kCounts)
                       .arg(summary.copied)
                       .arg(summary.alreadyDownloaded)
                       .arg(summary.failed));
  shared_->cancel = false;
  ok_timer_->start(kOkDelayMs);
}

void CFileCopy::JoinWorker() {
  if (!worker_.joinable()) return;
  shared_->cancel = true;
  auto finished = shared_->done.get_future();
  if (finished.wait_for(kJoinBound) == std::future_status::ready) {
    worker_.join();
  } else {
    worker_.detach();  // it holds what it uses and posts to nobody now
  }
}

}  // namespace direvovu::gui
