#include "core/sdcard/download_ledger.h"

#include <fcntl.h>
#include <unistd.h>
#include <charconv>

#include <cerrno>

#include "core/export/checksums.h"
#include "core/io/atomic_file.h"
#include "core/io/durable_folder.h"
#include "core/line_escape.h"
#include "core/sdcard/verified_copy.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLedgerHeader = "direvovu-ledger 1";
// A ledger of a card of tens of thousands of files is a few megabytes.
constexpr std::uintmax_t kMaxLedgerBytes = std::uintmax_t{256} << 20;

std::optional<Sha256Digest> DigestOf(std::string_view hex) {
  if (hex.size() != 64) return std::nullopt;
  Sha256Digest digest{};
  for (std::size_t i = 0; i < digest.size(); ++i) {
    const auto [end, ec] = std::from_chars(hex.data() + 2 * i, hex.data() + 2 * i + 2, digest[i], 16);
    if (ec != std::errc() || end != hex.data() + 2 * i + 2) return std::nullopt;
  }
  return digest;
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::optional<LedgerEntry> ParseLedgerLine(std::string_view line) {
  const auto fields = Split(line, '\t');
  if (fields.size() != 6) return std::nullopt;
  const auto digest = DigestOf(fields[0]);
  const auto size = NumberOf<std::uint64_t>(fields[1]);
  const auto sourceMtime = NumberOf<std::int64_t>(fields[2]);
  const auto copyMtime = NumberOf<std::int64_t>(fields[3]);
  auto source = LineUnescaped(fields[4]);
  auto target = LineUnescaped(fields[5]);
  if (!digest || !size || !sourceMtime || !copyMtime || !source || !target || target->empty())
    return std::nullopt;
  return LedgerEntry{std::move(*target), std::move(*source), *size, *sourceMtime, *copyMtime, *digest};
}

std::string TextOf(const fs::path& path) {
  const auto bytes = ReadSmallFile(path, kMaxLedgerBytes);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::error_code WriteText(const fs::path& path, const std::string& text) {
  errno = 0;
  if (WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())))
    return {};
  return {errno != 0 ? errno : EIO, std::generic_category()};
}

}  // namespace

std::map<std::string, Sha256Digest> ParseChecksums(std::string_view text) {
  std::map<std::string, Sha256Digest> sums;
  for (std::string_view line : Split(text, '\n')) {
    const bool escaped = line.starts_with('\\');
    if (escaped) line.remove_prefix(1);
    // "<hex>  <path>" in text mode, "<hex> *<path>" in binary mode.
    if (line.size() < 67 || line[64] != ' ' || (line[65] != ' ' && line[65] != '*')) continue;
    const auto digest = DigestOf(line.substr(0, 64));
    auto path = escaped ? LineUnescaped(line.substr(66)) : std::optional<std::string>(line.substr(66));
    if (digest && path && !path->empty()) sums[std::move(*path)] = *digest;
  }
  return sums;
}

DownloadLedger DownloadLedger::Load(const fs::path& folder) {
  DownloadLedger ledger;
  const auto sums = ParseChecksums(TextOf(folder / kLedgerSumsName));
  const std::string text = TextOf(folder / kLedgerName);  // the lines below point into it
  for (const std::string_view line : Split(text, '\n')) {
    auto entry = ParseLedgerLine(line);
    if (!entry) continue;
    const auto sum = sums.find(entry->target);
    if (sum == sums.end() || sum->second != entry->digest) continue;
    ledger.entries_[entry->target] = std::move(*entry);
  }
  return ledger;
}

const LedgerEntry* DownloadLedger::Find(const std::string& target) const {
  const auto it = entries_.find(target);
  return it == entries_.end() ? nullptr : &it->second;
}

void DownloadLedger::Put(LedgerEntry entry) {
  std::string key = entry.target;
  entries_[std::move(key)] = std::move(entry);
}

void DownloadLedger::Remove(const std::string& target) { entries_.erase(target); }

std::error_code DownloadLedger::Save(const fs::path& folder) const {
  std::string sums;
  std::string ledger = std::string(kLedgerHeader) + "\n";
  for (const auto& [target, e] : entries_) {
    sums += exporting::ChecksumLine(e.digest, target);
    ledger += HexText(e.digest) + "\t" + std::to_string(e.size) + "\t" + std::to_string(e.sourceMtime) +
              "\t" + std::to_string(e.copyMtime) + "\t" + LineEscaped(e.source) + "\t" + LineEscaped(target) +
              "\n";
  }
  // The ledger first: an entry only counts once SHA256SUMS agrees, so a stop between
  // the two costs a read, never a wrong skip.
  if (auto ec = WriteText(folder / kLedgerName, ledger)) return ec;
  if (auto ec = WriteText(folder / kLedgerSumsName, sums)) return ec;
  return SyncFolder(folder);
}

std::optional<std::vector<LedgerProblem>> VerifyDownloadFolder(const fs::path& folder,
                                                               const CopyWatch* watch) {
  const auto bytes = ReadSmallFile(folder / kLedgerSumsName, kMaxLedgerBytes);
  if (!bytes) return std::nullopt;
  std::vector<LedgerProblem> problems;
  for (const auto& [target, digest] : ParseChecksums(std::string(bytes->begin(), bytes->end()))) {
    std::error_code ec;
    const fs::path path = folder / fs::path(target);
    if (!fs::exists(fs::symlink_status(path, ec))) {
      problems.push_back({target, true});
      continue;
    }
    const auto actual = Sha256OfFileOnDisk(path, ec, watch);
    if (!actual || *actual != digest) problems.push_back({target, false});
  }
  return problems;
}

}  // namespace direvovu
