#pragma once

#include <QDialog>

#include "core/reports/firmware_version.h"
#include "core/sdcard/drive.h"

class QLabel;
class QPushButton;

namespace direvovu::gui {

// What the main window hands the program information at each opening.
struct ProgramInfoContext {
  char cardLetter = 0;  // the main window's card, 0 when none is known
  DriveList drives;     // the drive table now
  // Marks ver.txt hidden once read; the card's own attribute by default.
  reports::SetHiddenFn setHidden;
};

// The program information: the viewer's version, the firmware version of the card's
// camera, and the notice of the software and map data the viewer is built on.
class CProgramInfo : public QDialog {
  Q_OBJECT

 public:
  explicit CProgramInfo(ProgramInfoContext context, QWidget* parent = nullptr);

  // --- state, for tests ---
  [[nodiscard]] QLabel* captionLabel() const { return caption_; }
  [[nodiscard]] QLabel* viewerVersionLabel() const { return viewer_version_; }
  [[nodiscard]] QLabel* firmwareLabel() const { return firmware_; }
  [[nodiscard]] QLabel* noticeLabel() const { return notice_; }
  [[nodiscard]] QPushButton* okButton() const { return ok_; }

 private:
  void BuildControls();
  [[nodiscard]] QString FirmwareLineOfCard() const;

  ProgramInfoContext context_;
  QLabel* caption_ = nullptr;
  QLabel* viewer_version_ = nullptr;
  QLabel* firmware_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace direvovu::gui
