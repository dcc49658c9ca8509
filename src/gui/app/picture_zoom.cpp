#include "gui/app/picture_zoom.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "player/media_player.h"

namespace direvovu::gui {
namespace {

// One notch of a mouse wheel is 120 eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

PictureZoom::PictureZoom(QWidget& area, IChannelPlayer& player, QObject* parent)
    : QObject(parent), area_(area), player_(player) {
  area_.installEventFilter(this);
}

void PictureZoom::Reset() {
  view_ = {};
  Apply();
}

PixelRect PictureZoom::Picture() const {
  return FittedPicture(area_.width(), area_.height(), player_.VideoWidth(), player_.VideoHeight());
}

void PictureZoom::ZoomAt(int steps, QPoint at) {
  const PixelRect picture = Picture();
  if (picture.width <= 0 || picture.height <= 0) return;  // nothing decoded yet
  const double x = static_cast<double>(at.x() - picture.x) / picture.width;
  const double y = static_cast<double>(at.y() - picture.y) / picture.height;
  view_ = ZoomAround(view_, steps, x, y);
  Apply();
}

void PictureZoom::Apply() {
  const std::string crop = CropGeometry(view_, player_.VideoWidth(), player_.VideoHeight());
  if (crop == crop_) return;
  crop_ = crop;
  player_.SetCropGeometry(crop_);
}

bool PictureZoom::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &area_) return false;
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      wheel_rest_ += wheel->angleDelta().y();
      const int steps = wheel_rest_ / kWheelNotch;
      wheel_rest_ -= steps * kWheelNotch;
      if (steps != 0) ZoomAt(steps, wheel->position().toPoint());
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton || !view_.Zoomed()) return false;
      drag_from_ = press->position().toPoint();
      return true;
    }
    case QEvent::MouseMove: {
      auto* move = static_cast<QMouseEvent*>(event);
      if (!drag_from_) return false;
      const PixelRect picture = Picture();
      if (picture.width <= 0 || picture.height <= 0) return true;
      const QPoint now = move->position().toPoint();
      const QPoint moved = now - *drag_from_;
      drag_from_ = now;
      view_ = Pan(view_, static_cast<double>(moved.x()) / picture.width,
                  static_cast<double>(moved.y()) / picture.height);
      Apply();
      return true;
    }
    case QEvent::MouseButtonDblClick:
      emit doubleClicked();
      return true;
    case QEvent::MouseButtonRelease:
      if (!drag_from_) return false;
      drag_from_.reset();
      return true;
    default:
      return false;
  }
}

}  // namespace direvovu::gui
