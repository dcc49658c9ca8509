// The speed and the G-sensor of the span as two graphs over its seconds, with gaps where
// the track has no record and a dashed line at the highest G.
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "core/export/decimal_text.h"
#include "core/settings/texts.h"
#include "gui/export/incident_report_sheet.h"

namespace direvovu::gui::report {
namespace {

namespace row = rows::program_texts;

constexpr double kHeadingMm = 5.5;
constexpr double kAxisLabelsMm = 9;
constexpr double kTimeLabelsMm = 4;
constexpr double kGraphGapMm = 4;

struct Series {
  QString title;
  std::vector<std::optional<double>> values;
  QColor color;
  double least_top = 1;
};

// Where a graph's values and seconds fall in its plot (mm).
struct Plot {
  QRectF box;
  double seconds = 1;
  ValueAxis axis;
  [[nodiscard]] double X(double second) const { return box.left() + box.width() * second / seconds; }
  [[nodiscard]] double Y(double value) const {
    return box.bottom() - box.height() * std::clamp(value / axis.top, 0.0, 1.0);
  }
};

double Highest(const std::vector<std::optional<double>>& values) {
  double highest = 0;
  for (const auto& value : values)
    if (value && std::isfinite(*value)) highest = std::max(highest, *value);
  return highest;
}

std::optional<std::size_t> PeakIndex(const std::vector<std::optional<double>>& values) {
  std::optional<std::size_t> peak;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] && std::isfinite(*values[i]) && (!peak || *values[i] > *values[*peak])) peak = i;
  }
  return peak;
}

QString AxisNumber(double value, const ValueAxis& axis) {
  const double step = axis.step;
  const int decimals = step >= 1 ? 0 : (std::fmod(step * 10, 1) == 0 ? 1 : 2);
  return QString::fromStdString(exporting::DecimalText(value, decimals));
}

void DrawValueGrid(const Sheet& sheet, const Plot& plot) {
  QPainter& painter = sheet.painter();
  for (double value = 0; value <= plot.axis.top + plot.axis.step / 2; value += plot.axis.step) {
    const double y = plot.Y(value);
    painter.setPen(QPen(kGrid, sheet.Dots(0.2)));
    painter.drawLine(QPointF(sheet.Dots(plot.box.left()), sheet.Dots(y)),
                     QPointF(sheet.Dots(plot.box.right()), sheet.Dots(y)));
    sheet.Line({plot.box.left() - kAxisLabelsMm, y - 2, kAxisLabelsMm - 1, 4}, AxisNumber(value, plot.axis),
               sheet.Font(7), Qt::AlignRight, kMuted);
  }
}

void DrawTimeGrid(const Sheet& sheet, const Plot& plot) {
  QPainter& painter = sheet.painter();
  const double step = ValueAxisFor(plot.seconds, 1).step;
  constexpr double kLabelWidthMm = 14;
  for (double second = 0; second <= plot.seconds + 1e-9; second += step) {
    const double x = plot.X(second);
    painter.setPen(QPen(kGrid, sheet.Dots(0.2)));
    painter.drawLine(QPointF(sheet.Dots(x), sheet.Dots(plot.box.top())),
                     QPointF(sheet.Dots(x), sheet.Dots(plot.box.bottom())));
    const QString label =
        sheet.Text(row::kReportSeconds).arg(QString::fromStdString(SecondsNumber(second, sheet.language())));
    // The last label ends at the plot's edge rather than past it.
    const double left = std::min(x - kLabelWidthMm / 2, plot.box.right() - kLabelWidthMm);
    sheet.Line({left, plot.box.bottom() + 0.5, kLabelWidthMm, kTimeLabelsMm - 0.5}, label, sheet.Font(7),
               x + kLabelWidthMm / 2 > plot.box.right() ? Qt::AlignRight : Qt::AlignHCenter, kMuted);
  }
}

// The values as runs of a line; a value alone between gaps is a dot.
void DrawCurve(const Sheet& sheet, const Plot& plot, const Series& series) {
  QPainter& painter = sheet.painter();
  QPainterPath path;
  const auto& values = series.values;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i] || !std::isfinite(*values[i])) continue;
    const QPointF point(sheet.Dots(plot.X(static_cast<double>(i))), sheet.Dots(plot.Y(*values[i])));
    const bool after_gap = i == 0 || !values[i - 1] || !std::isfinite(*values[i - 1]);
    const bool before_gap = i + 1 == values.size() || !values[i + 1] || !std::isfinite(*values[i + 1]);
    if (after_gap && before_gap) {
      path.addEllipse(point, sheet.Dots(0.35), sheet.Dots(0.35));
    } else if (after_gap) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  painter.setPen(QPen(series.color, sheet.Dots(0.45), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

void DrawPeakLine(const Sheet& sheet, const Plot& plot, std::optional<std::size_t> peak) {
  if (!peak) return;
  const double x = sheet.Dots(plot.X(static_cast<double>(*peak)));
  sheet.painter().setPen(QPen(kMuted, sheet.Dots(0.3), Qt::DashLine));
  sheet.painter().drawLine(QPointF(x, sheet.Dots(plot.box.top())), QPointF(x, sheet.Dots(plot.box.bottom())));
}

void DrawGraph(const Sheet& sheet, const Series& series, double seconds, std::optional<std::size_t> peak,
               const QRectF& area) {
  sheet.Line({area.x(), area.y(), area.width(), kHeadingMm}, series.title, sheet.Font(9.5, true),
             Qt::AlignLeft, kInk);
  const QRectF box(area.x() + kAxisLabelsMm, area.y() + kHeadingMm + 1, area.width() - kAxisLabelsMm,
                   area.height() - kHeadingMm - 1 - kTimeLabelsMm);
  const Plot plot{box, std::max(seconds, 1.0), ValueAxisFor(Highest(series.values), series.least_top)};
  DrawValueGrid(sheet, plot);
  DrawTimeGrid(sheet, plot);
  DrawPeakLine(sheet, plot, peak);
  DrawCurve(sheet, plot, series);
  sheet.Frame(box, kRule);
}

Series SpeedSeries(const Sheet& sheet, const exporting::IncidentFacts& facts) {
  const bool mph = facts.speed_unit == SpeedUnit::Mph;
  Series series{sheet.Text(row::kBandSpeed) + (mph ? QStringLiteral(" (mph)") : QStringLiteral(" (km/h)")),
                facts.speed_kmh, QColor(0x1f, 0x5f, 0xbf), 20};
  if (mph) {
    for (auto& value : series.values)
      if (value) *value *= kMilesPerKm;
  }
  return series;
}

}  // namespace

void DrawGraphs(const Sheet& sheet, const exporting::IncidentFacts& facts, const QRectF& area) {
  const double height = (area.height() - kGraphGapMm) / 2;
  // Seconds are counted from the span's first; its last value sits at its length.
  const double seconds = std::max(
      facts.seconds, static_cast<double>(std::max(facts.speed_kmh.size(), facts.g_magnitude.size())) - 1);
  const std::optional<std::size_t> peak = PeakIndex(facts.g_magnitude);
  DrawGraph(sheet, SpeedSeries(sheet, facts), seconds, peak, {area.x(), area.y(), area.width(), height});
  const Series g{sheet.Text(row::kBandGSensor) + QStringLiteral(" (g)"), facts.g_magnitude,
                 QColor(0xc8, 0x3c, 0x1e), 1};
  DrawGraph(sheet, g, seconds, peak, {area.x(), area.y() + height + kGraphGapMm, area.width(), height});
}

}  // namespace direvovu::gui::report
