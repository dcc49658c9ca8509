// A sketch of the span's route: the fixes projected around their mean latitude, north
// up, with a scale bar in the speed unit's lengths and the start and end marked.
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/settings/texts.h"
#include "gui/export/incident_report_sheet.h"

namespace direvovu::gui::report {
namespace {

namespace row = rows::program_texts;

constexpr double kEarthRadiusM = 6371008.8;
constexpr double kMetresPerDegree = kEarthRadiusM * std::numbers::pi / 180;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kHeadingMm = 5.5;
constexpr double kLegendMm = 6;
constexpr double kPaddingMm = 5;
// A route that hardly moved is drawn as if it spanned this much.
constexpr double kLeastExtentM = 100;
const QColor kStartColor(0x2e, 0x8b, 0x3a);
const QColor kEndColor(0xc8, 0x3c, 0x1e);
const QColor kRouteColor(0x1f, 0x3f, 0x8f);

// The fixes in metres east and north of their middle, and how many mm a metre is.
struct Projection {
  double mean_latitude = 0;
  double centre_x = 0;
  double centre_y = 0;
  double mm_per_metre = 1;
  QPointF centre_mm;

  [[nodiscard]] QPointF Mm(const exporting::ReportPlace& place) const {
    const double x = place.longitude * kMetresPerDegree * std::cos(mean_latitude * std::numbers::pi / 180);
    const double y = place.latitude * kMetresPerDegree;
    return {centre_mm.x() + (x - centre_x) * mm_per_metre, centre_mm.y() - (y - centre_y) * mm_per_metre};
  }
};

Projection ProjectionOf(const std::vector<exporting::ReportPlace>& route, const QRectF& box) {
  Projection projection;
  for (const auto& place : route)
    projection.mean_latitude += place.latitude / static_cast<double>(route.size());
  const double cos_latitude = std::cos(projection.mean_latitude * std::numbers::pi / 180);
  double min_x = HUGE_VAL, max_x = -HUGE_VAL, min_y = HUGE_VAL, max_y = -HUGE_VAL;
  for (const auto& place : route) {
    const double x = place.longitude * kMetresPerDegree * cos_latitude;
    const double y = place.latitude * kMetresPerDegree;
    min_x = std::min(min_x, x), max_x = std::max(max_x, x);
    min_y = std::min(min_y, y), max_y = std::max(max_y, y);
  }
  projection.centre_x = (min_x + max_x) / 2;
  projection.centre_y = (min_y + max_y) / 2;
  const QRectF inner = box.adjusted(kPaddingMm, kPaddingMm, -kPaddingMm, -kPaddingMm);
  projection.mm_per_metre = std::min(inner.width() / std::max(max_x - min_x, kLeastExtentM),
                                     inner.height() / std::max(max_y - min_y, kLeastExtentM));
  projection.centre_mm = inner.center();
  return projection;
}

void DrawMarker(const Sheet& sheet, const QPointF& at_mm, const QColor& color, bool round) {
  QPainter& painter = sheet.painter();
  painter.setPen(QPen(Qt::white, sheet.Dots(0.3)));
  painter.setBrush(color);
  const double half = sheet.Dots(1.4);
  const QRectF mark(sheet.Dots(at_mm.x()) - half, sheet.Dots(at_mm.y()) - half, 2 * half, 2 * half);
  round ? painter.drawEllipse(mark) : painter.drawRect(mark);
}

void DrawTrack(const Sheet& sheet, const std::vector<exporting::ReportPlace>& route,
               const Projection& projection) {
  QPainterPath path;
  for (std::size_t i = 0; i < route.size(); ++i) {
    const QPointF at = projection.Mm(route[i]);
    const QPointF dots(sheet.Dots(at.x()), sheet.Dots(at.y()));
    i == 0 ? path.moveTo(dots) : path.lineTo(dots);
  }
  sheet.painter().setPen(QPen(kRouteColor, sheet.Dots(0.6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  sheet.painter().setBrush(Qt::NoBrush);
  sheet.painter().drawPath(path);
  DrawMarker(sheet, projection.Mm(route.front()), kStartColor, true);
  DrawMarker(sheet, projection.Mm(route.back()), kEndColor, false);
}

void DrawScaleBar(const Sheet& sheet, const QRectF& box, double mm_per_metre, SpeedUnit unit) {
  const ScaleBar bar = ScaleBarFor(0.4 * box.width() / mm_per_metre, unit);
  const double length = bar.metres * mm_per_metre;
  const double left = box.left() + 3;
  const double y = box.bottom() - 3;
  QPainter& painter = sheet.painter();
  painter.setPen(QPen(kInk, sheet.Dots(0.35), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(sheet.Dots(left), sheet.Dots(y)),
                   QPointF(sheet.Dots(left + length), sheet.Dots(y)));
  for (const double x : {left, left + length})
    painter.drawLine(QPointF(sheet.Dots(x), sheet.Dots(y - 1.2)), QPointF(sheet.Dots(x), sheet.Dots(y)));
  sheet.Line({left, y - 4.5, std::max(length, 20.0), 3.5}, QString::fromStdString(bar.text), sheet.Font(7),
             Qt::AlignLeft, kInk);
}

void DrawNorth(const Sheet& sheet, const QRectF& box) {
  const QPointF tip(box.right() - 4, box.top() + 2.5);
  QPainterPath arrow;
  arrow.moveTo(sheet.Dots(tip.x()), sheet.Dots(tip.y()));
  arrow.lineTo(sheet.Dots(tip.x() + 1.3), sheet.Dots(tip.y() + 3.5));
  arrow.lineTo(sheet.Dots(tip.x() - 1.3), sheet.Dots(tip.y() + 3.5));
  arrow.closeSubpath();
  sheet.painter().fillPath(arrow, kInk);
  sheet.Line({tip.x() - 2, tip.y() + 3.7, 4, 3.5}, QStringLiteral("N"), sheet.Font(7, true), Qt::AlignHCenter,
             kInk);
}

void DrawLegend(const Sheet& sheet, const QRectF& area) {
  const double half = area.width() / 2;
  const std::tuple<int, QColor, bool> entries[] = {{row::kReportStartPlace, kStartColor, true},
                                                   {row::kReportEndPlace, kEndColor, false}};
  double x = area.x();
  for (const auto& [label, color, round] : entries) {
    DrawMarker(sheet, {x + 1.6, area.center().y()}, color, round);
    sheet.Line({x + 4, area.y(), half - 4.5, area.height()}, sheet.Text(label), sheet.Font(7.5),
               Qt::AlignLeft, kMuted);
    x += half;
  }
}

}  // namespace

void DrawRoute(const Sheet& sheet, const exporting::IncidentFacts& facts, const QRectF& area) {
  sheet.Line({area.x(), area.y(), area.width(), kHeadingMm}, sheet.Text(row::kReportRoute),
             sheet.Font(9.5, true), Qt::AlignLeft, kInk);
  const QRectF box(area.x(), area.y() + kHeadingMm + 1, area.width(),
                   area.height() - kHeadingMm - 1 - kLegendMm);
  sheet.painter().fillRect(sheet.Dots(box), QColor(0xf7, 0xf7, 0xf4));
  if (facts.route.empty()) {
    sheet.Line(box, QString::fromUtf8("—"), sheet.Font(12), Qt::AlignHCenter, kMuted);
  } else {
    const Projection projection = ProjectionOf(facts.route, box);
    DrawTrack(sheet, facts.route, projection);
    DrawScaleBar(sheet, box, projection.mm_per_metre, facts.speed_unit);
  }
  DrawNorth(sheet, box);
  sheet.Frame(box, kRule);
  DrawLegend(sheet, {area.x(), box.bottom() + 1, area.width(), kLegendMm - 1});
}

ScaleBar ScaleBarFor(double most_metres, SpeedUnit unit) {
  // The longest of 1, 2, 5 × 10^n (n ≥ 0) units not over `most`; 1 when none is.
  const auto round_length = [](double most) {
    double best = 1;
    for (double decade = 1; decade <= most; decade *= 10) {
      for (const double mantissa : {1.0, 2.0, 5.0})
        if (mantissa * decade <= most) best = mantissa * decade;
    }
    return best;
  };
  const auto whole = [](double value) { return std::to_string(static_cast<long long>(std::llround(value))); };
  if (unit == SpeedUnit::Mph) {
    const double miles = most_metres / (kKmPerMile * 1000);
    if (miles >= 1) {
      const double shown = round_length(miles);
      return {shown * kKmPerMile * 1000, whole(shown) + " mi"};
    }
    const double feet = round_length(most_metres / kMetresPerFoot);
    return {feet * kMetresPerFoot, whole(feet) + " ft"};
  }
  const double metres = round_length(most_metres);
  if (metres >= 1000) return {metres, whole(metres / 1000) + " km"};
  return {metres, whole(metres) + " m"};
}

}  // namespace direvovu::gui::report
