#include "core/map/address_cache.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <utility>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/map/map_page.h"
#include "core/settings/texts.h"

namespace direvovu::map {
namespace {

constexpr std::string_view kCacheMagic = "direvovu-address 1";
constexpr std::uintmax_t kMaxCacheFileBytes = std::uintmax_t{8} * 1024;

// FNV-1a: a short, stable name for the folder of a service and language.
std::string NameOf(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  char name[32];
  std::snprintf(name, sizeof(name), "%016llx", static_cast<unsigned long long>(hash));
  return name;
}

// The next line of text (without its line break); the text loses it.
std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  return line;
}

}  // namespace

bool AddressOrder::Accept(std::uint64_t ticket) {
  if (ticket <= applied_) return false;
  applied_ = ticket;
  return true;
}

bool AddressThrottle::MaySend(std::int64_t now_ms) const {
  return !last_ms_ || now_ms - *last_ms_ >= interval_ms_ || now_ms < *last_ms_;
}

std::int64_t AddressIntervalMs(AddressServiceKind kind) {
  return kind == AddressServiceKind::Nominatim ? 1000 : 0;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): latitude before longitude, as everywhere
std::string AddressCacheKey(double latitude, double longitude) {
  // Rounded first, so that -0.00001 and 0.00001 share the key "0.0000".
  const double lat = std::round(latitude * 1e4) / 1e4 + 0.0;
  const double lon = std::round(longitude * 1e4) / 1e4 + 0.0;
  return FixedText(lat, 4) + "_" + FixedText(lon, 4);
}

std::string AddressCacheText(const AddressReply& reply) {
  const AddressParts& p = reply.parts;
  return std::string(kCacheMagic) + "\n" + (reply.hasTown ? "1" : "0") + "\n" + p.country + "\n" + p.state +
         "\n" + p.county + "\n" + p.town + "\n";
}

std::optional<AddressReply> ReadAddressCacheText(std::string_view text) {
  if (TakeLine(text) != kCacheMagic) return std::nullopt;
  const std::string_view town_flag = TakeLine(text);
  if (town_flag != "0" && town_flag != "1") return std::nullopt;
  AddressReply reply;
  reply.hasTown = town_flag == "1";
  for (std::string* part :
       {&reply.parts.country, &reply.parts.state, &reply.parts.county, &reply.parts.town}) {
    if (text.empty()) return std::nullopt;
    *part = std::string(TakeLine(text));
  }
  return reply;
}

AddressCache::AddressCache(const std::filesystem::path& root, const AddressService& service, int language,
                           std::size_t max_files)
    : max_files_(std::max<std::size_t>(max_files, 1)) {
  if (root.empty()) return;
  const std::string kind = service.kind == AddressServiceKind::Rgc ? "rgc" : "nominatim";
  folder_ = root / (kind + "-" + NameOf(service.baseUrl + "|" + std::string(LanguageTag(language))));
}

std::filesystem::path AddressCache::FileOf(const std::string& key) const { return folder_ / (key + ".txt"); }

std::optional<AddressReply> AddressCache::Find(double latitude, double longitude) {
  const std::string key = AddressCacheKey(latitude, longitude);
  if (const auto it = memory_.find(key); it != memory_.end()) return it->second;
  if (folder_.empty()) return std::nullopt;
  const auto bytes = ReadSmallFile(FileOf(key), kMaxCacheFileBytes);
  if (!bytes) return std::nullopt;
  auto reply =
      ReadAddressCacheText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (reply) memory_[key] = *reply;
  return reply;
}

void AddressCache::Store(double latitude, double longitude, const AddressReply& reply) {
  const std::string key = AddressCacheKey(latitude, longitude);
  memory_[key] = reply;
  if (folder_.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const bool is_new = !std::filesystem::exists(FileOf(key), ec);
  const std::string text = AddressCacheText(reply);
  // A cache that cannot be written only costs a request next time.
  const bool written = WriteFileAtomically(
      FileOf(key),
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (written && is_new) KeepWithinBound();
}

void AddressCache::KeepWithinBound() {
  if (files_on_disk_) {
    ++*files_on_disk_;
    if (*files_on_disk_ <= max_files_) return;
  }
  std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() != ".txt") continue;
    std::error_code time_ec;
    const auto written = it->last_write_time(time_ec);
    if (!time_ec) files.emplace_back(written, it->path());
  }
  files_on_disk_ = files.size();
  if (files.size() <= max_files_) return;
  const std::size_t keep = max_files_ - max_files_ / 10;
  std::sort(files.begin(), files.end());
  for (std::size_t i = 0; i + keep < files.size(); ++i) {
    if (std::filesystem::remove(files[i].second, ec)) --*files_on_disk_;
  }
}

}  // namespace direvovu::map
