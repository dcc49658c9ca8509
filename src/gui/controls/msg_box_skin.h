#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace direvovu::gui {

// Our picture behind the message box: a dark panel with a title band.
QPixmap MsgBoxBackground(QSize size);
// Style of the box's buttons, matching the panel.
QString MsgBoxButtonStyle();

}  // namespace direvovu::gui
