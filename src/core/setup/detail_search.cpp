#include "core/setup/detail_search.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <system_error>

#include "core/recording/recording_name.h"

namespace fs = std::filesystem;

namespace direvovu {
namespace {

// The camera nests two levels; this only keeps a pathological tree from exhausting the
// stack or the path length.
constexpr int kMaxWalkDepth = 64;
// "drf0_" + date: the part that names the day.
constexpr std::size_t kDayChars = 13;
// The part after "drf0_": date, time and extension.
constexpr std::size_t kMomentChars = 19;

std::vector<fs::path> FixedDriveRoots(const DriveList& drives) {
  std::vector<fs::path> roots;
  for (const Drive& drive : drives) {
    std::error_code ec;
    if (drive.removable) continue;
    fs::path root = fs::weakly_canonical(drive.root, ec);
    if (!ec) roots.push_back(std::move(root));
  }
  return roots;
}

struct Walk {
  std::vector<fs::path> fixed_roots;  // canonical roots of the drives that are not removable
  std::vector<fs::path>& found;
  std::set<fs::path> seen;  // canonical folders walked so far
};

void WalkFolder(Walk& walk, const fs::path& folder, const fs::path& canonical, int depth);

// The canonical name of a sub-folder without asking the system, unless it is a link.
std::optional<fs::path> CanonicalChild(const fs::directory_entry& entry, const fs::path& parent_canonical) {
  std::error_code ec;
  if (!entry.is_symlink(ec)) return parent_canonical / entry.path().filename();
  fs::path target = fs::canonical(entry.path(), ec);
  if (ec) return std::nullopt;
  return target;
}

void VisitEntry(Walk& walk, const fs::directory_entry& entry, const fs::path& canonical, int depth) {
  std::error_code ec;
  if (entry.is_directory(ec)) {
    const auto child = CanonicalChild(entry, canonical);
    if (child) WalkFolder(walk, entry.path(), *child, depth + 1);
    return;
  }
  if (IsFrontRecordingName(entry.path().filename().string()) && entry.is_regular_file(ec)) {
    walk.found.push_back(entry.path());
  }
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the folder as reached, then its canonical name
void WalkFolder(Walk& walk, const fs::path& folder, const fs::path& canonical, int depth) {
  if (depth > kMaxWalkDepth || !walk.seen.insert(canonical).second) return;
  const bool descend =
      std::find(walk.fixed_roots.begin(), walk.fixed_roots.end(), canonical) == walk.fixed_roots.end();
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (!descend && it->is_directory(type_ec)) continue;
    VisitEntry(walk, *it, canonical, depth);
  }
}

}  // namespace

std::string SearchBound(const CivilTime& m) {
  char name[64];
  std::snprintf(name, sizeof name, "drf0_%04d%02d%02d_%02d%02d%02d.mp4", m.year, m.month, m.day, m.hour,
                m.minute, m.second);
  return name;
}

bool IsFixedDriveRoot(const fs::path& folder, const DriveList& drives) {
  std::error_code ec;
  const fs::path canonical = fs::weakly_canonical(folder, ec);
  const auto roots = FixedDriveRoots(drives);
  return !ec && std::find(roots.begin(), roots.end(), canonical) != roots.end();
}

void WalkRecordingFolder(const fs::path& folder, const DriveList& drives, std::vector<fs::path>& found) {
  if (folder.empty()) return;
  std::error_code ec;
  const fs::path canonical = fs::canonical(folder, ec);
  if (ec) return;
  Walk walk{FixedDriveRoots(drives), found, {}};
  WalkFolder(walk, folder, canonical, 0);
}

bool IsNameInRange(std::string_view name, const SearchRange& range) {
  if (!IsFrontRecordingName(name) || name.size() != kRecordingNameLength) return false;
  const std::string start = SearchBound(range.start);
  const std::string end = SearchBound(range.end);
  const std::string_view moment = name.substr(name.size() - kMomentChars);
  if (range.use_start && range.use_end) {
    return std::string_view(start).substr(start.size() - kMomentChars) <= moment &&
           moment <= std::string_view(end).substr(end.size() - kMomentChars);
  }
  if (range.use_start) return name.substr(0, kDayChars) == std::string_view(start).substr(0, kDayChars);
  if (range.use_end) return name.substr(0, kDayChars) == std::string_view(end).substr(0, kDayChars);
  return false;
}

std::vector<fs::path> TakeRecordings(const std::vector<fs::path>& found, const SearchRange& range,
                                     CardWorkTables& tables) {
  if (found.empty()) return {};
  tables.Clear();
  const std::size_t looked_at = std::min(found.size(), kCardTableCapacity);
  for (std::size_t i = 0; i < looked_at; ++i) {
    if (IsNameInRange(found[i].filename().string(), range)) tables.AddRecording(found[i]);
  }
  std::vector<fs::path> taken;
  taken.reserve(tables.recordings().size());
  for (const std::size_t index : tables.SortedOrder()) taken.push_back(tables.recordings()[index]);
  return taken;
}

}  // namespace direvovu
