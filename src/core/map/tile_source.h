#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/viewer_settings.h"

namespace direvovu::map {

inline constexpr std::string_view kTileUrlKey = "MAP_TILE_URL";
// Plain text crediting tiles of a local folder or file, or of a server other than
// OpenStreetMap's (whose own credit always stands).
inline constexpr std::string_view kTileAttributionKey = "MAP_TILE_ATTRIBUTION";
inline constexpr std::string_view kDefaultTileUrl = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
inline constexpr int kMaxTileZoom = 19;

enum class TileKind {
  Remote,   // an http(s) template with {z}, {x} and {y}
  Folder,   // a local folder of z/x/y.png
  MbTiles,  // a local MBTiles file
};

struct TileSource {
  TileKind kind = TileKind::Remote;
  std::string url_template;     // Remote
  std::filesystem::path local;  // Folder, MbTiles
  std::string attribution;      // HTML the page shows in its corner
  std::string warning;          // why the setting was not used, for standard error
  // The page keeps working with no network.
  [[nodiscard]] bool IsLocal() const { return kind != TileKind::Remote; }
};

// What MAP_TILE_URL names: a template, an existing folder or an existing .mbtiles file.
// Anything else (and blank) is the default layer; `warning` says why, except for blank.
// `attribution` (MAP_TILE_ATTRIBUTION) credits local tiles, by default with the folder's
// or file's name, and tiles of another server, by default with its host.
TileSource ReadTileSource(std::string_view setting, std::string_view attribution = {});
// The tile source the viewer's settings name.
TileSource ReadTileSettings(const WorkingFolders& folders);

// The address template the page gives its tile layer: the remote template, or the
// scheme handler's own address for a local source.
std::string PageTileTemplate(const TileSource& source);

struct TileAddress {
  int z = 0;
  int x = 0;
  int y = 0;
};

// "/z/x/y.png" (the handler's path) as a tile of the world: x and y within 0..2^z-1,
// z within 0..kMaxTileZoom; nullopt for anything else.
std::optional<TileAddress> ParseTilePath(std::string_view path);

// The file of a tile in a folder source.
std::filesystem::path FolderTileFile(const std::filesystem::path& folder, const TileAddress& tile);

// MBTiles count rows from the south: row = 2^z - 1 - y.
std::int64_t MbTilesRow(const TileAddress& tile);

// The identification every tile request carries.
std::string TileUserAgent();
// A Referer the tile servers accept for a request of `scheme` ("http" or "https"): an
// origin of the same scheme, not the page's own scheme. An https Referer on an http
// request would be a downgrade, which the browser refuses by failing the request.
std::string TileReferer(std::string_view scheme);

}  // namespace direvovu::map
