#include "core/map/address_reply.h"

#include <pugixml.hpp>


#include "core/limits.h"
#include "core/map/map_page.h"
#include "core/settings/texts.h"

namespace direvovu::map {
namespace {

constexpr std::size_t kMaxPartCharacters = 255;

std::string_view TrimmedSetting(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// All text below a node, as the reply's reader sees the element's text. Walked without
// recursion: a reply may nest deeper than any stack.
void CollectText(const pugi::xml_node& root, std::string& out) {
  pugi::xml_node node = root.first_child();
  while (node && node != root) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) out += node.value();
    if (node.type() == pugi::node_element && node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != root && !node.next_sibling()) node = node.parent();
    if (node != root) node = node.next_sibling();
  }
}

// At most 255 characters (code points, so no character is cut), on one line.
std::string PartText(const pugi::xml_node& node) {
  std::string text;
  CollectText(node, text);
  std::string out;
  std::size_t characters = 0;
  for (const char c : text) {
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (!continuation && ++characters > kMaxPartCharacters) break;
    out += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
  }
  return out;
}

pugi::xml_node Select(const pugi::xml_document& doc, const char* path) {
  try {
    return doc.select_node(path).node();
  } catch (const pugi::xpath_exception&) {
    return {};
  }
}

std::optional<AddressReply> ReadRgc(const pugi::xml_document& doc) {
  if (!Select(doc, "//location")) return std::nullopt;
  AddressReply reply;
  reply.parts.country = PartText(Select(doc, "//country"));
  reply.parts.state = PartText(Select(doc, "//state"));
  reply.parts.county = PartText(Select(doc, "//county"));
  const pugi::xml_node town = Select(doc, "//town");
  reply.parts.town = PartText(town);
  reply.hasTown = static_cast<bool>(town);
  return reply;
}

std::optional<AddressReply> ReadNominatim(const pugi::xml_document& doc) {
  if (Select(doc, "/reversegeocode/error") || !Select(doc, "/reversegeocode/result")) return std::nullopt;
  const pugi::xml_node parts = Select(doc, "/reversegeocode/addressparts");
  AddressReply reply;
  reply.parts.country = PartText(parts.child("country"));
  reply.parts.state = PartText(parts.child("state"));
  reply.parts.county = PartText(parts.child("county"));
  // Places name their town by their size.
  for (const char* name : {"town", "city", "village", "municipality", "hamlet", "suburb"}) {
    if (const pugi::xml_node town = parts.child(name)) {
      reply.parts.town = PartText(town);
      reply.hasTown = true;
      break;
    }
  }
  return reply;
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the two settings in the order of their keys
AddressService ReadAddressService(std::string_view url_setting, std::string_view kind_setting) {
  AddressService service;
  const std::string_view kind = TrimmedSetting(kind_setting);
  service.kind = kind == "rgc" ? AddressServiceKind::Rgc : AddressServiceKind::Nominatim;
  std::string_view url = TrimmedSetting(url_setting);
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  service.baseUrl = std::string(url);
  return service;
}

AddressService ReadAddressService(const WorkingFolders& folders) {
  return ReadAddressService(ReadSettingText(folders, kAddressUrlKey, ""),
                            ReadSettingText(folders, kAddressKindKey, ""));
}

std::string AddressRequestUrl(const AddressService& service, double latitude, double longitude,
                              int language) {
  const std::string lat = FixedText(latitude, 6);
  const std::string lon = FixedText(longitude, 6);
  if (service.kind == AddressServiceKind::Rgc) {
    return service.baseUrl + "/service/rgc.php?appid=PilotTest&latitude=" + lat + "&longitude=" + lon +
           "&output=xml";
  }
  return service.baseUrl + "/reverse?format=xml&lat=" + lat + "&lon=" + lon +
         "&zoom=18&addressdetails=1&accept-language=" + std::string(LanguageTag(language));
}

std::optional<AddressReply> ParseAddressReply(AddressServiceKind kind, std::span<const std::uint8_t> reply) {
  if (reply.empty() || reply.size() > limits::kMaxAddressReplyBytes) return std::nullopt;
  pugi::xml_document doc;
  // The document type is kept in the tree only to refuse it: a reply has no business
  // declaring entities, and none is ever expanded.
  const unsigned options = (pugi::parse_default | pugi::parse_doctype) & ~pugi::parse_eol;
  const pugi::xml_parse_result parsed = doc.load_buffer(reply.data(), reply.size(), options);
  if (!parsed) return std::nullopt;
  for (const pugi::xml_node& node : doc.children()) {
    if (node.type() == pugi::node_doctype) return std::nullopt;
  }
  if (!doc.document_element()) return std::nullopt;
  return kind == AddressServiceKind::Rgc ? ReadRgc(doc) : ReadNominatim(doc);
}

std::optional<AddressReply> ParseAddressReply(AddressServiceKind kind, std::string_view reply) {
  return ParseAddressReply(
      kind, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()));
}

std::string JoinAddressParts(std::string_view first, std::string_view second) {
  // A service may hand a part of blanks only, or with blanks around it.
  const auto trimmed = [](std::string_view part) {
    const std::size_t begin = part.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return std::string_view();
    return part.substr(begin, part.find_last_not_of(" \t") - begin + 1);
  };
  first = trimmed(first);
  second = trimmed(second);
  if (first.empty()) return std::string(second);
  if (second.empty()) return std::string(first);
  return std::string(first) + " " + std::string(second);
}

void ApplyAddressReply(AddressState& state, const AddressReply& reply) {
  state.parts = reply.parts;
  if (!reply.hasTown) return;
  state.lines.line1 = JoinAddressParts(reply.parts.country, reply.parts.state);
  state.lines.line2 = JoinAddressParts(reply.parts.county, reply.parts.town);
}

}  // namespace direvovu::map
