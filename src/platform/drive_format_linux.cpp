// Linux: the device behind a drive from the mount table; UDisks2 over the system bus
// for a desktop user, mkfs.fat for root and for disk images.
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QProcess>
#include <QVariantMap>

#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/sdcard/drive_table_text.h"
#include "platform/drive_format.h"

namespace direvovu::platform {
namespace {

namespace fs = std::filesystem;

constexpr char kUDisksService[] = "org.freedesktop.UDisks2";
constexpr char kSysfs[] = "/sys";
// Formatting a large card can take minutes on a slow reader.
constexpr int kUDisksTimeoutMs = 30 * 60 * 1000;

std::vector<MountEntry> Mounts() {
  std::ifstream in("/proc/self/mounts");
  std::stringstream text;
  text << in.rdbuf();
  return ParseMountsText(text.str());
}

// UDisks names a block device's object after the device, every character other than
// a letter or digit written as _xx.
QString UDisksObjectPath(const std::string& device) {
  QString path = QStringLiteral("/org/freedesktop/UDisks2/block_devices/");
  for (const char c : fs::path(device).filename().string()) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) != 0) {
      path += QChar(c);
    } else {
      path += QStringLiteral("_%1").arg(u, 2, 16, QChar('0'));
    }
  }
  return path;
}

bool UDisksAvailable() {
  const QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QDBusReply<bool> registered =
      bus.interface()->isServiceRegistered(QString::fromLatin1(kUDisksService));
  return registered.isValid() && registered.value();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): interface before method, as D-Bus names them
FormatResult CallUDisks(const QString& object, const char* interface, const char* method,
                        const QVariantList& args) {
  QDBusInterface target(QString::fromLatin1(kUDisksService), object, QString::fromLatin1(interface),
                        QDBusConnection::systemBus());
  target.setTimeout(kUDisksTimeoutMs);
  const QDBusMessage reply = target.callWithArgumentList(QDBus::Block, QString::fromLatin1(method), args);
  if (reply.type() == QDBusMessage::ErrorMessage) return {false, reply.errorMessage().toStdString()};
  return {true, {}};
}

FormatResult FormatWithUDisks(const FormatTarget& target) {
  const QString object = UDisksObjectPath(target.device);
  const char* fs_interface = "org.freedesktop.UDisks2.Filesystem";
  if (target.mounted) {
    if (auto r = CallUDisks(object, fs_interface, "Unmount", {QVariantMap{}}); !r.ok) return r;
  }
  QVariantMap options;
  if (!target.label.empty()) options.insert(QStringLiteral("label"), QString::fromStdString(target.label));
  auto result =
      CallUDisks(object, "org.freedesktop.UDisks2.Block", "Format", {QStringLiteral("vfat"), options});
  // The card comes back where the desktop mounts cards; a failed mount is not a failed format.
  if (result.ok) CallUDisks(object, fs_interface, "Mount", {QVariantMap{}});
  return result;
}

bool RunTool(const QString& tool, const QStringList& args, std::string& detail) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(tool, args);
  if (process.waitForFinished(60 * 1000) && process.exitStatus() == QProcess::NormalExit &&
      process.exitCode() == 0) {
    return true;
  }
  detail = (tool + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll()).trimmed()).toStdString();
  return false;
}

FormatResult FormatDeviceAsRoot(const FormatTarget& target) {
  const QString mount_point = QString::fromStdString(target.drive.root.string());
  const QString device = QString::fromStdString(target.device);
  std::string detail;
  if (target.mounted && !RunTool(QStringLiteral("umount"), {mount_point}, detail)) return {false, detail};
  FormatResult result = FormatWithMkfs(target.device, target.label);
  if (target.mounted && !RunTool(QStringLiteral("mount"), {device, mount_point}, detail) && result.ok) {
    result.detail = detail;  // formatted, but left unmounted
  }
  return result;
}

}  // namespace

