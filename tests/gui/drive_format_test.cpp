// The format layer on disk images made here (mkfs.fat), checked with fsck.fat -n and
// read with mtools, without mounting anything; and the download dialog's Format on them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QProcess>
#include <QStandardPaths>

#include <fstream>

#include "core/sdcard/fat_boot_sector.h"
#include "core/settings/texts.h"
#include "gui/sdcard/format_confirm.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "platform/drive_format.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

QString Tool(const char* name) {
  return QStandardPaths::findExecutable(
      QString::fromLatin1(name),
      {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
}

// Runs a tool; its output, or nullopt when it failed.
std::optional<QString> RunTool(const char* name, const QStringList& args) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(Tool(name), args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return std::nullopt;
  return QString::fromLocal8Bit(p.readAll());
}

class DriveFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Tool("mkfs.fat").isEmpty() || Tool("mcopy").isEmpty() || Tool("fsck.fat").isEmpty()) {
      GTEST_SKIP() << "dosfstools and mtools are installed by scripts/install-deps";
    }
    SetCurrentLanguage(kEnglish);
    // mtools checks a geometry that small images made by mkfs.fat need not have.
    qputenv("MTOOLS_SKIP_CHECK", "1");
    MakeImage(e_image, "OTHERCARD");
    MakeImage(g_image, "CAMCARD");
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  // An 8 MB FAT image holding one recording.
  void MakeImage(const fs::path& image, const QString& label) const {
    ASSERT_TRUE(RunTool("mkfs.fat", {QStringLiteral("-C"), QStringLiteral("-n"), label,
                                     QString::fromStdString(image.string()), QStringLiteral("8192")}));
    const fs::path file = card.base() / "drf0_20261208_081500.mp4";
    std::ofstream(file) << "recording";
    ASSERT_TRUE(RunTool("mcopy", {QStringLiteral("-i"), QString::fromStdString(image.string()),
                                  QString::fromStdString(file.string()), QStringLiteral("::/")}));
  }
  bool HoldsRecording(const fs::path& image) const {
    const auto listing = RunTool("mdir", {QStringLiteral("-b"), QStringLiteral("-i"),
                                          QString::fromStdString(image.string()), QStringLiteral("::/")});
    return listing && listing->contains(QStringLiteral("drf0_20261208_081500.mp4"), Qt::CaseInsensitive);
  }

  test::TestCard card;
  fs::path e_image = card.base() / "e.img";
  fs::path g_image = card.base() / "g.img";
};

TEST_F(DriveFormat, ImageIsDescribedAndFormattedByMkfs) {
  const platform::FormatTarget target = platform::DescribeFormatTarget(Drive{'G', g_image, true});
  EXPECT_TRUE(target.imageFile);
  EXPECT_EQ(target.sizeBytes, 8192U * 1024U);
  EXPECT_EQ(target.label, "CAMCARD");
  platform::SystemDriveFormatter formatter;
  ASSERT_EQ(formatter.BackendFor(target), platform::FormatBackend::Mkfs);
  ASSERT_TRUE(HoldsRecording(g_image));
  const auto result = formatter.Format(target);
  ASSERT_TRUE(result.ok) << result.detail;
  EXPECT_TRUE(RunTool("fsck.fat", {QStringLiteral("-n"), QString::fromStdString(g_image.string())}));
  EXPECT_FALSE(HoldsRecording(g_image));
  EXPECT_EQ(platform::FatLabelOf(g_image.string()), "CAMCARD");
}

TEST_F(DriveFormat, MkfsFailureIsReported) {
  const auto result = platform::FormatWithMkfs((card.base() / "missing" / "x.img").string(), "");
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.detail.empty());
}

