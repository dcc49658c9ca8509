#include "core/sdcard/card_download.h"

#include <sys/stat.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "core/recording/recording_name.h"
#include "core/sdcard/copy_no_overwrite.h"
#include "core/sdcard/download_ledger.h"
#include "core/sdcard/verified_copy.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A recording is tens of megabytes: each one is entered in the ledger on its own.
constexpr std::uint64_t kLedgerBytesBetweenSaves = std::uint64_t{4} << 20;

std::uint64_t SizeOf(const fs::path& path) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  return ec ? 0 : size;
}

bool EndsWithTxt(const std::string& name) { return name.size() >= 3 && name.ends_with("txt"); }

struct FileFacts {
  std::uint64_t size = 0;
  std::int64_t mtime = 0;
};

std::optional<FileFacts> FactsOf(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileFacts{static_cast<std::uint64_t>(st.st_size),
                   static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// `path` below `base` with '/' between folders; the full path when it is not below it.
std::string RelativeText(const fs::path& path, const fs::path& base) {
  if (!base.empty()) {
    const fs::path relative = path.lexically_relative(base);
    if (!relative.empty() && *relative.begin() != "..") return relative.generic_string();
  }
  return path.generic_string();
}

// A free name beside `target` for a copy that changed after it was verified.
fs::path AsideName(const fs::path& target) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    fs::path candidate = target;
    candidate += n == 1 ? std::string(".changed") : ".changed-" + std::to_string(n);
    if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
  }
}

// Removes what a killed download left: hidden temporary copies (".<name>.tmp-…").
void SweepTemporaries(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.') && name.find(".tmp-") != std::string::npos && it->is_regular_file(ec)) {
      std::error_code remove_ec;
      fs::remove(it->path(), remove_ec);
    }
  }
}

// A written copy on its way to be checked, or the end of a row of the plan.
struct CheckJob {
  PendingCopy copy;
  fs::path source;
  LedgerEntry entry;
  bool rowEnd = false;
};

// One run of a download: counts, bytes, the ledger and the clock for the time left. The
// calling thread copies; a second one checks each copy and enters it in the ledger.
// Everything both touch is guarded by `mutex_`; progress goes out under `report_mutex_`
// (taken first), so the hook hears one call at a time, in order.
class DownloadRun {
 public:
  DownloadRun(const DownloadPlan& plan, const DownloadHooks& hooks)
      : plan_(plan), hooks_(hooks), ledger_(DownloadLedger::Load(plan.downloadFolder)) {
    progress_.rowCount = plan.recordings.size();
  }

  DownloadSummary Run() {
    events_ = CardEventTexts(plan_.eventSource);
    for (const auto& r : plan_.recordings)
      progress_.bytesTotal += SizeOf(r.frontSource) + SizeOf(r.rearSource);
    for (const auto& e : events_) progress_.bytesTotal += SizeOf(e);
    Report(true);
    std::thread checker([this] { CheckLoop(); });
    std::exception_ptr failure;
    try {
      if (CopyRecordings()) CopyEventTexts();
    } catch (...) {
      failure = std::current_exception();
    }
    {
      const std::lock_guard lock(mutex_);
      copier_done_ = true;
    }
    changed_.notify_all();
    checker.join();
    if (failure == nullptr) failure = checker_failure_;
    if (failure != nullptr) std::rethrow_exception(failure);
    {
      const std::lock_guard lock(mutex_);
      SaveLedger();
    }
    Report(true);
    summary_.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    return summary_;
  }

 private:
  using Lock = std::unique_lock<std::mutex>;

  [[nodiscard]] bool UserCancelled() const { return hooks_.cancel != nullptr && hooks_.cancel->load(); }

  // The first reason to stop is the one the summary gives. Holds mutex_.
  void Halt(DownloadEnd why) {
    if (!halted_.exchange(true)) summary_.end = why;
  }

  bool Stopped() {
    if (UserCancelled()) {
      const std::lock_guard lock(mutex_);
      Halt(DownloadEnd::Cancelled);
    }
    return halted_;
  }

  bool EnoughSpace() {
    const auto free =
        hooks_.freeSpace ? hooks_.freeSpace(plan_.downloadFolder) : FreeBytesAt(plan_.downloadFolder);
    if (free && *free >= kMinimumFreeBytes) return true;
    const std::lock_guard lock(mutex_);
    Halt(DownloadEnd::LowSpace);
    return false;
  }

