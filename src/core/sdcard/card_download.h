#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/recording/card_layout.h"

namespace direvovu {

// Below this many free bytes on the download folder's volume nothing more is copied.
inline constexpr std::uintmax_t kMinimumFreeBytes = std::uintmax_t{200} * 1024 * 1024;

// What a download copies: each checked recording with its rear companion, at the same
// place below the download folder as below the card's location, then the card's event
// text files into the download folder's Event folder.
struct DownloadPlan {
  std::filesystem::path location;  // the card's location: the ledger names sources below it
  std::filesystem::path downloadFolder;
  std::vector<CardCopyTarget> recordings;
  std::filesystem::path eventSource;  // the card's Event folder
  std::filesystem::path eventTarget;  // <download folder>/Event
};

// `checked` are recordings found by the card walk of `location`. A recording outside
// the location (never from the walk) goes straight into the download folder.
DownloadPlan PlanDownload(const std::filesystem::path& location, const std::filesystem::path& downloadFolder,
                          const std::vector<std::filesystem::path>& checked);

// Files whose names end in "txt" anywhere below `eventFolder` (links not followed,
// unreadable folders skipped), in path order.
std::vector<std::filesystem::path> CardEventTexts(const std::filesystem::path& eventFolder);

// Free bytes for the user where `folder` is (or would be: the nearest existing folder
// above it); nullopt when the system cannot tell.
std::optional<std::uintmax_t> FreeBytesAt(const std::filesystem::path& folder);

struct DownloadProgress {
  std::size_t rowsDone = 0;  // recordings finished (copied, skipped or failed)
  std::size_t rowCount = 0;
  std::uint64_t bytesDone = 0;
  std::uint64_t bytesTotal = 0;
  std::string currentFile;  // file name being copied
  double secondsLeft = -1;  // < 0 while unknown
  [[nodiscard]] int Percent() const {
    return rowCount == 0 ? 100 : static_cast<int>(rowsDone * 100 / rowCount);
  }
};

enum class DownloadEnd {
  Finished,
  Cancelled,
  LowSpace,  // too little room before a file
  DiskFull,  // the volume filled up during a file
  CardLost,  // a file vanished or shrank while it was read: the card was pulled
};

struct DownloadSummary {
  DownloadEnd end = DownloadEnd::Finished;
  int copied = 0;             // copied and verified now
  int alreadyDownloaded = 0;  // a verified copy of the same file was there already
  int skipped = 0;            // another file has the name; left alone
  int failed = 0;
  std::uint64_t bytesCopied = 0;
  double seconds = 0;
  std::vector<std::filesystem::path> failedFiles;  // sources that could not be copied
  std::vector<std::filesystem::path> keptFiles;    // targets left alone (skipped)
  // Copies that changed after they were verified, moved to a name of their own before
  // the file was copied again.
  std::vector<std::filesystem::path> setAside;
};

// How a download talks to whoever runs it. Calls come from the download's two threads
// (the calling one copies, a second checks what was copied), never two at once.
struct DownloadHooks {
  const std::atomic<bool>* cancel = nullptr;
  // Replaceable for tests; FreeBytesAt by default.
  std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> freeSpace;
  std::function<void(const DownloadProgress&)> progress;
  // Progress while a file copies comes at most this often (and at every file boundary).
  std::chrono::milliseconds progressInterval{200};
  // Passed to each verified copy (tests damage the copy there).
  std::function<void(const std::filesystem::path& temp)> beforeReadBack;
};

// Copies what the plan names, file by file, each copy verified (see CopyVerified) and
// entered in the download folder's ledger at once, so a stopped download resumes: a
// file whose ledger entry matches the source's path, size and time and whose copy is
// unchanged is not read again. A file that has the name but is not in the ledger is
// read and compared: the same bytes enter the ledger, other bytes are left alone. A
// ledgered copy that changed since is moved aside (".changed") and copied again. Checks
// the free space before each file and the cancel flag before and during each file.
// While one copy is read back and checked, the next is copied; a cancel, a full disk
// or a failed check drops the copy waiting behind it.
DownloadSummary RunCardDownload(const DownloadPlan& plan, const DownloadHooks& hooks);

}  // namespace direvovu
