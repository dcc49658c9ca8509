#pragma once

#include <QDialog>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>

#include "core/civil_time.h"
#include "core/sdcard/drive.h"
#include "core/setup/camera_setup.h"
#include "gui/controls/prompts.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace direvovu::gui {

// What the camera setup opens over: the card the main window knows (0 for none), the
// drives, the PC's offset west of UTC and the clock (tests hand fixed ones).
struct UserSetupContext {
  char card_letter = 0;
  DriveList drives;
  std::optional<long> pc_seconds_west;
  std::function<CivilTime()> now = LocalNow;
  // The drive table as it is at a press of Open (a card may have come since).
  std::function<DriveList()> drives_now;
};

// The black box setup: the camera's settings read from the card's Setup/setup.ini, the
// PC's clock, Save (setup.ini) and Save Time (date.txt) after the card check.
class CUserSetup : public QDialog {
  Q_OBJECT

 public:
  // The radio pairs, each an independent Off/On (or 25 %/50 %, fast/manual) choice.
  enum Pair { kImpactType, kEncryption, kMute, kBuzzer, kMirror, kParking, kPairCount };

  CUserSetup(UserSetupContext context, IPrompts& prompts, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* folderBox() const { return folder_; }
  [[nodiscard]] QLineEdit* driverBox() const { return driver_; }
  [[nodiscard]] QLineEdit* carNumberBox() const { return car_no_; }
  [[nodiscard]] QListWidget* sensitivityList() const { return sensitivity_; }
  [[nodiscard]] QComboBox* thresholdList(int axis) const { return threshold_[axis]; }
  [[nodiscard]] QComboBox* cutOffList() const { return cutoff_; }
  [[nodiscard]] QComboBox* frameRateList() const { return fps_; }
  [[nodiscard]] QComboBox* timeZoneList() const { return time_zone_; }
  [[nodiscard]] QRadioButton* radio(Pair pair, int value) const { return radios_[pair][value]; }
  [[nodiscard]] QLineEdit* clockBox() const { return clock_; }
  [[nodiscard]] QPushButton* openButton() const { return open_; }
  [[nodiscard]] QPushButton* saveTimeButton() const { return save_time_; }
  [[nodiscard]] QPushButton* saveButton() const { return save_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
  [[nodiscard]] bool clockRunning() const { return clock_timer_.isActive(); }

  // Points the dialog at another card (what Open does after the drive chooser); the
  // values shown stay those read at opening.
  void setDrive(char letter);
  // The form as the controls hold it.
  [[nodiscard]] CameraSetupForm Taken() const;

 protected:
  void done(int result) override;

 private:
  void BuildControls();
  void BuildLists();
  void BuildLayout();
  QWidget* BuildImpactGroup();
  QWidget* BuildOptionsGroup();
  void Show(const CameraSetupForm& form);
  void ShowClock();
  void OnOpen();
  void OnSaveTime();
  void OnSave();

  UserSetupContext context_;
  IPrompts& prompts_;
  std::filesystem::path setup_folder_;
  std::filesystem::path drive_root_;
  QTimer clock_timer_;

  QLineEdit* folder_ = nullptr;
  QPushButton* open_ = nullptr;
  QLineEdit* driver_ = nullptr;
  QLineEdit* car_no_ = nullptr;
  QListWidget* sensitivity_ = nullptr;
  QComboBox* threshold_[3] = {};
  QComboBox* cutoff_ = nullptr;
  QComboBox* fps_ = nullptr;
  QRadioButton* radios_[kPairCount][2] = {};
  QLineEdit* clock_ = nullptr;
  QPushButton* save_time_ = nullptr;
  QComboBox* time_zone_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
