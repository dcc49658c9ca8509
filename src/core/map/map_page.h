#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace direvovu::map {

// The two windows that show the page; they differ in size and, for one language, centre.
enum class PageWindow { Map, Route, Library };
// The library window's map area.
inline constexpr int kLibraryMapWidth = 760;
inline constexpr int kLibraryMapHeight = 500;

struct GeoPoint {
  double latitude = 0;
  double longitude = 0;
};

// Where the page is served from (the scheme handler answers under it).
inline constexpr std::string_view kPageScheme = "direvovu";
inline constexpr std::string_view kPageHost = "map";
inline constexpr std::string_view kTileHost = "tiles";

// The page's path for a language ("/map/googlemap_eng.html"); a language outside 0..6
// is read as the default language.
std::string_view PagePath(int language);
// The language a page path stands for; nullopt for a path that is none of the seven.
std::optional<int> LanguageOfPagePath(std::string_view path);

// The map's default centre for a language in a window.
GeoPoint DefaultCentre(int language, PageWindow window);

// "lat=…&lon=…&width=…&height=…": 5 decimals for Korean, 8 for every other language,
// the size of the window's page area.
std::string PageQuery(int language, PageWindow window, GeoPoint centre);

// The page's whole address: scheme, host, path and query.
std::string PageUrl(int language, PageWindow window, GeoPoint centre);

// Fixed-point text of a number with `decimals` decimals, whatever the C locale says.
std::string FixedText(double value, int decimals);

// Every function the page provides to the windows.
const std::vector<std::string>& PageFunctions();

}  // namespace direvovu::map
