// Icons of the tool row: modes, security, settings, map, card and play-list work.
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

#include "gui/skin/skin_icons_internal.h"

namespace direvovu::gui::skin::icons {
namespace {

void Film(QPainter& p) {
  p.drawRoundedRect(QRectF(3, 4, 18, 16), 2, 2);
  p.drawLine(QPointF(7, 4), QPointF(7, 20));
  p.drawLine(QPointF(17, 4), QPointF(17, 20));
  for (const qreal y : {8.0, 12.0, 16.0}) {
    p.drawLine(QPointF(3.5, y), QPointF(6.5, y));
    p.drawLine(QPointF(17.5, y), QPointF(20.5, y));
  }
  Solid(p);
  p.drawPolygon(QPolygonF({QPointF(10.5, 9), QPointF(14.5, 12), QPointF(10.5, 15)}));
}

void Route(QPainter& p) {
  QPen pen = p.pen();
  QPen dashed = pen;
  dashed.setWidthF(1.6);
  dashed.setDashPattern({1.5, 2});
  p.setPen(dashed);
  QPainterPath path;
  path.moveTo(6, 19);
  path.cubicTo(QPointF(12, 19), QPointF(6, 11), QPointF(12, 11));
  path.cubicTo(QPointF(17, 11), QPointF(13, 7), QPointF(18, 6.5));
  p.drawPath(path);
  p.setPen(pen);
  p.drawEllipse(QPointF(6, 19), 2.2, 2.2);
  Solid(p);
  p.drawEllipse(QPointF(18, 6), 3, 3);
}

void Lock(QPainter& p) {
  p.drawArc(QRectF(7, 3, 10, 10), 0, 180 * 16);
  p.drawLine(QPointF(7, 8), QPointF(7, 11));
  p.drawLine(QPointF(17, 8), QPointF(17, 11));
  Solid(p);
  p.drawRoundedRect(QRectF(4.5, 11, 15, 10), 2, 2);
  p.setPen(QPen(QColor(0x2c, 0x31, 0x39), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 15), QPointF(12, 17));
}

void Key(QPainter& p) {
  p.drawEllipse(QPointF(7.5, 12), 4.5, 4.5);
  p.drawLine(QPointF(12, 12), QPointF(21, 12));
  p.drawLine(QPointF(17.5, 12), QPointF(17.5, 15.5));
  p.drawLine(QPointF(20.5, 12), QPointF(20.5, 15));
  Solid(p);
  p.drawEllipse(QPointF(7.5, 12), 1.2, 1.2);
}

// A toothed wheel: `teeth` teeth on radius r around (cx, cy).
void GearAt(QPainter& p, QPointF centre, qreal r, int teeth) {
  QPainterPath gear;
  const qreal outer = r;
  const qreal inner = r * 0.74;
  const int steps = teeth * 4;
  for (int i = 0; i < steps; ++i) {
    const qreal angle = 2 * std::numbers::pi * i / steps;
    const qreal radius = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
    const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    if (i == 0) {
      gear.moveTo(point);
    } else {
      gear.lineTo(point);
    }
  }
  gear.closeSubpath();
  p.drawPath(gear);
  p.drawEllipse(centre, r * 0.32, r * 0.32);
}

void Gear(QPainter& p) {
  QPen pen = p.pen();
  pen.setWidthF(1.8);
  p.setPen(pen);
  GearAt(p, QPointF(12, 12), 9.5, 8);
}

// The camera on the windscreen with a gear: the black box's own settings.
void CameraSetup(QPainter& p) {
  p.drawRoundedRect(QRectF(2.5, 5, 15, 11), 2.5, 2.5);
  p.drawEllipse(QPointF(10, 10.5), 3, 3);
  p.drawLine(QPointF(10, 5), QPointF(10, 2.5));
  p.drawLine(QPointF(6, 2.5), QPointF(14, 2.5));
  QPen pen = p.pen();
  pen.setWidthF(1.5);
  p.setPen(pen);
  GearAt(p, QPointF(17.5, 17.5), 5, 6);
}

void Map(QPainter& p) {
  const QPolygonF outline({QPointF(3, 6), QPointF(9, 4), QPointF(15, 6), QPointF(21, 4), QPointF(21, 18),
                           QPointF(15, 20), QPointF(9, 18), QPointF(3, 20)});
  p.drawPolygon(outline);
  p.drawLine(QPointF(9, 4), QPointF(9, 18));
  p.drawLine(QPointF(15, 6), QPointF(15, 20));
}

void Car(QPainter& p) {
  QPainterPath body;
  body.moveTo(3, 16);
  body.lineTo(3, 12);
  body.lineTo(6, 6.5);
  body.lineTo(18, 6.5);
  body.lineTo(21, 12);
  body.lineTo(21, 16);
  body.closeSubpath();
  p.drawPath(body);
  p.drawLine(QPointF(4.5, 11.5), QPointF(19.5, 11.5));
  p.drawLine(QPointF(5, 16), QPointF(5, 19));
  p.drawLine(QPointF(19, 16), QPointF(19, 19));
  Solid(p);
  p.drawEllipse(QPointF(7, 14), 1.2, 1.2);
  p.drawEllipse(QPointF(17, 14), 1.2, 1.2);
}

void EventLog(QPainter& p) {
  p.drawRoundedRect(QRectF(3.5, 3, 12, 17), 1.5, 1.5);
  for (const qreal y : {7.5, 11.0, 14.5}) p.drawLine(QPointF(6.5, y), QPointF(12.5, y));
  QPen pen = p.pen();
  const QColor warning = Accent(p, QColor(0xf0, 0xa8, 0x30));
  p.setPen(QPen(warning, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(0x2c, 0x31, 0x39));
  p.drawPolygon(QPolygonF({QPointF(17, 12), QPointF(22, 21), QPointF(12, 21)}));
  p.drawLine(QPointF(17, 15), QPointF(17, 17.5));
  p.setBrush(warning);
  p.drawEllipse(QPointF(17, 19.3), 0.4, 0.4);
  p.setPen(pen);
}

void Folder(QPainter& p) {
  QPainterPath folder;
  folder.moveTo(2.5, 19);
  folder.lineTo(2.5, 5);
  folder.lineTo(9, 5);
  folder.lineTo(11, 7.5);
  folder.lineTo(21.5, 7.5);
  folder.lineTo(21.5, 19);
  folder.closeSubpath();
  p.drawPath(folder);
  p.drawLine(QPointF(2.5, 10.5), QPointF(21.5, 10.5));
}

void Search(QPainter& p) {
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  QPen pen = p.pen();
  pen.setWidthF(3);
  p.setPen(pen);
  p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
}

void SdCard(QPainter& p) {
  p.drawPolygon(
      QPolygonF({QPointF(5, 2.5), QPointF(15, 2.5), QPointF(19, 6.5), QPointF(19, 21.5), QPointF(5, 21.5)}));
  for (const qreal x : {8.5, 11.5, 14.5}) p.drawLine(QPointF(x, 5.5), QPointF(x, 8));
  p.drawLine(QPointF(12, 11.5), QPointF(12, 18.5));
  p.drawPolyline(QPolygonF({QPointF(9, 15.5), QPointF(12, 18.5), QPointF(15, 15.5)}));
}

void TrashAt(QPainter& p, qreal dx) {
  p.drawLine(QPointF(4 + dx, 6.5), QPointF(20 + dx, 6.5));
  p.drawPolyline(QPolygonF(
      {QPointF(9.5 + dx, 6.5), QPointF(10 + dx, 3.5), QPointF(14 + dx, 3.5), QPointF(14.5 + dx, 6.5)}));
  p.drawPolyline(QPolygonF(
      {QPointF(6 + dx, 6.5), QPointF(7.2 + dx, 20.5), QPointF(16.8 + dx, 20.5), QPointF(18 + dx, 6.5)}));
}

void Trash(QPainter& p) {
  TrashAt(p, 0);
  p.drawLine(QPointF(10, 10), QPointF(10.4, 17));
  p.drawLine(QPointF(14, 10), QPointF(13.6, 17));
}

void TrashAll(QPainter& p) {
  TrashAt(p, 0);
  p.drawLine(QPointF(9.5, 10), QPointF(14.5, 17));
  p.drawLine(QPointF(14.5, 10), QPointF(9.5, 17));
}

void Save(QPainter& p) {
  p.drawPolygon(QPolygonF(
      {QPointF(3.5, 3.5), QPointF(17, 3.5), QPointF(20.5, 7), QPointF(20.5, 20.5), QPointF(3.5, 20.5)}));
  p.drawRect(QRectF(7.5, 3.5, 8, 5));
  p.drawRect(QRectF(7, 13, 10, 7.5));
}

constexpr std::array kToolIcons{
    IconEntry{"film", Film},
    IconEntry{"route", Route},
    IconEntry{"lock", Lock},
    IconEntry{"key", Key},
    IconEntry{"gear", Gear},
    IconEntry{"camera_setup", CameraSetup},
    IconEntry{"map", Map},
    IconEntry{"car", Car},
    IconEntry{"event_log", EventLog},
    IconEntry{"folder", Folder},
    IconEntry{"search", Search},
    IconEntry{"sd_card", SdCard},
    IconEntry{"trash", Trash},
    IconEntry{"trash_all", TrashAll},
    IconEntry{"save", Save},
};

}  // namespace

std::span<const IconEntry> ToolIcons() { return kToolIcons; }

}  // namespace direvovu::gui::skin::icons
