// The front and rear pictures of the span's moments, a column each.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "core/settings/texts.h"
#include "gui/export/incident_report_sheet.h"

namespace direvovu::gui::report {
namespace {

constexpr int kColumns = 3;
constexpr double kGapMm = 4;
constexpr double kLabelMm = 5;
constexpr double kMomentMm = 4.5;
constexpr double kSlotAspect = 9.0 / 16.0;
// Larger pictures would only make the file bigger than its 300 dpi can show.
constexpr int kMostSide = 8192;

QImage ImageOf(const exporting::RgbPicture& picture) {
  if (picture.empty() || picture.width > kMostSide || picture.height > kMostSide) return {};
  const auto row_bytes = static_cast<qsizetype>(picture.width) * 3;
  if (picture.rgb.size() < static_cast<std::size_t>(row_bytes) * static_cast<std::size_t>(picture.height))
    return {};
  return QImage(picture.rgb.data(), picture.width, picture.height, row_bytes, QImage::Format_RGB888).copy();
}

// The channel's name on a dark tag as wide as the name, at `corner` (mm).
void DrawChannelTag(const Sheet& sheet, const QPointF& corner, double most_width, const QString& channel) {
  constexpr double kTagMm = 4;
  constexpr double kPaddingMm = 1;
  const QFont font = sheet.Font(7, true);
  const double text_width =
      QFontMetricsF(font, sheet.painter().device()).horizontalAdvance(channel) / sheet.Dots(1);
  const QRectF tag(corner.x(), corner.y(), std::min(text_width + 2 * kPaddingMm, most_width), kTagMm);
  sheet.painter().fillRect(sheet.Dots(tag), QColor(0, 0, 0, 150));
  sheet.Line(tag.adjusted(kPaddingMm, 0, -kPaddingMm, 0), channel, font, Qt::AlignLeft, Qt::white);
}

// The picture as large as its slot allows, its proportions kept; the channel named in a
// tag over its top left corner.
void DrawPicture(const Sheet& sheet, const QRectF& slot, const QImage& image, const QString& channel) {
  QPainter& painter = sheet.painter();
  const QRectF slot_dots = sheet.Dots(slot);
  const QSizeF fitted = QSizeF(image.size()).scaled(slot_dots.size(), Qt::KeepAspectRatio);
  QRectF target(QPointF(), fitted);
  target.moveCenter(slot_dots.center());
  const QSize pixels = fitted.toSize();
  const QImage shown = image.width() > pixels.width()
                           ? image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           : image;
  painter.fillRect(slot_dots, QColor(0xf2, 0xf2, 0xf2));
  painter.drawImage(target, shown);
  DrawChannelTag(sheet, {target.x() / sheet.Dots(1), target.y() / sheet.Dots(1)}, slot.width(), channel);
  sheet.Frame(slot, kRule);
}

void DrawMoment(const Sheet& sheet, const exporting::MomentPictures& moment, const QRectF& column) {
  namespace row = rows::program_texts;
  double y = column.y();
  sheet.Line({column.x(), y, column.width(), kLabelMm}, QString::fromStdString(moment.label),
             sheet.Font(10, true), Qt::AlignLeft, kInk);
  y += kLabelMm;
  sheet.Line({column.x(), y, column.width(), kMomentMm}, QString::fromStdString(moment.moment),
             sheet.Font(8.5), Qt::AlignLeft, kMuted);
  y += kMomentMm + 1;
  const double slot_height = column.width() * kSlotAspect;
  const QImage front = ImageOf(moment.front);
  if (!front.isNull())
    DrawPicture(sheet, {column.x(), y, column.width(), slot_height}, front, sheet.Text(row::kFrontChannel));
  y += slot_height + 2;
  const QImage rear = ImageOf(moment.rear);
  if (!rear.isNull())
    DrawPicture(sheet, {column.x(), y, column.width(), slot_height}, rear, sheet.Text(row::kRearChannel));
}

}  // namespace

void DrawMoments(const Sheet& sheet, const std::vector<exporting::MomentPictures>& moments,
                 const QRectF& area) {
  const double width = (area.width() - (kColumns - 1) * kGapMm) / kColumns;
  const auto shown = std::min<std::size_t>(moments.size(), kColumns);
  for (std::size_t i = 0; i < shown; ++i) {
    const double x = area.x() + static_cast<double>(i) * (width + kGapMm);
    DrawMoment(sheet, moments[i], {x, area.y(), width, area.height()});
  }
}

}  // namespace direvovu::gui::report
