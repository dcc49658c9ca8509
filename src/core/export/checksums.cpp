#include "core/export/checksums.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <vector>

namespace direvovu::exporting {
namespace {

namespace fs = std::filesystem;

struct Listing {
  std::vector<std::string> paths;  // relative, '/' between folders
  std::string error;
};

Listing RegularFilesBelow(const fs::path& folder) {
  Listing listing;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code status_ec;
    if (!it->is_regular_file(status_ec) || it->is_symlink(status_ec)) continue;
    std::string relative = it->path().lexically_relative(folder).generic_string();
    if (relative != kChecksumsFileName) listing.paths.push_back(std::move(relative));
  }
  if (ec) listing.error = "cannot list the files of " + folder.string() + ": " + ec.message();
  std::sort(listing.paths.begin(), listing.paths.end());
  return listing;
}

}  // namespace

std::string ChecksumLine(const Sha256Digest& digest, std::string_view relativePath) {
  std::string path;
  bool escaped = false;
  for (const char c : relativePath) {
    const char* escape = c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : nullptr;
    escaped = escaped || escape != nullptr;
    if (escape != nullptr) {
      path += escape;
    } else {
      path += c;
    }
  }
  return (escaped ? "\\" : "") + HexText(digest) + "  " + path + "\n";
}

ChecksumsOutcome ChecksumsOf(const fs::path& folder, const CopyWatch* watch) {
  Listing listing = RegularFilesBelow(folder);
  if (!listing.error.empty()) return {{}, std::move(listing.error)};
  ChecksumsOutcome outcome;
  std::uint64_t before = 0;
  for (const std::string& relative : listing.paths) {
    // The caller hears one count over the whole folder.
    std::uint64_t read = 0;
    CopyWatch fileWatch;
    if (watch != nullptr) {
      fileWatch.cancel = watch->cancel;
      fileWatch.progress = [&](std::uint64_t bytes) { watch->Report(before + (read = bytes)); };
    }
    std::error_code ec;
    const auto digest =
        Sha256OfFile(folder / fs::path(relative), ec, watch != nullptr ? &fileWatch : nullptr);
    if (!digest) return {{}, "cannot read " + (folder / fs::path(relative)).string() + ": " + ec.message()};
    outcome.text += ChecksumLine(*digest, relative);
    before += read;
  }
  return outcome;
}

}  // namespace direvovu::exporting
