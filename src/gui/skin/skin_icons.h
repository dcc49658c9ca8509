#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace direvovu::gui::skin {

// Names of the vector icons: play, pause, stop, camera, printer, gear, lock, key, map,
// folder, search, trash ...
QStringList IconNames();
bool HasIcon(const QString& name);

// Paints an icon drawn on a 24 x 24 grid, scaled to fit the box and centred in it.
// Unknown names paint nothing.
void PaintIcon(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour);

}  // namespace direvovu::gui::skin
