// The format layer's parts that are the same everywhere: what a drive is, and the
// mkfs.fat back-end.
#include "platform/drive_format.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <array>
#include <fstream>
#include <system_error>

#include "core/sdcard/fat_boot_sector.h"

namespace direvovu::platform {

namespace {

std::optional<FatBootSector> BootSectorOf(const std::string& device) {
  std::array<std::uint8_t, 512> sector{};
  std::ifstream in(device, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(sector.data()), sector.size())) return std::nullopt;
  return ParseFatBootSector(sector);
}

}  // namespace

std::string FatLabelOf(const std::string& device) {
  const auto boot = BootSectorOf(device);
  return boot ? boot->label : std::string();
}

std::string FatTypeOf(const std::string& device) {
  const auto boot = BootSectorOf(device);
  return boot ? boot->type : std::string();
}

std::string MkfsFatPath() {
  QString found = QStandardPaths::findExecutable(QStringLiteral("mkfs.fat"));
  if (found.isEmpty()) {
    found = QStandardPaths::findExecutable(QStringLiteral("mkfs.fat"),
                                           {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
  }
  return found.toStdString();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the device, then the label it gets
FormatResult FormatWithMkfs(const std::string& device, const std::string& label) {
  const std::string mkfs = MkfsFatPath();
  if (mkfs.empty()) return {false, "mkfs.fat is not installed (package dosfstools)"};
  QStringList args;
  if (!label.empty()) args << QStringLiteral("-n") << QString::fromStdString(label.substr(0, 11));
  args << QString::fromStdString(device);
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QString::fromStdString(mkfs), args);
  if (!process.waitForStarted(5000)) return {false, "mkfs.fat could not be started"};
  // A large card takes a few seconds; an hour means something hangs.
  if (!process.waitForFinished(3600 * 1000)) {
    process.kill();
    return {false, "mkfs.fat did not finish"};
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return {false, QString::fromLocal8Bit(process.readAll()).trimmed().toStdString()};
  }
  return {true, {}};
}

}  // namespace direvovu::platform
