#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>
#include <vector>

#include "core/display/graph_geometry.h"
#include "core/display/readout_texts.h"
#include "core/display/speedometer.h"

namespace direvovu::gui {

// The sensor graph under the front picture: the panel picture, the play cursor and the
// G-sensor (X, Y, Z) or speed curve of the whole recording. It sits at the panel's place
// in the main window and paints in the window's coordinates; it keeps nothing of its own
// but what it was last told to show.
class GraphPanel : public QWidget {
  Q_OBJECT

 public:
  explicit GraphPanel(QWidget* parent = nullptr);

  // The main window's track (not owned); nullptr or an empty track draws no curves.
  void SetTrack(const TrackState* track);
  // The recording's events from its event text file.
  void SetEvents(std::vector<display::GraphEvent> events);
  [[nodiscard]] const std::vector<display::GraphEvent>& events() const { return events_; }
  void SetMode(display::GraphMode mode);
  void SetUnit(display::SpeedUnit unit);
  [[nodiscard]] display::GraphMode mode() const { return mode_; }
  [[nodiscard]] display::SpeedUnit unit() const { return unit_; }

  // The refresh of each playback tick and after a seek: position P and length D in
  // seconds from the leading player. Returns the X/Y/Z texts for the readouts, or nullopt
  // when they stay as they are (cursor off the panel, nothing to show).
  std::optional<display::AxisTexts> Refresh(double positionSeconds, double lengthSeconds);
  // After the track was reset: only the panel picture until the next refresh.
  void Clear();

  // What is drawn now, in main-window pixels (for tests).
  [[nodiscard]] std::optional<int> cursorX() const { return cursor_x_; }
  [[nodiscard]] const std::vector<std::vector<display::Point>>& curves() const { return curves_; }

 signals:
  // A double click on the panel: the window opens the enlarged graph.
  void enlargeRequested();
  // The readouts' texts changed (the same texts Refresh returns).
  void axisTextsChanged(const QString& x, const QString& y, const QString& z);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void RebuildPicture();
  void RebuildCurves();

  const TrackState* track_ = nullptr;
  std::vector<display::GraphEvent> events_;
  display::GraphMode mode_ = display::GraphMode::GSensor;
  display::SpeedUnit unit_ = display::SpeedUnit::Kmh;
  bool active_ = false;
  double length_seconds_ = 0;
  std::optional<int> cursor_x_;
  std::vector<std::vector<display::Point>> curves_;
  QPixmap picture_;
};

}  // namespace direvovu::gui
