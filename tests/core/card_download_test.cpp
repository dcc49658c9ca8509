#include "core/sdcard/card_download.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "card_files.h"
#include "core/sdcard/card_walk.h"
#include "core/sdcard/copy_no_overwrite.h"
#include "core/sdcard/download_ledger.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Checked(const fs::path& card) {
  CardWorkTables tables;
  std::vector<fs::path> paths;
  for (const auto& row : WalkSdCard(card, CardKind::All, tables)) paths.push_back(row.path);
  return paths;
}

class CardDownload : public ::testing::Test {
 protected:
  void SetUp() override {
    Put(card / "Blackbox/20261208/drf0_20261208_081500.mp4", "front-1");
    Put(card / "Blackbox/20261208/drf1_20261208_081500.mp4", "rear-1");
    Put(card / "Blackbox/drf0_20261207_060000.mp4", "loose");
    Put(card / "Event/drf0_20261208_081605.mp4", "event-front");
    Put(card / "Event/drf1_20261208_081605.mp4", "event-rear");
    Put(card / "Parking/night/drf0_20261208_23000e.mp4", "parked");
    Put(card / "Event/evt_20261208_081605.txt", "g-sensor");
    Put(card / "Event/2026/long_event_file_name_20261208.txt", "other");
  }

  DownloadHooks Hooks() {
    DownloadHooks hooks;
    hooks.cancel = &cancel;
    hooks.freeSpace = [this](const fs::path&) { return free_bytes; };
    return hooks;
  }

  TempFolder temp;
  fs::path card = temp.path() / "card";
  fs::path down = temp.path() / "pc" / "SD";
  std::atomic<bool> cancel{false};
  std::optional<std::uintmax_t> free_bytes = kMinimumFreeBytes;
};

TEST_F(CardDownload, MirrorsTheCardWithRearFilesAndEventTexts) {
  const auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.copied, 8);
  EXPECT_EQ(summary.failed, 0);
  EXPECT_EQ(ReadText(down / "Blackbox/20261208/drf0_20261208_081500.mp4"), "front-1");
  EXPECT_EQ(ReadText(down / "Blackbox/20261208/drf1_20261208_081500.mp4"), "rear-1");
  EXPECT_EQ(ReadText(down / "Blackbox/drf0_20261207_060000.mp4"), "loose");
  EXPECT_EQ(ReadText(down / "Event/drf1_20261208_081605.mp4"), "event-rear");
  EXPECT_EQ(ReadText(down / "Parking/night/drf0_20261208_23000e.mp4"), "parked");
  // Event texts keep their own names, whatever their length or folder on the card.
  EXPECT_EQ(ReadText(down / "Event/evt_20261208_081605.txt"), "g-sensor");
  EXPECT_EQ(ReadText(down / "Event/long_event_file_name_20261208.txt"), "other");
  EXPECT_TRUE(HiddenFiles(down).empty());
}

TEST_F(CardDownload, EventFolderIsMadeForTheTextsAlone) {
  const auto summary = RunCardDownload(PlanDownload(card, down, {}), Hooks());
  EXPECT_EQ(summary.copied, 2);
  EXPECT_TRUE(fs::is_regular_file(down / "Event/evt_20261208_081605.txt"));
}

TEST_F(CardDownload, ExistingFilesAreNeverOverwritten) {
  Put(down / "Blackbox/20261208/drf0_20261208_081500.mp4", "mine");
  Put(down / "Event/evt_20261208_081605.txt", "mine too");
  const auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.skipped, 2);
  EXPECT_EQ(summary.copied, 6);
  EXPECT_EQ(ReadText(down / "Blackbox/20261208/drf0_20261208_081500.mp4"), "mine");
  EXPECT_EQ(ReadText(down / "Event/evt_20261208_081605.txt"), "mine too");
}

TEST_F(CardDownload, LowSpaceStopsBeforeTheFirstCopy) {
  free_bytes = kMinimumFreeBytes - 1;
  auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::LowSpace);
  EXPECT_EQ(summary.copied, 0);
  EXPECT_FALSE(fs::exists(down / "Blackbox/drf0_20261207_060000.mp4"));
  free_bytes = std::nullopt;  // a volume that cannot tell counts as full
  summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::LowSpace);
}

