#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/io/sha256.h"
#include "core/recording/file_copy.h"

namespace direvovu {

inline constexpr std::string_view kLedgerSumsName = "SHA256SUMS";
inline constexpr std::string_view kLedgerName = ".direvovu-ledger";

// One verified copy in a download folder.
struct LedgerEntry {
  std::string target;  // below the download folder, '/' between folders
  std::string source;  // below the card's location (or the source's full path)
  std::uint64_t size = 0;
  std::int64_t sourceMtime = 0;  // ns
  std::int64_t copyMtime = 0;    // ns, the copy's after it took its name
  Sha256Digest digest{};
};

// What a download folder records of its copies: SHA256SUMS, as `sha256sum -c` reads it,
// and beside it .direvovu-ledger with where each copy came from. An entry counts only
// when both files agree on its digest; lines that cannot be read are ignored, so a
// damaged ledger costs a copy, never a wrong "already downloaded".
class DownloadLedger {
 public:
  static DownloadLedger Load(const std::filesystem::path& folder);

  [[nodiscard]] const LedgerEntry* Find(const std::string& target) const;
  void Put(LedgerEntry entry);
  void Remove(const std::string& target);
  [[nodiscard]] std::size_t size() const { return entries_.size(); }
  [[nodiscard]] const std::map<std::string, LedgerEntry>& entries() const { return entries_; }

  // Rewrites both files atomically (each to a temporary name, then renamed).
  [[nodiscard]] std::error_code Save(const std::filesystem::path& folder) const;

 private:
  std::map<std::string, LedgerEntry> entries_;
};

// SHA256SUMS lines as `sha256sum -c` reads them: path → digest. Junk lines are skipped.
std::map<std::string, Sha256Digest> ParseChecksums(std::string_view text);

struct LedgerProblem {
  std::string target;
  bool missing = false;  // otherwise its bytes differ or cannot be read
};

// Re-reads every file SHA256SUMS names (from the disk, not the page cache) and returns
// those that are missing or differ. nullopt when the folder has no readable SHA256SUMS.
std::optional<std::vector<LedgerProblem>> VerifyDownloadFolder(const std::filesystem::path& folder,
                                                               const CopyWatch* watch = nullptr);

}  // namespace direvovu
