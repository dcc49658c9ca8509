#pragma once

#include <QColor>
#include <QPixmap>

#include "core/display/graph_geometry.h"
#include "core/display/speedometer.h"
#include "gui/skin/skin_palette.h"

namespace direvovu::gui {

// The pictures of the graphs and the speed dial. We draw them ourselves in the dark look
// of the main window: a light grid and axis labels in the current unit, so the curves can
// be read at a glance.
namespace display_colours {
inline const QColor kPanel = palette::kWell;
inline const QColor kPanelEdge = palette::kBand;
inline const QColor kGrid{84, 92, 104};
inline const QColor kGridZero{120, 128, 140};
inline const QColor kLabel = palette::kTextDim;
inline const QColor kCursor{255, 0, 0};
inline const QColor kAxisX{0, 0, 255};
inline const QColor kAxisY{0, 255, 0};
inline const QColor kAxisZ{128, 0, 255};
inline const QColor kPanelSpeed{128, 255, 255};
inline const QColor kDialogSpeed{0, 0, 255};
inline const QColor kNeedle{255, 255, 0};
inline const QColor kSpeedNumber{234, 123, 41};
}  // namespace display_colours

// 338 × 103: the graph panel behind the curves, for the mode and (speed) the unit.
QPixmap GraphPanelPicture(display::GraphMode mode, display::SpeedUnit unit);

// 144 × 185: the dial of the speedometer for the unit, transparent around it.
QPixmap DialPicture(display::SpeedUnit unit);

// 803 × 258: the background of the enlarged graph with its grid.
QPixmap GraphDialogBackground(display::GraphMode mode, display::SpeedUnit unit, double lengthSeconds);
// 51 × 220: the axis labels beside the enlarged graph.
QPixmap GraphDialogLabels(display::GraphMode mode, display::SpeedUnit unit);
// The close button of the enlarged graph, up and down.
QPixmap GraphDialogCloseButton(bool down);

// Grid values of the speed axis in the unit, from 0 up to what 200 km/h allows.
std::vector<int> SpeedGridValues(display::SpeedUnit unit);
// The km/h a speed in the unit stands for (the curves keep km/h).
double KmhOf(int value, display::SpeedUnit unit);
const char* UnitName(display::SpeedUnit unit);

}  // namespace direvovu::gui
