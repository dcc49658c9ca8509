// The page's layout, and its sections of text: the heading, the facts of the span and
// the original recordings with their digests.
#include <QPainter>
#include <QPen>

#include <utility>

#include "core/export/band_text.h"
#include "core/settings/size_text.h"
#include "core/settings/texts.h"
#include "gui/export/incident_report_sheet.h"

namespace direvovu::gui::report {
namespace {

namespace row = rows::program_texts;

constexpr double kLabelPoints = 8.5;
constexpr double kValuePoints = 10;
constexpr double kLabelWidthMm = 30;
constexpr double kFactRowMm = 6;
constexpr double kPlaceLineMm = 4.8;
constexpr double kColumnGapMm = 6;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// A label and its value on one row of a facts column (mm).
void FactRow(const Sheet& sheet, const QRectF& row, const QString& label, const QString& value) {
  sheet.Line({row.x(), row.y(), kLabelWidthMm, row.height()}, label, sheet.Font(kLabelPoints), Qt::AlignLeft,
             kMuted);
  sheet.Line(row.adjusted(kLabelWidthMm, 0, 0, 0), value, sheet.Font(kValuePoints, true), Qt::AlignLeft,
             kInk);
}

// A place: its address lines when the service named it, then its coordinates. `top` is
// its first line (mm); the result is the top of the line after its last.
double PlaceRows(const Sheet& sheet, const QRectF& top, const QString& label,
                 const std::optional<exporting::ReportPlace>& place,
                 const std::optional<map::AddressLines>& lines) {
  sheet.Line({top.x(), top.y(), kLabelWidthMm, kPlaceLineMm}, label, sheet.Font(kLabelPoints), Qt::AlignLeft,
             kMuted);
  std::vector<std::pair<QString, bool>> values;  // text, bold
  if (lines) {
    for (const std::string& line : {lines->line1, lines->line2})
      if (!line.empty()) values.emplace_back(Utf8(line), true);
  }
  values.emplace_back(place ? Utf8(CoordinatesText(*place)) : Utf8(std::string(exporting::kNoValue)),
                      values.empty());
  QRectF value_line(top.x() + kLabelWidthMm, top.y(), top.width() - kLabelWidthMm, kPlaceLineMm);
  for (const auto& [text, bold] : values) {
    sheet.Line(value_line, text, sheet.Font(bold ? kValuePoints : 9, bold), Qt::AlignLeft,
               bold ? kInk : kMuted);
    value_line.translate(0, kPlaceLineMm);
  }
  return value_line.top();
}

}  // namespace

void DrawHeader(const Sheet& sheet, const QRectF& area) {
  constexpr double kProgramWidthMm = 40;
  sheet.Line({area.x(), area.y(), area.width() - kProgramWidthMm, area.height()},
             sheet.Text(row::kReportTitle), sheet.Font(18, true), Qt::AlignLeft, kInk);
  sheet.Line({area.right() - kProgramWidthMm, area.y(), kProgramWidthMm, area.height()},
             QStringLiteral("DirevOvu " DIREVOVU_VERSION), sheet.Font(8), Qt::AlignRight, kMuted);
  QPainter& painter = sheet.painter();
  painter.setPen(QPen(kRule, sheet.Dots(0.4)));
  painter.drawLine(QPointF(sheet.Dots(area.left()), sheet.Dots(area.bottom())),
                   QPointF(sheet.Dots(area.right()), sheet.Dots(area.bottom())));
}

void DrawFacts(const Sheet& sheet, const exporting::IncidentFacts& facts, const ReportAddresses& addresses,
               const QRectF& area) {
  const double column = (area.width() - kColumnGapMm) / 2;
  const std::pair<int, QString> spans[] = {
      {row::kReportRecording, Utf8(facts.recording)},
      {row::kReportFrom, Utf8(facts.from_text)},
      {row::kReportTo, Utf8(facts.to_text)},
      {row::kReportDuration,
       sheet.Text(row::kReportSeconds).arg(Utf8(SecondsNumber(facts.seconds, sheet.language())))},
  };
  QRectF fact_row(area.x(), area.y(), column, kFactRowMm);
  for (const auto& [label, value] : spans) {
    FactRow(sheet, fact_row, sheet.Text(label), value);
    fact_row.translate(0, kFactRowMm);
  }
  const double place_x = area.x() + column + kColumnGapMm;
  // The start's first line sits level with the first fact; the end's a little below the start.
  const double end_top = PlaceRows(sheet, {place_x, area.y() + 0.6, column, kPlaceLineMm},
                                   sheet.Text(row::kReportStartPlace), facts.start_place, addresses.start);
  PlaceRows(sheet, {place_x, end_top + 1.5, column, kPlaceLineMm}, sheet.Text(row::kReportEndPlace),
            facts.end_place, addresses.end);
}

void DrawOriginals(const Sheet& sheet, const std::vector<exporting::ReportOriginal>& originals,
                   const QRectF& area) {
  constexpr double kHeadingMm = 7;
  constexpr double kNameMm = 5;
  constexpr double kDigestMm = 5;
  constexpr double kSizeWidthMm = 30;
  sheet.Line({area.x(), area.y(), area.width(), kHeadingMm}, sheet.Text(row::kReportOriginals),
             sheet.Font(11, true), Qt::AlignLeft, kInk);
  double y = area.y() + kHeadingMm;
  for (const exporting::ReportOriginal& original : originals) {
    if (y + kNameMm + kDigestMm > area.bottom()) break;
    sheet.Line({area.x(), y, area.width() - kSizeWidthMm, kNameMm}, Utf8(original.name),
               sheet.Font(9.5, true), Qt::AlignLeft, kInk);
    sheet.Line({area.right() - kSizeWidthMm, y, kSizeWidthMm, kNameMm},
               Utf8(SizeText(original.bytes, sheet.language())), sheet.Font(8.5), Qt::AlignRight, kMuted);
    y += kNameMm;
    sheet.Line({area.x(), y, area.width(), kDigestMm},
               QStringLiteral("SHA-256  ") + Utf8(original.sha256_hex), sheet.Mono(8.5), Qt::AlignLeft, kInk);
    y += kDigestMm + 1.5;
  }
}

void DrawIncidentPage(const Sheet& sheet, const exporting::IncidentFacts& facts,
                      const ReportAddresses& addresses) {
  constexpr double kRouteWidthMm = 70;
  const double x = kMarginMm;
  const double width = kPageWidthMm - 2 * kMarginMm;
  // Bands from the top: each takes its height and the gap below it.
  double y = kMarginMm;
  const auto band = [&y](double height, double gap) { return std::exchange(y, y + height + gap); };
  DrawHeader(sheet, {x, band(11, 4), width, 11});
  DrawFacts(sheet, facts, addresses, {x, band(31, 5), width, 31});
  DrawMoments(sheet, facts.moments, {x, band(80, 6), width, 80});
  const double graphs_top = band(94, 6);
  DrawGraphs(sheet, facts, {x, graphs_top, width - kRouteWidthMm - kColumnGapMm, 94});
  DrawRoute(sheet, facts, {x + width - kRouteWidthMm, graphs_top, kRouteWidthMm, 94});
  DrawOriginals(sheet, facts.originals, {x, y, width, kPageHeightMm - kMarginMm - y});
}

}  // namespace direvovu::gui::report
