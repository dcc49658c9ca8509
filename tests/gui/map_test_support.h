#pragma once

#include <QString>
#include <QVariant>

#include <filesystem>
#include <vector>

class QWebEnginePage;

namespace direvovu::gui {
class CMapDlg;
}

namespace direvovu::test {

// Runs a script in the page and waits for its value (an invalid QVariant after the wait).
QVariant RunScript(QWebEnginePage* page, const QString& script, int timeout_ms = 10000);

// What the page shows, read back from Leaflet itself.
struct PageDrawing {
  std::vector<std::pair<double, double>> markers;  // latitude, longitude of each marker
  std::vector<std::pair<double, double>> circles;  // start and end markers
  std::vector<int> lines;                          // points of each drawn line
  double centre_lat = 0;
  double centre_lon = 0;
  int zoom = 0;
  int loaded_tiles = 0;
  bool all_markers_in_view = false;
  bool valid = false;
};
PageDrawing ReadDrawing(QWebEnginePage* page);

// The window's page loaded and its bridge attached; false after the wait or a failure.
bool WaitForPage(gui::CMapDlg& window, int timeout_ms = 20000);

// Writes z/x/y.png tiles of a made-up street plan, `radius` tiles around the point on
// every side, into `folder`. Returns the number of tiles written.
int WriteTileFolder(const std::filesystem::path& folder, int zoom, double latitude, double longitude,
                    int radius);

// The tile holding a point at a zoom.
std::pair<int, int> TileOf(int zoom, double latitude, double longitude);

}  // namespace direvovu::test
