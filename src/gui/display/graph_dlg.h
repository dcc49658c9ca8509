#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>

#include <vector>

#include "core/display/graph_geometry.h"
#include "core/display/speedometer.h"
#include "core/recording/track_state.h"

class QPushButton;

namespace direvovu::gui {

// The enlarged graph (dialog 304): the whole recording at 11 pixels a second, G-sensor
// or speed like the panel, opened modally by a double click on the graph strip.
class CGraphDlg : public QDialog {
  Q_OBJECT

 public:
  // lengthSeconds is the recording's length from the player.
  CGraphDlg(const TrackState& track, display::GraphMode mode, display::SpeedUnit unit, double lengthSeconds,
            QWidget* parent = nullptr);

  [[nodiscard]] QPushButton* closeButton() const { return close_; }
  // The curves drawn, in the dialog's pixels (X, Y, Z or the speed).
  [[nodiscard]] const std::vector<std::vector<display::Point>>& curves() const { return curves_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  display::GraphMode mode_;
  QPixmap background_;
  QPixmap labels_;
  std::vector<std::vector<display::Point>> curves_;
  QPushButton* close_ = nullptr;
  bool dragging_ = false;
  QPoint drag_offset_;
};

}  // namespace direvovu::gui