  // Before each file: while what waits to be checked is small, the copier waits for it,
  // so small files are entered in order and a long copy starts with everything before
  // it in the ledger (a killed program then loses at most the file it was on). A large
  // check runs beside the next copy, but the copier is never more than one file ahead.
  bool Settle(std::uint64_t nextSize) {
    Lock lock(mutex_);
    if (in_flight_bytes_ >= kLedgerBytesBetweenSaves) {
      changed_.wait(lock, [this] { return in_flight_files_ < kFilesAhead; });
      return true;
    }
    changed_.wait(lock, [this] { return queue_.empty() && !checking_; });
    return nextSize < kLedgerBytesBetweenSaves || SaveLedger();
  }

  bool CopyRecordings() {
    for (const CardCopyTarget& recording : plan_.recordings) {
      if (!Settle(0) || Stopped()) return false;
      std::error_code ec;
      fs::create_directories(recording.frontTarget.parent_path(), ec);
      if (!CopyOne(recording.frontSource, recording.frontTarget, false)) return false;
      if (!CopyOne(recording.rearSource, recording.rearTarget, true)) return false;
      Hand(CheckJob{{}, {}, {}, true});
    }
    return true;
  }

  bool CopyEventTexts() {
    if (events_.empty()) return true;
    if (!Settle(0) || Stopped()) return false;
    std::error_code ec;
    fs::create_directories(plan_.eventTarget, ec);
    for (const fs::path& text : events_) {
      if (!CopyOne(text, plan_.eventTarget / text.filename(), false)) return false;
    }
    return true;
  }

  // What is to be done with one file before anything is copied.
  enum class Plan { Copy, Done, Kept, Missing };

  std::optional<LedgerEntry> Known(const std::string& key) {
    const std::lock_guard lock(mutex_);
    const LedgerEntry* known = ledger_.Find(key);
    return known == nullptr ? std::nullopt : std::optional(*known);
  }

