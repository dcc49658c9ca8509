#include "gui/sdcard/sd_download_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <future>

#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/controls/x_group_box.h"
#include "gui/sdcard/file_copy_dialog.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class SdDownloadDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    fs::create_directories(card.root());  // the viewer makes its root at start-up
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  SdDownloadContext Context(char letter = 'E') const {
    SdDownloadContext context;
    context.folders = WorkingFolders(card.root());
    context.cardLetter = letter;
    context.drives = {Drive{'C', "/", false}, Drive{'E', card.card(), true},
                      Drive{'G', card.base() / "g", true}};
    return context;
  }
  std::string Setting(const char* key) const {
    return CBIniFile(WorkingFolders(card.root()).settings_file()).GetString(kViewerSection, key, "<none>");
  }
  void Store(const char* key, const std::string& value) const {
    fs::create_directories(card.root());
    ASSERT_TRUE(
        CBIniFile(WorkingFolders(card.root()).settings_file()).WriteString(kViewerSection, key, value));
  }

  test::TestCard card;
  test::RecordingPrompts prompts;
  platform::SystemDriveFormatter formatter;
};

TEST_F(SdDownloadDialog, OpensOnTheKnownCardWithEveryRowChecked) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Download SD Data"));
  EXPECT_EQ(dialog.locationEdit()->text().toStdString(), card.card().string());
  EXPECT_EQ(dialog.folderEdit()->text().toStdString(), (card.root() / "SD").string());
  EXPECT_TRUE(dialog.radio(0, 1)->isChecked());  // download Off by default
  EXPECT_TRUE(dialog.radio(1, 0)->isChecked());  // copy to the play list
  EXPECT_EQ(dialog.radio(0, 0)->text(), QStringLiteral("On"));
  EXPECT_EQ(dialog.radio(1, 1)->text(), QStringLiteral("No Copy"));
  ASSERT_EQ(dialog.kindList()->count(), 5);
  EXPECT_EQ(dialog.kindList()->itemText(4), QStringLiteral("Parking Event Files"));
  ASSERT_EQ(dialog.formatList()->count(), 2);
  EXPECT_EQ(dialog.formatList()->currentText(), QStringLiteral("E:"));
  EXPECT_EQ(dialog.firstRemovable(), 4);
  EXPECT_EQ(dialog.formatGroup()->textColor(), QColor(255, 0, 0));

  QTreeWidget* list = dialog.list();
  const int widths[] = {70, 75, 60, 160, 430};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(list->columnWidth(c), widths[c]);
  EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("FILE NAME"));
  ASSERT_EQ(list->topLevelItemCount(), 4);
  const QTreeWidgetItem* event = list->topLevelItem(2);
  EXPECT_EQ(event->text(0), QStringLiteral("   003"));
  EXPECT_EQ(event->text(1), QStringLiteral("2026-12-08"));
  EXPECT_EQ(event->text(2), QStringLiteral("08:16:05"));
  EXPECT_EQ(event->text(3), QStringLiteral("Event"));
  EXPECT_EQ(event->text(4).toStdString(), (card.card() / "Event/drf0_20261208_081605.mp4").string());
  EXPECT_EQ(event->background(0).color(), QColor(0xF1, 0xF1, 0xF1));
  for (const bool checked : dialog.checkedRows()) EXPECT_TRUE(checked);
}

