#include "core/map/map_page.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/settings/texts.h"

namespace direvovu::map {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kPaths{
    "/map/googlemap.html",         "/map/googlemap_eng.html",    "/map/googlemap_jpn.html",
    "/map/googlemap_china.html",   "/map/googlemap_russia.html", "/map/googlemap_taiwan.html",
    "/map/googlemap_portugal.html"};

constexpr std::array<GeoPoint, kLanguageCount> kCentres{{{37.470303, 127.041982},
                                                         {38.895308, -77.0327},
                                                         {35.68951, 139.692106},
                                                         {39.900255, 116.411133},
                                                         {55.748758, 37.619934},
                                                         {24.986058, 121.59668},
                                                         {38.706971, -9.135765}}};
constexpr GeoPoint kRoutePortugalCentre{38.705874, -9.137878};

int KnownLanguage(int language) {
  return language >= 0 && language < kLanguageCount ? language : kDefaultLanguage;
}

}  // namespace

std::string_view PagePath(int language) { return kPaths[static_cast<std::size_t>(KnownLanguage(language))]; }

std::optional<int> LanguageOfPagePath(std::string_view path) {
  for (std::size_t i = 0; i < kPaths.size(); ++i) {
    if (kPaths[i] == path) return static_cast<int>(i);
  }
  return std::nullopt;
}

GeoPoint DefaultCentre(int language, PageWindow window) {
  const int known = KnownLanguage(language);
  if (window == PageWindow::Route && known == kPortugueseBrazil) return kRoutePortugalCentre;
  return kCentres[static_cast<std::size_t>(known)];
}

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc{}) return "0";
  return {buffer.data(), result.ptr};
}

std::string PageQuery(int language, PageWindow window, GeoPoint centre) {
  const int known = KnownLanguage(language);
  const int decimals = known == kKorean ? 5 : 8;
  std::string size = "width=535&height=520";
  if (window == PageWindow::Route)
    size = known <= kJapanese ? "width=588&height=642" : "width=588&height=630";
  if (window == PageWindow::Library)
    size = "width=" + std::to_string(kLibraryMapWidth) + "&height=" + std::to_string(kLibraryMapHeight);
  return "lat=" + FixedText(centre.latitude, decimals) + "&lon=" + FixedText(centre.longitude, decimals) +
         "&" + size;
}

std::string PageUrl(int language, PageWindow window, GeoPoint centre) {
  return std::string(kPageScheme) + "://" + std::string(kPageHost) + std::string(PagePath(language)) + "?" +
         PageQuery(language, window, centre);
}

const std::vector<std::string>& PageFunctions() {
  static const std::vector<std::string> names{
      "on_set_point", "on_set_route", "clear_overlay", "show_route", "start_route", "end_route",
      "on_set_route2", "OpenInfo", "CloseInfo",
      // the library window's
      "library_clear", "library_routes", "library_moments", "library_place", "library_fit", "library_pick",
      "library_counts"};
  return names;
}

}  // namespace direvovu::map
