// Verified copies, the download folder's ledger and downloads that resume, on real
// file systems (a small tmpfs for the full disk).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "card_files.h"
#include "core/sdcard/card_download.h"
#include "core/sdcard/card_walk.h"
#include "core/sdcard/download_ledger.h"
#include "core/sdcard/verified_copy.h"
#include "small_disk.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

// Flips one byte of a file in place, as a failing disk would.
void Damage(const fs::path& path) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  char c = 0;
  file.seekg(0);
  file.get(c);
  file.seekp(0);
  file.put(static_cast<char>(c ^ 0x55));
}

TEST(CopyVerified, OnlyACopyThatReadsBackTheSameTakesTheName) {
  struct Case {
    const char* name;
    int damaged;  // how many of the read-backs find damaged bytes
    VerifiedOutcome outcome;
  };
  const Case cases[] = {
      {"clean", 0, VerifiedOutcome::Copied},
      {"damaged once, the second try is clean", 1, VerifiedOutcome::Copied},
      {"damaged every time", 2, VerifiedOutcome::Mismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    const std::string bytes(std::size_t{3} << 20, 'r');
    Put(temp / "card/drf0_20261208_081500.mp4", bytes);
    fs::create_directories(temp / "pc");
    int readBacks = 0;
    VerifiedCopyOptions options;
    options.beforeReadBack = [&](const fs::path& copy) {
      if (readBacks++ < c.damaged) Damage(copy);
    };
    const auto copy = CopyVerified(temp / "card/drf0_20261208_081500.mp4", temp / "pc/drf0.mp4", options);
    EXPECT_EQ(copy.outcome, c.outcome);
    EXPECT_EQ(readBacks, std::min(c.damaged + 1, 2));
    EXPECT_EQ(fs::exists(temp / "pc/drf0.mp4"), c.outcome == VerifiedOutcome::Copied);
    if (c.outcome == VerifiedOutcome::Copied) {
      EXPECT_EQ(ReadText(temp / "pc/drf0.mp4"), bytes);
      EXPECT_EQ(
          HexText(copy.digest),
          HexText(*Sha256Of(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))));
      // The copy keeps the recording's time.
      EXPECT_EQ(fs::last_write_time(temp / "pc/drf0.mp4"),
                fs::last_write_time(temp / "card/drf0_20261208_081500.mp4"));
    }
    EXPECT_TRUE(HiddenFiles(temp / "pc").empty());
  }
}

TEST(DownloadLedger, ReadsWhatItWroteAndIgnoresWhatItCannotRead) {
  TempFolder temp;
  DownloadLedger ledger;
  const std::vector<std::string> names{"Blackbox/drf0_20261208_081500.mp4",
                                       "Event/odd\tname\\with\nbreaks.txt", std::string(255, 'n') + "/x.txt"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    LedgerEntry entry{names[i], "card/" + names[i], i * 1000, 17 + static_cast<std::int64_t>(i), 42, {}};
    entry.digest[0] = static_cast<std::uint8_t>(i + 1);
    ledger.Put(entry);
  }
  ASSERT_FALSE(ledger.Save(temp.path()));
  DownloadLedger back = DownloadLedger::Load(temp.path());
  ASSERT_EQ(back.size(), names.size());
  for (const auto& name : names) {
    ASSERT_NE(back.Find(name), nullptr) << name;
    EXPECT_EQ(back.Find(name)->source, "card/" + name);
  }
  EXPECT_EQ(back.Find(names[2])->size, 2000U);

  // Junk lines anywhere, and a SHA256SUMS digest that no longer matches the ledger's.
  const std::string sums = ReadText(temp / std::string(kLedgerSumsName));
  const std::string ledgerText = ReadText(temp / std::string(kLedgerName));
  const auto first = sums.find('\n');
  std::string changed = sums.substr(0, first);
  changed[5] = changed[5] == '0' ? '1' : '0';
  WriteText(temp / std::string(kLedgerSumsName),
            "junk\n\n" + changed + sums.substr(first) + std::string(64, 'z') + "  Event/x.txt\n");
  WriteText(temp / std::string(kLedgerName),
            ledgerText + "a\tb\tc\n\t\t\t\t\t\n" + std::string(64, '0') + "\t1\t2\n");
  back = DownloadLedger::Load(temp.path());
  EXPECT_EQ(back.size(), names.size() - 1);
  EXPECT_EQ(back.Find(names[0]), nullptr);

  EXPECT_EQ(ParseChecksums("\\" + std::string(64, 'a') + "  a\\nb\n" + std::string(64, 'B') + " *bin\n" +
                           std::string(63, 'a') + "   short\n\\" + std::string(64, 'a') + "  bad\\q\n")
                .size(),
            2U);
}

