#include "gui/app/export_worker.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <filesystem>
#include <future>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

namespace direvovu::gui {
namespace {

// The end comes right after its report is posted; waiting for it is a formality.
constexpr auto kEndedJoinBound = std::chrono::seconds(2);

}  // namespace

struct ExportWorker::Shared {
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  QObject* context = nullptr;  // null once nobody listens
  Reports reports;
  std::optional<media::IncidentProgress> latest;  // posted, not yet shown
  std::promise<void> finished;

  // The pipeline may report every picture: one call waits on the context's thread at a
  // time, and it shows the latest figures when it runs.
  static void PostProgress(const std::shared_ptr<Shared>& shared, const media::IncidentProgress& progress) {
    const std::lock_guard lock(shared->mutex);
    if (shared->context == nullptr) return;
    const bool waiting = shared->latest.has_value();
    shared->latest = progress;
    if (waiting) return;
    QMetaObject::invokeMethod(
        shared->context,
        [shared] {
          std::optional<media::IncidentProgress> shown;
          std::function<void(const media::IncidentProgress&)> report;
          {
            const std::lock_guard inner(shared->mutex);
            if (shared->context == nullptr) return;
            std::swap(shown, shared->latest);
            report = shared->reports.progress;
          }
          if (shown && report) report(*shown);
        },
        Qt::QueuedConnection);
  }

  static void PostEnd(const std::shared_ptr<Shared>& shared, media::IncidentOutcome outcome) {
    const std::lock_guard lock(shared->mutex);
    if (shared->context == nullptr) return;
    QMetaObject::invokeMethod(
        shared->context,
        [shared, outcome = std::move(outcome)] {
          std::function<void(const media::IncidentOutcome&)> report;
          {
            const std::lock_guard inner(shared->mutex);
            if (shared->context == nullptr) return;
            shared->latest.reset();  // a progress posted before the end has nothing to say now
            report = shared->reports.ended;
          }
          if (report) report(outcome);
        },
        Qt::QueuedConnection);
  }
};

ExportWorker::ExportWorker(QObject* context) : context_(context) {}

ExportWorker::~ExportWorker() { Stop(kEndedJoinBound); }

bool ExportWorker::Start(media::IncidentRequest request, ExportBackend backend, Reports reports) {
  if (running_) return false;
  if (thread_.joinable()) Join(kEndedJoinBound);
  shared_ = std::make_shared<Shared>();
  shared_->context = context_;
  Reports own = std::move(reports);
  // The end's report lets the worker go before it says how the export ended.
  own.ended = [this, ended = std::move(own.ended)](const media::IncidentOutcome& outcome) {
    running_ = false;
    Join(kEndedJoinBound);
    if (ended) ended(outcome);
  };
  shared_->reports = std::move(own);
  running_ = true;
  thread_ = std::thread([shared = shared_, request = std::move(request), backend = std::move(backend)] {
    std::error_code ignored;  // a folder that cannot be made is the export's to report
    std::filesystem::create_directories(request.parent, ignored);
    const ExportProgress progress = [&shared](const media::IncidentProgress& p) {
      Shared::PostProgress(shared, p);
    };
    media::IncidentOutcome outcome;
    if (backend.run) {
      outcome = backend.run(request, backend.write_report, progress, shared->cancel);
    }
    Shared::PostEnd(shared, std::move(outcome));
    shared->finished.set_value();
  });
  return true;
}

void ExportWorker::Cancel() {
  if (shared_) shared_->cancel = true;
}

void ExportWorker::Stop(std::chrono::milliseconds bound) {
  if (!shared_) return;
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->context = nullptr;
  }
  running_ = false;
  Join(bound);
}

void ExportWorker::Join(std::chrono::milliseconds bound) {
  if (!thread_.joinable()) return;
  shared_->cancel = true;
  if (shared_->finished.get_future().wait_for(bound) == std::future_status::ready) {
    thread_.join();
  } else {
    thread_.detach();  // it keeps what it uses and reports to nobody
  }
}

}  // namespace direvovu::gui
