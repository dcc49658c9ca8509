#include "gui/library/library_scanner.h"

#include <QMetaObject>
#include <QPointer>

namespace direvovu::gui {

LibraryScanner::~LibraryScanner() { Stop(); }

bool LibraryScanner::Start(const std::filesystem::path& libraryFile,
                           std::vector<std::filesystem::path> paths) {
  if (running_) return false;
  Join();
  running_ = true;
  cancel_ = false;
  QPointer<LibraryScanner> self(this);
  std::optional<std::string> password = password_ ? password_() : std::nullopt;
  worker_ = std::thread([this, self, libraryFile, paths = std::move(paths), password = std::move(password)] {
    library::ScanCounts counts;
    QString error;
    try {
      auto opened = library::LibraryDb::Open(libraryFile);
      if (opened.library) {
        library::ScanOptions options;
        options.cancel = &cancel_;
        options.password = password;
        options.progress = [this](const library::ScanProgress& p) {
          emit progress(static_cast<int>(p.done), static_cast<int>(p.total));
        };
        counts = library::ScanPaths(*opened.library, paths, options);
      } else {
        error = QString::fromStdString(opened.error);
      }
    } catch (const std::exception& e) {
      // A database, thread or memory failure ends the scan with its reason, not the viewer.
      error = QString::fromUtf8(e.what());
    }
    QMetaObject::invokeMethod(
        this,
        [this, self, counts, error] {
          if (self.isNull()) return;
          running_ = false;
          emit finished(counts, error);
        },
        Qt::QueuedConnection);
  });
  return true;
}

void LibraryScanner::Stop() {
  cancel_ = true;
  Join();
  running_ = false;
}

void LibraryScanner::Join() {
  if (worker_.joinable()) worker_.join();
}

}  // namespace direvovu::gui
