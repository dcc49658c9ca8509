#include "gui/map/car_info_skin.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "core/settings/texts.h"
#include "gui/controls/ui_text.h"
#include "gui/skin/skin_icons.h"
#include "gui/skin/skin_painter.h"
#include "gui/skin/skin_palette.h"

namespace direvovu::gui {
namespace {

constexpr int kWidth = 899;
constexpr int kHeight = 381;
constexpr int kTabWidth = 123;
constexpr int kStripHeight = 35;
// The icons of the tabs, for pages 0, 1, 3 and 4: the vehicle's running values, the
// report, the vehicle choice and the driving record.
constexpr const char* kTabIcons[] = {"car", "save", "gear", "clock"};
constexpr int kTabPages[] = {0, 1, 3, 4};

void PaintTabs(QPainter& p, int page) {
  p.fillRect(QRectF(0, 0, kWidth, kStripHeight), palette::kWell);
  for (int tab = 0; tab < 4; ++tab) {
    const QRectF box(tab * kTabWidth + 2, 3, kTabWidth - 4, kStripHeight - 3);
    const bool lit = kTabPages[tab] == page;
    if (lit) {
      skin::PaintPanel(p, box, 5);
      p.fillRect(QRectF(box.left() + 8, kStripHeight - 4, box.width() - 16, 3), palette::kAccent);
    }
    QRectF icon(0, 0, 24, 24);
    icon.moveCenter(box.center());
    skin::PaintIcon(p, QString::fromLatin1(kTabIcons[tab]), icon, lit ? palette::kIcon : palette::kTextDim);
  }
  p.setFont(CarInfoTitleFont());
  p.setPen(palette::kText);
  p.drawText(kCarInfoTitleRoom, Qt::AlignLeft | Qt::AlignVCenter,
             UiText(TextTable::MainWindow, rows::main_window::kObd));
}

// Dials without needles: the values are drawn over them once vehicle data exist.
void PaintDials(QPainter& p) {
  for (int i = 0; i < 3; ++i) {
    const QRectF dial(60 + i * 280, 70, 210, 210);
    skin::PaintWell(p, dial, 105, palette::kWell);
    p.setPen(QPen(palette::kAccentDark, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(dial.adjusted(18, 18, -18, -18), 225 * 16, -270 * 16);
  }
}

void PaintPageBody(QPainter& p, int page) {
  const QRectF body(10, kStripHeight + 8, kWidth - 20, kHeight - kStripHeight - 18);
  skin::PaintPanel(p, body, 8);
  switch (page) {
    case 1:
      skin::PaintWell(p, QRectF(30, 60, kWidth - 60, 210), 6, palette::kWell);
      break;
    case 3:
      skin::PaintWell(p, QRectF(130, 105, 740, 140), 6, palette::kWell);
      break;
    case 4:
      skin::PaintWell(p, QRectF(30, 60, kWidth - 60, 290), 6, palette::kWell);
      break;
    default:
      PaintDials(p);
      break;
  }
}

}  // namespace

QFont CarInfoTitleFont() {
  QFont font;
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

QPixmap CarInfoPagePicture(int page) {
  if (page != 1 && page != 3 && page != 4) page = 0;
  const qreal dpr =
      QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
  QPixmap canvas = skin::NewCanvas(QSize(kWidth, kHeight), dpr);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient back(0, 0, 0, kHeight);
  back.setColorAt(0, palette::kPanelTop);
  back.setColorAt(1, palette::kPanelBottom);
  p.fillRect(QRectF(0, 0, kWidth, kHeight), back);
  PaintPageBody(p, page);
  PaintTabs(p, page);
  p.setPen(QPen(palette::kOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
  return canvas;
}

}  // namespace direvovu::gui