TEST_F(SdDownloadDialog, TheCardCheckMarksRowsWithATooltipAndCanListOnlyThem) {
  // One recording of the camera's layout (ftyp, mdat, moov); the others are bare text.
  const auto size = [](char n) { return std::string(3, '\0') + n; };
  card.Put("Blackbox/20261208/drf0_20261208_081500.mp4",
           size(16) + "ftypisom" + std::string(4, '\0') + size(12) + "mdatdata" + size(8) + "moov");
  CSDDownLoad dialog(Context(), prompts, formatter);
  QTreeWidget* list = dialog.list();
  EXPECT_EQ(list->headerItem()->text(5), QStringLiteral("Check"));
  ASSERT_EQ(list->topLevelItemCount(), 4);
  EXPECT_EQ(dialog.marks(), (std::vector<CardMark>{CardMark::None, CardMark::NotRecording,
                                                   CardMark::NotRecording, CardMark::NotRecording}));
  EXPECT_TRUE(list->topLevelItem(0)->text(5).isEmpty());
  EXPECT_EQ(list->topLevelItem(1)->text(5), QStringLiteral("Not a recording of the camera"));
  EXPECT_EQ(list->topLevelItem(1)->toolTip(4), QStringLiteral("Not a recording of the camera"));
  EXPECT_EQ(dialog.onlyMarkedBox()->text(), QStringLiteral("Only files with problems"));

  dialog.onlyMarkedBox()->setChecked(true);
  EXPECT_TRUE(list->topLevelItem(0)->isHidden());
  EXPECT_FALSE(list->topLevelItem(1)->isHidden());
  // Marked rows can still be copied; a hidden row is not.
  EXPECT_EQ(dialog.checkedRows(), (std::vector<bool>{false, true, true, true}));
  dialog.kindList()->setCurrentIndex(1);  // a new walk keeps the filter
  EXPECT_TRUE(list->topLevelItem(0)->isHidden());
  dialog.onlyMarkedBox()->setChecked(false);
  EXPECT_FALSE(list->topLevelItem(0)->isHidden());
}

TEST_F(SdDownloadDialog, StoredLocationIsKeptAndTheKindListWalksAgain) {
  Store("DOWNLOAD_SD", (card.card() / "").string());
  CSDDownLoad dialog(Context('G'), prompts, formatter);
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 4);
  EXPECT_EQ(dialog.formatList()->currentText(), QStringLiteral("G:"));
  dialog.kindList()->setCurrentIndex(2);
  ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(3), QStringLiteral("Event"));
  dialog.kindList()->setCurrentIndex(3);
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(3), QStringLiteral("Parking"));
}

TEST_F(SdDownloadDialog, NoCardAndNothingStoredListsNothing) {
  CSDDownLoad dialog(Context(0), prompts, formatter);
  EXPECT_TRUE(dialog.locationEdit()->text().isEmpty());
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
  QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.playlistChange());
}

TEST_F(SdDownloadDialog, SelectionButtons) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.DeselectAll();
  EXPECT_EQ(dialog.checkedRows(), std::vector<bool>(4, false));
  dialog.list()->topLevelItem(1)->setCheckState(0, Qt::Checked);
  dialog.Reverse();
  EXPECT_EQ(dialog.checkedRows(), (std::vector<bool>{true, false, true, true}));
  dialog.SelectAll();
  EXPECT_EQ(dialog.checkedRows(), std::vector<bool>(4, true));
}

TEST_F(SdDownloadDialog, BrowsedLocationIsWalkedAndGivesTheCardLetter) {
  CSDDownLoad dialog(Context(0), prompts, formatter);
  prompts.setFolderAnswer(
      [this](const QString&) { return QString::fromStdString((card.card() / "Event").string()); });
  dialog.BrowseLocation();
  EXPECT_EQ(dialog.cardLetter(), 'E');
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);  // a folder without Blackbox, Event or Parking
  prompts.setFolderAnswer([this](const QString&) { return QString::fromStdString(card.card().string()); });
  dialog.BrowseLocation();
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 4);
  prompts.setFolderAnswer([](const QString&) { return QString(); });  // cancelled
  dialog.BrowseLocation();
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 4);
}