class VerifiedDownload : public ::testing::Test {
 protected:
  void SetUp() override {
    Put(card / "Blackbox/drf0_20261208_081500.mp4", std::string(std::size_t{5} << 20, 'f'));
    Put(card / "Blackbox/drf1_20261208_081500.mp4", std::string(std::size_t{5} << 20, 'b'));
    Put(card / "Blackbox/drf0_20261208_082500.mp4", "second");
    Put(card / "Event/drf0_20261208_081605.mp4", "event");
    Put(card / "Event/evt_20261208_081605.txt", "g-sensor");
  }

  DownloadSummary Download(const fs::path& to,
                           const std::function<void(const DownloadProgress&)>& progress = {},
                           const std::function<void(const fs::path&)>& beforeReadBack = {}) {
    CardWorkTables tables;
    std::vector<fs::path> checked;
    for (const auto& row : WalkSdCard(card, CardKind::All, tables)) checked.push_back(row.path);
    DownloadHooks hooks;
    hooks.cancel = &cancel;
    hooks.freeSpace = [](const fs::path&) { return kMinimumFreeBytes; };
    hooks.progress = progress;
    hooks.progressInterval = std::chrono::milliseconds(0);
    hooks.beforeReadBack = beforeReadBack;
    return RunCardDownload(PlanDownload(card, to, checked), hooks);
  }

  TempFolder temp;
  fs::path card = temp.path() / "card";
  fs::path down = temp.path() / "pc";
  std::atomic<bool> cancel{false};
};

TEST_F(VerifiedDownload, ASecondDownloadReadsNothingAgainAndAStoppedOneResumes) {
  // Stopped after the first recording (front and rear): what was verified stays in the ledger.
  auto summary = Download(down, [this](const DownloadProgress& p) { cancel = cancel || p.rowsDone == 1; });
  EXPECT_EQ(summary.end, DownloadEnd::Cancelled);
  EXPECT_EQ(summary.copied, 2);
  EXPECT_EQ(DownloadLedger::Load(down).size(), 2U);

  cancel = false;
  summary = Download(down);
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.copied, 3);
  EXPECT_EQ(summary.alreadyDownloaded, 2);
  EXPECT_EQ(summary.bytesCopied, std::uint64_t{6 + 5 + 8});
  const auto problems = VerifyDownloadFolder(down);
  ASSERT_TRUE(problems);
  EXPECT_TRUE(problems->empty());
  EXPECT_EQ(DownloadLedger::Load(down).size(), 5U);

  // Different bytes of the same size and time on the card: were the recording read
  // again, this would be noticed.
  const fs::path front = card / "Blackbox/drf0_20261208_081500.mp4";
  const auto time = fs::last_write_time(front);
  WriteText(front, std::string(std::size_t{5} << 20, 'X'));
  fs::last_write_time(front, time);
  summary = Download(down);
  EXPECT_EQ(summary.copied, 0);
  EXPECT_EQ(summary.alreadyDownloaded, 5);
  EXPECT_EQ(summary.skipped, 0);
}

TEST_F(VerifiedDownload, ADamagedLedgerOrCopyCostsACopyNeverAFile) {
  ASSERT_EQ(Download(down).copied, 5);
  // A SHA256SUMS line edited, junk added; a copy changed after it was verified; a file
  // of the user's under a name the ledger does not know.
  std::string sums = ReadText(down / "SHA256SUMS");
  sums[sums.find("  Blackbox/drf0_20261208_082500.mp4") - 1] ^= 1;
  WriteText(down / "SHA256SUMS", "junk line\n" + sums);
  WriteText(down / "Event/drf0_20261208_081605.mp4", "edited");
  Put(card / "Parking/drf0_20261208_214000.mp4", "parked");
  Put(down / "Parking/drf0_20261208_214000.mp4", "mine");

  const auto summary = Download(down);
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.copied, 1);             // the changed copy, again
  EXPECT_EQ(summary.alreadyDownloaded, 4);  // the edited line's file, found by its bytes
  EXPECT_EQ(summary.skipped, 1);
  EXPECT_EQ(ReadText(down / "Event/drf0_20261208_081605.mp4"), "event");
  EXPECT_EQ(ReadText(down / "Event/drf0_20261208_081605.mp4.changed"), "edited");
  EXPECT_EQ(ReadText(down / "Parking/drf0_20261208_214000.mp4"), "mine");
  const auto problems = VerifyDownloadFolder(down);
  ASSERT_TRUE(problems);
  EXPECT_TRUE(problems->empty());
  EXPECT_EQ(ParseChecksums(ReadText(down / "SHA256SUMS")).size(), 5U);

  // What the verification names: a copy gone and a copy whose bytes changed.
  fs::remove(down / "Blackbox/drf0_20261208_082500.mp4");
  Damage(down / "Blackbox/drf1_20261208_081500.mp4");
  const auto found = VerifyDownloadFolder(down);
  ASSERT_TRUE(found);
  ASSERT_EQ(found->size(), 2U);
  EXPECT_EQ((*found)[0].target, "Blackbox/drf0_20261208_082500.mp4");
  EXPECT_TRUE((*found)[0].missing);
  EXPECT_EQ((*found)[1].target, "Blackbox/drf1_20261208_081500.mp4");
  EXPECT_FALSE((*found)[1].missing);
  EXPECT_FALSE(VerifyDownloadFolder(temp / "nothing"));
}

