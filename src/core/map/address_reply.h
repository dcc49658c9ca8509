#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/settings/viewer_settings.h"

namespace direvovu::map {

// The reverse geocoders the route window can ask for the address of a point.
enum class AddressServiceKind {
  Rgc,        // /service/rgc.php: //location, //country, //state, //county, //town
  Nominatim,  // /reverse of OpenStreetMap's Nominatim
};

inline constexpr std::string_view kAddressUrlKey = "ADDRESS_SERVICE_URL";
inline constexpr std::string_view kAddressKindKey = "ADDRESS_SERVICE_KIND";
inline constexpr std::string_view kDefaultAddressUrl = "https://nominatim.openstreetmap.org";
inline constexpr std::string_view kDefaultAddressKind = "nominatim";

struct AddressService {
  AddressServiceKind kind = AddressServiceKind::Nominatim;
  std::string baseUrl;  // empty: no lookup
  [[nodiscard]] bool Enabled() const { return !baseUrl.empty(); }
};

// The service the settings name: "rgc" or anything else for Nominatim; a blank address
// turns the lookup off. A trailing '/' of the address is dropped.
AddressService ReadAddressService(std::string_view url_setting, std::string_view kind_setting);
// The service of the viewer's settings (ADDRESS_SERVICE_URL and ADDRESS_SERVICE_KIND).
AddressService ReadAddressService(const WorkingFolders& folders);

// The request for a point, with 6 decimals whatever the C locale says.
std::string AddressRequestUrl(const AddressService& service, double latitude, double longitude, int language);

// The address of a point in four parts, each at most 255 characters, on one line.
struct AddressParts {
  std::string country;
  std::string state;
  std::string county;
  std::string town;
  bool operator==(const AddressParts&) const = default;
};

// What a reply says. Without a town the parts are still taken, but the lines stay.
struct AddressReply {
  AddressParts parts;
  bool hasTown = false;
  bool operator==(const AddressReply&) const = default;
};

// Reads a reply. Nothing for a reply that is no XML, larger than 1 MiB, declares a
// document type (no entity of a reply is ever expanded), has no location or is the
// service's "not found".
std::optional<AddressReply> ParseAddressReply(AddressServiceKind kind, std::span<const std::uint8_t> reply);
std::optional<AddressReply> ParseAddressReply(AddressServiceKind kind, std::string_view reply);

// The two address lines the route window shows.
struct AddressLines {
  std::string line1;  // country and state
  std::string line2;  // county and town
  bool operator==(const AddressLines&) const = default;
};

// The route window's address of the current point.
struct AddressState {
  AddressParts parts;
  AddressLines lines;
};

// Takes a reply: its parts always, the lines only when it has a town.
void ApplyAddressReply(AddressState& state, const AddressReply& reply);

// "a b" of two parts, or the one that is not empty; blanks around a part are dropped.
std::string JoinAddressParts(std::string_view first, std::string_view second);

}  // namespace direvovu::map
