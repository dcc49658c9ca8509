#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>

#include "core/civil_time.h"
#include "core/reports/event_report.h"
#include "core/sdcard/card_tables.h"
#include "core/sdcard/drive.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace direvovu::gui {

class CXGroupBox;

// What the main window hands the event report at each opening.
struct EventDlgContext {
  WorkingFolders folders{""};
  char cardLetter = 0;               // the main window's card, 0 when none is known
  DriveList drives;                  // the drive table now
  CardWorkTables* tables = nullptr;  // the main window's work tables
  std::function<CivilTime()> now;    // the moment of saving; the local time by default
};

// The event report: the events of the card's (or a chosen) event folder, one row each,
// counted by the axis that dominated them, and saved as a report file.
class CEventDlg : public QDialog {
  Q_OBJECT

 public:
  CEventDlg(EventDlgContext context, IPrompts& prompts, QWidget* parent = nullptr);

  // --- the controls' commands ---
  void SearchCommand();
  void SaveCommand();

  // --- state, for tests ---
  [[nodiscard]] const reports::EventList& events() const { return events_; }
  [[nodiscard]] const std::filesystem::path& eventFolder() const { return folder_; }
  [[nodiscard]] QLineEdit* folderEdit() const { return folder_edit_; }
  [[nodiscard]] QTreeWidget* list() const { return list_; }
  [[nodiscard]] QLabel* countLabel(int axis) const { return count_labels_[axis]; }
  [[nodiscard]] QPushButton* searchButton() const { return search_; }
  [[nodiscard]] QPushButton* saveButton() const { return save_; }
  [[nodiscard]] QPushButton* closeButton() const { return close_; }

 private:
  void BuildControls();
  void BuildList();
  void BuildTotals();
  void ReadFolder();
  void ShowCounts();

  EventDlgContext context_;
  IPrompts& prompts_;
  CardWorkTables own_tables_;
  std::filesystem::path folder_;
  reports::EventList events_;

  QLineEdit* folder_edit_ = nullptr;
  QTreeWidget* list_ = nullptr;
  CXGroupBox* totals_ = nullptr;
  QLabel* count_labels_[3] = {nullptr, nullptr, nullptr};
  QPushButton* search_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace direvovu::gui
