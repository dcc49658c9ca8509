#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

namespace direvovu::test {

// A file manager on the session bus, as the desktop's would answer: it records the items
// it is asked to show. It has a connection of its own, so the viewer's call goes through
// the bus daemon as it would to a real one. Gone (service and connection) with the object.
class FakeFileManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

 public:
  FakeFileManager();
  ~FakeFileManager() override;
  FakeFileManager(const FakeFileManager&) = delete;
  FakeFileManager& operator=(const FakeFileManager&) = delete;

  // The service and its object are on the bus.
  [[nodiscard]] bool registered() const { return registered_; }
  // The uris of every ShowItems call, one list a call.
  [[nodiscard]] const std::vector<QStringList>& shown() const { return shown_; }

 public slots:
  void ShowItems(const QStringList& uris, const QString& startup_id);
  void ShowFolders(const QStringList& uris, const QString& startup_id);

 private:
  QDBusConnection bus_;
  bool registered_ = false;
  std::vector<QStringList> shown_;
};

// Stands in for the desktop's handler of file: URLs (QDesktopServices::openUrl) while it
// lives, and records what it was asked to open.
class OpenedUrls : public QObject {
  Q_OBJECT

 public:
  OpenedUrls();
  ~OpenedUrls() override;
  OpenedUrls(const OpenedUrls&) = delete;
  OpenedUrls& operator=(const OpenedUrls&) = delete;

  [[nodiscard]] const std::vector<QUrl>& urls() const { return urls_; }

 public slots:
  void Open(const QUrl& url) { urls_.push_back(url); }

 private:
  std::vector<QUrl> urls_;
};

}  // namespace direvovu::test
