#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/map/page_calls.h"

class QWidget;

namespace direvovu::gui {

// What the library window needs of its map: a widget to place, page calls to run and
// the user's picks. The map page lives with the map windows; the main window's side
// hands the library window one of these.
class LibraryMapView {
 public:
  LibraryMapView() = default;
  virtual ~LibraryMapView() = default;
  LibraryMapView(const LibraryMapView&) = delete;
  LibraryMapView& operator=(const LibraryMapView&) = delete;

  [[nodiscard]] virtual QWidget* Widget() = 0;
  // Runs the calls in order once the page is ready (now, or when it has loaded); `done`
  // after the last one answered. A newer Run replaces calls still waiting.
  virtual void Run(std::vector<map::PageCall> calls, std::function<void()> done) = 0;
  // Receives each pick the page reports (what library_pick returns, never empty).
  virtual void SetPickHandler(std::function<void(const std::string&)> handler) = 0;
};

}  // namespace direvovu::gui
