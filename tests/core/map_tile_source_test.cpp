// Which tiles the map page uses, and how a tile request is read.
#include <gtest/gtest.h>

#include <fstream>

#include "core/map/tile_source.h"
#include "temp_folder.h"

namespace direvovu::map {
namespace {

TEST(MapTileSource, BlankIsTheOpenStreetMapLayerWithItsAttribution) {
  const TileSource source = ReadTileSource("  ");
  EXPECT_EQ(source.kind, TileKind::Remote);
  EXPECT_EQ(source.url_template, kDefaultTileUrl);
  EXPECT_NE(source.attribution.find("OpenStreetMap</a> contributors"), std::string::npos);
  EXPECT_TRUE(source.warning.empty());
  EXPECT_FALSE(source.IsLocal());
  EXPECT_EQ(PageTileTemplate(source), kDefaultTileUrl);
}

TEST(MapTileSource, ATemplateNeedsAllThreeFieldsAndNoMarkup) {
  const TileSource other = ReadTileSource("http://127.0.0.1:8080/t/{z}/{x}/{y}.png");
  EXPECT_EQ(other.kind, TileKind::Remote);
  EXPECT_EQ(other.url_template, "http://127.0.0.1:8080/t/{z}/{x}/{y}.png");
  EXPECT_EQ(other.attribution, "Tiles &copy; 127.0.0.1:8080");

  for (const char* bad : {"https://a.example/{z}/{x}.png", "https://a.example/{z}/{x}/{y}.png\"><script>",
                          "ftp://a/{z}/{x}/{y}.png", "/no/such/folder/anywhere"}) {
    const TileSource fallback = ReadTileSource(bad);
    EXPECT_EQ(fallback.url_template, kDefaultTileUrl) << bad;
    EXPECT_FALSE(fallback.warning.empty()) << bad;
  }
}

TEST(MapTileSource, AnExistingFolderOrMbTilesFileIsLocal) {
  TempFolder folder;
  const TileSource tiles = ReadTileSource(folder.path().string());
  EXPECT_EQ(tiles.kind, TileKind::Folder);
  EXPECT_TRUE(tiles.IsLocal());
  EXPECT_EQ(PageTileTemplate(tiles), "direvovu://tiles/{z}/{x}/{y}.png");

  const auto file = folder.path() / "seoul.MBTiles";
  std::ofstream(file) << "x";
  EXPECT_EQ(ReadTileSource(file.string()).kind, TileKind::MbTiles);
  const auto other = folder.path() / "seoul.txt";
  std::ofstream(other) << "x";
  EXPECT_EQ(ReadTileSource(other.string()).kind, TileKind::Remote);
}

TEST(MapTileSource, CreditsFollowTheAttributionSettingButOpenStreetMapKeepsItsOwn) {
  TempFolder folder;
  const auto file = folder.path() / "lisboa.mbtiles";
  std::ofstream(file) << "x";
  const std::string remote = "http://127.0.0.1:8080/t/{z}/{x}/{y}.png";
  const struct {
    std::string url;
    const char* attribution;
    std::string credit;
  } cases[] = {
      {folder.path().string(), "", folder.path().filename().string()},
      {file.string(), "", "lisboa.mbtiles"},
      {file.string(), " Câmara <Municipal> ", "Câmara &lt;Municipal&gt;"},
      {remote, "My server", "My server"},
      {remote, "", "Tiles &copy; 127.0.0.1:8080"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadTileSource(c.url, c.attribution).attribution, c.credit) << c.url;
  EXPECT_NE(ReadTileSource("", "Mine").attribution.find("OpenStreetMap</a> contributors"), std::string::npos);
}

TEST(MapTilePath, OnlyTilesOfTheWorld) {
  const auto tile = ParseTilePath("/3/7/0.png");
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->z, 3);
  EXPECT_EQ(tile->x, 7);
  EXPECT_EQ(tile->y, 0);
  EXPECT_FALSE(ParseTilePath("/3/8/0.png"));  // x beyond 2^3 - 1
  EXPECT_FALSE(ParseTilePath("/20/0/0.png"));
  EXPECT_FALSE(ParseTilePath("/-1/0/0.png"));
  EXPECT_FALSE(ParseTilePath("/1/0/../0.png"));
  EXPECT_FALSE(ParseTilePath("/1/0/0.jpg"));
  EXPECT_FALSE(ParseTilePath("1/0/0.png"));
  EXPECT_FALSE(ParseTilePath("/1/0/0x.png"));
  EXPECT_EQ(FolderTileFile("/tiles", *ParseTilePath("/12/3/4.png")),
            std::filesystem::path("/tiles/12/3/4.png"));
}

TEST(MapTilePath, MbTilesRowsCountFromTheSouth) {
  EXPECT_EQ(MbTilesRow({0, 0, 0}), 0);
  EXPECT_EQ(MbTilesRow({3, 2, 0}), 7);
  EXPECT_EQ(MbTilesRow({3, 2, 7}), 0);
  EXPECT_EQ(MbTilesRow({19, 0, 1}), (1 << 19) - 2);
}

TEST(MapTileRequests, NameTheViewerAndCarryAnHttpOrigin) {
  EXPECT_EQ(TileUserAgent().rfind(std::string("DirevOvu/") + DIREVOVU_VERSION, 0), 0u);
  // An origin a tile server accepts, of the request's own scheme (never a downgrade from
  // https to http, which the browser refuses): the scheme, a host, a single '/'.
  for (const std::string scheme : {"https", "http"}) {
    const std::string referer = TileReferer(scheme);
    ASSERT_EQ(referer.rfind(scheme + "://", 0), 0u) << referer;
    const std::string rest = referer.substr(scheme.size() + 3);
    EXPECT_EQ(rest.find('/'), rest.size() - 1) << referer;
    EXPECT_GT(rest.size(), 1u);
  }
}

}  // namespace
}  // namespace direvovu::map
