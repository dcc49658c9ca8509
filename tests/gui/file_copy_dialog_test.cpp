#include "gui/sdcard/file_copy_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <future>

#include "core/sdcard/card_walk.h"
#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"
#include "text_fit_support.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

DownloadPlan PlanOf(const test::TestCard& card) {
  CardWorkTables tables;
  std::vector<fs::path> paths;
  for (const auto& row : WalkSdCard(card.card(), CardKind::All, tables)) paths.push_back(row.path);
  return PlanDownload(card.card(), card.base() / "pc", paths);
}

auto Plenty() {
  return [](const fs::path&) -> std::optional<std::uintmax_t> { return std::uintmax_t{1} << 40; };
}

TEST(FileCopyDialog, CopiesOnItsWorkerAndEndsWithOk) {
  SetCurrentLanguage(kEnglish);
  test::TestCard card;
  test::RecordingPrompts prompts;
  CFileCopy dialog(PlanOf(card), prompts);
  dialog.SetFreeSpaceQuery(Plenty());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Downloading Files..."));
  EXPECT_EQ(dialog.text()->text(), QStringLiteral("\nThe selected file is copying.\n\nPlease wait ..."));
  EXPECT_EQ(dialog.bar()->maximum(), 100);
  EXPECT_EQ(dialog.button()->text(), QStringLiteral("Cancel"));
  QSignalSpy ended(&dialog, &CFileCopy::copyEnded);
  dialog.show();
  ASSERT_TRUE(ended.wait(5000));
  EXPECT_EQ(dialog.state(), CFileCopy::State::Finished);
  EXPECT_EQ(dialog.text()->text(), QStringLiteral("\nFiles are downloaded successfully."));
  EXPECT_EQ(dialog.button()->text(), QStringLiteral("Ok"));
  EXPECT_EQ(dialog.bar()->value(), 100);
  EXPECT_TRUE(dialog.detail()->text().contains(QStringLiteral(" MB")));
  EXPECT_EQ(dialog.summary().copied, 6);
  EXPECT_EQ(test::ReadAll(card.base() / "pc/Blackbox/20261208/drf1_20261208_081500.mp4"), "rear-1");
  EXPECT_EQ(dialog.counts()->text(), QStringLiteral("Copied: 6   Already downloaded: 0   Failed: 0"));
  EXPECT_TRUE(prompts.rows().empty());
  QTest::mouseClick(dialog.button(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // The same card again: everything is in the download folder's ledger.
  CFileCopy again(PlanOf(card), prompts);
  again.SetFreeSpaceQuery(Plenty());
  QSignalSpy againEnded(&again, &CFileCopy::copyEnded);
  again.show();
  ASSERT_TRUE(againEnded.wait(5000));
  EXPECT_EQ(again.summary().alreadyDownloaded, 6);
  EXPECT_EQ(again.counts()->text(), QStringLiteral("Copied: 0   Already downloaded: 6   Failed: 0"));
}

TEST(FileCopyDialog, ProgressIsCountedOnlyOnceTheSizesAreKnownInTheReadersNumbers) {
  test::TestCard card;
  test::RecordingPrompts prompts;
  CFileCopy dialog(PlanOf(card), prompts);
  constexpr std::uint64_t kMb = 1024 * 1024;
  const struct {
    int language;
    DownloadProgress progress;
    const char* detail;
    bool percent_shown;
  } cases[] = {
      {kEnglish, {1, 4, 0, 0, "a.mp4", -1}, "a.mp4", false},  // the sizes are not known yet
      {kEnglish, {1, 4, 3 * kMb / 2, 700 * kMb, "a.mp4", -1}, "1.5 / 700.0 MB   a.mp4", true},
      {kRussian, {1, 4, 3 * kMb / 2, 700 * kMb, "a.mp4", -1}, "1,5 / 700,0 МБ   a.mp4", true},
      {kPortugueseBrazil, {1, 4, 3 * kMb / 2, 700 * kMb, "a.mp4", -1}, "1,5 / 700,0 MB   a.mp4", true},
  };
  for (const auto& c : cases) {
    const test::LanguageScope language(c.language);
    dialog.ShowProgress(c.progress);
    EXPECT_EQ(dialog.detail()->text().toStdString(), c.detail);
    EXPECT_EQ(dialog.bar()->isTextVisible(), c.percent_shown) << c.detail;
  }
}

TEST(FileCopyDialog, LowSpaceIsToldOnTheWindowsThread) {
  SetCurrentLanguage(kEnglish);
  test::TestCard card;
  test::RecordingPrompts prompts;
  CFileCopy dialog(PlanOf(card), prompts);
  dialog.SetFreeSpaceQuery(
      [](const fs::path&) -> std::optional<std::uintmax_t> { return kMinimumFreeBytes - 1; });
  QSignalSpy ended(&dialog, &CFileCopy::copyEnded);
  dialog.Start();
  ASSERT_TRUE(ended.wait(5000));
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kLowDiskSpace});
  EXPECT_EQ(dialog.text()->text(), UiText(msg::kLowDiskSpace));
  EXPECT_EQ(dialog.summary().copied, 0);
  EXPECT_FALSE(fs::exists(card.base() / "pc/Blackbox/20261208/drf0_20261208_081500.mp4"));
}

