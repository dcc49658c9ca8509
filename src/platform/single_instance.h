#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <memory>

class QLocalServer;

namespace direvovu::platform {

// One viewer per working root: the first start holds a lock file and listens on a
// local socket; a later start hands its file arguments over and exits.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `key` names the instance (the viewer passes its working root).
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is the first; it then listens for later starts.
  bool Acquire();

  // Hands files to the running instance; false when none answered in time.
  [[nodiscard]] bool SendToRunning(const QStringList& files, int timeout_ms = 1500) const;

  [[nodiscard]] QString serverName() const { return server_name_; }

 signals:
  void filesReceived(const QStringList& files);

 private:
  void OnNewConnection();

  QString server_name_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
};

}  // namespace direvovu::platform
