#include "map_test_support.h"

#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>

#include <cmath>
#include <numbers>

#include "gui/map/map_dlg.h"

namespace direvovu::test {

QVariant RunScript(QWebEnginePage* page, const QString& script, int timeout_ms) {
  if (page == nullptr) return {};
  QVariant result;
  bool done = false;
  QEventLoop loop;
  page->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    done = true;
    loop.quit();
  });
  if (!done) {
    QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return result;
}

PageDrawing ReadDrawing(QWebEnginePage* page) {
  const QString script = QStringLiteral(R"((function () {
    var o = { markers: [], circles: [], lines: [], inView: true };
    var bounds = map.getBounds();
    overlay.eachLayer(function (l) {
      if (l instanceof L.Marker) {
        o.markers.push([l.getLatLng().lat, l.getLatLng().lng]);
        if (!bounds.contains(l.getLatLng())) o.inView = false;
      } else if (l instanceof L.CircleMarker) {
        o.circles.push([l.getLatLng().lat, l.getLatLng().lng]);
      } else if (l instanceof L.Polyline) {
        o.lines.push(l.getLatLngs().length);
      }
    });
    var c = map.getCenter();
    o.centre = [c.lat, c.lng];
    o.zoom = map.getZoom();
    o.tiles = document.querySelectorAll('img.leaflet-tile-loaded').length;
    return JSON.stringify(o);
  })())");
  const QJsonObject o = QJsonDocument::fromJson(RunScript(page, script).toString().toUtf8()).object();
  PageDrawing drawing;
  if (o.isEmpty()) return drawing;
  for (const auto& m : o[QStringLiteral("markers")].toArray()) {
    drawing.markers.emplace_back(m.toArray()[0].toDouble(), m.toArray()[1].toDouble());
  }
  for (const auto& m : o[QStringLiteral("circles")].toArray()) {
    drawing.circles.emplace_back(m.toArray()[0].toDouble(), m.toArray()[1].toDouble());
  }
  for (const auto& l : o[QStringLiteral("lines")].toArray()) drawing.lines.push_back(l.toInt());
  drawing.centre_lat = o[QStringLiteral("centre")].toArray()[0].toDouble();
  drawing.centre_lon = o[QStringLiteral("centre")].toArray()[1].toDouble();
  drawing.zoom = o[QStringLiteral("zoom")].toInt();
  drawing.loaded_tiles = o[QStringLiteral("tiles")].toInt();
  drawing.all_markers_in_view = o[QStringLiteral("inView")].toBool();
  drawing.valid = true;
  return drawing;
}

bool WaitForPage(gui::CMapDlg& window, int timeout_ms) {
  QSignalSpy ready(&window, &gui::CMapDlg::pageReady);
  if (!ready.wait(timeout_ms)) return false;
  return ready.first().first().toBool();
}

std::pair<int, int> TileOf(int zoom, double latitude, double longitude) {
  const double n = std::pow(2.0, zoom);
  const double lat = latitude * std::numbers::pi / 180;
  const int x = static_cast<int>(std::floor((longitude + 180) / 360 * n));
  const int y = static_cast<int>(std::floor((1 - std::asinh(std::tan(lat)) / std::numbers::pi) / 2 * n));
  return {x, y};
}

namespace {

// Streets every 96 world pixels (a main road every fourth) and a river, drawn in world
// pixels so they run on across tile edges.
QImage StreetTile(int x, int y) {
  QImage tile(256, 256, QImage::Format_RGB32);
  tile.fill(QColor(242, 239, 233));
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  const int left = x * 256;
  const int top = y * 256;
  p.setBrush(QColor(205, 235, 176));
  p.setPen(Qt::NoPen);
  for (int gx = (left / 96) * 96; gx < left + 256 + 96; gx += 96) {
    for (int gy = (top / 96) * 96; gy < top + 256 + 96; gy += 96) {
      if (((gx / 96) * 7 + (gy / 96) * 3) % 11 == 0) p.drawRect(gx - left + 8, gy - top + 8, 80, 80);
    }
  }
  for (int g = (left / 96) * 96; g < left + 256 + 96; g += 96) {
    const bool main = (g / 96) % 4 == 0;
    p.setPen(QPen(main ? QColor(248, 214, 150) : Qt::white, main ? 10 : 6));
    p.drawLine(g - left, 0, g - left, 256);
  }
  for (int g = (top / 96) * 96; g < top + 256 + 96; g += 96) {
    const bool main = (g / 96) % 4 == 0;
    p.setPen(QPen(main ? QColor(248, 214, 150) : Qt::white, main ? 10 : 6));
    p.drawLine(0, g - top, 256, g - top);
  }
  p.setPen(QPen(QColor(170, 211, 223), 22));
  QPainterPath river;
  for (int px = -8; px <= 264; px += 8) {
    const double wx = left + px;
    const double wy = 0.35 * wx + 140 * std::sin(wx / 300.0);
    const double local = std::fmod(wy, 2048.0) - (top % 2048);
    px == -8 ? river.moveTo(px, local) : river.lineTo(px, local);
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(river);
  return tile;
}

}  // namespace

int WriteTileFolder(const std::filesystem::path& folder, int zoom, double latitude, double longitude,
                    int radius) {
  const auto [cx, cy] = TileOf(zoom, latitude, longitude);
  int written = 0;
  for (int x = cx - radius; x <= cx + radius; ++x) {
    const QString column =
        QString::fromStdString((folder / std::to_string(zoom) / std::to_string(x)).string());
    QDir().mkpath(column);
    for (int y = cy - radius; y <= cy + radius; ++y) {
      if (StreetTile(x, y).save(column + QStringLiteral("/%1.png").arg(y), "PNG")) ++written;
    }
  }
  return written;
}

}  // namespace direvovu::test
