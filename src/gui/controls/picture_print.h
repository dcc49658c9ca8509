#pragma once

#include <filesystem>
#include <optional>

#include "gui/controls/prompts.h"

class QPainter;
class QPrinter;
class QRect;

namespace direvovu::gui {

enum class PrintOutcome {
  NotStarted,  // nothing playing or paused, or a load pending
  Printed,
  Cancelled,  // the print dialog was cancelled
  NoPrinter,  // message 0 was shown
  Failed,     // the picture could not be taken or printed
};

// Where a print goes: the printer the user picks in the print dialog, or (tests, and
// "print to PDF" callers) straight into a PDF file without any dialog.
struct PrintTarget {
  std::optional<std::filesystem::path> pdfFile;
  IPrompts* prompts = nullptr;  // the print dialog and the messages
};

// Prints one picture file on the page `page` (printable area, device pixels) of an
// active painter, then deletes the file. The platform's message box reports a picture
// that cannot be loaded ("Can't make printer file") or converted ("Error loading printer
// bitmap!"). The map and driving-log windows print through it as well.
bool PrintPictureFile(QPainter& painter, const QRect& page, const std::filesystem::path& file,
                      IPrompts& prompts);

// One document of one page on a printer that is set up: starts it, prints the picture
// file and ends it (aborts it when the picture could not be printed). NoPrinter when the
// printer cannot be opened; the picture file is deleted in every case.
PrintOutcome PrintPictureDocument(QPrinter& printer, const std::filesystem::path& file, IPrompts& prompts);

// Sets up a printer: a PDF file, or the user's choice in the print dialog (false when
// cancelled). The caller shows message 0 when PrinterAvailable() is false.
bool PreparePrinter(QPrinter& printer, const PrintTarget& target);
bool PrinterAvailable(const PrintTarget& target);

}  // namespace direvovu::gui
