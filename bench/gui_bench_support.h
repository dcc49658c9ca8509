#pragma once
// What the benchmark programs of the windows share: waiting on the event loop, and a
// working root whose map needs nothing from the network.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/settings/viewer_settings.h"

namespace direvovu::bench {

// Runs the event loop until `done` holds; false when `limit_ms` passed first.
template <typename Done>
bool Await(Done done, int limit_ms = 60000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limit_ms) return false;
    QEventLoop loop;
    QTimer::singleShot(1, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

// What `script` gives in `page`, once the page has answered.
inline QVariant PageValue(QWebEnginePage* page, const QString& script) {
  QVariant value;
  bool answered = false;
  page->runJavaScript(script, [&](const QVariant& v) {
    value = v;
    answered = true;
  });
  Await([&] { return answered; });
  return value;
}

inline double Ms(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

// Ticks every 5 ms on the window's thread and keeps the longest gap between two ticks:
// the longest time the window answered nothing.
class StallWatch {
 public:
  StallWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      longest_ = std::max(longest_, Ms(since_));
      since_.restart();
    });
  }
  void Start() {
    longest_ = 0;
    since_.start();
    timer_.start(5);
  }
  [[nodiscard]] double Longest() const { return longest_; }

 private:
  QTimer timer_;
  QElapsedTimer since_;
  double longest_ = 0;
};

// The viewer's settings in `folders`: tiles from an empty local folder and no address
// service, so a run never reaches another machine.
inline void WriteOfflineMapSettings(const WorkingFolders& folders, int language) {
  const std::filesystem::path tiles = folders.root / "tiles";
  std::filesystem::create_directories(tiles);
  std::ofstream(folders.settings_file())
      << "[VIEWER_SETUP]\r\nLANGUAGE=" << language
      << "\r\nADDRESS_SERVICE_URL=\r\nMAP_TILE_URL=" << tiles.string() << "\r\n";
}

}  // namespace direvovu::bench
