#include "core/map/tile_source.h"

#include <charconv>
#include <system_error>

#include "core/xml_text.h"

namespace direvovu::map {
namespace {

constexpr std::string_view kOsmAttribution =
    "&copy; <a href=\"https://www.openstreetmap.org/copyright\">OpenStreetMap</a> contributors";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char a = (text[i] >= 'A' && text[i] <= 'Z') ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (a != suffix[i]) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// Only letters, digits and the characters of a URL: a template is pasted into the page's
// settings script as a string, but it must not smuggle anything else into a request.
bool IsUrlText(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) <= 0x20 || c == '"' || c == '\\' || c == '<' || c == '>' || c == 0x7F) {
      return false;
    }
  }
  return true;
}

std::string HostOf(std::string_view url) {
  const std::size_t start = url.find("://");
  if (start == std::string_view::npos) return {};
  url.remove_prefix(start + 3);
  return std::string(url.substr(0, url.find_first_of("/?#")));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the address, then its credit
TileSource Remote(std::string_view url, std::string_view attribution) {
  TileSource source;
  source.url_template = std::string(url);
  const std::string host = HostOf(url);
  if (host.find("openstreetmap.org") != std::string::npos) {
    source.attribution = std::string(kOsmAttribution);
  } else {
    source.attribution = attribution.empty() ? "Tiles &copy; " + XmlEscaped(host) : XmlEscaped(attribution);
  }
  return source;
}

TileSource DefaultSource(std::string warning) {
  TileSource source = Remote(kDefaultTileUrl, {});
  source.warning = std::move(warning);
  return source;
}

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the two settings in the order of their keys
TileSource ReadTileSource(std::string_view setting, std::string_view attribution) {
  attribution = Trim(attribution);
  const std::string_view text = Trim(setting);
  if (text.empty()) return DefaultSource({});
  if (StartsWith(text, "http://") || StartsWith(text, "https://")) {
    const bool has_fields = text.find("{z}") != std::string_view::npos &&
                            text.find("{x}") != std::string_view::npos &&
                            text.find("{y}") != std::string_view::npos;
    if (has_fields && IsUrlText(text)) return Remote(text, attribution);
    return DefaultSource("MAP_TILE_URL " + std::string(text) +
                         " is not a tile template with {z}, {x} and {y}");
  }
  std::error_code ec;
  const std::filesystem::path path{std::string(text)};
  // Local tiles may come from anywhere: they are credited as the user says, not as ours.
  const std::string local_note = XmlEscaped(attribution.empty() ? path.filename().string() : attribution);
  if (std::filesystem::is_directory(path, ec)) {
    return TileSource{TileKind::Folder, {}, path, local_note, {}};
  }
  if (std::filesystem::is_regular_file(path, ec) && EndsWithNoCase(text, ".mbtiles")) {
    return TileSource{TileKind::MbTiles, {}, path, local_note, {}};
  }
  return DefaultSource("MAP_TILE_URL " + std::string(text) +
                       " is neither a tile template nor an existing tile folder or .mbtiles file");
}

std::string PageTileTemplate(const TileSource& source) {
  if (source.kind == TileKind::Remote) return source.url_template;
  return "direvovu://tiles/{z}/{x}/{y}.png";
}

TileSource ReadTileSettings(const WorkingFolders& folders) {
  return ReadTileSource(ReadSettingText(folders, kTileUrlKey, ""),
                        ReadSettingText(folders, kTileAttributionKey, ""));
}

std::optional<TileAddress> ParseTilePath(std::string_view path) {
  if (!StartsWith(path, "/")) return std::nullopt;
  path.remove_prefix(1);
  const std::size_t slash1 = path.find('/');
  if (slash1 == std::string_view::npos) return std::nullopt;
  const std::size_t slash2 = path.find('/', slash1 + 1);
  if (slash2 == std::string_view::npos) return std::nullopt;
  std::string_view last = path.substr(slash2 + 1);
  if (last.size() < 5 || last.substr(last.size() - 4) != ".png") return std::nullopt;
  last.remove_suffix(4);
  TileAddress tile;
  if (!ParseNumber(path.substr(0, slash1), tile.z) ||
      !ParseNumber(path.substr(slash1 + 1, slash2 - slash1 - 1), tile.x) || !ParseNumber(last, tile.y)) {
    return std::nullopt;
  }
  if (tile.z < 0 || tile.z > kMaxTileZoom) return std::nullopt;
  const std::int64_t size = std::int64_t{1} << tile.z;
  if (tile.x < 0 || tile.y < 0 || tile.x >= size || tile.y >= size) return std::nullopt;
  return tile;
}

std::filesystem::path FolderTileFile(const std::filesystem::path& folder, const TileAddress& tile) {
  return folder / std::to_string(tile.z) / std::to_string(tile.x) / (std::to_string(tile.y) + ".png");
}

std::int64_t MbTilesRow(const TileAddress& tile) { return (std::int64_t{1} << tile.z) - 1 - tile.y; }

std::string TileUserAgent() { return std::string("DirevOvu/") + DIREVOVU_VERSION + " (dash camera viewer)"; }

std::string TileReferer(std::string_view scheme) {
  // The reserved .invalid name: an origin that stands for the viewer and can never be
  // someone else's site.
  return scheme == "http" ? "http://direvovu.invalid/" : "https://direvovu.invalid/";
}

}  // namespace direvovu::map
