#include "gui/controls/bitmap_slider.h"

#include <QBitmap>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

#include "gui/skin/skin_palette.h"

namespace direvovu::gui {
namespace {

QSize LogicalSize(const QPixmap& pixmap) { return pixmap.deviceIndependentSize().toSize(); }

// Pictures with a key colour instead of alpha are drawn through a mask of that colour.
QPixmap Keyed(const QPixmap& picture, bool transparent, std::optional<QColor> colour, QPoint sample) {
  if (!transparent || picture.isNull()) return picture;
  const QImage image = picture.toImage();
  QColor key = colour.value_or(QColor());
  if (!colour) {
    const QPoint device = sample * picture.devicePixelRatio();
    if (!image.rect().contains(device)) return picture;
    key = image.pixelColor(device);
  }
  QPixmap keyed = picture;
  keyed.setMask(QBitmap::fromImage(image.createMaskFromColor(key.rgba(), Qt::MaskInColor)));
  return keyed;
}

std::optional<controls::SliderKey> SliderKeyOf(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return controls::SliderKey::kPageUp;
    case Qt::Key_PageDown:
      return controls::SliderKey::kPageDown;
    case Qt::Key_Home:
      return controls::SliderKey::kHome;
    case Qt::Key_End:
      return controls::SliderKey::kEnd;
    case Qt::Key_Left:
      return controls::SliderKey::kLeft;
    case Qt::Key_Right:
      return controls::SliderKey::kRight;
    case Qt::Key_Up:
      return controls::SliderKey::kUp;
    case Qt::Key_Down:
      return controls::SliderKey::kDown;
    default:
      return std::nullopt;
  }
}

}  // namespace

CBitmapSlider::CBitmapSlider(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  // The skin behind shows through where the pictures are transparent; Qt double-buffers.
  setAttribute(Qt::WA_NoSystemBackground);
}

void CBitmapSlider::SetBitmapChannel(const QPixmap& normal, const QPixmap& active, bool transparent,
                                     std::optional<QColor> colour, QPoint sample) {
  channel_normal_ = Keyed(normal, transparent, colour, sample);
  channel_active_ = Keyed(active.isNull() ? normal : active, transparent, colour, sample);
  updateGeometry();
  update();
}

void CBitmapSlider::SetBitmapThumb(const QPixmap& normal, const QPixmap& active, bool transparent,
                                   std::optional<QColor> colour, QPoint sample) {
  thumb_normal_ = Keyed(normal, transparent, colour, sample);
  thumb_active_ = Keyed(active.isNull() ? normal : active, transparent, colour, sample);
  update();
}

void CBitmapSlider::SetRange(int minimum, int maximum, bool redraw) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  position_ = controls::ClampPosition(Geometry(), position_);
  if (redraw) update();
}

void CBitmapSlider::SetPos(int position) {
  position_ = controls::ClampPosition(Geometry(), position);
  update();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): left, top, right, bottom, as margins go
void CBitmapSlider::SetMargin(int left, int top, int right, int bottom) {
  margin_left_ = left;
  margin_top_ = top;
  margin_right_ = right;
  margin_bottom_ = bottom;
  update();
}

void CBitmapSlider::SetMarkedRange(std::optional<std::pair<int, int>> range) {
  if (range == marked_) return;
  marked_ = range;
  update();
}

void CBitmapSlider::SetLoopRange(std::optional<std::pair<int, int>> range) {
  if (range == loop_) return;
  loop_ = range;
  update();
}

void CBitmapSlider::SetVertical(bool vertical) {
  vertical_ = vertical;
  updateGeometry();
  update();
}

QSize CBitmapSlider::sizeHint() const {
  if (!channel_normal_.isNull()) return LogicalSize(channel_normal_);
  return vertical_ ? QSize(20, 120) : QSize(120, 20);
}

controls::SliderGeometry CBitmapSlider::Geometry() const {
  controls::SliderGeometry g;
  g.minimum = minimum_;
  g.maximum = maximum_;
  const QSize thumb = LogicalSize(thumb_normal_);
  g.length = vertical_ ? height() : width();
  g.margin_start = vertical_ ? margin_top_ : margin_left_;
  g.margin_end = vertical_ ? margin_bottom_ : margin_right_;
  g.thumb_length = vertical_ ? thumb.height() : thumb.width();
  return g;
}

