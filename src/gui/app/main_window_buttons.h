#pragma once

#include <QSize>
#include <QString>

#include <vector>

#include "gui/skin/skin.h"

namespace direvovu::gui {

// The main window's buttons by control id (1003 STOP, 1004 PLAY, ...): their icon and
// size; null pictures for an id that is not a main window button.
ButtonPictures MainWindowButton(int control_id);
QString MainWindowIcon(int control_id);
QSize MainWindowButtonSize(int control_id);
// Every main window button's face, in the order of the table.
std::vector<ButtonFace> MainWindowButtonFaces();

}  // namespace direvovu::gui
