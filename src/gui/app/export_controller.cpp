#include "gui/app/export_controller.h"

#include <QString>
#include <QWidget>

#include <chrono>
#include <cmath>
#include <string_view>
#include <utility>

#include "core/recording/encrypted_recording.h"
#include "core/settings/texts.h"
#include "gui/app/pair_playback.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/export/export_dialog.h"

namespace direvovu::gui {
namespace {

// The password of a scrambled front is the one the load read from it and the user
// confirmed; a plain front has none, whatever an earlier pair left behind.
std::optional<std::string> PasswordOf(const std::filesystem::path& recording,
                                      const PasswordState& passwords) {
  if (!IsEncryptedRecording(recording)) return std::nullopt;
  const std::string_view password = SlotText(passwords.filePassword);
  if (password.empty()) return std::nullopt;
  return std::string(password);
}

}  // namespace

ExportController::ExportController(WorkingFolders folders, IPrompts& prompts, PairPlayback& playback,
                                   CBitmapSlider& slider, QWidget* window, ExportBackend backend)
    : folders_(std::move(folders)),
      prompts_(prompts),
      playback_(playback),
      slider_(slider),
      window_(window),
      backend_(std::move(backend)),
      worker_(this) {
  // Tests hand their own; the viewer exports with the real pipeline and sheet.
  if (!backend_.run) backend_ = ProductionExportBackend(folders_);
  connect(&playback_, &PairPlayback::stateChanged, this, [this](PlaybackState state) {
    if (state == PlaybackState::Loading) SetMarks({});
  });
}

ExportController::~ExportController() { Stop(); }

std::optional<ExportController::Target> ExportController::Loaded() const {
  const IChannelPlayer* leading = playback_.Leading();
  if (!playback_.loaded() || leading == nullptr || leading->GetLength() <= 0) return std::nullopt;
  return Target{playback_.recording(), static_cast<double>(leading->GetLength()) / 1000.0,
                PasswordOf(playback_.recording(), playback_.passwords())};
}

double ExportController::PositionSeconds() const {
  const IChannelPlayer* leading = playback_.Leading();
  return leading != nullptr ? static_cast<double>(leading->GetTime()) / 1000.0 : 0;
}

void ExportController::MarkIn() {
  if (const auto loaded = Loaded()) {
    marks_length_ = loaded->length;
    SetMarks(exporting::MarkIn(marks_, PositionSeconds(), loaded->length));
  }
}

void ExportController::MarkOut() {
  if (const auto loaded = Loaded()) {
    marks_length_ = loaded->length;
    SetMarks(exporting::MarkOut(marks_, PositionSeconds(), loaded->length));
  }
}

// The slider shows what the export would take: the span the marks make.
void ExportController::SetMarks(const exporting::SpanMarks& marks) {
  marks_ = marks;
  const std::optional<exporting::ExportSpan> span = exporting::MarkedSpan(marks_, marks_length_);
  if (!span) {
    slider_.SetMarkedRange(std::nullopt);
    return;
  }
  const int low = slider_.GetRangeMin();
  const double range = slider_.GetRangeMax() - low;
  const auto at = [&](double seconds) {
    return low + static_cast<int>(std::lround(seconds / marks_length_ * range));
  };
  slider_.SetMarkedRange(std::pair{at(span->from), at(span->to)});
}

void ExportController::OpenDialog() {
  if (dialog_ == nullptr) {
    if (!Loaded()) return;
    dialog_ = new CExportDialog(prompts_, window_);
    connect(dialog_, &CExportDialog::exportRequested, this, &ExportController::StartExport);
    connect(dialog_, &CExportDialog::cancelRequested, this, [this] { worker_.Cancel(); });
  }
  if (!worker_.running()) {
    if (const auto loaded = Loaded()) {
      target_ = *loaded;
      dialog_->Prepare({target_.recording, target_.length,
                        exporting::SpanToExport(marks_, PositionSeconds(), target_.length),
                        SettingFolder(folders_, FolderKind::Export)});
    } else if (!dialog_->isVisible()) {
      return;
    }
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void ExportController::StartExport(const ExportChoice& choice) {
  if (worker_.running()) return;
  // Where the next export goes by default; a settings file we may not write costs only that.
  [[maybe_unused]] const bool remembered = SaveSettingFolder(folders_, FolderKind::Export, choice.folder);
  media::IncidentRequest request;
  request.front = target_.recording;
  request.password = target_.password;
  request.span = choice.span;
  request.layout = choice.layout;
  request.overlay = choice.overlay;
  request.parent = choice.folder;
  request.language = CurrentLanguage();
  request.speed_unit = speed_unit_;
  dialog_->ShowStarted();
  worker_.Start(std::move(request), backend_,
                {[this](const media::IncidentProgress& progress) {
                   dialog_->ShowProgress(progress.fraction, progress.seconds_left);
                 },
                 [this](const media::IncidentOutcome& outcome) { Ended(outcome); }});
}

void ExportController::Ended(const media::IncidentOutcome& outcome) {
  switch (outcome.end) {
    case media::IncidentEnd::Done:
      dialog_->ShowDone(outcome.folder, outcome.fell_back_to_front);
      break;
    case media::IncidentEnd::Cancelled:
      dialog_->ShowCancelled();
      break;
    default:
      dialog_->ShowFailed(QString::fromStdString(outcome.message));
      break;
  }
}

void ExportController::RefreshTexts() {
  if (dialog_ != nullptr) dialog_->RefreshTexts();
}

void ExportController::Stop() {
  worker_.Stop(std::chrono::milliseconds(kCloseWaitMs));
  if (dialog_ != nullptr) dialog_->hide();
}

}  // namespace direvovu::gui
