#pragma once

#include <QObject>

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/library/library_scan.h"

namespace direvovu::gui {

// Runs a scan of the library on a worker thread with a connection of its own; progress
// and the end reach the window through queued signals. One scan at a time.
class LibraryScanner : public QObject {
  Q_OBJECT

 public:
  explicit LibraryScanner(QObject* parent = nullptr) : QObject(parent) {}
  ~LibraryScanner() override;
  LibraryScanner(const LibraryScanner&) = delete;
  LibraryScanner& operator=(const LibraryScanner&) = delete;

  // Where a scan takes the password of scrambled recordings from when it starts (the one
  // the main window accepted); without one they are indexed by name.
  void SetPasswordSource(std::function<std::optional<std::string>()> source) {
    password_ = std::move(source);
  }
  // False (nothing started) while a scan runs.
  bool Start(const std::filesystem::path& libraryFile, std::vector<std::filesystem::path> paths);
  // Asks the scan to stop after the recording it is reading; finished still comes.
  void Cancel() { cancel_ = true; }
  // Cancels and waits for the worker (the window closes).
  void Stop();
  [[nodiscard]] bool running() const { return running_; }

 signals:
  void progress(int done, int total);
  // error is empty after a scan that ran (cancelled or not).
  void finished(library::ScanCounts counts, QString error);

 private:
  void Join();

  std::function<std::optional<std::string>()> password_;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
};

}  // namespace direvovu::gui
