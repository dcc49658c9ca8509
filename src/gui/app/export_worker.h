#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "gui/app/export_runner.h"

class QObject;

namespace direvovu::gui {

// One export at a time on a thread of its own. What it reports is posted to the thread of
// `context` and runs there: the progress (only the latest of a burst), then the end. The
// thread keeps what it uses, so a worker that must let a slow export go leaves it nothing
// dangling; it then reports to nobody.
class ExportWorker {
 public:
  struct Reports {
    std::function<void(const media::IncidentProgress&)> progress;
    std::function<void(const media::IncidentOutcome&)> ended;
  };

  explicit ExportWorker(QObject* context);
  ~ExportWorker();
  ExportWorker(const ExportWorker&) = delete;
  ExportWorker& operator=(const ExportWorker&) = delete;

  // Starts the export (its folder made first, if missing); false while one runs.
  bool Start(media::IncidentRequest request, ExportBackend backend, Reports reports);
  // Asks the export to stop; it ends soon after, as cancelled.
  void Cancel();
  // Between Start and the end's report.
  [[nodiscard]] bool running() const { return running_; }
  // Cancels and waits for the thread, at most `bound`; nothing is reported after this.
  void Stop(std::chrono::milliseconds bound);

 private:
  struct Shared;
  void Join(std::chrono::milliseconds bound);

  QObject* context_;
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
  bool running_ = false;
};

}  // namespace direvovu::gui
