#include "gui/display/display_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace direvovu::gui {
namespace {

using display::GraphMode;
using display::SpeedUnit;
namespace c = display_colours;

constexpr double kKmPerMile = 1.609344;

QFont SmallFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QPixmap Transparent(int width, int height) {
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  return picture;
}

QString GravityLabel(int g) {
  return g == 0 ? QStringLiteral("0 g") : QStringLiteral("%1%2 g").arg(g > 0 ? "+" : "").arg(g);
}

// Speed value → y in the panel picture (its own pixels).
int PanelSpeedRow(int value, SpeedUnit unit) {
  return static_cast<int>(display::kSpeedBaseline - KmhOf(value, unit) * display::kSpeedPixelsPerKmh) -
         display::kPanelTop;
}

// Clockwise sweep of a needle point from the zero point, in degrees.
double Sweep(display::Point end, display::Point zero) {
  const double a = display::NeedleAngleDegrees(zero) - display::NeedleAngleDegrees(end);
  return std::fmod(a + 720.0, 360.0);
}

// Angle (degrees, y up) at which the needle stands for a speed in the unit, between the
// table's points.
double DialAngle(double value, SpeedUnit unit) {
  const auto table = display::NeedleTable(unit);
  const double step = unit == SpeedUnit::Kmh ? 5.0 : 3.3;
  const double index = std::clamp(value / step, 0.0, static_cast<double>(table.size() - 1));
  const auto low = static_cast<std::size_t>(index);
  const std::size_t high = std::min(low + 1, table.size() - 1);
  const double sweep =
      Sweep(table[low], table[0]) +
      (index - static_cast<double>(low)) * (Sweep(table[high], table[0]) - Sweep(table[low], table[0]));
  return display::NeedleAngleDegrees(table[0]) - sweep;
}

void DrawPanelFrame(QPainter& p, const QRectF& area, double radius) {
  p.setPen(QPen(c::kPanelEdge, 1));
  p.setBrush(c::kPanel);
  p.drawRoundedRect(area, radius, radius);
}

void DrawPanelGravityGrid(QPainter& p) {
  p.setFont(SmallFont(8));
  for (int g = -2; g <= 2; ++g) {
    const int y = display::kGravityBaseline - g * display::kGravityPixelsPerG - display::kPanelTop;
    p.setPen(QPen(g == 0 ? c::kGridZero : c::kGrid, 1));
    p.drawLine(display::kCurveLeft - display::kPanelLeft, y, display::kCursorRightmost - display::kPanelLeft,
               y);
    p.setPen(c::kLabel);
    const int text_y = g == -2 ? y - 11 : (g == 2 ? y + 1 : y - 10);
    p.drawText(QRect(10, text_y, 40, 10), Qt::AlignLeft | Qt::AlignVCenter, GravityLabel(g));
  }
  // Which colour is which axis.
  const struct {
    const char* name;
    QColor colour;
  } axes[] = {{"X", c::kAxisX}, {"Y", c::kAxisY}, {"Z", c::kAxisZ}};
  p.setFont(SmallFont(9, true));
  int x = 290;
  for (const auto& axis : axes) {
    p.setPen(axis.colour.lighter(axis.colour == c::kAxisX ? 170 : 100));
    p.drawText(QRect(x, 2, 12, 11), Qt::AlignCenter, QString::fromLatin1(axis.name));
    x += 13;
  }
}

void DrawPanelSpeedGrid(QPainter& p, SpeedUnit unit) {
  p.setFont(SmallFont(8));
  for (const int value : SpeedGridValues(unit)) {
    const int y = PanelSpeedRow(value, unit);
    p.setPen(QPen(value == 0 ? c::kGridZero : c::kGrid, 1));
    p.drawLine(display::kCurveLeft - display::kPanelLeft, y, display::kCursorRightmost - display::kPanelLeft,
               y);
    p.setPen(c::kLabel);
    p.drawText(QRect(10, value == 0 ? y - 11 : y + 1, 40, 10), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(value));
  }
  p.setFont(SmallFont(9, true));
  p.setPen(c::kPanelSpeed);
  p.drawText(QRect(270, 2, 60, 11), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(UnitName(unit)));
}

}  // namespace

