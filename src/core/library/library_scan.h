#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/library/library_db.h"
#include "core/library/recording_facts.h"

namespace direvovu::library {

struct ScanProgress {
  std::size_t done = 0;   // recordings looked at
  std::size_t total = 0;  // recordings found under the paths
  std::filesystem::path current;
};

struct ScanOptions {
  std::optional<std::string> password;  // opens scrambled recordings; without it they are indexed by name
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(const ScanProgress&)> progress;  // called on the scanning thread
  std::size_t batchSize = 256;                        // recordings written per transaction
};

struct ScanCounts {
  int indexed = 0;    // read and written (again)
  int unchanged = 0;  // same size and time as indexed: not read
  int missing = 0;    // indexed under the paths, gone from the disk
  int refused = 0;    // a recording's name that gives no moment, or a file that cannot be read
  bool cancelled = false;

  friend bool operator==(const ScanCounts&, const ScanCounts&) = default;
};

// "indexed N, unchanged N, missing N, refused N".
std::string ScanCountsText(const ScanCounts& counts);

// The front recordings under each path (a folder, searched to the card's depth, or a
// recording itself), absolute, sorted, without repeats. None once `cancel` is set.
std::vector<std::filesystem::path> FrontRecordingsUnder(const std::vector<std::filesystem::path>& paths,
                                                        const std::atomic<bool>* cancel = nullptr);

// Brings the index up to date with the paths: new and changed recordings are read, the
// others only looked up; indexed recordings under a scanned folder that are gone from the
// disk are marked missing, and found ones lose the mark. Each batch is one transaction, so a
// cancel or a crash leaves whole batches. A cancelled scan marks nothing missing.
ScanCounts ScanPaths(LibraryDb& library, const std::vector<std::filesystem::path>& paths,
                     const ScanOptions& options);

}  // namespace direvovu::library