TEST(FileCopyDialog, FailedFilesAreCountedInTheEndText) {
  SetCurrentLanguage(kEnglish);
  test::TestCard card;
  const DownloadPlan plan = PlanOf(card);
  fs::remove(card.card() / "Event/drf0_20261208_081605.mp4");  // the card was pulled, say
  test::RecordingPrompts prompts;
  CFileCopy dialog(plan, prompts);
  dialog.SetFreeSpaceQuery(Plenty());
  QSignalSpy ended(&dialog, &CFileCopy::copyEnded);
  dialog.Start();
  ASSERT_TRUE(ended.wait(5000));
  EXPECT_EQ(dialog.text()->text(),
            QStringLiteral("\n1 file(s) could not be copied.\nThe files already copied are kept."));
  EXPECT_EQ(dialog.summary().copied, 5);
}

TEST(FileCopyDialog, CancelStopsBeforeTheNextFileAndClosesSixSecondsLater) {
  SetCurrentLanguage(kEnglish);
  test::TestCard card;
  test::RecordingPrompts prompts;
  CFileCopy dialog(PlanOf(card), prompts);
  // The worker waits inside its second free-space check until the user has pressed Cancel.
  std::promise<void> pressed;
  auto pressed_future = pressed.get_future().share();
  std::atomic<int> calls{0};
  dialog.SetFreeSpaceQuery([&calls, pressed_future](const fs::path&) -> std::optional<std::uintmax_t> {
    if (++calls == 2) pressed_future.wait();
    return std::uintmax_t{1} << 40;
  });
  dialog.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return calls.load() >= 2; }, 5000));
  QTest::mouseClick(dialog.button(), Qt::LeftButton);
  EXPECT_EQ(dialog.state(), CFileCopy::State::Stopping);
  EXPECT_EQ(dialog.text()->text(), QStringLiteral("\nDownloading is stopping.\n\nPlease wait ..."));
  pressed.set_value();
  QTest::mouseClick(dialog.button(), Qt::LeftButton);  // further presses are ignored
  EXPECT_TRUE(dialog.isVisible());
  QTest::qWait(5000);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2500));
  EXPECT_EQ(dialog.summary().end, DownloadEnd::Cancelled);
  // The front file went; its rear, whose check was under way, was given up at once.
  EXPECT_EQ(dialog.summary().copied, 1);
  EXPECT_FALSE(fs::exists(card.base() / "pc/Blackbox/20261208/drf1_20261208_081500.mp4"));
  EXPECT_EQ(calls.load(), 2);
}

TEST(FileCopyDialog, GoingAwayMidCopyStopsAndJoinsTheWorker) {
  test::TestCard card;
  test::RecordingPrompts prompts;
  std::atomic<int> calls{0};
  {
    CFileCopy dialog(PlanOf(card), prompts);
    dialog.SetFreeSpaceQuery([&calls](const fs::path&) -> std::optional<std::uintmax_t> {
      ++calls;
      QThread::msleep(50);
      return std::uintmax_t{1} << 40;
    });
    dialog.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.load() >= 1; }, 5000));
  }
  const int at_close = calls.load();
  QTest::qWait(200);
  EXPECT_EQ(calls.load(), at_close);  // nothing runs on after the dialog is gone
  EXPECT_LT(at_close, 6);
}

}  // namespace
}  // namespace direvovu::gui
