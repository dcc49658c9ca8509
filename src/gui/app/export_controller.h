#pragma once

#include <QObject>

#include <filesystem>
#include <optional>
#include <string>

#include "core/export/span_marks.h"
#include "core/settings/speed_unit.h"
#include "core/settings/viewer_settings.h"
#include "gui/app/export_runner.h"
#include "gui/app/export_worker.h"
#include "gui/controls/prompts.h"

class QWidget;

namespace direvovu::gui {

class CBitmapSlider;
class CExportDialog;
class PairPlayback;
struct ExportChoice;

// The evidence export of the pair that plays: the span marked with I and O (shown on the
// seek slider, forgotten at each new load), the export window and the export itself on a
// worker of its own. The window names the recording it was opened over and exports that
// one, with the password the load accepted for it, whatever plays meanwhile.
class ExportController : public QObject {
  Q_OBJECT

 public:
  // How long the window's close waits for an export it cancelled.
  static constexpr int kCloseWaitMs = 10000;

  ExportController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback, CBitmapSlider& slider,
                   QWidget* window, ExportBackend backend = {});
  ~ExportController() override;
  ExportController(const ExportController&) = delete;
  ExportController& operator=(const ExportController&) = delete;

  // I and O: the span's start and end at the play position; nothing without a loaded pair.
  void MarkIn();
  void MarkOut();
  // The export window over the loaded pair, its span from the marks or around the play
  // position; nothing without a loaded pair. While an export runs, the window comes up as
  // it is.
  void OpenDialog();

  void SetSpeedUnit(SpeedUnit unit) { speed_unit_ = unit; }
  // Tests run their own export in place of the pipeline.
  void SetBackend(ExportBackend backend) { backend_ = std::move(backend); }
  // The window's texts again (after a language change).
  void RefreshTexts();
  // The main window closes: an export under way is cancelled and waited for, bounded.
  void Stop();

  [[nodiscard]] const exporting::SpanMarks& marks() const { return marks_; }
  [[nodiscard]] CExportDialog* dialog() const { return dialog_; }
  [[nodiscard]] bool exporting() const { return worker_.running(); }

 private:
  struct Target {
    std::filesystem::path recording;
    double length = 0;
    std::optional<std::string> password;
  };

  [[nodiscard]] std::optional<Target> Loaded() const;
  [[nodiscard]] double PositionSeconds() const;
  void SetMarks(const exporting::SpanMarks& marks);
  void StartExport(const ExportChoice& choice);
  void Ended(const media::IncidentOutcome& outcome);

  WorkingFolders folders_;
  IPrompts& prompts_;
  PairPlayback& playback_;
  CBitmapSlider& slider_;
  QWidget* window_;
  ExportBackend backend_;
  SpeedUnit speed_unit_ = SpeedUnit::Kmh;
  exporting::SpanMarks marks_;
  double marks_length_ = 0;  // the length the marks were set against
  Target target_;            // the recording the window was opened over
  CExportDialog* dialog_ = nullptr;
  ExportWorker worker_;
};

}  // namespace direvovu::gui
