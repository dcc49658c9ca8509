// Icons of playback and of the window frame: transport, speed, volume, graphs, time and
// marker switches.
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

#include "gui/skin/skin_icons_internal.h"

namespace direvovu::gui::skin::icons {
namespace {

void Play(QPainter& p) {
  Solid(p);
  p.drawPolygon(QPolygonF({QPointF(7, 4.5), QPointF(19.5, 12), QPointF(7, 19.5)}));
}

void Pause(QPainter& p) {
  Solid(p);
  p.drawRoundedRect(QRectF(6, 5, 4, 14), 1, 1);
  p.drawRoundedRect(QRectF(14, 5, 4, 14), 1, 1);
}

void Stop(QPainter& p) {
  Solid(p);
  p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
}

void Camera(QPainter& p) {
  QPainterPath body;
  body.addRoundedRect(QRectF(2.5, 7, 19, 13), 2.5, 2.5);
  p.drawPath(body);
  p.drawPolyline(QPolygonF({QPointF(8, 7), QPointF(9.5, 4), QPointF(14.5, 4), QPointF(16, 7)}));
  p.drawEllipse(QPointF(12, 13.5), 4, 4);
  Solid(p);
  p.drawEllipse(QPointF(18.5, 9.8), 0.6, 0.6);
}

void Printer(QPainter& p) {
  p.drawPolyline(QPolygonF({QPointF(6.5, 9), QPointF(6.5, 3.5), QPointF(17.5, 3.5), QPointF(17.5, 9)}));
  QPainterPath body;
  body.addRoundedRect(QRectF(2.5, 9, 19, 8.5), 2, 2);
  p.drawPath(body);
  p.setBrush(QColor(0, 0, 0, 0));
  p.drawRect(QRectF(6.5, 14, 11, 7));
  p.drawLine(QPointF(9, 17), QPointF(15, 17));
  Solid(p);
  p.drawEllipse(QPointF(18, 12), 0.7, 0.7);
}

// The usual "send out" tray: what plays leaves the viewer as an incident folder.
void Export(QPainter& p) {
  p.drawPolyline(QPolygonF(
      {QPointF(8, 10), QPointF(4, 10), QPointF(4, 20), QPointF(20, 20), QPointF(20, 10), QPointF(16, 10)}));
  p.drawLine(QPointF(12, 15), QPointF(12, 3.5));
  p.drawPolyline(QPolygonF({QPointF(8, 7.5), QPointF(12, 3.5), QPointF(16, 7.5)}));
}

void Info(QPainter& p) {
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.drawLine(QPointF(12, 11), QPointF(12, 17));
  Solid(p);
  p.drawEllipse(QPointF(12, 7.5), 1.1, 1.1);
}

void Minimize(QPainter& p) {
  QPen pen = p.pen();
  pen.setWidthF(2.5);
  p.setPen(pen);
  p.drawLine(QPointF(5, 17), QPointF(19, 17));
}

void Close(QPainter& p) {
  QPen pen = p.pen();
  pen.setWidthF(2.5);
  p.setPen(pen);
  p.drawLine(QPointF(6, 6), QPointF(18, 18));
  p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void Chevrons(QPainter& p, bool forward) {
  const qreal d = forward ? 1 : -1;
  for (const qreal x : {8.0, 15.0}) {
    const qreal cx = forward ? x : 24 - x;
    p.drawPolyline(QPolygonF({QPointF(cx - 3 * d, 6), QPointF(cx + 3 * d, 12), QPointF(cx - 3 * d, 18)}));
  }
}

void Slower(QPainter& p) { Chevrons(p, false); }
void Faster(QPainter& p) { Chevrons(p, true); }

void Speaker(QPainter& p) {
  Solid(p);
  p.drawPolygon(QPolygonF({QPointF(3, 9.5), QPointF(7, 9.5), QPointF(12, 5), QPointF(12, 19),
                           QPointF(7, 14.5), QPointF(3, 14.5)}));
  Hollow(p);
}

void VolumeDown(QPainter& p) {
  Speaker(p);
  p.drawLine(QPointF(15.5, 12), QPointF(21.5, 12));
}

void VolumeUp(QPainter& p) {
  Speaker(p);
  p.drawLine(QPointF(15.5, 12), QPointF(21.5, 12));
  p.drawLine(QPointF(18.5, 9), QPointF(18.5, 15));
}

// Three traces, one per axis, in the axis colours of the graph.
void GraphGravity(QPainter& p) {
  const std::array<QColor, 3> colours = {QColor(100, 150, 255), QColor(80, 220, 110), QColor(200, 140, 255)};
  const QPen pen = p.pen();
  for (int axis = 0; axis < 3; ++axis) {
    QPainterPath trace;
    for (int i = 0; i <= 20; ++i) {
      const qreal x = 2 + i;
      const qreal y = 12 + (axis - 1) * 6 + 2.0 * std::sin(i * std::numbers::pi / 5);
      if (i == 0) {
        trace.moveTo(x, y);
      } else {
        trace.lineTo(x, y);
      }
    }
    QPen coloured = pen;  // each trace takes its accent against the icon's own pen
    p.setPen(pen);
    coloured.setColor(Accent(p, colours[static_cast<std::size_t>(axis)]));
    coloured.setWidthF(2.0);
    p.setPen(coloured);
    p.drawPath(trace);
  }
  p.setPen(pen);
}

void GraphSpeed(QPainter& p) {
  p.drawArc(QRectF(3, 5, 18, 18), 0 * 16, 180 * 16);
  p.drawLine(QPointF(3, 14), QPointF(21, 14));
  QPen pen = p.pen();
  pen.setColor(Accent(p, QColor(0x2f, 0x9b, 0xd6)));
  p.setPen(pen);
  p.drawLine(QPointF(12, 14), QPointF(17, 8.5));
}

void Clock(QPainter& p) {
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.drawPolyline(QPolygonF({QPointF(12, 6.5), QPointF(12, 12), QPointF(15.5, 14)}));
}

void ClockOff(QPainter& p) {
  Clock(p);
  Slash(p);
}

void Marker(QPainter& p) {
  QPainterPath pin;
  pin.moveTo(12, 21.5);
  pin.cubicTo(QPointF(7, 15), QPointF(5, 12), QPointF(5, 9.5));
  pin.arcTo(QRectF(5, 2.5, 14, 14), 180, -180);
  pin.cubicTo(QPointF(19, 12), QPointF(17, 15), QPointF(12, 21.5));
  p.drawPath(pin);
  p.drawEllipse(QPointF(12, 9.5), 2.5, 2.5);
}

void MarkerOff(QPainter& p) {
  Marker(p);
  Slash(p);
}

constexpr std::array kMediaIcons{
    IconEntry{"play", Play},
    IconEntry{"pause", Pause},
    IconEntry{"stop", Stop},
    IconEntry{"camera", Camera},
    IconEntry{"printer", Printer},
    IconEntry{"export", Export},
    IconEntry{"info", Info},
    IconEntry{"minimize", Minimize},
    IconEntry{"close", Close},
    IconEntry{"slower", Slower},
    IconEntry{"faster", Faster},
    IconEntry{"volume_down", VolumeDown},
    IconEntry{"volume_up", VolumeUp},
    IconEntry{"graph_gravity", GraphGravity},
    IconEntry{"graph_speed", GraphSpeed},
    IconEntry{"clock", Clock},
    IconEntry{"clock_off", ClockOff},
    IconEntry{"marker", Marker},
    IconEntry{"marker_off", MarkerOff},
};

}  // namespace

std::span<const IconEntry> MediaIcons() { return kMediaIcons; }

}  // namespace direvovu::gui::skin::icons
