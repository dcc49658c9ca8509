#include "gui/map/web_engine.h"

#include <QDir>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineUrlScheme>

#include "core/map/map_page.h"
#include "core/map/tile_source.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/tile_request_interceptor.h"

static void LoadMapResources() { Q_INIT_RESOURCE(map_page); }

namespace direvovu::gui {
namespace {

QByteArray SchemeName() { return QByteArray::fromStdString(std::string(map::kPageScheme)); }

}  // namespace

void PrepareWebEngine() {
  LoadMapResources();
  if (QWebEngineUrlScheme::schemeByName(SchemeName()).name() == SchemeName()) return;
  QWebEngineUrlScheme scheme(SchemeName());
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Secure, so the page may load https tiles; local tiles come through the same scheme.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled |
                  QWebEngineUrlScheme::ContentSecurityPolicyIgnored);
  QWebEngineUrlScheme::registerScheme(scheme);
}

MapSchemeHandler& MapScheme() {
  static auto* handler = new MapSchemeHandler();
  return *handler;
}

QWebEngineProfile* MapProfile() {
  static QWebEngineProfile* profile = [] {
    auto* p = new QWebEngineProfile(QStringLiteral("direvovu-map"));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString folder = QDir(cache.isEmpty() ? QDir::tempPath() : cache).filePath(QStringLiteral("map"));
    QDir().mkpath(folder);
    p->setCachePath(folder);
    p->setPersistentStoragePath(folder + QStringLiteral("/storage"));
    p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    p->setHttpCacheMaximumSize(256 * 1024 * 1024);
    p->setHttpUserAgent(QString::fromStdString(map::TileUserAgent()));
    p->setUrlRequestInterceptor(new TileRequestInterceptor(p));
    p->installUrlSchemeHandler(SchemeName(), &MapScheme());
    return p;
  }();
  return profile;
}

}  // namespace direvovu::gui
