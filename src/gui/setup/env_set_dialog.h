#pragma once

#include <QDialog>

#include <functional>

#include "core/settings/viewer_settings.h"
#include "core/setup/viewer_setup.h"
#include "gui/controls/prompts.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace direvovu::gui {

// The viewer setup: the capture and decryption folders, the language, the speed unit
// and the map's marker. Save writes every key and has the main window apply them before
// message 16; Cancel writes nothing.
class CEnvSet : public QDialog {
  Q_OBJECT

 public:
  // Called after a save, before message 16, with whether the language changed.
  using ApplySettings = std::function<void(bool language_changed)>;

  CEnvSet(WorkingFolders folders, int volume, IPrompts& prompts, ApplySettings apply,
          QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* captureFolder() const { return capture_; }
  [[nodiscard]] QLineEdit* decryptionFolder() const { return decryption_; }
  [[nodiscard]] QPushButton* captureOpenButton() const { return capture_open_; }
  [[nodiscard]] QPushButton* decryptionOpenButton() const { return decryption_open_; }
  [[nodiscard]] QComboBox* languageList() const { return language_; }
  [[nodiscard]] QComboBox* intervalList() const { return interval_; }
  [[nodiscard]] QRadioButton* speedRadio(int unit) const { return speed_[unit]; }
  [[nodiscard]] QRadioButton* markerRadio(int on) const { return marker_[on]; }
  [[nodiscard]] QPushButton* saveButton() const { return save_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
  // The language selected when the dialog opened (the one in use).
  [[nodiscard]] int openedLanguage() const { return opened_language_; }

 private:
  void BuildControls();
  void BuildLayout();
  void Show(const ViewerSetupValues& values);
  [[nodiscard]] ViewerSetupValues Taken() const;
  void Browse(QLineEdit* field, MessageId prompt);
  void OnSave();

  WorkingFolders folders_;
  int volume_;
  IPrompts& prompts_;
  ApplySettings apply_;
  ViewerSetupValues opened_;
  int opened_language_ = kDefaultLanguage;

  QLineEdit* capture_ = nullptr;
  QLineEdit* decryption_ = nullptr;
  QPushButton* capture_open_ = nullptr;
  QPushButton* decryption_open_ = nullptr;
  QComboBox* language_ = nullptr;
  QRadioButton* speed_[2] = {};
  QRadioButton* marker_[2] = {};
  QComboBox* interval_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace direvovu::gui
