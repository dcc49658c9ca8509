// The map window's capture and print: the map area as the user sees it.
#include <QPainter>
#include <QPrinter>

#include <system_error>

#include "core/display/bmp_header.h"
#include "core/display/capture_names.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/display/capture.h"
#include "gui/map/map_dlg.h"

namespace direvovu::gui {
namespace {

constexpr QRect kMapArea(5, 5, 535, 520);

void RemoveFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

}  // namespace

QImage CMapDlg::MapAreaPicture() { return grab(kMapArea).toImage(); }

std::optional<std::filesystem::path> CMapDlg::CaptureMap() {
  const std::filesystem::path folder = SettingFolder(folders_, FolderKind::Capture);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path file = display::WindowCaptureFile(folder, LocalNow());
  const QImage picture = MapAreaPicture();
  if (picture.isNull() || !display::SaveBmpFile(file, BmpOfImage(picture, CaptureBitsPerPixel(this)))) {
    ShowMessage(prompts_, msg::kSelectCaptureFolder, QString::fromStdString(folder.string()));
    return std::nullopt;
  }
  ShowMessage(prompts_, msg::kMapCaptureSaved, QString::fromStdString(file.string()));
  return file;
}

PrintOutcome CMapDlg::PrintMap(const PrintTarget& target) {
  IPrompts& prompts = target.prompts != nullptr ? *target.prompts : prompts_;
  const std::filesystem::path file = display::PrintPictureFile(std::filesystem::temp_directory_path());
  RemoveFile(file);
  if (!MapAreaPicture().save(QString::fromStdString(file.string()), "PNG")) {
    RemoveFile(file);
    prompts.Alert(QStringLiteral("Can't make printer file"));
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
