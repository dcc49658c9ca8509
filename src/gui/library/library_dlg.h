#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/library/library_db.h"
#include "core/library/library_query.h"
#include "core/library/library_scan.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"
#include "gui/library/library_map_view.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace direvovu::gui {

class LibraryScanner;
class LibraryTimeline;

// The library window: every indexed recording on one map (a route per recording,
// coloured by kind, harsh moments as markers), a day-by-day timeline, filters by date,
// kind and place (a click on the map and a radius), and the lists of what the filters
// keep. Choosing a route, a moment, a timeline span or a row asks the main window to
// play that pair from that second. Its rules are in core/library.
//
// library_dlg.cpp: building, filters, scans; library_dlg_views.cpp: the map, the lists
// and the timeline filled from the index.
class CLibraryDlg : public QDialog {
  Q_OBJECT

 public:
  // Radii the place filter offers, in metres.
  static constexpr std::array<int, 5> kRadii{100, 250, 500, 1000, 5000};

  // The map may be null (the window then shows no map).
  CLibraryDlg(WorkingFolders folders, IPrompts& prompts, std::filesystem::path libraryFile,
              std::unique_ptr<LibraryMapView> map, QWidget* parent = nullptr);
  ~CLibraryDlg() override;
  CLibraryDlg(const CLibraryDlg&) = delete;
  CLibraryDlg& operator=(const CLibraryDlg&) = delete;

  // Opens the library file (a damaged one is moved aside and told) and shows what it
  // holds; false with the reason told when it cannot be used.
  bool OpenLibrary();
  // Reads the index again with the filters and redraws every view.
  void Reload();
  // The index changed (a scan, a download): the dates span all of it again, then Reload.
  void IndexChanged();
  // Scans the folders the settings remember; AddFolder remembers one more and scans it.
  void ScanRemembered();
  void AddFolder(const std::filesystem::path& folder);
  // The place filter: a point and a radius from kRadii (metres); none clears it.
  void SetPlace(std::optional<std::pair<double, double>> place);
  void RefreshTexts();

  // Choosing: asks for the pair to play from that second.
  void ChooseRecording(std::int64_t id, int second);
  void ChooseRecordingRow(int row);
  void ChooseMomentRow(int row);

  // For the tests and the main window.
  [[nodiscard]] QTreeWidget* recordingList() const { return recordings_; }
  [[nodiscard]] QTreeWidget* momentList() const { return moments_; }
  [[nodiscard]] LibraryTimeline* timeline() const { return timeline_; }
  [[nodiscard]] LibraryMapView* map() const { return map_.get(); }
  [[nodiscard]] QComboBox* kindFilter() const { return kind_; }
  [[nodiscard]] QComboBox* radiusFilter() const { return radius_; }
  [[nodiscard]] QDateEdit* fromFilter() const { return from_; }
  [[nodiscard]] QDateEdit* toFilter() const { return to_; }
  [[nodiscard]] LibraryScanner& scanner() const { return *scanner_; }
  [[nodiscard]] const std::vector<library::FoundRecording>& shown() const { return shown_; }
  [[nodiscard]] const std::vector<library::FoundMoment>& shownMoments() const { return shown_moments_; }
  [[nodiscard]] QString statusText() const;

 signals:
  void playRequested(const QByteArray& front, int second);  // the path's bytes, whatever their encoding
  // The map page drew what the last reload found (routes and moments).
  void mapDrawn();
  void scanFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // library_dlg.cpp
  void BuildControls();
  void ConnectControls();
  [[nodiscard]] library::RecordingFilter Filter() const;
  void StartScan(std::vector<std::filesystem::path> paths);
  void ScanEnded(const library::ScanCounts& counts, const QString& error);
  void SetDateRange();

  // library_dlg_views.cpp
  void DrawMap();
  void Picked(const std::string& text);
  void FillRecordings();
  void FillMoments();
  void FillTimeline();
  [[nodiscard]] QString KindText(int kind) const;

  WorkingFolders folders_;
  IPrompts& prompts_;
  std::filesystem::path library_file_;
  std::unique_ptr<library::LibraryDb> library_;
  std::unique_ptr<LibraryScanner> scanner_;

  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* radius_ = nullptr;
  QLabel* place_label_ = nullptr;
  QPushButton* anywhere_ = nullptr;
  QPushButton* add_folder_ = nullptr;
  QPushButton* scan_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* from_label_ = nullptr;
  QLabel* to_label_ = nullptr;
  QLabel* kind_label_ = nullptr;
  QLabel* place_title_ = nullptr;
  std::unique_ptr<LibraryMapView> map_;
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* recordings_ = nullptr;
  QTreeWidget* moments_ = nullptr;
  LibraryTimeline* timeline_ = nullptr;

  std::optional<std::pair<double, double>> place_;
  std::vector<library::FoundRecording> shown_;
  std::vector<library::FoundMoment> shown_moments_;
  std::map<std::int64_t, std::vector<library::TrackPoint>> points_;
  bool points_read_ = false;  // points_ holds the index's tracks since it last changed
  bool dates_set_ = false;
  QString last_scan_text_;
};

}  // namespace direvovu::gui
