#pragma once

#include <QPainter>
#include <QPainterPath>

#include <span>

namespace direvovu::gui::skin::icons {

// An icon paints on a 24 x 24 grid with the painter's pen (the icon colour, 2 units wide,
// round ends) and no brush.
using IconFunction = void (*)(QPainter&);
struct IconEntry {
  const char* name;
  IconFunction paint;
};

std::span<const IconEntry> MediaIcons();
std::span<const IconEntry> ToolIcons();

// Fills with the pen's colour.
inline void Solid(QPainter& p) { p.setBrush(p.pen().color()); }
inline void Hollow(QPainter& p) { p.setBrush(Qt::NoBrush); }
// An accent colour for parts of an icon; a dim (disabled) icon stays in its one colour.
inline QColor Accent(const QPainter& p, const QColor& accent) {
  return p.pen().color().lightness() < 160 ? p.pen().color() : accent;
}
// A slash across the icon for the "off" variants.
void Slash(QPainter& p);

}  // namespace direvovu::gui::skin::icons