int CBitmapSlider::Along(QPoint point) const { return vertical_ ? point.y() : point.x(); }

void CBitmapSlider::mousePressEvent(QMouseEvent* event) {
  if (!isEnabled() || event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  // Qt grabs the mouse for the pressed widget until the release.
  setFocus(Qt::MouseFocusReason);
  dragging_ = true;
  const controls::SliderGeometry g = Geometry();
  drag_offset_ = controls::DragOffset(g, controls::PixelFromPosition(g, position_), Along(event->pos()));
  DragTo(Along(event->pos()));
  update();
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !isEnabled()) return;
  DragTo(Along(event->pos()));
}

void CBitmapSlider::DragTo(int pointer) {
  const controls::SliderGeometry g = Geometry();
  const int centre = controls::DragCentre(g, pointer, drag_offset_);
  // Pixels are compared, so grabbing the thumb where it stands keeps its exact position.
  if (centre == controls::PixelFromPosition(g, position_)) return;
  const int position = controls::PositionFromPixel(g, centre);
  if (position == position_) return;
  position_ = position;
  update();
  emit moving(position_);
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  update();
  emit moved(position_);
}

bool CBitmapSlider::PressKey(int key) {
  const std::optional<controls::SliderKey> slider_key = SliderKeyOf(key);
  if (!isEnabled() || !slider_key) return false;
  position_ = controls::PositionAfterKey(Geometry(), position_, page_, *slider_key);
  update();
  emit moved(position_);
  return true;
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event) {
  if (!PressKey(event->key())) QWidget::keyPressEvent(event);  // Tab and the rest go on to the parent
}

void CBitmapSlider::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void CBitmapSlider::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void CBitmapSlider::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!isEnabled()) painter.setOpacity(0.5);
  const int centre = controls::PixelFromPosition(Geometry(), position_);
  PaintChannel(painter, centre);
  PaintMarkedRange(painter);
  PaintThumb(painter, centre);
}

// The channel in two parts split at the thumb centre: active before, normal after.
void CBitmapSlider::PaintChannel(QPainter& painter, int centre) const {
  const QRect all = rect();
  const QRect before = vertical_ ? QRect(0, 0, width(), centre) : QRect(0, 0, centre, height());
  const QRect after =
      vertical_ ? QRect(0, centre, width(), height() - centre) : QRect(centre, 0, width() - centre, height());
  painter.save();
  painter.setClipRect(before);
  painter.drawPixmap(all, channel_active_);
  painter.setClipRect(after);
  painter.drawPixmap(all, channel_normal_);
  painter.restore();
}

// The export's span along the far edge and the loop along the near one, clear of the
// groove in the middle, so the played part stays readable over them; the thumb passes
// over them.
void CBitmapSlider::PaintMarkedRange(QPainter& painter) const {
  if (marked_) PaintRangeBand(painter, *marked_, true, palette::kWarning);
  if (loop_) PaintRangeBand(painter, *loop_, false, palette::kLoop);
}

void CBitmapSlider::PaintRangeBand(QPainter& painter, std::pair<int, int> range, bool far_edge,
                                   const QColor& colour) const {
  constexpr int kBand = 3;
  constexpr int kEdge = 2;
  const controls::SliderGeometry g = Geometry();
  const int from = controls::PixelFromPosition(g, std::min(range.first, range.second));
  const int to = controls::PixelFromPosition(g, std::max(range.first, range.second));
  const int across = far_edge ? (vertical_ ? width() : height()) - kEdge - kBand : kEdge;
  const QRect band = vertical_ ? QRect(across, from, kBand, std::max(2, to - from))
                               : QRect(from, across, std::max(2, to - from), kBand);
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRect(band);
  painter.restore();
}

void CBitmapSlider::PaintThumb(QPainter& painter, int centre) const {
  const QPixmap& thumb = dragging_ ? thumb_active_ : thumb_normal_;
  if (thumb.isNull()) return;
  const QSize size = LogicalSize(thumb);
  const QPoint top_left = vertical_ ? QPoint((width() - size.width()) / 2, centre - size.height() / 2)
                                    : QPoint(centre - size.width() / 2, (height() - size.height()) / 2);
  painter.drawPixmap(top_left, thumb);
}

}  // namespace direvovu::gui
