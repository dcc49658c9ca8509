#pragma once

#include <QWidget>

#include <functional>

namespace direvovu::gui {

// A well between two transport buttons that shows what they set. Clicks go through to
// the window, which moves on a drag.
class IndicatorWell : public QWidget {
  Q_OBJECT

 public:
  IndicatorWell(const QString& name, int left, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// The play rate ("x2", "x1/4" …) in the well between the rate buttons. It asks the
// window for the rate whenever it paints, so a repaint of the window brings it up to date.
class RateIndicator : public IndicatorWell {
  Q_OBJECT

 public:
  RateIndicator(std::function<float()> rate, QWidget* parent);
  [[nodiscard]] QString text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<float()> rate_;
};

// The volume step as ten bars in the well between the volume buttons.
class VolumeIndicator : public IndicatorWell {
  Q_OBJECT

 public:
  VolumeIndicator(std::function<int()> step, QWidget* parent);
  [[nodiscard]] int barsLit() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<int()> step_;
};

}  // namespace direvovu::gui
