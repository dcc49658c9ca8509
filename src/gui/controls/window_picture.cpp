#include "gui/controls/window_picture.h"

#include <QPrinter>

#include <system_error>

#include "core/display/bmp_header.h"
#include "core/display/capture_names.h"
#include "core/settings/texts.h"
#include "gui/controls/picture_capture.h"
#include "gui/controls/show_message.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

void RemoveFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

}  // namespace

std::optional<std::filesystem::path> CaptureWindowPicture(QWidget* window, const QImage& picture,
                                                          const WorkingFolders& folders, IPrompts& prompts) {
  const std::filesystem::path folder = SettingFolder(folders, FolderKind::Capture);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path file = display::WindowCaptureFile(folder, LocalNow());
  if (picture.isNull() || !display::SaveBmpFile(file, BmpOfImage(picture, CaptureBitsPerPixel(window)))) {
    ShowMessage(prompts, msg::kSelectCaptureFolder, QString::fromStdString(folder.string()));
    return std::nullopt;
  }
  ShowMessage(prompts, msg::kMapCaptureSaved, QString::fromStdString(file.string()));
  return file;
}

PrintOutcome PrintWindowPicture(const QImage& picture, const PrintTarget& target, IPrompts& fallback) {
  IPrompts& prompts = target.prompts != nullptr ? *target.prompts : fallback;
  const std::filesystem::path file = display::PrintPictureFile(std::filesystem::temp_directory_path());
  RemoveFile(file);
  if (!picture.save(QString::fromStdString(file.string()), "PNG")) {
    RemoveFile(file);
    prompts.Alert(UiText(TextTable::ProgramTexts, rows::program_texts::kCantMakePrinterFile));
    return PrintOutcome::Failed;
  }
  if (!PrinterAvailable(target)) {
    RemoveFile(file);
    ShowMessage(prompts, msg::kNoPrinter);
    return PrintOutcome::NoPrinter;
  }
  QPrinter printer(QPrinter::HighResolution);
  PrintTarget chosen = target;
  chosen.prompts = &prompts;
  if (!PreparePrinter(printer, chosen)) {
    RemoveFile(file);
    return PrintOutcome::Cancelled;
  }
  const PrintOutcome outcome = PrintPictureDocument(printer, file, prompts);
  RemoveFile(file);
  if (outcome == PrintOutcome::NoPrinter) ShowMessage(prompts, msg::kNoPrinter);
  return outcome;
}

}  // namespace direvovu::gui