std::vector<int> SpeedGridValues(SpeedUnit unit) {
  if (unit == SpeedUnit::Kmh) return {0, 50, 100, 150, 200};
  return {0, 25, 50, 75, 100, 125};
}

double KmhOf(int value, SpeedUnit unit) { return unit == SpeedUnit::Kmh ? value : value * kKmPerMile; }

const char* UnitName(SpeedUnit unit) { return unit == SpeedUnit::Kmh ? "km/h" : "mph"; }

QPixmap GraphPanelPicture(GraphMode mode, SpeedUnit unit) {
  QPixmap picture = Transparent(display::kPanelWidth, display::kPanelHeight);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanelFrame(p, QRectF(0.5, 0.5, display::kPanelWidth - 1, display::kPanelHeight - 1), 5);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Quarters of the recording.
  p.setPen(QPen(c::kGrid, 1, Qt::DotLine));
  for (int k = 0; k <= 4; ++k) {
    const int x = display::kCurveLeft - display::kPanelLeft + k * display::kCurveColumns / 4;
    p.drawLine(x, 2, x, display::kPanelHeight - 3);
  }
  if (mode == GraphMode::GSensor) {
    DrawPanelGravityGrid(p);
  } else {
    // The 200 km/h line is where the panel caps; in mph the lines fall on whole mph.
    DrawPanelSpeedGrid(p, unit);
  }
  return picture;
}

QPixmap DialPicture(SpeedUnit unit) {
  QPixmap picture = Transparent(display::kDialWidth, display::kDialHeight);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(display::kDialCentre.x - display::kDialLeft,
                       display::kDialCentre.y - display::kDialTop);
  QRadialGradient face(centre, 68);
  face.setColorAt(0, QColor(44, 48, 56));
  face.setColorAt(1, c::kPanel);
  p.setPen(QPen(c::kPanelEdge, 2));
  p.setBrush(face);
  p.drawEllipse(centre, 67, 67);

  // A tick every 10, a number every 20, up to the table's last point.
  constexpr double step = 10;
  constexpr double label_every = 20;
  const double top = unit == SpeedUnit::Kmh ? 195 : 115;
  p.setFont(SmallFont(8, true));
  for (double v = 0; v <= top + 1e-9; v += step) {
    const double a = DialAngle(v, unit) * M_PI / 180;
    const QPointF dir(std::cos(a), -std::sin(a));
    const bool major = std::fmod(v, label_every) == 0;
    p.setPen(QPen(major ? c::kLabel : c::kGrid, major ? 2 : 1));
    p.drawLine(centre + dir * (major ? 55 : 58), centre + dir * 63);
    if (major) {
      p.setPen(c::kLabel);
      const QPointF at = centre + dir * 43;
      p.drawText(QRectF(at.x() - 14, at.y() - 7, 28, 14), Qt::AlignCenter,
                 QString::number(static_cast<int>(v)));
    }
  }
  p.setFont(SmallFont(10, true));
  p.setPen(c::kSpeedNumber);
  p.drawText(QRectF(centre.x() - 30, centre.y() + 16, 60, 14), Qt::AlignCenter,
             QString::fromLatin1(UnitName(unit)));
  // The well of the number below the dial.
  const QRectF well(display::kSpeedNumberOrigin.x - display::kDialLeft - 12,
                    display::kSpeedNumberOrigin.y - display::kDialTop - 4, 62, 27);
  p.setPen(QPen(c::kPanelEdge, 1));
  p.setBrush(QColor(16, 17, 20));
  p.drawRoundedRect(well, 5, 5);
  return picture;
}

