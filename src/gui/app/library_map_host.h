#pragma once

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/viewer_settings.h"
#include "gui/library/library_map_view.h"
#include "gui/map/web_page.h"

class QTimer;

namespace direvovu::gui {

class CWebBrowser20;

// The library window's map: the map page at the library's size, its calls made once the
// page is attached, and the user's clicks collected from the page a few times a second.
class LibraryMapHost : public QObject, public LibraryMapView {
  Q_OBJECT

 public:
  // How often the page is asked what the user clicked.
  static constexpr int kPickPollMs = 200;

  explicit LibraryMapHost(const WorkingFolders& folders);
  ~LibraryMapHost() override;
  LibraryMapHost(const LibraryMapHost&) = delete;
  LibraryMapHost& operator=(const LibraryMapHost&) = delete;

  [[nodiscard]] QWidget* Widget() override;
  void Run(std::vector<map::PageCall> calls, std::function<void()> done) override;
  void SetPickHandler(std::function<void(const std::string&)> handler) override;

  [[nodiscard]] CWebBrowser20* browser() const { return browser_; }

 private:
  void RunWaiting();
  void Poll();

  CWebBrowser20* browser_ = nullptr;  // owned by the window it is placed in
  CWebPage page_;
  QTimer* poll_ = nullptr;
  struct Waiting {
    std::vector<map::PageCall> calls;
    std::function<void()> done;
  };
  std::optional<Waiting> waiting_;
  std::function<void(const std::string&)> on_pick_;
};

}  // namespace direvovu::gui
