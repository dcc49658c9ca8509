#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <optional>

#include "core/display/speedometer.h"
#include "core/recording/track_state.h"

namespace direvovu::gui {

// The speed gauge beside the graph: the dial of the unit, a yellow needle and the speed
// as a number below it. Sits at the dial's place in the main window.
class SpeedometerWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SpeedometerWidget(QWidget* parent = nullptr);

  void SetTrack(const TrackState* track);  // not owned
  void SetUnit(display::SpeedUnit unit);
  [[nodiscard]] display::SpeedUnit unit() const { return unit_; }

  // The gauge for play second t: needle and number for the record at t; with no records
  // only the dial.
  void ShowSecond(double playSecond);
  void Clear();

  // What is drawn now (for tests): the displayed speed, or nullopt for a bare dial.
  [[nodiscard]] std::optional<int> shownSpeed() const { return speed_; }
  [[nodiscard]] QString numberText() const;
  [[nodiscard]] display::Point needleEnd() const;
  // The number's font: 18 pixels high, about 10 wide, bold, antialiased.
  [[nodiscard]] const QFont& numberFont() const { return font_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const TrackState* track_ = nullptr;
  display::SpeedUnit unit_ = display::SpeedUnit::Kmh;
  std::optional<int> speed_;
  QPixmap dial_;
  QFont font_;
};

// "Arial", 18 pixels high, stretched to an average width of 10 pixels, weight 700.
QFont SpeedNumberFont();

}  // namespace direvovu::gui
