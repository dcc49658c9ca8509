// The large pictures: the main window, any window's frame, the message box and the
// map's offline picture.
#include <QLinearGradient>
#include <QPainterPath>

#include <string_view>

#include "core/settings/texts.h"
#include "gui/skin/skin_icons.h"
#include "gui/skin/skin_painter.h"
#include "gui/skin/skin_palette.h"

namespace direvovu::gui::skin {
namespace {

// The window's own rounded outline: windows are masked from (5, 5), corners of radius 10.
QRectF FrameRect(QSize size) { return {5.0, 5.0, size.width() - 10.0, size.height() - 10.0}; }

void PaintFrame(QPainter& p, QSize size) {
  const QRectF frame = FrameRect(size).adjusted(0.5, 0.5, -0.5, -0.5);
  PaintPanel(p, frame, 10);
}

void PaintTag(QPainter& p, QPointF at, const QString& text, const QColor& dot) {
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  p.drawEllipse(at + QPointF(4, 7), 3.5, 3.5);
  QFont font = p.font();
  font.setPixelSize(11);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(font);
  p.setPen(palette::kTextDim);
  p.drawText(QRectF(at.x() + 12, at.y(), 120, 14), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A video area's recess, with a faint camera where no picture plays.
void PaintVideoWell(QPainter& p, const QRectF& area) {
  PaintWell(p, area.adjusted(-2, -2, 2, 2), 4, QColor(0x05, 0x06, 0x07));
  QRectF mark(0, 0, 72, 72);
  mark.moveCenter(area.center());
  PaintIcon(p, QStringLiteral("camera"), mark, QColor(255, 255, 255, 26));
}

void PaintLowerWells(QPainter& p) {
  // Behind the time texts, rate and volume, the graph and the readouts.
  const QColor well = palette::kWell;
  PaintWell(p, QRectF(36, 403, 72, 24), 4, well);     // elapsed time
  PaintWell(p, QRectF(399, 403, 72, 24), 4, well);    // total time
  PaintWell(p, QRectF(120, 490, 52, 24), 4, well);    // playback rate
  PaintWell(p, QRectF(298, 490, 52, 24), 4, well);    // volume
  PaintWell(p, QRectF(37, 519, 371, 110), 5, well);   // mode tab and graph
  PaintWell(p, QRectF(483, 403, 424, 74), 5, well);   // record texts
  PaintWell(p, QRectF(549, 478, 358, 180), 5, well);  // play list
}

void PaintToolRow(QPainter& p) {
  p.setPen(QPen(palette::kOutline, 1));
  p.drawLine(QPointF(20, 677.5), QPointF(927, 677.5));
  p.setPen(QPen(palette::kHighlight, 1));
  p.drawLine(QPointF(20, 678.5), QPointF(927, 678.5));
  // A divider between the tools of the recording and those of the play list.
  p.setPen(QPen(palette::kOutline, 1));
  p.drawLine(QPointF(510.5, 688), QPointF(510.5, 730));
  p.setPen(QPen(palette::kHighlight, 1));
  p.drawLine(QPointF(511.5, 688), QPointF(511.5, 730));
}

void PaintCentredText(QPainter& p, const TextBox& box, std::string_view text, const QColor& colour) {
  p.setFont(TextBoxFont(box));
  p.setPen(colour);
  p.drawText(box.room, Qt::AlignCenter | Qt::TextWordWrap,
             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PaintGlobeOff(QPainter& p, QPointF centre, qreal radius) {
  p.setPen(QPen(palette::kTextDim, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius, radius);
  p.drawEllipse(centre, radius * 0.45, radius);
  p.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
  p.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
  const qreal chord = radius * 0.87;
  p.drawLine(centre + QPointF(-chord, -radius / 2), centre + QPointF(chord, -radius / 2));
  p.drawLine(centre + QPointF(-chord, radius / 2), centre + QPointF(chord, radius / 2));
  p.setPen(QPen(palette::kDanger, 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(-radius, -radius), centre + QPointF(radius, radius));
}

}  // namespace

QPixmap PaintMainBackground(qreal dpr) {
  const QSize size(947, 750);
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  PaintFrame(p, size);
  QPainterPath frame;
  frame.addRoundedRect(FrameRect(size), 10, 10);
  p.save();
  p.setClipPath(frame);
  PaintTitleBand(p, QRectF(5, 5, 937, 61), QStringLiteral("DirevOvu"));
  p.restore();
  PaintTag(p, QPointF(72, 48), QStringLiteral("FRONT"), palette::kAccent);
  PaintTag(p, QPointF(483, 48), QStringLiteral("REAR"), palette::kWarning);
  PaintVideoWell(p, QRectF(34, 70, 437, 328));
  PaintVideoWell(p, QRectF(479, 70, 437, 328));
  PaintLowerWells(p);
  PaintToolRow(p);
  return canvas;
}

QPixmap PaintWindowBackground(QSize size, const QString& title, qreal dpr) {
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  PaintFrame(p, size);
  QPainterPath frame;
  frame.addRoundedRect(FrameRect(size), 10, 10);
  p.setClipPath(frame);
  PaintTitleBand(p, QRectF(5, 5, size.width() - 10, 38), title);
  return canvas;
}

QPixmap PaintMessageBoxBackground(qreal dpr) {
  const QSize size(480, 240);
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  // Square corners: the box is not masked, so every pixel must be opaque.
  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0, palette::kPanelTop);
  body.setColorAt(1, palette::kPanelBottom);
  p.fillRect(QRect(QPoint(0, 0), size), body);
  PaintTitleBand(p, QRectF(0, 0, size.width(), 46), QStringLiteral("DirevOvu"));
  PaintWell(p, QRectF(11, 60, 458, 127), 6, QColor(0x16, 0x18, 0x1c));
  p.setPen(QPen(palette::kOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  return canvas;
}

QFont TextBoxFont(const TextBox& box) {
  QFont font;
  font.setPixelSize(box.pixels);
  return font;
}

QPixmap PaintOfflineMap(int language, qreal dpr) {
  const QSize size(535, 520);
  QPixmap canvas = NewCanvas(size, dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0, palette::kPanelTop);
  body.setColorAt(1, palette::kPanelBottom);
  p.fillRect(QRect(QPoint(0, 0), size), body);
  PaintGlobeOff(p, QPointF(267, 200), 80);
  namespace pt = rows::program_texts;
  PaintCentredText(p, kOfflineHeadlineBox, Text(TextTable::ProgramTexts, pt::kOfflineHeadline, language),
                   palette::kText);
  PaintCentredText(p, kOfflineDetailBox, Text(TextTable::ProgramTexts, pt::kOfflineDetail, language),
                   palette::kTextDim);
  return canvas;
}

}  // namespace direvovu::gui::skin
