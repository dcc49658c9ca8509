#include "gui/display/speedometer_widget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "gui/display/display_pictures.h"

namespace direvovu::gui {
namespace {

namespace c = display_colours;

QPoint Local(display::Point p) { return {p.x - display::kDialLeft, p.y - display::kDialTop}; }

}  // namespace

QFont SpeedNumberFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(18);
  font.setWeight(QFont::Bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  // Whatever face stands in for Arial here, squeeze or widen it to 10 pixels a character.
  const double average = QFontMetricsF(font).averageCharWidth();
  if (average > 0)
    font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * 10.0 / average)), 50, 200));
  return font;
}

SpeedometerWidget::SpeedometerWidget(QWidget* parent) : QWidget(parent), font_(SpeedNumberFont()) {
  setObjectName(QStringLiteral("speedometer"));
  setGeometry(display::kDialLeft, display::kDialTop, display::kDialWidth, display::kDialHeight);
  setAttribute(Qt::WA_TranslucentBackground);
  dial_ = DialPicture(unit_);
}

void SpeedometerWidget::SetTrack(const TrackState* track) {
  track_ = track;
  update();
}

void SpeedometerWidget::SetUnit(display::SpeedUnit unit) {
  if (unit == unit_) return;
  unit_ = unit;
  dial_ = DialPicture(unit_);
  update();
}

void SpeedometerWidget::ShowSecond(double playSecond) {
  const int i = track_ != nullptr ? TrackRecordIndex(*track_, playSecond) : -1;
  if (i < 0) {
    speed_.reset();
  } else {
    speed_ = display::DisplaySpeed(track_->records[static_cast<std::size_t>(i)].speed, unit_);
  }
  update();
}

void SpeedometerWidget::Clear() {
  speed_.reset();
  update();
}

QString SpeedometerWidget::numberText() const {
  return speed_ ? QString::fromStdString(display::SpeedNumberText(*speed_, unit_)) : QString();
}

display::Point SpeedometerWidget::needleEnd() const { return display::NeedleEnd(speed_.value_or(0), unit_); }

void SpeedometerWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, dial_);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPoint centre = Local(display::kDialCentre);
  if (speed_) {
    painter.setPen(QPen(c::kNeedle, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, Local(needleEnd()));
  }
  // The hub over the needle's root.
  painter.setPen(QPen(QColor(90, 96, 106), 1));
  painter.setBrush(QColor(200, 200, 200));
  painter.drawEllipse(QPointF(centre), 4, 4);
  if (!speed_) return;
  painter.setFont(font_);
  painter.setPen(c::kSpeedNumber);
  const QPoint origin = Local(display::kSpeedNumberOrigin);
  // Top-left at the origin; the leading blanks keep the digits right-aligned.
  painter.drawText(QRect(origin.x(), origin.y(), width() - origin.x(), 22), Qt::AlignLeft | Qt::AlignTop,
                   numberText());
}

void SpeedometerWidget::mousePressEvent(QMouseEvent* event) { event->ignore(); }

}  // namespace direvovu::gui
