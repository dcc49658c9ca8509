#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include "platform/runtime_folder.h"

namespace direvovu::platform {
SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent) {
  const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  server_name_ = QStringLiteral("direvovu-") + QString::fromLatin1(hash);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
  lock_ = std::make_unique<QLockFile>(UserRuntimeFolder() + QLatin1Char('/') + server_name_ +
                                      QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);  // a crashed viewer's lock is recognised by its dead process
  if (!lock_->tryLock(0)) {
    lock_.reset();
    return false;
  }
  QLocalServer::removeServer(server_name_);  // left behind by a crash, if any
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  server_->listen(server_name_);
  return true;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      QDataStream in(socket);
      in.startTransaction();
      QStringList files;
      in >> files;
      if (!in.commitTransaction()) return;  // wait for the rest
      emit filesReceived(files);
      socket->disconnectFromServer();
    });
  }
}

bool SingleInstance::SendToRunning(const QStringList& files, int timeout_ms) const {
  QLocalSocket socket;
  socket.connectToServer(server_name_);
  if (!socket.waitForConnected(timeout_ms)) return false;
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out << files;
  socket.write(data);
  if (!socket.waitForBytesWritten(timeout_ms)) return false;
  socket.waitForDisconnected(timeout_ms);
  return true;
}

}  // namespace direvovu::platform
