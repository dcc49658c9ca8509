#include "platform/file_manager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <system_error>

namespace direvovu::platform {
namespace {

// A file manager started by the call itself (bus activation) takes a moment; one that
// does not answer by then is as good as none.
constexpr int kCallTimeoutMs = 10000;

}  // namespace

void ShowItemInFileManager(const std::filesystem::path& item, QObject* context,
                           std::function<void(bool shown)> done) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    // Answered as the bus would be: after this call, on the caller's loop.
    QMetaObject::invokeMethod(
        context, [done = std::move(done)] { done(false); }, Qt::QueuedConnection);
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromLatin1(kFileManagerService), QString::fromLatin1(kFileManagerPath),
      QString::fromLatin1(kFileManagerInterface), QStringLiteral("ShowItems"));
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(item, error);
  const QUrl uri = QUrl::fromLocalFile(QString::fromStdString((error ? item : absolute).string()));
  call << QStringList{QString::fromLatin1(uri.toEncoded())} << QString();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs), context);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done = std::move(done)] {
    watcher->deleteLater();
    done(!watcher->isError());
  });
}

}  // namespace direvovu::platform