TEST_F(DriveFormat, DialogFormatsOnlyTheSelectedDriveAfterConfirmation) {
  gui::SdDownloadContext context;
  context.folders = WorkingFolders(card.root());
  context.drives = {Drive{'E', e_image, true}, Drive{'G', g_image, true}};
  test::RecordingPrompts prompts;
  platform::SystemDriveFormatter formatter;
  gui::CSDDownLoad dialog(context, prompts, formatter);
  dialog.formatList()->setCurrentIndex(1);

  dialog.FormatCommand();  // answered No
  ASSERT_EQ(prompts.formatQuestions().size(), 1U);
  const gui::FormatQuestion& asked = prompts.formatQuestions()[0];
  EXPECT_EQ(asked.drive, QStringLiteral("G:"));
  EXPECT_EQ(asked.folder.toStdString(), g_image.string());
  EXPECT_EQ(asked.size, QStringLiteral("8.0 MB"));
  EXPECT_EQ(asked.label, QStringLiteral("CAMCARD"));
  EXPECT_EQ(asked.device.toStdString(), g_image.string());
  EXPECT_TRUE(asked.fileSystem.startsWith(QStringLiteral("FAT"))) << asked.fileSystem.toStdString();
  EXPECT_TRUE(gui::CFormatConfirm::QuestionText(asked).endsWith(
      QStringLiteral("Label: CAMCARD\nDevice: %1\nFile system: %2\n\nFormat it now?")
          .arg(asked.device, asked.fileSystem)))
      << gui::CFormatConfirm::QuestionText(asked).toStdString();
  EXPECT_TRUE(HoldsRecording(g_image));
  EXPECT_TRUE(prompts.alerts().empty());

  prompts.setFormatAnswer(true);
  dialog.FormatCommand();
  EXPECT_FALSE(HoldsRecording(g_image));
  EXPECT_TRUE(HoldsRecording(e_image));
  EXPECT_TRUE(RunTool("fsck.fat", {QStringLiteral("-n"), QString::fromStdString(g_image.string())}));
  ASSERT_EQ(prompts.alerts().size(), 1U);
  EXPECT_EQ(prompts.alerts()[0], QStringLiteral("The SD card is formatted."));

  // A disk image has nothing to power off: Eject answers at once.
  dialog.EjectCommand();
  ASSERT_EQ(prompts.alerts().size(), 2U);
  EXPECT_TRUE(prompts.alerts()[1].startsWith(QStringLiteral("The SD card can be removed now.\n\nG:")))
      << prompts.alerts()[1].toStdString();
}

TEST_F(DriveFormat, TheSystemsOwnDiskIsNeverFormattedNorOffered) {
  // "/" as a removable drive: whatever the flag says, its disk holds the system.
  const platform::FormatTarget root = platform::DescribeFormatTarget(Drive{'D', "/", true});
  if (root.device.empty()) GTEST_SKIP() << "/ is not mounted from a block device here";
  EXPECT_FALSE(root.Formattable());
  platform::SystemDriveFormatter formatter;
  EXPECT_EQ(formatter.BackendFor(root), platform::FormatBackend::None);
  EXPECT_FALSE(formatter.Format(root).ok);
  EXPECT_FALSE(formatter.Eject(root).ok);
  gui::SdDownloadContext context;
  context.folders = WorkingFolders(card.root());
  context.drives = {Drive{'D', "/", true}, Drive{'G', g_image, true}};
  test::RecordingPrompts prompts;
  gui::CSDDownLoad dialog(context, prompts, formatter);
  ASSERT_EQ(dialog.formatList()->count(), 1);
  EXPECT_EQ(dialog.formatList()->itemText(0), QStringLiteral("G:"));
}

TEST_F(DriveFormat, BootSectorOfARealImageAndOfJunk) {
  std::vector<std::uint8_t> bytes(512);
  std::ifstream(g_image, std::ios::binary).read(reinterpret_cast<char*>(bytes.data()), 512);
  const auto boot = ParseFatBootSector(bytes);
  ASSERT_TRUE(boot);
  EXPECT_EQ(boot->label, "CAMCARD");
  EXPECT_EQ(boot->bytesPerSector, 512U);
  EXPECT_EQ(boot->totalSectors * boot->bytesPerSector, 8192U * 1024U);
  EXPECT_TRUE(boot->type == "FAT12" || boot->type == "FAT16") << boot->type;
  EXPECT_FALSE(ParseFatBootSector(std::span(bytes).first(511)));
  bytes[510] = 0;
  EXPECT_FALSE(ParseFatBootSector(bytes));
  bytes[510] = 0x55;
  bytes[11] = 0x00;
  bytes[12] = 0x03;  // 768-byte sectors do not exist
  EXPECT_FALSE(ParseFatBootSector(bytes));
}

}  // namespace
}  // namespace direvovu
