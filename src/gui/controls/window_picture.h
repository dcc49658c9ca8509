#pragma once

#include <QImage>

#include <filesystem>
#include <optional>

#include "core/settings/viewer_settings.h"
#include "gui/controls/prompts.h"
#include "gui/controls/picture_print.h"

class QWidget;

namespace direvovu::gui {

// A window's picture into a BMP named by the local time in the capture folder, at the
// window's colour depth; message 17 names the file. Nothing when it could not be written
// (message 21 names the folder).
std::optional<std::filesystem::path> CaptureWindowPicture(QWidget* window, const QImage& picture,
                                                          const WorkingFolders& folders, IPrompts& prompts);

// A window's picture through the print procedure: a temporary PNG, the printer dialog,
// one page. The temporary picture is removed on every path.
PrintOutcome PrintWindowPicture(const QImage& picture, const PrintTarget& target, IPrompts& prompts);

}  // namespace direvovu::gui
