#pragma once

#include <QDialog>

#include "core/sdcard/drive.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace direvovu::gui {

// The drive chooser: every removable drive B..Z in a list; OK picks the selected one.
class CSDDrive : public QDialog {
  Q_OBJECT

 public:
  // `drives` defaults to the machine's drive table.
  explicit CSDDrive(QWidget* parent = nullptr);
  CSDDrive(const DriveList& drives, QWidget* parent);

  // The chosen drive letter after OK, or "0" when OK found nothing selected.
  [[nodiscard]] QString chosenValue() const { return chosen_; }
  [[nodiscard]] char chosenLetter() const;

  [[nodiscard]] QComboBox* driveList() const { return list_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

 private:
  void Build(const DriveList& drives);
  void OnOk();

  QLabel* text_ = nullptr;
  QComboBox* list_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QString chosen_;
};

}  // namespace direvovu::gui
