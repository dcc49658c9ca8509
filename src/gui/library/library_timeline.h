#pragma once

#include <QWidget>

#include <vector>

#include "core/library/library_view.h"

namespace direvovu::gui {

// The day-by-day timeline: a 24-hour bar per day with the driving, parked and event
// recordings as coloured spans and the harsh moments as ticks. A click on a span or a
// tick chooses that recording at that second.
class LibraryTimeline : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 18;
  static constexpr int kLabelWidth = 78;
  static constexpr int kHeaderHeight = 16;

  explicit LibraryTimeline(QWidget* parent = nullptr);

  void SetDays(std::vector<library::TimelineDay> days);
  [[nodiscard]] const std::vector<library::TimelineDay>& days() const { return days_; }
  [[nodiscard]] QSize sizeHint() const override;
  // Where the second of a day row is drawn (the window's tests click there).
  [[nodiscard]] QPoint PointOf(int dayRow, int secondOfDay) const;

 signals:
  void chosen(qint64 recordingId, int second);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  [[nodiscard]] int BarWidth() const;
  [[nodiscard]] double XOf(int secondOfDay) const;

  std::vector<library::TimelineDay> days_;
};

// The colours the map and the timeline share.
QColor TimelineColour(library::TimelineKind kind);
QColor MomentColour(library::MomentKind kind);

}  // namespace direvovu::gui