FormatTarget DescribeFormatTarget(const Drive& drive) {
  FormatTarget target;
  target.drive = drive;
  std::error_code ec;
  if (fs::is_regular_file(drive.root, ec)) {
    target.device = drive.root.string();
    target.imageFile = true;
    target.sizeBytes = fs::file_size(drive.root, ec);
  } else {
    const std::string folder = drive.root.lexically_normal().string();
    const std::vector<MountEntry> mounts = Mounts();
    for (const MountEntry& m : mounts) {
      if (fs::path(m.mount_point).lexically_normal().string() != folder || m.device.rfind("/dev/", 0) != 0)
        continue;
      target.device = m.device;
      target.fsType = m.fs_type;
      target.mounted = true;
    }
    const auto space = fs::space(drive.root, ec);
    if (!ec) target.sizeBytes = space.capacity;
    if (!target.device.empty()) {
      std::ifstream swaps("/proc/swaps");
      std::stringstream text;
      text << swaps.rdbuf();
      target.verdict = JudgeFormat(false, target.device, BlockFactsFromSysfs(kSysfs, target.device),
                                   SystemDisks(kSysfs, mounts, ParseSwapsText(text.str())));
    }
  }
  if (target.imageFile) target.verdict = FormatVerdict::ImageFile;
  if (!target.device.empty()) {
    target.label = FatLabelOf(target.device);
    if (target.fsType.empty()) target.fsType = FatTypeOf(target.device);
  }
  return target;
}

FormatBackend SystemDriveFormatter::BackendFor(const FormatTarget& target) const {
  if (target.device.empty() || !target.Formattable()) return FormatBackend::None;
  const bool mkfs = !MkfsFatPath().empty();
  if (target.imageFile) return mkfs ? FormatBackend::Mkfs : FormatBackend::None;
  if (::geteuid() == 0 && mkfs) return FormatBackend::Mkfs;
  return UDisksAvailable() ? FormatBackend::UDisks2 : FormatBackend::None;
}

FormatResult SystemDriveFormatter::Format(const FormatTarget& target) {
  switch (BackendFor(target)) {
    case FormatBackend::Mkfs:
      return target.imageFile ? FormatWithMkfs(target.device, target.label) : FormatDeviceAsRoot(target);
    case FormatBackend::UDisks2:
      return FormatWithUDisks(target);
    case FormatBackend::None:
      break;
  }
  if (!target.Formattable()) return {false, "not a removable card, or it holds files of this system"};
  return {false, "no way to format this drive here (install udisks2, or dosfstools as root)"};
}

FormatResult SystemDriveFormatter::Eject(const FormatTarget& target) {
  if (target.imageFile) return {true, {}};  // a file: nothing to power off
  if (target.device.empty() || !target.Formattable()) return {false, "not a removable card"};
  if (UDisksAvailable()) {
    const QString object = UDisksObjectPath(target.device);
    if (target.mounted) {
      if (auto r = CallUDisks(object, "org.freedesktop.UDisks2.Filesystem", "Unmount", {QVariantMap{}});
          !r.ok)
        return r;
    }
    // The block device names its drive; powering that off lets the reader be pulled.
    QDBusInterface block(QString::fromLatin1(kUDisksService), object,
                         QStringLiteral("org.freedesktop.UDisks2.Block"), QDBusConnection::systemBus());
    const auto drive = block.property("Drive").value<QDBusObjectPath>();
    if (drive.path().isEmpty() || drive.path() == QStringLiteral("/")) return {true, {}};
    return CallUDisks(drive.path(), "org.freedesktop.UDisks2.Drive", "PowerOff", {QVariantMap{}});
  }
  std::string detail;
  if (::geteuid() == 0 && target.mounted &&
      !RunTool(QStringLiteral("umount"), {QString::fromStdString(target.drive.root.string())}, detail))
    return {false, detail};
  if (::geteuid() == 0) return {true, {}};
  return {false, "no way to eject this drive here (install udisks2)"};
}

}  // namespace direvovu::platform
