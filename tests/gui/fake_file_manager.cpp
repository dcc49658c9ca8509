#include "fake_file_manager.h"

#include <QDesktopServices>

#include "platform/file_manager.h"

namespace direvovu::test {

FakeFileManager::FakeFileManager()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-file-manager"))) {
  registered_ = bus_.isConnected() &&
                bus_.registerObject(QString::fromLatin1(platform::kFileManagerPath), this,
                                    QDBusConnection::ExportAllSlots) &&
                bus_.registerService(QString::fromLatin1(platform::kFileManagerService));
}

FakeFileManager::~FakeFileManager() {
  bus_.unregisterService(QString::fromLatin1(platform::kFileManagerService));
  bus_.unregisterObject(QString::fromLatin1(platform::kFileManagerPath));
  QDBusConnection::disconnectFromBus(QStringLiteral("fake-file-manager"));
}

void FakeFileManager::ShowItems(const QStringList& uris, const QString& /*startup_id*/) {
  shown_.push_back(uris);
}

void FakeFileManager::ShowFolders(const QStringList& /*uris*/, const QString& /*startup_id*/) {}

OpenedUrls::OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }

OpenedUrls::~OpenedUrls() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

}  // namespace direvovu::test