TEST_F(VerifiedDownload, APulledCardFailsThatFileAndStopsWithNothingHalfWritten) {
  // What a card pulled mid-read does to the recording being copied.
  const fs::path front = card / "Blackbox/drf0_20261208_081500.mp4";
  const std::string bytes = ReadText(front);
  const std::vector<std::pair<const char*, std::function<void()>>> pulls{
      {"shrinks", [&] { fs::resize_file(front, 1000); }},
      {"vanishes", [&] { fs::remove(front); }},
  };
  for (const auto& [name, pull] : pulls) {
    SCOPED_TRACE(name);
    WriteText(front, bytes);
    bool pulled = false;
    const auto summary = Download(down, [&](const DownloadProgress& p) {
      if (!pulled && p.currentFile == front.filename() && p.bytesDone > 0) {
        pulled = true;
        pull();
      }
    });
    EXPECT_EQ(summary.end, DownloadEnd::CardLost);
    EXPECT_EQ(summary.failed, 1);
    ASSERT_EQ(summary.failedFiles.size(), 1U);
    EXPECT_EQ(summary.failedFiles[0], front);
    EXPECT_FALSE(fs::exists(down / "Blackbox/drf0_20261208_081500.mp4"));
    EXPECT_FALSE(fs::exists(down / "Event"));
    EXPECT_TRUE(HiddenFiles(down).empty());
    const auto problems = VerifyDownloadFolder(down);
    EXPECT_TRUE(!problems || problems->empty());
  }
}

// The front recording (5 MB) is checked while its rear file is copied; what happens to
// one must not leak into the other, the ledger or the order of the rows.
TEST_F(VerifiedDownload, AFailureWhileTheNextFileCopiesKeepsTheLedgerTrue) {
  const std::string front = "drf0_20261208_081500.mp4";
  const std::string rear = "drf1_20261208_081500.mp4";
  // Set while the front is checked, before its read-back; the card pull waits for it.
  std::mutex mutex;
  std::condition_variable changed;
  bool frontChecked = false;
  bool pulled = false;
  const auto waitFor = [&](bool& flag) {
    std::unique_lock lock(mutex);
    changed.wait_for(lock, std::chrono::seconds(10), [&] { return flag; });
  };
  const auto raise = [&](bool& flag) {
    const std::lock_guard lock(mutex);
    flag = true;
    changed.notify_all();
  };
  const auto isFront = [&](const fs::path& copy) {
    return copy.filename().string().starts_with("." + front);
  };
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> beforeReadBack;
    std::function<void(const DownloadProgress&)> progress;
    DownloadEnd end;
    std::vector<std::string> copies;  // in the download folder and its ledger afterwards, sorted
    std::vector<std::string> failed;
  };
  const Case cases[] = {
      {"the front reads back wrong twice",
       [&](const fs::path& copy) {
         if (isFront(copy)) Damage(copy);
       },
       {},
       DownloadEnd::Finished,
       {"Blackbox/drf0_20261208_082500.mp4", "Blackbox/" + rear, "Event/drf0_20261208_081605.mp4",
        "Event/evt_20261208_081605.txt"},
       {front}},
      {"a cancel while the front is checked",
       [&](const fs::path& copy) {
         if (isFront(copy)) cancel = true;
       },
       {},
       DownloadEnd::Cancelled,
       {"Blackbox/" + front},
       {}},
      {"the card pulled while the rear copies and the front is checked",
       [&](const fs::path& copy) {
         if (!isFront(copy)) return;
         raise(frontChecked);
         waitFor(pulled);
       },
       [&](const DownloadProgress& p) {
         if (pulled || p.currentFile != rear || p.bytesDone <= (std::uint64_t{5} << 20)) return;
         waitFor(frontChecked);
         fs::resize_file(card / "Blackbox" / rear, 1000);
         raise(pulled);
       },
       DownloadEnd::CardLost,
       {"Blackbox/" + front},
       {rear}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(down);
    Put(card / "Blackbox" / rear, std::string(std::size_t{5} << 20, 'b'));
    cancel = false;
    frontChecked = pulled = false;
    std::size_t rowsDone = 0;
    bool rowsInOrder = true;
    const auto summary = Download(
        down,
        [&](const DownloadProgress& p) {
          rowsInOrder = rowsInOrder && p.rowsDone >= rowsDone;
          rowsDone = p.rowsDone;
          if (c.progress) c.progress(p);
        },
        c.beforeReadBack);
    EXPECT_EQ(summary.end, c.end);
    EXPECT_TRUE(rowsInOrder);
    std::vector<std::string> failed;
    for (const fs::path& source : summary.failedFiles) failed.push_back(source.filename().string());
    EXPECT_EQ(failed, c.failed);
    EXPECT_EQ(summary.copied, static_cast<int>(c.copies.size()));
    std::vector<std::string> present;
    for (const auto& entry : fs::recursive_directory_iterator(down)) {
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file() && !name.starts_with(".") && name != kLedgerSumsName)
        present.push_back(entry.path().lexically_relative(down).generic_string());
    }
    std::sort(present.begin(), present.end());
    EXPECT_EQ(present, c.copies);
    std::vector<std::string> ledgered;
    for (const auto& [target, digest] : ParseChecksums(ReadText(down / std::string(kLedgerSumsName))))
      ledgered.push_back(target);
    EXPECT_EQ(ledgered, c.copies);
    const auto problems = VerifyDownloadFolder(down);
    ASSERT_TRUE(problems);
    EXPECT_TRUE(problems->empty());
    EXPECT_TRUE(HiddenFiles(down).empty());
  }
}

