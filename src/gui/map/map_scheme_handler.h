#pragma once

#include <QByteArray>
#include <QWebEngineUrlSchemeHandler>

#include <memory>

#include "core/map/tile_source.h"

namespace direvovu::gui {

class MbTilesReader;

// Answers the page's scheme: host "map" serves the page under each of its seven paths,
// its script and style, Leaflet, the outlines and the tile settings; host "tiles" serves
// the tiles of a local folder or MBTiles file. Runs on the GUI thread.
class MapSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  MapSchemeHandler();
  ~MapSchemeHandler() override;
  MapSchemeHandler(const MapSchemeHandler&) = delete;
  MapSchemeHandler& operator=(const MapSchemeHandler&) = delete;

  // The source the next page load uses.
  void SetTileSource(const map::TileSource& source);
  [[nodiscard]] const map::TileSource& tileSource() const { return source_; }

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  void ServePage(QWebEngineUrlRequestJob* job, const QString& path);
  void ServeTile(QWebEngineUrlRequestJob* job, const QString& path);
  [[nodiscard]] QByteArray TileSettingsScript() const;
  [[nodiscard]] QByteArray OutlinesScript();

  map::TileSource source_;
  std::unique_ptr<MbTilesReader> mbtiles_;
  QByteArray outlines_;
};

}  // namespace direvovu::gui
