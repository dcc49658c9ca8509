#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "core/sdcard/card_download.h"
#include "core/sdcard/card_health.h"
#include "core/sdcard/card_walk.h"
#include "core/sdcard/sd_download_rules.h"
#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"
#include "platform/drive_format.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace direvovu::gui {

class CFileCopy;
class CXGroupBox;

// What the main window hands the download dialog at each opening.
struct SdDownloadContext {
  WorkingFolders folders{""};
  char cardLetter = 0;               // the main window's card, 0 when none is known
  DriveList drives;                  // the drive table now
  bool played = false;               // a recording has played since the viewer started
  CardWorkTables* tables = nullptr;  // the main window's work tables
};

// The SD download dialog: lists the card's recordings by kind with check boxes, copies
// the checked ones (CFileCopy), hands them to the play list, and formats the card.
// What it does to the play list is read by the caller after it closed.
class CSDDownLoad : public QDialog {
  Q_OBJECT

 public:
  // Runs the copy dialog; by default modally.
  using CopyRunner = std::function<void(CFileCopy&)>;

  CSDDownLoad(SdDownloadContext context, IPrompts& prompts, platform::IDriveFormatter& formatter,
              QWidget* parent = nullptr);

  void SetCopyRunner(CopyRunner runner) { copy_runner_ = std::move(runner); }
  // Replaces the copy's free-space query (tests).
  void SetFreeSpaceQuery(std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> query) {
    free_space_ = std::move(query);
  }

  // --- the controls' commands ---
  void WalkSdCard(int kind);
  // Lists only the rows the card check marked (or all rows again).
  void ShowOnlyMarked(bool only);
  void BrowseLocation();
  void BrowseDownloadFolder();
  void SelectAll();
  void DeselectAll();
  void Reverse();
  void FormatCommand();
  // Unmounts the drive chosen in the format list and powers it off.
  void EjectCommand();
  void DownloadCommand();

  // --- after the dialog closed ---
  [[nodiscard]] const std::optional<PlaylistChange>& playlistChange() const { return playlist_change_; }
  [[nodiscard]] bool startPlayback() const { return start_playback_; }
  [[nodiscard]] const std::optional<DownloadSummary>& copySummary() const { return copy_summary_; }

  // --- state, for tests ---
  [[nodiscard]] QTreeWidget* list() const { return list_; }
  [[nodiscard]] QComboBox* kindList() const { return kind_; }
  [[nodiscard]] QComboBox* formatList() const { return format_list_; }
  [[nodiscard]] QLineEdit* locationEdit() const { return location_; }
  [[nodiscard]] QLineEdit* folderEdit() const { return folder_; }
  [[nodiscard]] QRadioButton* radio(int group, int index) const;  // group 0 download, 1 copy to list
  [[nodiscard]] CXGroupBox* formatGroup() const { return format_group_; }
  [[nodiscard]] QPushButton* downloadButton() const { return download_; }
  [[nodiscard]] QPushButton* ejectButton() const { return eject_; }
  [[nodiscard]] char cardLetter() const { return card_letter_; }
  [[nodiscard]] int firstRemovable() const { return first_removable_; }
  [[nodiscard]] const std::vector<CardRow>& rows() const { return rows_; }
  [[nodiscard]] const std::vector<CardMark>& marks() const { return marks_; }
  [[nodiscard]] QCheckBox* onlyMarkedBox() const { return only_marked_; }
  [[nodiscard]] std::vector<bool> checkedRows() const;

 private:
  // sd_download_layout.cpp
  void BuildControls();
  void BuildPathRows();
  void BuildGroups();
  void BuildList();
  void BuildButtons();
  void FillFormatList();
  void ConnectControls();

  void SetAllChecks(const std::function<bool(bool)>& change);
  [[nodiscard]] SdDownloadSettings CurrentChoices() const;
  void RunCopy(const std::vector<std::filesystem::path>& checked);
  void FormatDrive(const Drive& drive);

  SdDownloadContext context_;
  IPrompts& prompts_;
  platform::IDriveFormatter& formatter_;
  CardWorkTables own_tables_;
  CopyRunner copy_runner_;
  std::function<std::optional<std::uintmax_t>(const std::filesystem::path&)> free_space_;

  char card_letter_ = 0;
  int first_removable_ = -1;
  DriveList format_drives_;
  std::vector<CardRow> rows_;
  std::vector<CardMark> marks_;
  std::optional<PlaylistChange> playlist_change_;
  bool start_playback_ = false;
  std::optional<DownloadSummary> copy_summary_;

  QLineEdit* location_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QPushButton* browse_location_ = nullptr;
  QPushButton* browse_folder_ = nullptr;
  QComboBox* kind_ = nullptr;
  QButtonGroup* download_radios_ = nullptr;
  QButtonGroup* copy_radios_ = nullptr;
  CXGroupBox* format_group_ = nullptr;
  QComboBox* format_list_ = nullptr;
  QPushButton* format_ = nullptr;
  QPushButton* eject_ = nullptr;
  QPushButton* select_all_ = nullptr;
  QPushButton* deselect_all_ = nullptr;
  QPushButton* reverse_ = nullptr;
  QCheckBox* only_marked_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QPushButton* download_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
