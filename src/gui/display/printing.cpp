#include "gui/display/printing.h"

#include <QImage>
#include <QPrinter>

#include <system_error>

#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

void RemoveFile(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::remove(file, error);
}

// Pauses a playing pair for the length of the object and plays on afterwards.
class PausedWhile {
 public:
  explicit PausedWhile(const PlaybackView& playback) : playback_(playback) {
    was_playing_ = playback.Leading()->GetState() == PlayerState::kPlaying;
    if (was_playing_ && playback_.pause) playback_.pause();
  }
  ~PausedWhile() {
    if (was_playing_ && playback_.play) playback_.play();
  }
  PausedWhile(const PausedWhile&) = delete;
  PausedWhile& operator=(const PausedWhile&) = delete;

 private:
  const PlaybackView& playback_;
  bool was_playing_ = false;
};

}  // namespace

PrintOutcome PrintVideo(const PlaybackView& playback, const std::filesystem::path& pictureFile,
                        const PrintTarget& target) {
  IChannelPlayer* leading = playback.Leading();
  if (playback.loadPending || leading == nullptr || !leading->IsPlaying()) return PrintOutcome::NotStarted;
  const PausedWhile paused(playback);

  RemoveFile(pictureFile);
  IPrompts& prompts = *target.prompts;
  if (!leading->TakeSnapshot(pictureFile)) {
    prompts.Alert(UiText(TextTable::ProgramTexts, rows::program_texts::kCantMakePrinterFile));
    RemoveFile(pictureFile);
    return PrintOutcome::Failed;
  }
  // Without any printer the dialog could offer nothing; say so at once (and, unlike a
  // bare stop, still delete the picture and play on).
  if (!PrinterAvailable(target)) {
    RemoveFile(pictureFile);
    ShowMessage(prompts, msg::kNoPrinter);
    return PrintOutcome::NoPrinter;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!PreparePrinter(printer, target)) {
    RemoveFile(pictureFile);
    return PrintOutcome::Cancelled;
  }
  const PrintOutcome outcome = PrintPictureDocument(printer, pictureFile, prompts);
  if (outcome == PrintOutcome::NoPrinter) ShowMessage(prompts, msg::kNoPrinter);
  return outcome;
}

}  // namespace direvovu::gui
