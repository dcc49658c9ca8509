#include "core/sdcard/card_download.h"

#include <algorithm>
#include <system_error>

#include "core/recording/recording_name.h"
#include "core/sdcard/copy_no_overwrite.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::uint64_t SizeOf(const fs::path& path) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  return ec ? 0 : size;
}

bool EndsWithTxt(const std::string& name) { return name.size() >= 3 && name.ends_with("txt"); }

// One run of a download: counts, bytes and the clock for the time left.
class DownloadRun {
 public:
  DownloadRun(const DownloadPlan& plan, const DownloadHooks& hooks) : plan_(plan), hooks_(hooks) {
    progress_.rowCount = plan.recordings.size();
  }

  DownloadSummary Run() {
    events_ = CardEventTexts(plan_.eventSource);
    for (const auto& r : plan_.recordings)
      progress_.bytesTotal += SizeOf(r.frontSource) + SizeOf(r.rearSource);
    for (const auto& e : events_) progress_.bytesTotal += SizeOf(e);
    Report(true);
    if (CopyRecordings() && CopyEventTexts()) summary_.end = DownloadEnd::Finished;
    Report(true);
    return summary_;
  }

 private:
  bool Stopped() {
    if (hooks_.cancel == nullptr || !hooks_.cancel->load()) return false;
    summary_.end = DownloadEnd::Cancelled;
    return true;
  }

  bool EnoughSpace() {
    const auto free =
        hooks_.freeSpace ? hooks_.freeSpace(plan_.downloadFolder) : FreeBytesAt(plan_.downloadFolder);
    if (free && *free >= kMinimumFreeBytes) return true;
    summary_.end = DownloadEnd::LowSpace;
    return false;
  }

  bool CopyRecordings() {
    for (const CardCopyTarget& recording : plan_.recordings) {
      if (Stopped()) return false;
      std::error_code ec;
      fs::create_directories(recording.frontTarget.parent_path(), ec);
      if (!CopyOne(recording.frontSource, recording.frontTarget, false)) return false;
      if (!CopyOne(recording.rearSource, recording.rearTarget, true)) return false;
      ++progress_.rowsDone;
      Report(true);
    }
    return true;
  }

  bool CopyEventTexts() {
    if (events_.empty()) return true;
    std::error_code ec;
    fs::create_directories(plan_.eventTarget, ec);
    for (const fs::path& text : events_) {
      if (Stopped()) return false;
      if (!CopyOne(text, plan_.eventTarget / text.filename(), false)) return false;
    }
    return true;
  }

  // False when the download must end here (low space, cancel).
  bool CopyOne(const fs::path& source, const fs::path& target, bool companion) {
    if (companion && !fs::exists(fs::symlink_status(source))) return true;
    if (Stopped() || !EnoughSpace()) return false;
    progress_.currentFile = source.filename().string();
    Report(true);
    const std::uint64_t before = progress_.bytesDone;
    const CopyWatch watch{hooks_.cancel, [this, before](std::uint64_t copied) {
                            progress_.bytesDone = before + copied;
                            Report(false);
                          }};
    const CopyOutcome outcome = CopyNoOverwrite(source, target, &watch);
    progress_.bytesDone = before + SizeOf(source);
    return Count(outcome, source);
  }

  bool Count(CopyOutcome outcome, const fs::path& source) {
    switch (outcome) {
      case CopyOutcome::Copied:
        ++summary_.copied;
        return true;
      case CopyOutcome::TargetExists:
        ++summary_.skipped;
        return true;
      case CopyOutcome::Cancelled:
        summary_.end = DownloadEnd::Cancelled;
        return false;
      case CopyOutcome::SourceMissing:
      case CopyOutcome::Failed:
        break;
    }
    ++summary_.failed;
    summary_.failedFiles.push_back(source);
    return true;
  }

  void Report(bool always) {
    const auto now = Clock::now();
    if (!always && now - last_report_ < hooks_.progressInterval) return;
    last_report_ = now;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    if (progress_.bytesDone > 0 && elapsed > 0.5) {
      const double rate = static_cast<double>(progress_.bytesDone) / elapsed;
      const auto left = progress_.bytesTotal - std::min(progress_.bytesTotal, progress_.bytesDone);
      progress_.secondsLeft = static_cast<double>(left) / rate;
    }
    if (hooks_.progress) hooks_.progress(progress_);
  }

  const DownloadPlan& plan_;
  const DownloadHooks& hooks_;
  std::vector<fs::path> events_;
  DownloadProgress progress_;
  DownloadSummary summary_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_report_{};
};

}  // namespace

DownloadPlan PlanDownload(const fs::path& location, const fs::path& downloadFolder,
                          const std::vector<fs::path>& checked) {
  DownloadPlan plan;
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
