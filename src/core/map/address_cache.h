#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/map/address_reply.h"

namespace direvovu::map {

// Replies are applied in the order their points were sent: each lookup takes a ticket,
// and a reply whose ticket is older than the one last applied is dropped.
class AddressOrder {
 public:
  std::uint64_t Take() { return ++issued_; }
  // True (and the ticket becomes the last applied) when nothing newer was applied yet.
  bool Accept(std::uint64_t ticket);
  // Every ticket taken so far is dropped from now on (a new trip, Close).
  void Forget() { applied_ = issued_; }

 private:
  std::uint64_t issued_ = 0;
  std::uint64_t applied_ = 0;
};

// One request a second at most for a service that asks for it; a point that must be
// looked up (the start of a trip, the last point of a pause) always is.
class AddressThrottle {
 public:
  explicit AddressThrottle(std::int64_t interval_ms) : interval_ms_(interval_ms) {}
  [[nodiscard]] bool MaySend(std::int64_t now_ms) const;
  void Sent(std::int64_t now_ms) { last_ms_ = now_ms; }

 private:
  std::int64_t interval_ms_;
  std::optional<std::int64_t> last_ms_;
};

// The pause between requests the service allows: Nominatim's usage policy asks for one
// a second; the rgc service is asked at every point.
std::int64_t AddressIntervalMs(AddressServiceKind kind);

// The cache key of a point: the position rounded to 4 decimals (about 11 m).
std::string AddressCacheKey(double latitude, double longitude);

// A cached reply as text and back; nothing for text that is not one.
std::string AddressCacheText(const AddressReply& reply);
std::optional<AddressReply> ReadAddressCacheText(std::string_view text);

// How many answers the folder of one service and language keeps (a few MB on disk);
// beyond it the oldest written go first.
inline constexpr std::size_t kAddressCacheFiles = 10000;

// Answers kept in memory and in a folder (one small file per point, written through a
// temporary file), for one service and language: the folder is named after both.
class AddressCache {
 public:
  // An empty root keeps answers in memory only.
  AddressCache(const std::filesystem::path& root, const AddressService& service, int language,
               std::size_t max_files = kAddressCacheFiles);

  [[nodiscard]] std::optional<AddressReply> Find(double latitude, double longitude);
  void Store(double latitude, double longitude, const AddressReply& reply);
  [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

 private:
  [[nodiscard]] std::filesystem::path FileOf(const std::string& key) const;
  // After a new file: past the bound, the oldest files go until a tenth is free again.
  void KeepWithinBound();

  std::filesystem::path folder_;
  std::size_t max_files_;
  std::optional<std::size_t> files_on_disk_;  // counted at the first store
  std::map<std::string, AddressReply> memory_;
};

}  // namespace direvovu::map
