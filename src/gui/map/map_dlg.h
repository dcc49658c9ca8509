#pragma once

#include <QDialog>
#include <QImage>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "core/map/tile_source.h"
#include "core/recording/track_state.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"
#include "gui/controls/picture_print.h"
#include "gui/map/web_page.h"

class QPushButton;

namespace direvovu::gui {

class CWebBrowser20;

// The map window: the map page beside the player, with Refresh, Map Capture and Print
// Screen below it. Closing only hides it, so its page and what the page drew survive.
// While there is no connection (and the tiles come from the network) it shows a fixed
// picture instead of the page.
class CMapDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kBrowserId = 1135;
  static constexpr int kRefreshId = 1153;
  static constexpr int kCaptureId = 1185;
  static constexpr int kPrintId = 1013;

  CMapDlg(WorkingFolders folders, IPrompts& prompts, QWidget* parent = nullptr);

  // The map button opened the window: it shows once its page has loaded.
  void SetOpen(bool open) { open_ = open; }
  // Opened by the map button and not closed by OK or Cancel since.
  [[nodiscard]] bool isOpen() const { return open_; }

  // Loads the page of the current language at its default centre, with the tile source
  // of the settings as they are now.
  void ShowMapPage();
  // The track's current position to the page: a growing route while `mark_route`, else
  // a point. False when no call was made (no position, or the page is not attached).
  bool SetMapPoint(const TrackState& track, bool mark_route);
  bool ClearMapOverlay();
  void SetBrowserVisible(bool visible);
  void ShowOfflinePicture();
  void RefreshTexts();
  // The page's tiles need no network: the offline picture is never needed.
  [[nodiscard]] bool WorksOffline() const;

  // The map area into a BMP named by the local time in the capture folder; message 17
  // names it. The file, or nothing when it could not be written.
  std::optional<std::filesystem::path> CaptureMap();
  // The map area through the print procedure; its temporary picture is removed on
  // every path.
  PrintOutcome PrintMap(const PrintTarget& target);

  [[nodiscard]] CWebBrowser20* browser() const { return browser_; }
  [[nodiscard]] CWebPage& page() { return page_; }
  [[nodiscard]] QPushButton* button(int id) const;
  [[nodiscard]] bool offline() const { return offline_; }
  // The area the page shows, as the window would capture it.
  [[nodiscard]] QImage MapAreaPicture();

 signals:
  // A page finished loading (before its script bridge is attached).
  void pageLoaded();
  // The page loaded and its script bridge is attached (or failed to be).
  void pageReady(bool ok);

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void CentreOnScreen();
  void DocumentComplete(bool ok);
  void AttachFinished(bool ok);
  void PageFailed();
  void ApplyTileSetting();

  bool open_ = false;
  WorkingFolders folders_;
  IPrompts& prompts_;
  CWebBrowser20* browser_ = nullptr;
  CWebPage page_;
  std::map<int, QPushButton*> buttons_;
  bool offline_ = false;
  bool failure_shown_ = false;  // message 31 once per run of failed loads
  std::string last_warning_;
  map::TileSource tiles_;
};

}  // namespace direvovu::gui
