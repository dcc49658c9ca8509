#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>

#include "core/export/export_layout.h"
#include "core/export/export_span.h"
#include "gui/controls/prompts.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace direvovu::gui {

// What the window is opened over: the recording, where its span starts from and where
// incident folders go.
struct ExportDialogSetup {
  std::filesystem::path recording;  // the front recording, named in the window
  double length_seconds = 0;
  exporting::ExportSpan span;  // the marks, else around the play position
  std::filesystem::path folder;
};

// What the user asked to export.
struct ExportChoice {
  exporting::ExportSpan span;
  exporting::ExportLayout layout = exporting::kDefaultExportLayout;
  bool overlay = true;
  std::filesystem::path folder;
};

// The export of an incident: the span in seconds, the layout, the overlay and the folder,
// then the export's progress, the time left and how it ended. It starts nothing itself:
// Export asks for a span the recording has (anything else is refused here, naming the
// recording's length) and whoever runs the export reports back through the Show calls.
// It is not modal: playback goes on while it is open and while the export runs.
class CExportDialog : public QDialog {
  Q_OBJECT

 public:
  enum class State { Choosing, Exporting, Cancelling, Finished };

  explicit CExportDialog(IPrompts& prompts, QWidget* parent = nullptr);

  // The fields for a recording; the window goes back to choosing. Ignored while an export
  // runs.
  void Prepare(const ExportDialogSetup& setup);
  // The choice as the fields hold it.
  [[nodiscard]] ExportChoice Choice() const;
  // Texts of every control in the current language.
  void RefreshTexts();

  // What the export reports.
  void ShowStarted();
  void ShowProgress(double fraction, double seconds_left);
  void ShowDone(const std::filesystem::path& folder, bool front_only);
  void ShowCancelled();
  void ShowFailed(const QString& reason);

  [[nodiscard]] State state() const { return state_; }
  [[nodiscard]] const std::filesystem::path& recording() const { return setup_.recording; }
  [[nodiscard]] const std::filesystem::path& finishedFolder() const { return finished_folder_; }
  [[nodiscard]] QLabel* recordingLabel() const { return recording_; }
  [[nodiscard]] QDoubleSpinBox* fromBox() const { return from_; }
  [[nodiscard]] QDoubleSpinBox* toBox() const { return to_; }
  [[nodiscard]] QComboBox* layoutBox() const { return layout_; }
  [[nodiscard]] QCheckBox* overlayBox() const { return overlay_; }
  [[nodiscard]] QLineEdit* folderBox() const { return folder_; }
  [[nodiscard]] QPushButton* openButton() const { return open_; }
  [[nodiscard]] QLabel* statusLabel() const { return status_; }
  [[nodiscard]] QProgressBar* bar() const { return bar_; }
  [[nodiscard]] QLabel* timeLeftLabel() const { return time_left_; }
  [[nodiscard]] QPushButton* showButton() const { return show_; }
  [[nodiscard]] QPushButton* exportButton() const { return export_; }
  [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }
  [[nodiscard]] QPushButton* closeButton() const { return close_; }

 signals:
  // Export was pressed over a span the recording has.
  void exportRequested(const direvovu::gui::ExportChoice& choice);
  // Cancel was pressed, or the window closed, while the export ran.
  void cancelRequested();

 protected:
  // Escape and the close box while the export runs cancel it, as Cancel does.
  void reject() override;

 private:
  void BuildControls();
  void BuildLayout();
  void OnOpen();
  void OnExport();
  void OnCancel();
  void ShowFolder();
  void Enter(State state);
  void SetStatus(const QString& text, bool problem);
  void GrowToFit();
  [[nodiscard]] QString LengthText() const;

  IPrompts& prompts_;
  ExportDialogSetup setup_;
  State state_ = State::Choosing;
  std::filesystem::path finished_folder_;

  QLabel* recording_ = nullptr;
  QLabel* from_label_ = nullptr;
  QDoubleSpinBox* from_ = nullptr;
  QLabel* to_label_ = nullptr;
  QDoubleSpinBox* to_ = nullptr;
  QLabel* layout_label_ = nullptr;
  QComboBox* layout_ = nullptr;
  QCheckBox* overlay_ = nullptr;
  QLabel* folder_label_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QPushButton* open_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* time_left_ = nullptr;
  QPushButton* show_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace direvovu::gui
