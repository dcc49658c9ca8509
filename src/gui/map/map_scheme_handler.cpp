#include "gui/map/map_scheme_handler.h"

#include <QBuffer>
#include <QFile>
#include <QUrl>
#include <QWebEngineUrlRequestJob>

#include "core/map/map_page.h"
#include "core/map/script_call.h"
#include "gui/map/mbtiles_reader.h"

namespace direvovu::gui {
namespace {

const QString kResourceRoot = QStringLiteral(":/direvovu_map");

QByteArray MimeOf(const QString& path) {
  if (path.endsWith(QLatin1String(".html"))) return "text/html";
  if (path.endsWith(QLatin1String(".js"))) return "text/javascript";
  if (path.endsWith(QLatin1String(".css"))) return "text/css";
  if (path.endsWith(QLatin1String(".png"))) return "image/png";
  if (path.endsWith(QLatin1String(".json"))) return "application/json";
  return "application/octet-stream";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the type, then the content
void Reply(QWebEngineUrlRequestJob* job, const QByteArray& mime, const QByteArray& data) {
  auto* buffer = new QBuffer(job);
  buffer->setData(data);
  job->reply(mime, buffer);
}

// Only files of the page's own resource folders; ".." never reaches outside them.
bool IsServedResource(const QString& path) {
  if (path.contains(QLatin1String(".."))) return false;
  return path.startsWith(QLatin1String("/map/")) || path.startsWith(QLatin1String("/leaflet/"));
}

}  // namespace

MapSchemeHandler::MapSchemeHandler() : source_(map::ReadTileSource({})) {}
MapSchemeHandler::~MapSchemeHandler() = default;

void MapSchemeHandler::SetTileSource(const map::TileSource& source) {
  source_ = source;
  mbtiles_.reset();
  if (source_.kind == map::TileKind::MbTiles) mbtiles_ = std::make_unique<MbTilesReader>(source_.local);
}

void MapSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QUrl url = job->requestUrl();
  const QString host = url.host();
  if (host == QLatin1String(map::kPageHost.data(), static_cast<int>(map::kPageHost.size()))) {
    ServePage(job, url.path());
  } else if (host == QLatin1String(map::kTileHost.data(), static_cast<int>(map::kTileHost.size()))) {
    ServeTile(job, url.path());
  } else {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
  }
}

void MapSchemeHandler::ServePage(QWebEngineUrlRequestJob* job, const QString& path) {
  if (map::LanguageOfPagePath(path.toStdString())) {
    QFile page(kResourceRoot + QStringLiteral("/map/map.html"));
    if (page.open(QIODevice::ReadOnly)) return Reply(job, "text/html", page.readAll());
  } else if (path == QLatin1String("/map/tiles.js")) {
    return Reply(job, "text/javascript", TileSettingsScript());
  } else if (path == QLatin1String("/map/outlines.js")) {
    return Reply(job, "text/javascript", OutlinesScript());
  } else if (IsServedResource(path)) {
    QFile file(kResourceRoot + path);
    if (file.open(QIODevice::ReadOnly)) return Reply(job, MimeOf(path), file.readAll());
  }
  job->fail(QWebEngineUrlRequestJob::UrlNotFound);
}

void MapSchemeHandler::ServeTile(QWebEngineUrlRequestJob* job, const QString& path) {
  const auto tile = map::ParseTilePath(path.toStdString());
  if (!tile) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
  QByteArray data;
  if (source_.kind == map::TileKind::Folder) {
    QFile file(QString::fromStdString(map::FolderTileFile(source_.local, *tile).string()));
    if (file.open(QIODevice::ReadOnly)) data = file.readAll();
  } else if (mbtiles_) {
    data = mbtiles_->Tile(*tile);
  }
  if (data.isEmpty()) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
  Reply(job, "image/png", data);
}

QByteArray MapSchemeHandler::TileSettingsScript() const {
  // Every value goes in as a string literal: the setting is the user's text.
  const std::string script =
      "window.direvovuTiles={url:" + map::ScriptStringLiteral(map::PageTileTemplate(source_)) +
      ",attribution:" + map::ScriptStringLiteral(source_.attribution) +
      ",maxZoom:" + std::to_string(map::kMaxTileZoom) + "};\n";
  return QByteArray::fromStdString(script);
}

QByteArray MapSchemeHandler::OutlinesScript() {
  if (outlines_.isEmpty()) {
    QFile file(kResourceRoot + QStringLiteral("/outlines/countries.json"));
    // Parsed as JSON by the page's engine, never run: it only assigns the one value.
    const QByteArray json = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("null");
    outlines_ = "window.direvovuOutlines=" + json + ";\n";
  }
  return outlines_;
}

}  // namespace direvovu::gui
