#pragma once

#include <QWidget>

#include <functional>

namespace direvovu::gui {

// The play rate ("x2", "x1/4" …) in the well between the rate buttons. It asks the
// window for the rate whenever it paints, so a repaint of the window brings it up to date.
class RateIndicator : public QWidget {
  Q_OBJECT

 public:
  RateIndicator(std::function<float()> rate, QWidget* parent);
  [[nodiscard]] QString text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<float()> rate_;
};

// The volume step as ten bars in the well between the volume buttons.
class VolumeIndicator : public QWidget {
  Q_OBJECT

 public:
  VolumeIndicator(std::function<int()> step, QWidget* parent);
  [[nodiscard]] int barsLit() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<int()> step_;
};

}  // namespace direvovu::gui
