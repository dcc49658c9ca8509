#include "gui/skin/skin_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

#include "gui/skin/skin_icons.h"
#include "gui/skin/skin_palette.h"

namespace direvovu::gui::skin {
namespace {

QRectF Inset(const QRectF& rect, qreal by) { return rect.adjusted(by, by, -by, -by); }

void PaintFace(QPainter& p, const QRectF& rect, qreal radius, ButtonState state) {
  const bool down = state == ButtonState::kDown;
  QLinearGradient face(rect.topLeft(), rect.bottomLeft());
  if (state == ButtonState::kDisabled) {
    face.setColorAt(0, palette::kPanelTop.darker(115));
    face.setColorAt(1, palette::kPanelBottom);
  } else {
    face.setColorAt(0, down ? palette::kFaceDownTop : palette::kFaceTop);
    face.setColorAt(1, down ? palette::kFaceDownBottom : palette::kFaceBottom);
  }
  p.setPen(QPen(palette::kOutline, 1));
  p.setBrush(face);
  p.drawRoundedRect(rect, radius, radius);
  // A light edge on the top of a raised face, a shadow inside a pressed one.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(down ? palette::kShadow : palette::kHighlight, 1));
  p.drawRoundedRect(Inset(rect, 1), radius - 1, radius - 1);
  if (state == ButtonState::kFocus) {
    p.setPen(QPen(palette::kAccent, 1.5));
    p.drawRoundedRect(Inset(rect, 1.25), radius - 1, radius - 1);
  }
}

qreal IconExtent(QSize size) {
  const int shorter = std::min(size.width(), size.height());
  if (shorter <= 24) return shorter - 6;
  if (shorter <= 30) return shorter - 6;
  return shorter * 0.58;
}

void PaintVerticalText(QPainter& p, const QRectF& rect, const QString& text, const QColor& colour) {
  p.save();
  p.translate(rect.center());
  p.rotate(-90);
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  p.setFont(font);
  p.setPen(colour);
  const QRectF turned(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
  p.drawText(turned, Qt::AlignCenter, text);
  p.restore();
}

}  // namespace

QPixmap NewCanvas(QSize size, qreal dpr) {
  QPixmap canvas(size * dpr);
  canvas.setDevicePixelRatio(dpr);
  canvas.fill(Qt::transparent);
  return canvas;
}

void PaintPanel(QPainter& p, const QRectF& rect, qreal radius) {
  QLinearGradient body(rect.topLeft(), rect.bottomLeft());
  body.setColorAt(0, palette::kPanelTop);
  body.setColorAt(1, palette::kPanelBottom);
  p.setPen(QPen(palette::kOutline, 1));
  p.setBrush(body);
  p.drawRoundedRect(rect, radius, radius);
  p.setPen(QPen(palette::kHighlight, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(Inset(rect, 1), std::max<qreal>(0, radius - 1), std::max<qreal>(0, radius - 1));
}

void PaintWell(QPainter& p, const QRectF& rect, qreal radius, const QColor& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(rect, radius, radius);
  // Shadow along the upper edge, light along the lower one: the well sinks in.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kShadow, 1));
  p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.setPen(QPen(palette::kHighlight, 1));
  p.drawLine(QPointF(rect.left() + radius, rect.bottom() + 0.5),
             QPointF(rect.right() - radius, rect.bottom() + 0.5));
}

void PaintTitleBand(QPainter& p, const QRectF& band, const QString& title) {
  QLinearGradient shade(band.topLeft(), band.bottomLeft());
  shade.setColorAt(0, palette::kBand);
  shade.setColorAt(1, palette::kPanelTop);
  p.fillRect(band, shade);
  p.setPen(QPen(palette::kAccent, 2));
  p.drawLine(QPointF(band.left(), band.bottom()), QPointF(band.right(), band.bottom()));
  if (title.isEmpty()) return;
  QFont font = p.font();
  font.setPixelSize(15);
  font.setBold(true);
  p.setFont(font);
  const qreal text_width = QFontMetricsF(font).horizontalAdvance(title);
  const QPointF lens(band.center().x() - text_width / 2 - 16, band.center().y());
  p.setPen(QPen(palette::kText, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(lens, 8, 8);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kAccent);
  p.drawEllipse(lens, 3.5, 3.5);
  p.setPen(palette::kText);
  p.drawText(band.adjusted(0, 0, 0, -1), Qt::AlignCenter, title);
}

QPixmap PaintButton(QSize size, const QString& icon, ButtonState state, qreal dpr) {
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF rect = QRectF(0, 0, size.width(), size.height()).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = std::clamp<qreal>(std::min(size.width(), size.height()) / 5.0, 3, 8);
  PaintFace(p, rect, radius, state);
  if (!icon.isEmpty()) {
    const qreal extent = IconExtent(size);
    QRectF box(0, 0, extent, extent);
    box.moveCenter(rect.center());
    if (state == ButtonState::kDown) box.translate(1, 1);
    const QColor colour = state == ButtonState::kDisabled ? palette::kIconDisabled : palette::kIcon;
    PaintIcon(p, icon, box, colour);
  }
  return canvas;
}

QPixmap PaintModePanel(ModePanel mode, qreal dpr) {
  const QSize size(24, 107);
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF rect(0.5, 0.5, 23, 106);
  PaintFace(p, rect, 4, ButtonState::kUp);
  const QColor accent = mode == ModePanel::kDrivingLog ? palette::kWarning : palette::kAccent;
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRoundedRect(QRectF(3, 6, 3, 95), 1.5, 1.5);
  const QString text = mode == ModePanel::kVideoGravity ? QStringLiteral("G-SENSOR")
                       : mode == ModePanel::kVideoSpeed ? QStringLiteral("SPEED")
                                                        : QStringLiteral("GPS ROUTE");
  PaintVerticalText(p, QRectF(6, 0, 18, 107), text, palette::kText);
  return canvas;
}

QPixmap PaintSliderChannel(QSize size, bool active, qreal dpr) {
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal groove_height = 6;
  const QRectF groove(2, (size.height() - groove_height) / 2, size.width() - 4, groove_height);
  PaintWell(p, groove.adjusted(-1, -1, 1, 1), 4, palette::kWell);
  if (active) {
    QLinearGradient fill(groove.topLeft(), groove.bottomLeft());
    fill.setColorAt(0, palette::kAccent.lighter(125));
    fill.setColorAt(1, palette::kAccentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(groove, 3, 3);
  }
  return canvas;
}

QPixmap PaintSliderThumb(QSize size, bool active, qreal dpr) {
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
  QLinearGradient metal(body.topLeft(), body.bottomLeft());
  metal.setColorAt(0, active ? QColor(0xf4, 0xf7, 0xfa) : QColor(0xdc, 0xe0, 0xe6));
  metal.setColorAt(1, active ? QColor(0xb4, 0xc4, 0xd4) : QColor(0x8e, 0x96, 0xa2));
  p.setPen(QPen(active ? palette::kAccent : palette::kOutline, active ? 1.5 : 1));
  p.setBrush(metal);
  p.drawRoundedRect(body, 3, 3);
  p.setPen(QPen(QColor(0x50, 0x57, 0x62), 1));
  const qreal centre = body.center().x();
  for (const qreal dx : {-2.5, 0.0, 2.5}) {
    p.drawLine(QPointF(centre + dx, body.top() + 5), QPointF(centre + dx, body.bottom() - 5));
  }
  return canvas;
}

QPixmap PaintAppIcon(int size) {
  QPixmap canvas = NewCanvas(QSize(size, size), 1);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  PaintPanel(p, QRectF(8, 8, 240, 240), 44);
  for (const qreal x : {84.0, 172.0}) {
    QRadialGradient glass(QPointF(x - 12, 114), 60);
    glass.setColorAt(0, palette::kAccent.lighter(150));
    glass.setColorAt(0.5, palette::kAccentDark);
    glass.setColorAt(1, palette::kWell);
    p.setPen(QPen(palette::kText, 8));
    p.setBrush(glass);
    p.drawEllipse(QPointF(x, 128), 46, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(x - 16, 110), 10, 10);
  }
  p.setBrush(palette::kDanger);
  p.drawEllipse(QPointF(128, 204), 9, 9);
  return canvas;
}

}  // namespace direvovu::gui::skin
