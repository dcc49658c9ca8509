#include "gui/map/tile_request_interceptor.h"

#include "core/map/tile_source.h"

namespace direvovu::gui {

void TileRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return;
  info.setHttpHeader("User-Agent", QByteArray::fromStdString(map::TileUserAgent()));
  info.setHttpHeader("Referer", QByteArray::fromStdString(map::TileReferer(scheme.toStdString())));
}

}  // namespace direvovu::gui