TEST_F(VerifiedDownload, AFullDiskFailsThatFileAndKeepsTheLedgerTrue) {
  SmallDisk disk("size=8m", 0);
  if (!disk.mounted()) GTEST_SKIP() << "no small file system can be mounted here";
  // 5 MB fit, the rear's next 5 MB do not.
  const auto summary = Download(disk.path());
  EXPECT_EQ(summary.end, DownloadEnd::DiskFull);
  EXPECT_EQ(summary.copied, 1);
  EXPECT_EQ(summary.failed, 1);
  EXPECT_EQ(summary.failedFiles, std::vector<fs::path>{card / "Blackbox/drf1_20261208_081500.mp4"});
  EXPECT_FALSE(fs::exists(disk.path() / "Blackbox/drf1_20261208_081500.mp4"));
  EXPECT_TRUE(HiddenFiles(disk.path()).empty());
  const auto problems = VerifyDownloadFolder(disk.path());
  ASSERT_TRUE(problems);
  EXPECT_TRUE(problems->empty());
  EXPECT_EQ(ParseChecksums(ReadText(disk.path() / "SHA256SUMS")).size(), 1U);
}

TEST_F(VerifiedDownload, ALoopTenThousandFilesAndLongNames) {
  fs::create_directory_symlink("..", card / "Blackbox/loop");
  fs::create_directory_symlink("..", card / "Event/loop");
  const std::string longName = std::string(252, 'e') + "txt";
  Put(card / "Event/deep" / longName, "long");
  for (int i = 0; i < 10000; ++i) {
    char name[64];
    std::snprintf(name, sizeof(name), "drf0_20261209_%02d%02d%02d.mp4", i / 3600, i / 60 % 60, i % 60);
    Put(card / "Blackbox/many" / name, "");
  }
  SmallDisk disk("size=64m,nr_inodes=40000", 0);
  const fs::path to = disk.mounted() ? disk.path() : down;
  auto summary = Download(to);
  EXPECT_EQ(summary.end, DownloadEnd::Finished);
  EXPECT_EQ(summary.failed, 0);
  // The walk lists as many recordings as the camera's tables hold.
  EXPECT_GE(summary.copied, static_cast<int>(kCardTableCapacity));
  EXPECT_EQ(ReadText(to / "Event" / longName), "long");
  const int copied = summary.copied;
  summary = Download(to);
  EXPECT_EQ(summary.copied, 0);
  EXPECT_EQ(summary.alreadyDownloaded, copied);
}

}  // namespace
}  // namespace direvovu
