#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <optional>
#include <utility>

#include "core/controls/slider_geometry.h"

namespace direvovu::gui {

// A slider drawn from pictures: a channel and a thumb, each with a normal and an active
// picture. The part of the channel before the thumb shows the active picture (the played
// part of a recording); the thumb shows its active picture while it is dragged. A marked
// part of the range (the span to export) shows as a band beside the groove.
class CBitmapSlider : public QWidget {
  Q_OBJECT

 public:
  explicit CBitmapSlider(QWidget* parent = nullptr);

  // With `transparent`, pixels of the transparent colour are left out when drawing; without
  // a colour, the colour of the picture's pixel at `sample` is used.
  void SetBitmapChannel(const QPixmap& normal, const QPixmap& active, bool transparent = false,
                        std::optional<QColor> colour = std::nullopt, QPoint sample = {0, 0});
  void SetBitmapThumb(const QPixmap& normal, const QPixmap& active, bool transparent = false,
                      std::optional<QColor> colour = std::nullopt, QPoint sample = {0, 0});

  void SetRange(int minimum, int maximum, bool redraw = false);
  [[nodiscard]] int GetRangeMin() const { return minimum_; }
  [[nodiscard]] int GetRangeMax() const { return maximum_; }
  // Clamped to the range, then redrawn.
  void SetPos(int position);
  [[nodiscard]] int GetPos() const { return position_; }
  void SetPageSize(int page) { page_ = page; }
  [[nodiscard]] int GetPageSize() const { return page_; }
  void SetMargin(int left, int top, int right, int bottom);
  void SetVertical(bool vertical);
  [[nodiscard]] bool IsVertical() const { return vertical_; }
  [[nodiscard]] bool IsDragging() const { return dragging_; }
  // The marked part of the range, from and to in range units; nullopt: nothing marked.
  void SetMarkedRange(std::optional<std::pair<int, int>> range);
  [[nodiscard]] std::optional<std::pair<int, int>> markedRange() const { return marked_; }
  // The looped part (A to B, or A alone as a tick), drawn along the near edge.
  void SetLoopRange(std::optional<std::pair<int, int>> range);
  [[nodiscard]] std::optional<std::pair<int, int>> loopRange() const { return loop_; }
  // The names QSlider uses, so code and tests written against one read the other.
  [[nodiscard]] int value() const { return position_; }
  [[nodiscard]] int minimum() const { return minimum_; }
  [[nodiscard]] int maximum() const { return maximum_; }
  void setValue(int position) { SetPos(position); }
  // A key as the focused slider takes it (arrows, Home, End, Page Up/Down): moves the
  // thumb and reports `moved`. False for a key the slider has no use for.
  bool PressKey(int key);

  [[nodiscard]] QSize sizeHint() const override;

 signals:
  // During a drag, each time the position changes.
  void moving(int position);
  // When the mouse button is released, and after each key that moves the thumb.
  void moved(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  [[nodiscard]] controls::SliderGeometry Geometry() const;
  [[nodiscard]] int Along(QPoint point) const;
  void DragTo(int pointer);
  void PaintChannel(QPainter& painter, int centre) const;
  void PaintThumb(QPainter& painter, int centre) const;
  void PaintMarkedRange(QPainter& painter) const;
  void PaintRangeBand(QPainter& painter, std::pair<int, int> range, bool far_edge,
                      const QColor& colour) const;

  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  int page_ = 10;
  bool vertical_ = false;
  int margin_left_ = 0;
  int margin_top_ = 0;
  int margin_right_ = 0;
  int margin_bottom_ = 0;
  QPixmap channel_normal_;
  QPixmap channel_active_;
  QPixmap thumb_normal_;
  QPixmap thumb_active_;
  bool dragging_ = false;
  int drag_offset_ = 0;
  std::optional<std::pair<int, int>> marked_;
  std::optional<std::pair<int, int>> loop_;
};

}  // namespace direvovu::gui
