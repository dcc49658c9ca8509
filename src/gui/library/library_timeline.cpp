#include "gui/library/library_timeline.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

namespace direvovu::gui {
namespace {

constexpr int kHoursPerDay = 24;
constexpr int kSecondsPerHour = 3600;
// A click this many pixels beside a tick or a short span still hits it.
constexpr double kSlackPixels = 3;
constexpr double kMinSpanPixels = 3;

}  // namespace

QColor TimelineColour(library::TimelineKind kind) {
  switch (kind) {
    case library::TimelineKind::Parked:
      return {0x1a, 0x96, 0x41};
    case library::TimelineKind::Event:
      return {0xd7, 0x19, 0x1c};
    case library::TimelineKind::Driving:
      break;
  }
  return {0x2b, 0x83, 0xba};
}

QColor MomentColour(library::MomentKind kind) {
  switch (kind) {
    case library::MomentKind::Braking:
      return {0xd7, 0x19, 0x1c};
    case library::MomentKind::Acceleration:
      return {0xff, 0x7f, 0x00};
    case library::MomentKind::Shock:
      break;
  }
  return {0x7b, 0x32, 0x94};
}

LibraryTimeline::LibraryTimeline(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void LibraryTimeline::SetDays(std::vector<library::TimelineDay> days) {
  days_ = std::move(days);
  setMinimumHeight(kHeaderHeight + static_cast<int>(days_.size()) * kRowHeight + 2);
  updateGeometry();
  update();
}

QSize LibraryTimeline::sizeHint() const {
  return {kLabelWidth + 24 * 30, kHeaderHeight + static_cast<int>(days_.size()) * kRowHeight + 2};
}

int LibraryTimeline::BarWidth() const { return std::max(1, width() - kLabelWidth - 6); }

double LibraryTimeline::XOf(int secondOfDay) const {
  return kLabelWidth + static_cast<double>(secondOfDay) * BarWidth() / library::kSecondsPerDay;
}

QPoint LibraryTimeline::PointOf(int dayRow, int secondOfDay) const {
  return {static_cast<int>(XOf(secondOfDay)), kHeaderHeight + dayRow * kRowHeight + kRowHeight / 2};
}

void LibraryTimeline::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor grid(0xd0, 0xd4, 0xd8);
  for (int hour = 0; hour <= kHoursPerDay; hour += 3) {
    const double x = XOf(hour * kSecondsPerHour);
    painter.setPen(grid);
    painter.drawLine(QPointF(x, kHeaderHeight - 3), QPointF(x, height()));
    painter.setPen(palette().color(QPalette::Text));
    if (hour < kHoursPerDay) painter.drawText(QPointF(x + 2, kHeaderHeight - 4), QString::number(hour));
  }
  for (std::size_t row = 0; row < days_.size(); ++row) {
    const library::TimelineDay& day = days_[row];
    const int top = kHeaderHeight + static_cast<int>(row) * kRowHeight;
    char label[16];
    std::snprintf(label, sizeof label, "%04d-%02d-%02d", day.year, day.month, day.day);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(2, top, kLabelWidth - 4, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft, label);
    painter.fillRect(QRectF(XOf(0), top + 3, BarWidth(), kRowHeight - 6), QColor(0xee, 0xf0, 0xf2));
    for (const library::TimelineSpan& span : day.spans) {
      const double x = XOf(span.from);
      // A minute is under a pixel of a day: every recording stays in sight.
      const double w = std::max(kMinSpanPixels, XOf(span.to + 1) - x);
      painter.fillRect(QRectF(x, top + 3, w, kRowHeight - 6), TimelineColour(span.kind));
    }
    for (const library::TimelineTick& tick : day.ticks) {
      painter.setPen(QPen(MomentColour(tick.kind), 2));
      const double x = XOf(tick.at);
      painter.drawLine(QPointF(x, top), QPointF(x, top + kRowHeight - 1));
    }
  }
}

void LibraryTimeline::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  const int row = (static_cast<int>(at.y()) - kHeaderHeight) / kRowHeight;
  if (at.y() < kHeaderHeight || row < 0 || row >= static_cast<int>(days_.size()) || at.x() < kLabelWidth)
    return;
  const double secondsPerPixel = static_cast<double>(library::kSecondsPerDay) / BarWidth();
  const int second = static_cast<int>((at.x() - kLabelWidth) * secondsPerPixel);
  const auto hit = library::HitTimeline(days_[static_cast<std::size_t>(row)], second,
                                        static_cast<int>(kSlackPixels * secondsPerPixel));
  if (hit) emit chosen(hit->id, hit->second);
}

}  // namespace direvovu::gui
