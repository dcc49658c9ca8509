#include "gui/skin/skin_icons.h"

#include <QPen>

#include <algorithm>

#include "gui/skin/skin_icons_internal.h"

namespace direvovu::gui::skin {
namespace {

const icons::IconEntry* Find(const QString& name) {
  for (const auto table : {icons::MediaIcons(), icons::ToolIcons()}) {
    for (const icons::IconEntry& entry : table) {
      if (name == QLatin1String(entry.name)) return &entry;
    }
  }
  return nullptr;
}

}  // namespace

namespace icons {

void Slash(QPainter& p) {
  const QPen pen = p.pen();
  QPen wide = pen;
  wide.setWidthF(pen.widthF() + 0.5);
  p.setPen(wide);
  p.drawLine(QPointF(3, 3), QPointF(21, 21));
  p.setPen(pen);
}

}  // namespace icons

QStringList IconNames() {
  QStringList names;
  for (const auto table : {icons::MediaIcons(), icons::ToolIcons()}) {
    for (const icons::IconEntry& entry : table) names << QLatin1String(entry.name);
  }
  return names;
}

bool HasIcon(const QString& name) { return Find(name) != nullptr; }

void PaintIcon(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour) {
  const icons::IconEntry* entry = Find(name);
  if (entry == nullptr || box.isEmpty()) return;
  const qreal scale = std::min(box.width(), box.height()) / 24.0;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(box.center().x() - 12 * scale, box.center().y() - 12 * scale);
  painter.scale(scale, scale);
  painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  entry->paint(painter);
  painter.restore();
}

}  // namespace direvovu::gui::skin