TEST_F(SdDownloadDialog, DownloadFolderBrowseWritesTheFolderOrAsksForOne) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  const std::string chosen = (card.base() / "mine").string();
  prompts.setFolderAnswer([&chosen](const QString&) { return QString::fromStdString(chosen); });
  dialog.BrowseDownloadFolder();
  EXPECT_EQ(Setting("SD_DOWN_FOLDER"), chosen);
  dialog.folderEdit()->clear();
  dialog.radio(0, 0)->setChecked(true);
  prompts.setFolderAnswer([](const QString&) { return QString(); });
  dialog.BrowseDownloadFolder();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kSelectSdDataFolder});
}

TEST_F(SdDownloadDialog, OffAndCopyFillsThePlayListWithoutCopying) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.list()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
  QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(dialog.playlistChange());
  EXPECT_TRUE(dialog.playlistChange()->replace);  // row 0 is checked
  ASSERT_EQ(dialog.playlistChange()->paths.size(), 3U);
  EXPECT_EQ(dialog.playlistChange()->paths[1], (card.card() / "Event/drf0_20261208_081605.mp4").string());
  EXPECT_TRUE(dialog.startPlayback());
  EXPECT_FALSE(dialog.copySummary());
  EXPECT_FALSE(fs::exists(card.root() / "SD"));
  EXPECT_EQ(Setting("DOWNLOAD_SD"), card.card().string());
  EXPECT_EQ(Setting("DOWNLOAD_USE"), "1");
  EXPECT_EQ(Setting("SD_FILE_COPY_TO_LIST"), "0");
}

TEST_F(SdDownloadDialog, FirstRowUncheckedAddsBehindThePlayList) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.list()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  dialog.DownloadCommand();
  ASSERT_TRUE(dialog.playlistChange());
  EXPECT_FALSE(dialog.playlistChange()->replace);
  EXPECT_EQ(dialog.playlistChange()->paths.size(), 3U);
}

TEST_F(SdDownloadDialog, NoCopyLeavesThePlayListAlone) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.radio(1, 1)->setChecked(true);
  dialog.DownloadCommand();
  ASSERT_TRUE(dialog.playlistChange());
  EXPECT_FALSE(dialog.playlistChange()->replace);
  EXPECT_TRUE(dialog.playlistChange()->paths.empty());
  EXPECT_FALSE(dialog.startPlayback());
  EXPECT_EQ(Setting("SD_FILE_COPY_TO_LIST"), "1");
}

TEST_F(SdDownloadDialog, NothingCheckedSaysSoAndCloses) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.DeselectAll();
  dialog.DownloadCommand();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kNoFileToDownload});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.playlistChange());
}

TEST_F(SdDownloadDialog, DownloadOnWithoutAFolderStaysOpen) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.radio(0, 0)->setChecked(true);
  dialog.folderEdit()->clear();
  dialog.show();
  dialog.DownloadCommand();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kSelectSdDataFolder});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Setting("DOWNLOAD_USE"), "<none>");  // nothing is written
}

TEST_F(SdDownloadDialog, DownloadOnCopiesThroughTheCopyDialog) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.SetFreeSpaceQuery(
      [](const fs::path&) -> std::optional<std::uintmax_t> { return std::uintmax_t{1} << 40; });
  // The copy dialog runs as the user sees it, and its Ok is pressed once it shows.
  dialog.SetCopyRunner([](CFileCopy& copy) {
    QObject::connect(&copy, &CFileCopy::copyEnded, &copy, [&copy] { copy.button()->click(); });
    copy.exec();
  });
  dialog.radio(0, 0)->setChecked(true);
  const fs::path to = card.base() / "pc";
  dialog.folderEdit()->setText(QString::fromStdString(to.string()));
  fs::create_directories(to / "Event");
  std::ofstream(to / "Event/drf0_20261208_081605.mp4") << "mine";
  dialog.DownloadCommand();
  ASSERT_TRUE(dialog.copySummary());
  EXPECT_EQ(dialog.copySummary()->copied, 5);
  EXPECT_EQ(dialog.copySummary()->skipped, 1);
  EXPECT_EQ(test::ReadAll(to / "Event/drf0_20261208_081605.mp4"), "mine");
  EXPECT_EQ(test::ReadAll(to / "Blackbox/20261208/drf1_20261208_081500.mp4"), "rear-1");
  EXPECT_EQ(test::ReadAll(to / "Event/evt_20261208_081605.txt"), "g");
  EXPECT_EQ(Setting("SD_DOWN_FOLDER"), to.string());
  EXPECT_TRUE(dialog.playlistChange()->replace);
}

