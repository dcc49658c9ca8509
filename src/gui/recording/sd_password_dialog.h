#pragma once

#include <QDialog>
#include <filesystem>

#include "core/sdcard/drive.h"
#include "core/sdcard/sd_drive.h"
#include "gui/controls/prompts.h"

class QLineEdit;
class QPushButton;

namespace direvovu::gui {

// Sets the camera's password: checks the two boxes, proves the card writable, and
// writes Setup/passwd.bin on the chosen card.
class CInputSDPwd : public QDialog {
  Q_OBJECT

 public:
  // `card_letter` is the card the main window knows (0 for none); `drives` maps letters
  // to folders.
  CInputSDPwd(char card_letter, DriveList drives, IPrompts& prompts, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* pathBox() const { return path_; }
  [[nodiscard]] QLineEdit* passwordBox() const { return password_; }
  [[nodiscard]] QLineEdit* confirmationBox() const { return confirmation_; }
  [[nodiscard]] QPushButton* openButton() const { return open_; }
  [[nodiscard]] QPushButton* saveButton() const { return save_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

  // Points the dialog at another drive (what Open does after the drive chooser).
  void setDrive(char letter);

 private:
  void BuildLayout();
  void OnOpen();
  void OnSave();

  DriveList drives_;
  IPrompts& prompts_;
  std::filesystem::path card_root_;
  QLineEdit* path_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* confirmation_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
