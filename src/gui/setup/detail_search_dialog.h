#pragma once

#include <QDialog>

#include <filesystem>
#include <vector>

#include "core/civil_time.h"
#include "core/sdcard/card_tables.h"
#include "core/sdcard/drive.h"
#include "core/settings/viewer_settings.h"
#include "core/setup/detail_search.h"
#include "gui/controls/prompts.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace direvovu::gui {

// What the detail search works over: the viewer's settings, the card's root when a card
// is known, the drives (for the drive-root rule), the main window's work tables and today.
struct DetailSearchContext {
  WorkingFolders folders{""};
  std::filesystem::path card_root;
  DriveList drives;
  CardWorkTables* tables = nullptr;
  CivilTime today;
};

// The detail search: the front recordings of a folder tree in a date and time range.
// Ok searches; when anything is taken the dialog closes with the paths for the play
// list, otherwise message 24 and it stays. The range is written in every case.
class CDetailSearch : public QDialog {
  Q_OBJECT

 public:
  CDetailSearch(DetailSearchContext context, IPrompts& prompts, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* folderBox() const { return folder_; }
  [[nodiscard]] QPushButton* openButton() const { return open_; }
  [[nodiscard]] QCheckBox* startCheck() const { return start_check_; }
  [[nodiscard]] QCheckBox* endCheck() const { return end_check_; }
  [[nodiscard]] QDateEdit* startDate() const { return start_date_; }
  [[nodiscard]] QTimeEdit* startTime() const { return start_time_; }
  [[nodiscard]] QDateEdit* endDate() const { return end_date_; }
  [[nodiscard]] QTimeEdit* endTime() const { return end_time_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

  // The recordings the search took, in play-list order (after Ok closed the dialog).
  [[nodiscard]] const std::vector<std::filesystem::path>& taken() const { return taken_; }
  // The range as the controls hold it.
  [[nodiscard]] SearchRange Range() const;

 private:
  void BuildControls();
  void BuildLayout();
  void OnOpen();
  void OnOk();

  DetailSearchContext context_;
  IPrompts& prompts_;
  std::vector<std::filesystem::path> taken_;

  QLineEdit* folder_ = nullptr;
  QPushButton* open_ = nullptr;
  QCheckBox* start_check_ = nullptr;
  QCheckBox* end_check_ = nullptr;
  QDateEdit* start_date_ = nullptr;
  QTimeEdit* start_time_ = nullptr;
  QDateEdit* end_date_ = nullptr;
  QTimeEdit* end_time_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
