#include "gui/controls/picture_print.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <system_error>

#include "core/display/print_layout.h"
#include "gui/controls/ui_text.h"

namespace direvovu::gui {
namespace {

void RemoveFile(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::remove(file, error);
}

}  // namespace

bool PrintPictureFile(QPainter& painter, const QRect& page, const std::filesystem::path& file,
                      IPrompts& prompts) {
  const QImage picture(QString::fromStdString(file.string()));
  if (picture.isNull()) {
    prompts.Alert(UiText(TextTable::ProgramTexts, rows::program_texts::kCantMakePrinterFile));
    RemoveFile(file);
    return false;
  }
  const QImage bitmap = picture.convertToFormat(QImage::Format_RGB32);
  if (bitmap.isNull()) {
    prompts.Alert(UiText(TextTable::ProgramTexts, rows::program_texts::kPrinterBitmapError));
    RemoveFile(file);
    return false;
  }
  const display::PrintRect where =
      display::PlacePrintedPicture(page.width(), page.height(), bitmap.width(), bitmap.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(page.x() + where.x, page.y() + where.y, where.width, where.height), bitmap);
  RemoveFile(file);
  return true;
}

PrintOutcome PrintPictureDocument(QPrinter& printer, const std::filesystem::path& file, IPrompts& prompts) {
  if (printer.docName().isEmpty()) printer.setDocName(QGuiApplication::applicationDisplayName());
  QPainter painter;
  if (!painter.begin(&printer)) {
    RemoveFile(file);
    return PrintOutcome::NoPrinter;
  }
  // The painter's origin is the top-left of the printable area.
  const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
  const bool printed =
      PrintPictureFile(painter, QRect(0, 0, printable.width(), printable.height()), file, prompts);
  if (!printed) printer.abort();
  painter.end();
  return printed ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool PrinterAvailable(const PrintTarget& target) {
  return target.pdfFile.has_value() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool PreparePrinter(QPrinter& printer, const PrintTarget& target) {
  if (target.pdfFile) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(target.pdfFile->string()));
    return true;
  }
  return target.prompts != nullptr && target.prompts->ChoosePrinter(printer);
}

}  // namespace direvovu::gui