  Plan Decide(const fs::path& source, const fs::path& target, const std::string& key, LedgerEntry& entry) {
    const auto sourceFacts = FactsOf(source);
    if (!sourceFacts) return Plan::Missing;
    entry.source = RelativeText(source, plan_.location);
    entry.size = sourceFacts->size;
    entry.sourceMtime = sourceFacts->mtime;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(target, ec))) return Plan::Copy;
    const auto copyFacts = FactsOf(target);
    if (const auto known = Known(key)) {
      if (copyFacts && copyFacts->size == known->size && copyFacts->mtime == known->copyMtime) {
        const bool same = known->source == entry.source && known->size == entry.size &&
                          known->sourceMtime == entry.sourceMtime;
        return same ? Plan::Done : Plan::Kept;
      }
      // Ours, but changed since it was verified: keep those bytes under another name.
      bool taken = false;
      const fs::path aside = AsideName(target);
      if (!RenameNoReplace(target, aside, taken)) return Plan::Kept;
      const std::lock_guard lock(mutex_);
      summary_.setAside.push_back(aside);
      ledger_.Remove(key);
      return Plan::Copy;
    }
    // Not in the ledger (an older download, or a stop before the ledger was written):
    // the same bytes count as downloaded, anything else is someone's own file.
    if (!copyFacts || copyFacts->size != entry.size) return Plan::Kept;
    const auto sourceDigest = Sha256OfFile(source, ec);
    const auto copyDigest = sourceDigest ? Sha256OfFileOnDisk(target, ec) : std::nullopt;
    if (!copyDigest || *copyDigest != *sourceDigest) return Plan::Kept;
    entry.digest = *copyDigest;
    entry.copyMtime = copyFacts->mtime;
    return Plan::Done;
  }

  // False when the download must end here (low space, full disk, pulled card, cancel).
  bool CopyOne(const fs::path& source, const fs::path& target, bool companion) {
    std::error_code ec;
    if (companion && !fs::exists(fs::symlink_status(source, ec))) return true;
    if (!Settle(SizeOf(source)) || Stopped()) return false;
    const std::string key = RelativeText(target, plan_.downloadFolder);
    const bool known = Known(key).has_value();
    std::uint64_t before = 0;
    {
      const std::lock_guard lock(mutex_);
      progress_.currentFile = source.filename().string();
      before = progress_.bytesDone;
    }
    LedgerEntry entry;
    entry.target = key;
    const Plan plan = Decide(source, target, key, entry);
    if (plan == Plan::Copy) return CopyNew(source, target, std::move(entry), before);
    const std::lock_guard lock(mutex_);
    switch (plan) {
      case Plan::Missing:
        return Count(VerifiedOutcome::SourceMissing, source);
      case Plan::Kept:
        ++summary_.skipped;
        summary_.keptFiles.push_back(target);
        progress_.bytesDone = before + SizeOf(source);
        return true;
      case Plan::Done:
        ++summary_.alreadyDownloaded;
        progress_.bytesDone = before + SizeOf(source);
        return known || Record(std::move(entry));
      case Plan::Copy:
        break;
    }
    return true;
  }

  // Writes the copy and hands it to the checker.
  bool CopyNew(const fs::path& source, const fs::path& target, LedgerEntry entry, std::uint64_t before) {
    if (!EnoughSpace()) return false;
    Report(true);
    SweepOnce(target.parent_path());
    // The copy gives up on a cancel and on a stop the checker called.
    const CopyWatch watch{&halted_, [this, before](std::uint64_t copied) {
                            if (UserCancelled()) Stopped();
                            {
                              const std::lock_guard lock(mutex_);
                              progress_.bytesDone = before + copied;
                            }
                            Report(false);
                          }};
    VerifiedCopyOptions options;
    options.watch = &watch;
    options.beforeReadBack = hooks_.beforeReadBack;
    PendingCopy copy = BeginVerifiedCopy(source, target, options);
    const std::uint64_t size = entry.size;
    const std::lock_guard lock(mutex_);
    progress_.bytesDone = before + size;
    if (copy.result().outcome != VerifiedOutcome::Copied) return Count(copy.result().outcome, source);
    queue_.push_back(CheckJob{std::move(copy), source, std::move(entry), false});
    ++in_flight_files_;
    in_flight_bytes_ += size;
    changed_.notify_all();
    return true;
  }

  void Hand(CheckJob job) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(job));
    changed_.notify_all();
  }

  void CheckLoop() {
    try {
      for (;;) {
        Lock lock(mutex_);
        changed_.wait(lock, [this] { return !queue_.empty() || copier_done_; });
        if (queue_.empty()) return;
        CheckJob job = std::move(queue_.front());
        queue_.pop_front();
        checking_ = true;
        lock.unlock();
        const bool file = !job.rowEnd;
        const std::uint64_t size = job.entry.size;
        Check(std::move(job));
        lock.lock();
        checking_ = false;
        if (file) {
          --in_flight_files_;
          in_flight_bytes_ -= size;
        }
        changed_.notify_all();
      }
    } catch (...) {
      checker_failure_ = std::current_exception();
      const std::lock_guard lock(mutex_);
      Halt(DownloadEnd::Cancelled);
      checking_ = false;
      queue_.clear();
      changed_.notify_all();
    }
  }

  // Checks one copy and enters it in the ledger. After a cancel or a stop of the
  // checker's own, what waits is dropped (its temporary file with it).
  void Check(CheckJob job) {
    if (job.rowEnd) {
      bool counted = false;
      {
        const std::lock_guard lock(mutex_);
        counted = !dropping_;
        if (counted) ++progress_.rowsDone;
      }
      if (counted) Report(true);
      return;
    }
    {
      const std::lock_guard lock(mutex_);
      if (UserCancelled()) {
        Halt(DownloadEnd::Cancelled);
        dropping_ = true;
      }
      if (dropping_) return;
    }
    const CopyWatch retry{hooks_.cancel, {}};
    const VerifiedCopy copy = FinishVerifiedCopy(std::move(job.copy), &retry);
    const std::lock_guard lock(mutex_);
    if (copy.outcome != VerifiedOutcome::Copied) {
      if (!Count(copy.outcome, job.source)) dropping_ = true;
      return;
    }
    ++summary_.copied;
    summary_.bytesCopied += copy.size;
    job.entry.digest = copy.digest;
    job.entry.copyMtime = copy.copyMtime;
    job.entry.size = copy.size;
    if (!Record(std::move(job.entry))) dropping_ = true;
  }

  // Enters a verified copy in the ledger and writes the ledger: after every recording,
  // and for a run of small files at least once a second (a copy the ledger missed is
  // found by its bytes next time, so a stop between costs a read, never a file). Holds
  // mutex_.
  bool Record(LedgerEntry entry) {
    unsaved_bytes_ += entry.size;
    ledger_.Put(std::move(entry));
    ++unsaved_;
    const auto now = Clock::now();
    if (unsaved_bytes_ < kLedgerBytesBetweenSaves && now - last_save_ < std::chrono::seconds(1)) return true;
    return SaveLedger();
  }

  // Holds mutex_.
  bool SaveLedger() {
    if (unsaved_ == 0) return true;
    last_save_ = Clock::now();
    const std::error_code ec = ledger_.Save(plan_.downloadFolder);
    if (!ec) {
      unsaved_ = 0;
      unsaved_bytes_ = 0;
    }
    // The copy stays either way; a later download finds it by its bytes.
    if (ec != std::errc::no_space_on_device) return true;
    Halt(DownloadEnd::DiskFull);
    return false;
  }

  void SweepOnce(const fs::path& folder) {
    if (swept_.insert(folder).second) SweepTemporaries(folder);
  }

  // Counts a file that was not copied; false when the download ends with it. Holds mutex_.
  bool Count(VerifiedOutcome outcome, const fs::path& source) {
    switch (outcome) {
      case VerifiedOutcome::Copied:
        return true;
      case VerifiedOutcome::TargetExists:
        ++summary_.skipped;
        return true;
      case VerifiedOutcome::Cancelled:
        // Either the user's cancel or a stop the checker already gave its reason for.
        if (UserCancelled()) Halt(DownloadEnd::Cancelled);
        return false;
      case VerifiedOutcome::SourceMissing:
      case VerifiedOutcome::ReadFailed:
      case VerifiedOutcome::WriteFailed:
      case VerifiedOutcome::Mismatch:
      case VerifiedOutcome::SourceLost:
      case VerifiedOutcome::DiskFull:
        break;
    }
    ++summary_.failed;
    summary_.failedFiles.push_back(source);
    if (outcome == VerifiedOutcome::DiskFull) {
      Halt(DownloadEnd::DiskFull);
      return false;
    }
    if (outcome == VerifiedOutcome::SourceLost) {
      Halt(DownloadEnd::CardLost);
      return false;
    }
    return true;
  }

  void Report(bool always) {
    const std::lock_guard reporting(report_mutex_);
    const auto now = Clock::now();
    if (!always && now - last_report_ < hooks_.progressInterval) return;
    last_report_ = now;
    DownloadProgress progress;
    {
      const std::lock_guard lock(mutex_);
      const double elapsed = std::chrono::duration<double>(now - start_).count();
      if (progress_.bytesDone > 0 && elapsed > 0.5) {
        const double rate = static_cast<double>(progress_.bytesDone) / elapsed;
        const auto left = progress_.bytesTotal - std::min(progress_.bytesTotal, progress_.bytesDone);
        progress_.secondsLeft = static_cast<double>(left) / rate;
      }
      progress = progress_;
    }
    if (hooks_.progress) hooks_.progress(progress);
  }

  // Files written ahead of the checker, the one it checks included.
  static constexpr std::size_t kFilesAhead = 2;

  const DownloadPlan& plan_;
  const DownloadHooks& hooks_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<CheckJob> queue_;
  std::size_t in_flight_files_ = 0;
  std::uint64_t in_flight_bytes_ = 0;
  bool checking_ = false;
  bool copier_done_ = false;
  bool dropping_ = false;
  std::atomic<bool> halted_{false};
  std::exception_ptr checker_failure_;
  DownloadLedger ledger_;
  std::set<fs::path> swept_;
  int unsaved_ = 0;
  std::uint64_t unsaved_bytes_ = 0;
  Clock::time_point last_save_ = Clock::now();
  std::vector<fs::path> events_;
  DownloadProgress progress_;
  DownloadSummary summary_;
  Clock::time_point start_ = Clock::now();
  std::mutex report_mutex_;
  Clock::time_point last_report_{};
};

}  // namespace