QPixmap GraphDialogBackground(GraphMode mode, SpeedUnit unit, double lengthSeconds) {
  QPixmap picture(display::kGraphDlgWidth, display::kGraphDlgHeight);
  picture.fill(palette::kPanelBottom);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient shade(0, 0, 0, display::kGraphDlgHeight);
  shade.setColorAt(0, palette::kPanelTop);
  shade.setColorAt(1, palette::kPanelBottom);
  p.setPen(QPen(c::kPanelEdge, 2));
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(6, 6, 791, 246), 10, 10);
  p.setRenderHint(QPainter::Antialiasing, false);

  const int left = display::kGraphDlgCurveLeft;
  const int right = 786;
  const int top = 36;
  const int bottom = 214;
  // The speed is drawn in plain blue: it gets a light plot to stand out on.
  const bool light = mode == GraphMode::Speed;
  const QColor grid = light ? QColor(176, 184, 196) : c::kGrid;
  const QColor zero = light ? QColor(120, 128, 140) : c::kGridZero;
  p.setPen(QPen(c::kPanelEdge, 1));
  p.setBrush(light ? QColor(236, 239, 244) : c::kPanel);
  p.drawRect(left, top, right - left, bottom - top);

  // Seconds along the bottom, every 5 s.
  p.setFont(SmallFont(9));
  const int seconds = lengthSeconds > 0 ? static_cast<int>(lengthSeconds) : 0;
  for (int s = 0; left + s * display::kGraphDlgPixelsPerSecond <= right; s += 5) {
    const int x = left + s * display::kGraphDlgPixelsPerSecond;
    p.setPen(QPen(grid, 1, s % 10 == 0 ? Qt::SolidLine : Qt::DotLine));
    p.drawLine(x, top + 1, x, bottom - 1);
    if (s % 10 == 0) {
      p.setPen(s <= seconds ? c::kLabel : c::kGrid);
      p.drawText(QRect(x - 20, bottom + 3, 40, 12), Qt::AlignCenter, QStringLiteral("%1 s").arg(s));
    }
  }
  if (mode == GraphMode::GSensor) {
    for (int g = -2; g <= 2; ++g) {
      const int y = display::DialogGravityY(g);
      p.setPen(QPen(g == 0 ? c::kGridZero : c::kGrid, 1));
      p.drawLine(left + 1, y, right - 1, y);
    }
  } else {
    for (const int value : SpeedGridValues(unit)) {
      const int y = static_cast<int>(display::kGraphDlgSpeedBaseline -
                                     KmhOf(value, unit) * display::kGraphDlgPixelsPerKmh);
      if (y < top) continue;
      p.setPen(QPen(value == 0 ? zero : grid, 1));
      p.drawLine(left + 1, y, right - 1, y);
    }
  }
  return picture;
}

QPixmap GraphDialogLabels(GraphMode mode, SpeedUnit unit) {
  QPixmap picture = Transparent(display::kGraphDlgLabelWidth, display::kGraphDlgLabelHeight);
  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(SmallFont(10, true));
  const int dy = display::kGraphDlgLabelTop;
  if (mode == GraphMode::GSensor) {
    for (int g = -2; g <= 2; ++g) {
      p.setPen(c::kLabel);
      p.drawText(QRect(0, display::DialogGravityY(g) - dy - 7, 46, 14), Qt::AlignRight | Qt::AlignVCenter,
                 GravityLabel(g));
    }
    const struct {
      const char* name;
      QColor colour;
    } axes[] = {{"X", QColor(96, 128, 255)}, {"Y", c::kAxisY}, {"Z", QColor(176, 96, 255)}};
    int x = 2;
    for (const auto& axis : axes) {
      p.setPen(axis.colour);
      p.drawText(QRect(x, 0, 14, 14), Qt::AlignCenter, QString::fromLatin1(axis.name));
      x += 15;
    }
  } else {
    for (const int value : SpeedGridValues(unit)) {
      const int y = static_cast<int>(display::kGraphDlgSpeedBaseline -
                                     KmhOf(value, unit) * display::kGraphDlgPixelsPerKmh) -
                    dy;
      if (y < 18) continue;
      p.setPen(c::kLabel);
      p.drawText(QRect(0, y - 7, 46, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    p.setPen(QColor(96, 128, 255));
    p.drawText(QRect(0, 0, 48, 14), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(UnitName(unit)));
  }
  return picture;
}

QPixmap GraphDialogCloseButton(bool down) {
  QPixmap picture = Transparent(30, 30);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(c::kPanelEdge, 2));
  p.setBrush(down ? QColor(150, 40, 40) : QColor(70, 74, 82));
  p.drawEllipse(QRectF(2, 2, 26, 26));
  p.setPen(QPen(QColor(235, 235, 235), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 10), QPointF(20, 20));
  p.drawLine(QPointF(20, 10), QPointF(10, 20));
  return picture;
}

}  // namespace direvovu::gui
