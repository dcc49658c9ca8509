#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/map/address_reply.h"
#include "core/map/driving_log.h"
#include "core/map/page_calls.h"
#include "core/map/route_tracing.h"
#include "core/map/trips.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/card_finder.h"
#include "gui/controls/picture_print.h"
#include "gui/controls/prompts.h"
#include "gui/map/web_page.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QTimer;
class QTreeWidget;

namespace direvovu::platform {
class AddressLookup;
}

namespace direvovu::gui {

class CBitmapSlider;
class CWebBrowser20;

// What the route window knows of its own showing.
struct RouteWindowFlags {
  bool open = false;         // shown by the route button, not yet closed
  bool reload_mark = false;  // the language changed while the window was closed
  bool ever_loaded = false;  // its page loaded once, so it may show while it reloads
};

// The route window: opens a camera driving log, lists its trips with their figures,
// draws the selected trip on the map page and replays it point by point with the date,
// time, position and street address of each point. Closing resets it and hides it;
// Escape only hides it.
class CRouter : public QDialog {
  Q_OBJECT

 public:
  // The page's script calls go through this; tests record them instead.
  using PageCaller = std::function<bool(const map::PageCall&)>;

  // `card` finds the camera's card when the first log is opened (its Setup folder).
  CRouter(WorkingFolders folders, ICardFinder& card, IPrompts& prompts, QWidget* parent = nullptr);
  ~CRouter() override;
  CRouter(const CRouter&) = delete;
  CRouter& operator=(const CRouter&) = delete;

  // The route button opened the window: it shows once its page has loaded.
  void SetOpen(bool open) { flags_.open = open; }
  // Shown by the route button and not closed since.
  [[nodiscard]] bool isOpen() const { return flags_.open; }
  // The language changed while the window was hidden: its texts and page wait for the
  // next showing.
  [[nodiscard]] bool reloadMarked() const { return flags_.reload_mark; }
  // Its page never loaded: it stays hidden until a load succeeds.
  [[nodiscard]] bool everLoaded() const { return flags_.ever_loaded; }

  // Loads the page of the current language at the route window's size.
  void ShowMapPage();
  // Texts, tips, unit labels and list headings of the current language; rows are kept.
  void RefreshLabels();
  // The viewer's language changed: texts of `language`, and its page once the window is
  // shown (at once when it is).
  void RetranslateTexts(int language);

  // Button 1009: the open dialog, then the log it names.
  void OpenDrivingLog();
  // Reads a log into the records and the trips (the list is filled, trip 1 selected).
  // True when it loaded or the file could not be opened (nothing changes then); false
  // when it is not a driving log (the records and the list are emptied).
  bool ParseDrivingLog(const std::filesystem::path& file);
  // The list's selected row becomes the selected trip, drawn 10 ms later.
  void SelectTrip();
  // What the one-shot timer does: start and end marks, the whole route, the figures.
  void DrawSelectedTrip();

  void StartTracing();
  void PauseTracing();
  void TracingTick();
  void SeekTrip(int position);
  void SetTracingSpeed(int index);
  void SetTimeSwitch(bool on);
  void SetMarkerSwitch(bool on);

  // The whole window into a BMP in the capture folder (message 17), or through the printer.
  std::optional<std::filesystem::path> CaptureWindow();
  PrintOutcome PrintWindow(const PrintTarget& target);
  QImage WindowPicture();
  // Button 1012: everything back to its state at creation, hidden.
  void CloseWindow();

  void SetPageCaller(PageCaller caller) { page_caller_ = std::move(caller); }

  // --- state, for the main window and tests ---
  [[nodiscard]] const std::vector<map::LogRecord>& records() const { return records_; }
  [[nodiscard]] const std::vector<map::TripSummary>& trips() const { return trips_; }
  [[nodiscard]] int selectedTrip() const { return selected_trip_; }
  [[nodiscard]] const map::TraceState& trace() const { return trace_; }
  [[nodiscard]] bool timerRunning() const;
  [[nodiscard]] const map::AddressLines& addressLines() const { return address_.lines; }
  [[nodiscard]] QAbstractButton* button(int id) const;
  [[nodiscard]] QLabel* label(int id) const;
  [[nodiscard]] QString labelText(int id) const;
  [[nodiscard]] QTreeWidget* tripList() const { return list_; }
  [[nodiscard]] QComboBox* speedList() const { return speed_list_; }
  [[nodiscard]] CBitmapSlider* slider() const { return slider_; }
  [[nodiscard]] CWebBrowser20* browser() const { return browser_; }
  [[nodiscard]] CWebPage& page() { return page_; }
  [[nodiscard]] platform::AddressLookup* addressLookup() const { return lookup_.get(); }
  [[nodiscard]] int language() const { return language_; }

 signals:
  // The page loaded.
  void pageLoaded();
  // The page's script bridge is attached, or failed to be.
  void pageReady(bool ok);
  // Close (button 1012) hid the window: the main window may play on.
  void closed();

 public slots:
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // router_dlg.cpp: controls, texts, colours, the page.
  void BuildControls();
  void BuildButtons();
  void BuildStatics();
  void BuildList();
  void BuildTracingControls();
  void ConnectControls();
  void CentreOnScreen();
  void ReadCardOwner();
  void DocumentComplete(bool ok);
  void AttachFinished(bool ok);
  void ShowOneOf(int shown, int hidden);
  bool CallPage(const map::PageCall& call);

  // router_dlg_trace.cpp: the log, the trips and the replay.
  [[nodiscard]] std::optional<std::filesystem::path> ChooseLogFile();
  void FillTripList();
  void ReleaseLog();
  void SendRoutePoint(int record, int kind, int progress);
  void TraceOne(const map::TraceOutcome& step, bool always);
  void EnterStopState();
  void ResetTracing(bool clear_page);
  void ShowTripInfo();
  void LookUpAddress(const map::LogRecord& record, bool always);
  void AddressAnswered(const map::AddressReply& reply);
  void RenewAddressLookup();
  [[nodiscard]] const map::TripSummary* SelectedTripSummary() const;

  RouteWindowFlags flags_;
  WorkingFolders folders_;
  ICardFinder& card_;
  IPrompts& prompts_;
  int language_;

  CWebBrowser20* browser_ = nullptr;
  CWebPage page_;
  PageCaller page_caller_;
  std::map<int, QAbstractButton*> buttons_;
  std::map<int, QLabel*> labels_;
  QTreeWidget* list_ = nullptr;
  QComboBox* speed_list_ = nullptr;
  CBitmapSlider* slider_ = nullptr;
  QTimer* draw_timer_ = nullptr;   // 256: draws the selected trip
  QTimer* trace_timer_ = nullptr;  // 512: one step of the replay
  std::unique_ptr<platform::AddressLookup> lookup_;

  std::vector<map::LogRecord> records_;
  std::vector<map::TripSummary> trips_;
  int selected_trip_ = -1;
  map::TraceState trace_;
  bool log_folder_chosen_ = false;
  bool busy_ = false;
  bool show_time_ = false;
  bool hide_marker_ = false;  // the marker switch, 0 at the start: the marker is shown

  // Texts of the current point and of the card's owner.
  map::AddressState address_;
  std::optional<map::LogRecord> unlooked_point_;  // sent, but the pace held its address back
  QString date_text_, time_text_, latitude_text_, longitude_text_;
  QString driver_name_, car_number_;

  std::optional<QPoint> drag_offset_;
};

}  // namespace direvovu::gui
