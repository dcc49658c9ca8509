#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

#include "core/app/zoom_geometry.h"

class QWidget;

namespace direvovu {
class IChannelPlayer;
}  // namespace direvovu

namespace direvovu::gui {

// Zoom into one channel's picture: the wheel over its video area zooms 1x to 8x around
// the point under the cursor, a drag pans, Reset goes back to the whole picture. The
// player crops its decoded picture (libvlc's crop geometry), so the zoom shows the
// picture's own pixels; a snapshot still holds the whole frame.
class PictureZoom : public QObject {
  Q_OBJECT

 public:
  PictureZoom(QWidget& area, IChannelPlayer& player, QObject* parent = nullptr);

  void Reset();
  // `steps` zoom steps (quarter octaves) around (x, y) in the area's pixels.
  void ZoomAt(int steps, QPoint at);
  [[nodiscard]] const ZoomView& view() const { return view_; }
  // The crop the player was last given ("" for none).
  [[nodiscard]] const std::string& crop() const { return crop_; }

 signals:
  // A double click on the picture (the window shows the channel full screen).
  void doubleClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply();
  // Where the picture sits in the area, in the area's pixels.
  [[nodiscard]] PixelRect Picture() const;

  QWidget& area_;
  IChannelPlayer& player_;
  ZoomView view_;
  std::string crop_;
  std::optional<QPoint> drag_from_;
  int wheel_rest_ = 0;  // wheel angle short of a whole notch (touch pads send little)
};

}  // namespace direvovu::gui