DownloadPlan PlanDownload(const fs::path& location, const fs::path& downloadFolder,
                          const std::vector<fs::path>& checked) {
  DownloadPlan plan;
  plan.location = location;
  plan.downloadFolder = downloadFolder;
  plan.eventSource = location / "Event";
  plan.eventTarget = downloadFolder / "Event";
  for (const fs::path& recording : checked) {
    if (auto target = PlanCardCopy(location, downloadFolder, recording)) {
      plan.recordings.push_back(std::move(*target));
    } else {
      CardCopyTarget loose;
      loose.frontSource = recording;
      loose.frontTarget = downloadFolder / recording.filename();
      loose.rearSource = RearCompanionPath(recording);
      loose.rearTarget = RearCompanionPath(loose.frontTarget);
      plan.recordings.push_back(std::move(loose));
    }
  }
  return plan;
}

std::vector<fs::path> CardEventTexts(const fs::path& eventFolder) {
  std::vector<fs::path> texts;
  std::error_code ec;
  fs::recursive_directory_iterator it(eventFolder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_symlink(type_ec) || !it->is_regular_file(type_ec)) continue;
    if (EndsWithTxt(it->path().filename().string())) texts.push_back(it->path());
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

std::optional<std::uintmax_t> FreeBytesAt(const fs::path& folder) {
  fs::path probe = folder;
  std::error_code ec;
  while (!probe.empty() && !fs::exists(probe, ec)) {
    if (probe == probe.parent_path()) break;
    probe = probe.parent_path();
  }
  const auto info = fs::space(probe.empty() ? fs::path(".") : probe, ec);
  if (ec) return std::nullopt;
  return info.available;
}

DownloadSummary RunCardDownload(const DownloadPlan& plan, const DownloadHooks& hooks) {
  return DownloadRun(plan, hooks).Run();
}

}  // namespace direvovu
