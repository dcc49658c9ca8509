// Where the page's tiles come from: a local folder, an MBTiles file, or a tile server
// (here one on 127.0.0.1) asked with the viewer's User-Agent and a Referer.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QWebEngineProfile>

#include <sqlite3.h>

#include "core/map/map_page.h"
#include "core/map/tile_source.h"
#include "core/settings/texts.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/mbtiles_reader.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"
#include "map_test_support.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

QByteArray PngTile(QColor colour) {
  QImage image(256, 256, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

bool LoadPage(CWebBrowser20& browser, int language = kEnglish) {
  QSignalSpy complete(&browser, &CWebBrowser20::documentComplete);
  browser.Navigate(QString::fromStdString(
      map::PageUrl(language, map::PageWindow::Map, map::DefaultCentre(language, map::PageWindow::Map))));
  return complete.wait(20000) && complete.first().first().toBool();
}

int LoadedTiles(CWebBrowser20& browser) {
  int loaded = 0;
  // Tiles arrive one by one after the page itself.
  (void)QTest::qWaitFor(
      [&] {
        loaded = test::ReadDrawing(browser.page()).loaded_tiles;
        return loaded >= 4;
      },
      10000);
  return loaded;
}

TEST(MapTiles, AFolderOfTilesIsServedWithNoNetwork) {
  QTemporaryDir dir;
  const fs::path folder = dir.path().toStdString();
  const map::GeoPoint centre = map::DefaultCentre(kEnglish, map::PageWindow::Map);
  ASSERT_EQ(test::WriteTileFolder(folder, 15, centre.latitude, centre.longitude, 2), 25);
  MapScheme().SetTileSource(map::ReadTileSource(folder.string()));
  CWebBrowser20 browser;
  ASSERT_TRUE(LoadPage(browser));
  EXPECT_GE(LoadedTiles(browser), 4);
  EXPECT_EQ(test::RunScript(browser.page(), QStringLiteral("tiles._url")).toString(),
            QStringLiteral("direvovu://tiles/{z}/{x}/{y}.png"));
  const QString credits =
      test::RunScript(browser.page(),
                      QStringLiteral("document.querySelector('.leaflet-control-attribution').textContent"))
          .toString();
  // Credited with the folder's name, not as someone else's tiles.
  EXPECT_TRUE(credits.contains(QString::fromStdString(folder.filename().string()))) << credits.toStdString();
  EXPECT_FALSE(credits.contains(QStringLiteral("OpenStreetMap"))) << credits.toStdString();
}

TEST(MapTiles, MbTilesRowsAreReadFlipped) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("t.mbtiles")).toStdString();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(
      sqlite3_exec(
          db,
          "CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB);",
          nullptr, nullptr, nullptr),
      SQLITE_OK);
  const QByteArray png = PngTile(Qt::red);
  sqlite3_stmt* insert = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "INSERT INTO tiles VALUES (3, 2, 6, ?1)", -1, &insert, nullptr),
            SQLITE_OK);
  sqlite3_bind_blob(insert, 1, png.constData(), static_cast<int>(png.size()), SQLITE_TRANSIENT);
  ASSERT_EQ(sqlite3_step(insert), SQLITE_DONE);
  sqlite3_finalize(insert);
  sqlite3_close(db);

  const MbTilesReader reader(file);
  ASSERT_TRUE(reader.isOpen());
  EXPECT_EQ(reader.Tile({3, 2, 1}), png);  // row 6 from the south is row 1 from the north
  EXPECT_TRUE(reader.Tile({3, 2, 6}).isEmpty());
  EXPECT_FALSE(MbTilesReader(dir.filePath(QStringLiteral("missing.mbtiles")).toStdString()).isOpen());
}

// A tile server on 127.0.0.1 that answers every request with one tile and keeps the
// requests' headers.
class TileServer : public QObject {
 public:
  TileServer() {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
      }
    });
  }
  // The address is this server's alone: tiles another test's server left in the shared
  // disk cache under a port that is ours now are not ours.
  QString Template() const {
    return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png?server=%2").arg(server_.serverPort()).arg(id_);
  }
  QList<QByteArray> requests;

 private:
  void Answer(QTcpSocket* socket) {
    const QByteArray request = socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    requests << request;
    const QByteArray body = PngTile(Qt::blue);
    socket->write(
        "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nCache-Control: max-age=86400\r\nContent-Length: " +
        QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
  }
  QTcpServer server_;
  QString id_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
};

QByteArray Header(const QByteArray& request, const QByteArray& name) {
  for (const QByteArray& line : request.split('\n')) {
    if (line.toLower().startsWith(name.toLower() + ":")) return line.mid(name.size() + 1).trimmed();
  }
  return {};
}

TEST(MapTiles, TileRequestsNameTheViewerAndCarryAValidReferer) {
  TileServer server;
  MapScheme().SetTileSource(map::ReadTileSource(server.Template().toStdString()));
  CWebBrowser20 browser;
  ASSERT_TRUE(LoadPage(browser));
  EXPECT_GE(LoadedTiles(browser), 4);
  ASSERT_FALSE(server.requests.isEmpty());
  for (const QByteArray& request : server.requests) {
    EXPECT_TRUE(request.startsWith("GET /15/")) << request.left(40).toStdString();
    EXPECT_EQ(Header(request, "User-Agent").toStdString(), map::TileUserAgent());
    EXPECT_EQ(Header(request, "Referer").toStdString(), map::TileReferer("http"));
  }
  const QString credits =
      test::RunScript(browser.page(),
                      QStringLiteral("document.querySelector('.leaflet-control-attribution').textContent"))
          .toString();
  EXPECT_TRUE(credits.contains(QStringLiteral("127.0.0.1"))) << credits.toStdString();
}

TEST(MapTiles, TheProfileKeepsTilesOnDiskUnderTheCacheFolder) {
  QWebEngineProfile* profile = MapProfile();
  EXPECT_FALSE(profile->isOffTheRecord());
  EXPECT_EQ(profile->httpCacheType(), QWebEngineProfile::DiskHttpCache);
  EXPECT_TRUE(profile->cachePath().endsWith(QStringLiteral("/map"))) << profile->cachePath().toStdString();
}

}  // namespace
}  // namespace direvovu::gui
