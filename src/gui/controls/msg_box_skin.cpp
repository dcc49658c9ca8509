#include "gui/controls/msg_box_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace direvovu::gui {
namespace {

const QColor kPanelTop(0x3a, 0x3f, 0x47);
const QColor kPanelBottom(0x1e, 0x21, 0x26);
const QColor kAccent(0x2f, 0x9b, 0xd6);

void PaintTitleBand(QPainter& p, const QRectF& band) {
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0, QColor(0x4a, 0x50, 0x5a));
  g.setColorAt(1, QColor(0x2b, 0x2f, 0x36));
  p.fillRect(band, g);
  p.setPen(QPen(kAccent, 2));
  p.drawLine(band.bottomLeft(), band.bottomRight());
  // A small camera lens as the program's mark.
  const QPointF c(band.left() + 28, band.center().y());
  p.setPen(QPen(QColor(0xd8, 0xdc, 0xe2), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 11, 11);
  p.setBrush(kAccent);
  p.drawEllipse(c, 5, 5);
  QFont f = p.font();
  f.setBold(true);
  f.setPointSizeF(11);
  p.setFont(f);
  p.setPen(QColor(0xe8, 0xea, 0xee));
  p.drawText(band.adjusted(48, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("DirevOvu"));
  p.setBrush(Qt::NoBrush);
}

}  // namespace

QPixmap MsgBoxBackground(QSize size) {
  QPixmap pm(size);
  pm.fill(QColor(0x71, 0x6D, 0x6A));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(pm.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient body(r.topLeft(), r.bottomLeft());
  body.setColorAt(0, kPanelTop);
  body.setColorAt(1, kPanelBottom);
  p.fillRect(r, body);
  PaintTitleBand(p, QRectF(r.left(), r.top(), r.width(), 44));
  // The message area sits in a recessed well.
  QPainterPath well;
  well.addRoundedRect(QRectF(12, 58, r.width() - 24, 126), 6, 6);
  p.fillPath(well, QColor(0, 0, 0, 60));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 28), 1));
  p.drawPath(well);
  p.setPen(QPen(QColor(0x12, 0x14, 0x17), 1));
  p.drawRect(r);
  return pm;
}

QString MsgBoxButtonStyle() {
  return QStringLiteral(
      "QPushButton { color: #eef1f4; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4d5561, "
      "stop:1 #2c3139); border: 1px solid #15181c; border-radius: 4px; }"
      "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5a6472, stop:1 "
      "#343a44); }"
      "QPushButton:pressed { background: #23272d; }"
      "QPushButton:focus { border: 1px solid #2f9bd6; }");
}

}  // namespace direvovu::gui
