#include "platform/runtime_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <system_error>

namespace direvovu::platform {

QString UserRuntimeFolder() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return dir;
}

std::filesystem::path ViewerRuntimeFolder(const std::filesystem::path& workingRoot) {
  // The home folder joins the root in the name: without a session runtime folder, the
  // temp folder is shared by every user, who may all name the same working root.
  std::filesystem::path root = workingRoot.lexically_normal();
  if (!root.has_filename() && root.has_parent_path()) root = root.parent_path();  // "…/DirevOvu/"
  const QByteArray key = QString::fromStdString(root.string()).toUtf8() + '\n' + QDir::homePath().toUtf8();
  const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
  const std::filesystem::path folder =
      std::filesystem::path(UserRuntimeFolder().toStdString()) / ("direvovu-" + hash.toStdString());
  std::error_code ec;
  std::filesystem::create_directory(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) return {};
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace, ec);
  if (ec) return {};  // a folder of that name that is not ours
  return folder;
}

}  // namespace direvovu::platform
