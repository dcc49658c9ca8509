#include "gui/export/incident_report_sheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "core/export/decimal_text.h"
#include "core/settings/texts.h"

namespace direvovu::gui::report {
namespace {

constexpr double kLeastShrink = 0.6;
constexpr double kShrinkStep = 0.95;
constexpr int kPlaceDecimals = 5;

// The language's own shapes for Hangul, Kana and Hanzi; any other language's CJK text
// (an address) takes the Japanese ones.
QString CjkFamilyOf(int language) {
  switch (language) {
    case kKorean:
      return QStringLiteral("Noto Sans CJK KR");
    case kChineseSimplified:
      return QStringLiteral("Noto Sans CJK SC");
    case kChineseTraditional:
      return QStringLiteral("Noto Sans CJK TC");
    default:
      return QStringLiteral("Noto Sans CJK JP");
  }
}

}  // namespace

Sheet::Sheet(QPainter& painter, double dots_per_mm, int language)
    : painter_(painter), dots_per_mm_(dots_per_mm), language_(language) {}

QRectF Sheet::Dots(const QRectF& mm) const {
  return {Dots(mm.x()), Dots(mm.y()), Dots(mm.width()), Dots(mm.height())};
}

QString Sheet::Text(int row) const {
  return QString::fromUtf8(direvovu::Text(TextTable::ProgramTexts, row, language_));
}

QFont Sheet::Font(double points, bool bold) const {
  // Latin, digits and Cyrillic from DejaVu, the rest from Noto CJK: Noto CJK's digits
  // come out of Qt's PDF writer without their characters, so a reader's search or copy
  // would find no number in them.
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), CjkFamilyOf(language_)});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont Sheet::Mono(double points) const {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPointSizeF(points);
  return font;
}

void Sheet::Line(const QRectF& box, const QString& text, QFont font, Qt::Alignment align,
                 const QColor& color) const {
  const QRectF dots = Dots(box);
  const double full = font.pointSizeF();
  QString shown = text;
  for (double size = full;; size *= kShrinkStep) {
    font.setPointSizeF(size);
    const QFontMetricsF metrics(font, painter_.device());
    if (metrics.horizontalAdvance(text) <= dots.width()) break;
    if (size * kShrinkStep < full * kLeastShrink) {
      shown = metrics.elidedText(text, Qt::ElideMiddle, dots.width());
      break;
    }
  }
  painter_.setFont(font);
  painter_.setPen(color);
  painter_.drawText(dots, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

void Sheet::Frame(const QRectF& box, const QColor& color) const {
  painter_.setPen(QPen(color, Dots(0.2)));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(Dots(box));
}

ValueAxis ValueAxisFor(double highest, double least_top) {
  constexpr int kSteps = 4;
  const double wanted = std::max(highest, least_top) / kSteps;
  if (!(wanted > 0)) return {least_top, least_top};
  const double decade = std::pow(10.0, std::floor(std::log10(wanted)));
  double step = 10 * decade;
  for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
    if (mantissa * decade >= wanted) {
      step = mantissa * decade;
      break;
    }
  }
  const double top = std::ceil(std::max(highest, least_top) / step - 1e-9) * step;
  return {top, step};
}

std::string SecondsNumber(double seconds, int language) {
  const double tenths = std::round(seconds * 10);
  std::string text = exporting::DecimalText(tenths / 10, std::fmod(tenths, 10) == 0 ? 0 : 1);
  if (language == kRussian || language == kPortugueseBrazil) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string CoordinatesText(const exporting::ReportPlace& place) {
  return exporting::DecimalText(place.latitude, kPlaceDecimals) + ", " +
         exporting::DecimalText(place.longitude, kPlaceDecimals);
}

}  // namespace direvovu::gui::report