TEST_F(CardDownload, CancelStopsBeforeTheNextFileAndKeepsWhatWasCopied) {
  DownloadHooks hooks = Hooks();
  hooks.progress = [this](const DownloadProgress& p) {
    if (p.rowsDone == 1) cancel = true;
  };
  const auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), hooks);
  EXPECT_EQ(summary.end, DownloadEnd::Cancelled);
  EXPECT_EQ(summary.copied, 1);
  EXPECT_TRUE(fs::exists(down / "Blackbox/drf0_20261207_060000.mp4"));
  EXPECT_FALSE(fs::exists(down / "Blackbox/20261208"));
  EXPECT_FALSE(fs::exists(down / "Event"));
}

TEST_F(CardDownload, VanishedRecordingIsReportedAndTheRestIsCopied) {
  const auto checked = Checked(card);
  fs::remove(card / "Blackbox/20261208/drf0_20261208_081500.mp4");
  const auto summary = RunCardDownload(PlanDownload(card, down, checked), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.failed, 1);
  ASSERT_EQ(summary.failedFiles.size(), 1U);
  EXPECT_EQ(summary.failedFiles[0].filename(), "drf0_20261208_081500.mp4");
  EXPECT_FALSE(fs::exists(down / "Blackbox/20261208/drf0_20261208_081500.mp4"));
  EXPECT_TRUE(fs::exists(down / "Event/drf0_20261208_081605.mp4"));
}

TEST_F(CardDownload, ReadOnlyDownloadFolderFailsEveryFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
  fs::create_directories(down);
  fs::permissions(down, fs::perms::owner_read | fs::perms::owner_exec);
  const auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  fs::permissions(down, fs::perms::owner_all);
  EXPECT_EQ(summary.copied, 0);
  EXPECT_EQ(summary.failed, 8);
}

TEST_F(CardDownload, DownloadFolderThatCannotBeMadeFailsEveryFileAndLeavesNothing) {
  // A file where the folder should be: no folder below it can exist, even for root.
  Put(temp.path() / "pc", "not a folder");
  const auto summary = RunCardDownload(PlanDownload(card, down, Checked(card)), Hooks());
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.copied, 0);
  EXPECT_EQ(summary.failed, 8);
  EXPECT_EQ(ReadText(temp.path() / "pc"), "not a folder");
}

TEST_F(CardDownload, ProgressCountsRowsAndBytesToTheEnd) {
  std::vector<DownloadProgress> seen;
  DownloadHooks hooks = Hooks();
  hooks.progress = [&seen](const DownloadProgress& p) { seen.push_back(p); };
  RunCardDownload(PlanDownload(card, down, Checked(card)), hooks);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front().Percent(), 0);
  EXPECT_EQ(seen.back().Percent(), 100);
  EXPECT_EQ(seen.back().bytesDone, seen.back().bytesTotal);
  EXPECT_EQ(seen.back().bytesTotal,
            std::string("front-1rear-1looseevent-frontevent-rearparkedg-sensorother").size());
  for (std::size_t i = 1; i < seen.size(); ++i) {
    EXPECT_GE(seen[i].Percent(), seen[i - 1].Percent());
    EXPECT_GE(seen[i].bytesDone, seen[i - 1].bytesDone);
  }
}

TEST(CopyNoOverwrite, CancelMidFileLeavesNoFileUnderEitherName) {
  TempFolder temp;
  const fs::path source = temp / "big.mp4";
  Put(source, std::string(std::size_t{20} << 20, 'x'));
  std::atomic<bool> cancel{false};
  const CopyWatch watch{&cancel, [&cancel](std::uint64_t copied) {
                          if (copied > 0) cancel = true;
                        }};
  EXPECT_EQ(CopyNoOverwrite(source, temp / "out" / "big.mp4", &watch), CopyOutcome::Failed);  // no folder
  fs::create_directories(temp / "out");
  EXPECT_EQ(CopyNoOverwrite(source, temp / "out" / "big.mp4", &watch), CopyOutcome::Cancelled);
  EXPECT_TRUE(fs::is_empty(temp / "out"));
  EXPECT_EQ(CopyNoOverwrite(temp / "none.mp4", temp / "out" / "none.mp4"), CopyOutcome::SourceMissing);
  Put(temp / "out" / "mine.mp4", "mine");
  EXPECT_EQ(CopyNoOverwrite(source, temp / "out" / "mine.mp4"), CopyOutcome::TargetExists);
  EXPECT_EQ(ReadText(temp / "out" / "mine.mp4"), "mine");
  EXPECT_EQ(CopyNoOverwrite(source, temp / "out" / "copy.mp4"), CopyOutcome::Copied);
  EXPECT_EQ(fs::file_size(temp / "out" / "copy.mp4"), fs::file_size(source));
}

}  // namespace
}  // namespace direvovu
