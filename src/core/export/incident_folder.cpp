#include "core/export/incident_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>
#include <utility>

#include "core/export/checksums.h"
#include "core/io/durable_folder.h"
#include "core/printf_text.h"

namespace direvovu::exporting {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameTries = 100;

std::string Reason(const std::string& what, const std::error_code& ec) { return what + ": " + ec.message(); }

// errno after a failed call; a call that failed without one (a file that opened but is
// not a regular file) reads as an invalid argument.
std::error_code LastError() { return {errno != 0 ? errno : EINVAL, std::generic_category()}; }

std::string RandomSuffix() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[pick(random)];
  return suffix;
}

// Creates a folder of a fresh name; create_directory says false for a name already taken.
std::optional<fs::path> MakeTemporaryFolder(const fs::path& parent, const std::string& stem,
                                            std::error_code& ec) {
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    const fs::path candidate = parent / ("." + stem + ".partial-" + RandomSuffix());
    if (fs::create_directory(candidate, ec)) return candidate;
    if (ec && ec != std::errc::file_exists) return std::nullopt;
  }
  ec = std::make_error_code(std::errc::file_exists);
  return std::nullopt;
}

bool IsPartialFolderName(const std::string& name) {
  return name.starts_with(".Incident_") && name.find(".partial-") != std::string::npos;
}

// A descriptor of the folder with an exclusive lock on it, or -1 when another holds it or
// it cannot be opened. The lock goes with the descriptor, so a killed export drops it.
int HoldFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::optional<std::string> WriteChecksums(const fs::path& folder, const CopyWatch* watch) {
  const ChecksumsOutcome sums = ChecksumsOf(folder, watch);
  if (!sums.ok()) return sums.error;
  const fs::path target = folder / kChecksumsFileName;
  errno = 0;
  auto file = BinaryFile::Create(target, true);
  const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(sums.text.data()), sums.text.size());
  if (!file || !file->WriteAllAt(0, bytes) || !file->Close())
    return Reason("cannot write " + target.string(), LastError());
  return std::nullopt;
}

}  // namespace

std::string IncidentFolderName(const CivilTime& t, int number) {
  std::string name =
      PrintfText("Incident_%04d%02d%02d_%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  if (number > 1) name += "_" + std::to_string(number);
  return name;
}

int RemoveStalePartialFolders(const fs::path& parent) {
  std::error_code ec;
  const auto oldest = fs::file_time_type::clock::now() - kStalePartialAge;
  int removed = 0;
  for (const auto& entry : fs::directory_iterator(parent, ec)) {
    if (!IsPartialFolderName(entry.path().filename().string()) || !entry.is_directory(ec) ||
        entry.is_symlink(ec))
      continue;
    // A folder still being written changes; one left by a killed export does not.
    const auto changed = fs::last_write_time(entry.path(), ec);
    if (ec || changed > oldest) continue;
    const int hold = HoldFolder(entry.path());
    if (hold < 0) continue;
    if (fs::remove_all(entry.path(), ec) > 0 && !ec) ++removed;
    ::close(hold);
  }
  return removed;
}

IncidentFolderStart IncidentFolder::Begin(const fs::path& parent, const CivilTime& localStart) {
  RemoveStalePartialFolders(parent);
  std::error_code ec;
  const auto temporary = MakeTemporaryFolder(parent, IncidentFolderName(localStart, 1), ec);
  if (!temporary)
    return {std::nullopt, Reason("cannot create the incident folder in " + parent.string(), ec)};
  // Unheld, it would only be at risk from another export's sweep after a minute.
  const int hold = HoldFolder(*temporary);
  return {IncidentFolder(parent, *temporary, hold, localStart), {}};
}

IncidentFolder::IncidentFolder(fs::path parent, fs::path temporary, int hold, const CivilTime& start)
    : parent_(std::move(parent)), temporary_(std::move(temporary)), hold_(hold), start_(start) {}

IncidentFolder::~IncidentFolder() { Abandon(); }

IncidentFolder::IncidentFolder(IncidentFolder&& other) noexcept
    : parent_(std::move(other.parent_)),
      temporary_(std::exchange(other.temporary_, {})),
      hold_(std::exchange(other.hold_, -1)),
      start_(other.start_) {}

IncidentFolder& IncidentFolder::operator=(IncidentFolder&& other) noexcept {
  if (this != &other) {
    Abandon();
    parent_ = std::move(other.parent_);
    temporary_ = std::exchange(other.temporary_, {});
    hold_ = std::exchange(other.hold_, -1);
    start_ = other.start_;
  }
  return *this;
}

void IncidentFolder::Release() noexcept {
  if (hold_ >= 0) ::close(hold_);
  hold_ = -1;
}

void IncidentFolder::Abandon() noexcept {
  if (!temporary_.empty()) {
    std::error_code ec;
    fs::remove_all(temporary_, ec);
    temporary_.clear();
  }
  Release();
}

CommitOutcome IncidentFolder::Commit(const CopyWatch* watch) {
  if (temporary_.empty()) return {{}, "the incident folder was already committed or abandoned"};
  const auto fail = [this](std::string reason) {
    Abandon();
    return CommitOutcome{{}, std::move(reason)};
  };
  if (auto problem = WriteChecksums(temporary_, watch)) return fail(std::move(*problem));
  if (const auto ec = SyncTree(temporary_)) return fail(Reason("cannot flush " + temporary_.string(), ec));
  for (int number = 1; number <= kMaxIncidentNumber; ++number) {
    const fs::path target = parent_ / IncidentFolderName(start_, number);
    std::error_code ec;
    const FolderRename renamed = RenameFolderNoReplace(temporary_, target, ec);
    if (renamed == FolderRename::NameTaken) continue;
    if (renamed == FolderRename::Failed)
      return fail(Reason("cannot name the incident folder " + target.string(), ec));
    temporary_.clear();
    Release();
    // The rename is done; a parent that cannot be flushed does not undo it.
    static_cast<void>(SyncFolder(parent_));
    return {target, {}};
  }
  return fail("every name from " + IncidentFolderName(start_, 1) + " to " +
              IncidentFolderName(start_, kMaxIncidentNumber) + " is taken in " + parent_.string());
}

std::optional<std::string> CopyOriginal(const IncidentFolder& folder, const fs::path& recording,
                                        const CopyWatch* watch) {
  if (folder.path().empty()) return "the incident folder was already committed or abandoned";
  const fs::path originals = folder.path() / kOriginalsFolderName;
  const fs::path target = originals / recording.filename();
  std::error_code ec;
  fs::create_directories(originals, ec);
  if (ec) return Reason("cannot create " + originals.string(), ec);
  errno = 0;
  const auto in = BinaryFile::OpenRead(recording);
  if (!in) return Reason("cannot read " + recording.string(), LastError());
  auto out = BinaryFile::Create(target, true);
  const bool copied = out && CopyToEnd(*in, 0, *out, 0, watch) && out->Close();
  const std::error_code copyError = LastError();
  if (!copied) {
    // Only a copy begun here is removed: a file of that name already there stays.
    if (out) fs::remove(target, ec);
    if (watch != nullptr && watch->Cancelled()) return "the copy of " + recording.string() + " was cancelled";
    return Reason("cannot copy " + recording.string() + " into " + originals.string(), copyError);
  }
  // The recording's own time survives the copy; a file system that keeps no such time
  // does not make the copy fail.
  const auto modified = fs::last_write_time(recording, ec);
  if (!ec) fs::last_write_time(target, modified, ec);
  return std::nullopt;
}

}  // namespace direvovu::exporting
