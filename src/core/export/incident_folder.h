#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "core/civil_time.h"
#include "core/recording/file_copy.h"

namespace direvovu::exporting {

// "Incident_20120314_090507" for number 1, "Incident_20120314_090507_2" for 2 and so on.
std::string IncidentFolderName(const CivilTime& localStart, int number);

// Numbers tried for a free name before the commit gives up.
inline constexpr int kMaxIncidentNumber = 9999;

struct IncidentFolderStart;

struct CommitOutcome {
  std::filesystem::path folder;  // the incident folder under its final name
  std::string error;             // in English; empty when committed

  [[nodiscard]] bool ok() const { return error.empty(); }
};

// An incident folder while it is written: a hidden temporary folder beside its final
// place, which takes the final name only when complete. A folder not committed is
// removed with all in it, whatever stopped the export (cancel, failure, full disk).
class IncidentFolder {
 public:
  // Makes ".Incident_<start>.partial-XXXXXX" in `parent`, held by this process until it
  // is committed or abandoned. Partial folders that no process holds any more (left by a
  // killed or crashed export) and that have not changed for a minute are removed first.
  static IncidentFolderStart Begin(const std::filesystem::path& parent, const CivilTime& localStart);

  ~IncidentFolder();
  IncidentFolder(IncidentFolder&& other) noexcept;
  IncidentFolder& operator=(IncidentFolder&& other) noexcept;
  IncidentFolder(const IncidentFolder&) = delete;
  IncidentFolder& operator=(const IncidentFolder&) = delete;

  // Where the files go while the folder is written; empty once committed or abandoned.
  [[nodiscard]] const std::filesystem::path& path() const { return temporary_; }

  // Writes SHA256SUMS, flushes every file to the disk and renames the folder to the first
  // free name of IncidentFolderName (an existing folder is never replaced). After a
  // failure the temporary folder is gone. The watch hears the bytes checksummed.
  CommitOutcome Commit(const CopyWatch* watch = nullptr);
  // Removes the temporary folder and everything in it.
  void Abandon() noexcept;

 private:
  IncidentFolder(std::filesystem::path parent, std::filesystem::path temporary, int hold,
                 const CivilTime& start);
  void Release() noexcept;

  std::filesystem::path parent_;
  std::filesystem::path temporary_;
  int hold_ = -1;  // a descriptor of the temporary folder, locked while it is written
  CivilTime start_;
};

struct IncidentFolderStart {
  std::optional<IncidentFolder> folder;
  std::string error;  // in English, when there is no folder
};

// How long an unheld partial folder must have been left alone before it counts as stale.
inline constexpr std::chrono::seconds kStalePartialAge{60};

// Removes the partial incident folders in `parent` that no export holds and that have not
// changed for kStalePartialAge; everything else in `parent` stays. How many it removed.
int RemoveStalePartialFolders(const std::filesystem::path& parent);

// The folder of the original recordings inside an incident folder.
inline constexpr std::string_view kOriginalsFolderName = "originals";

// Copies a recording byte for byte (and its modification time) into originals/ of the
// folder being written, under its own name. The reason in English when it failed or the
// watch asked to give up; nothing is left of a failed copy.
std::optional<std::string> CopyOriginal(const IncidentFolder& folder, const std::filesystem::path& recording,
                                        const CopyWatch* watch = nullptr);

}  // namespace direvovu::exporting