TEST_F(SdDownloadDialog, FormatIsRefusedWithoutADriveOrAfterPlaybackInAnyLanguage) {
  SdDownloadContext none = Context();
  none.drives = {Drive{'C', "/", false}};
  CSDDownLoad without(none, prompts, formatter);
  without.FormatCommand();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kConnectSd});
  prompts.clear();

  SetCurrentLanguage(kJapanese);
  SdDownloadContext played = Context();
  played.played = true;
  CSDDownLoad after(played, prompts, formatter);
  after.FormatCommand();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kCantFormatSd});
  EXPECT_TRUE(prompts.formatQuestions().empty());
}

TEST_F(SdDownloadDialog, FormatOfAFolderThatIsNoVolumeTouchesNothing) {
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.FormatCommand();
  EXPECT_TRUE(prompts.formatQuestions().empty());
  ASSERT_EQ(prompts.alerts().size(), 1U);
  EXPECT_TRUE(
      prompts.alerts()[0].startsWith(QStringLiteral("This system offers no way to format the SD card.")));
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 4);
}

}  // namespace
}  // namespace direvovu::gui

namespace direvovu::gui {
namespace {

// Pictures people look at: the dialog on a card, and the copy dialog in the middle of a copy.
QString ScreenshotPath(const char* name) {
  const QString folder = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  QDir().mkpath(folder);
  return folder + QLatin1Char('/') + QLatin1String(name);
}

int Colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
  }
  return static_cast<int>(seen.size());
}

TEST_F(SdDownloadDialog, ScreenshotsOfTheDialogAndOfACopyUnderWay) {
  {
    // DIREVOVU_SCREENSHOT_CARD names another card for the listing's picture (the demo card).
    SdDownloadContext shown = Context();
    const QString other = qEnvironmentVariable("DIREVOVU_SCREENSHOT_CARD");
    if (!other.isEmpty()) shown.drives[1].root = other.toStdString();
    CSDDownLoad listing(shown, prompts, formatter);
    listing.show();
    const QImage listed = listing.grab().toImage();
    ASSERT_TRUE(listed.save(ScreenshotPath("sd_download.png")));
    EXPECT_GT(Colours(listed), 20);
  }
  CSDDownLoad dialog(Context(), prompts, formatter);
  dialog.show();

  std::promise<void> grabbed;
  auto grabbed_future = grabbed.get_future().share();
  std::atomic<int> calls{0};
  dialog.SetFreeSpaceQuery([&calls, grabbed_future](const fs::path&) -> std::optional<std::uintmax_t> {
    if (++calls == 3) grabbed_future.wait();
    return std::uintmax_t{1} << 40;
  });
  dialog.SetCopyRunner([&](CFileCopy& copy) {
    copy.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.load() >= 3; }, 5000));
    QTest::qWait(50);
    const QImage copying = copy.grab().toImage();
    EXPECT_TRUE(copying.save(ScreenshotPath("sd_file_copy.png")));
    EXPECT_GT(Colours(copying), 10);
    QSignalSpy ended(&copy, &CFileCopy::copyEnded);
    grabbed.set_value();
    EXPECT_TRUE(ended.wait(5000));
  });
  dialog.radio(0, 0)->setChecked(true);
  dialog.folderEdit()->setText(QString::fromStdString((card.base() / "pc").string()));
  dialog.DownloadCommand();
  ASSERT_TRUE(dialog.copySummary());
  EXPECT_EQ(dialog.copySummary()->copied, 6);
}

}  // namespace
}  // namespace direvovu::gui
