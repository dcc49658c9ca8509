#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace direvovu::gui {

// Every web request of the map's profile names the viewer (User-Agent) and carries a
// Referer that is an http(s) origin: the tile servers refuse anonymous requests, and
// Debian's Leaflet cannot set a referrer policy itself.
class TileRequestInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

}  // namespace direvovu::gui
