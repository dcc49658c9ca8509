#include "gui/controls/bitmap_slider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>

namespace direvovu::gui {
namespace {

// Colour at a logical point of a grabbed picture, whatever the screen's pixel density.
QColor At(const QImage& image, int x, int y) {
  const qreal density = image.devicePixelRatio();
  return image.pixelColor(QPointF(x * density, y * density).toPoint());
}

QPixmap Solid(QSize size, QColor colour) {
  QPixmap pixmap(size);
  pixmap.fill(colour);
  return pixmap;
}

// The main window's seek slider: 287 x 18, range 0..10000, a 16-pixel thumb, no margins.
// The thumb centre travels 8..279 (271 pixels).
class BitmapSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider_.resize(287, 18);
    slider_.SetBitmapChannel(Solid({287, 18}, Qt::blue), Solid({287, 18}, Qt::red));
    slider_.SetBitmapThumb(Solid({16, 18}, Qt::green), Solid({16, 18}, Qt::yellow));
    slider_.SetRange(0, 10000);
    slider_.SetPageSize(1000);
    slider_.SetPos(0);
  }

  void Mouse(QEvent::Type type, int x, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local(x, 9);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, slider_.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&slider_, &event);
  }
  void Key(int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&slider_, &event);
  }

  CBitmapSlider slider_;
};

TEST_F(BitmapSliderTest, SetPosIsClampedToTheRange) {
  slider_.SetPos(12000);
  EXPECT_EQ(slider_.GetPos(), 10000);
  slider_.SetPos(-5);
  EXPECT_EQ(slider_.GetPos(), 0);
  slider_.SetPos(4000);
  slider_.SetRange(0, 100);
  EXPECT_EQ(slider_.GetPos(), 100) << "a narrower range pulls the position in";
  slider_.setValue(40);
  EXPECT_EQ(slider_.value(), 40);
  EXPECT_EQ(slider_.maximum(), 100);
  EXPECT_EQ(slider_.minimum(), 0);
  EXPECT_EQ(slider_.sizeHint(), QSize(287, 18));
}

TEST_F(BitmapSliderTest, ClickAwayFromTheThumbJumpsItUnderThePointer) {
  QSignalSpy moving(&slider_, &CBitmapSlider::moving);
  QSignalSpy moved(&slider_, &CBitmapSlider::moved);
  Mouse(QEvent::MouseButtonPress, 143);
  EXPECT_TRUE(slider_.IsDragging());
  ASSERT_EQ(moving.count(), 1);
  EXPECT_EQ(moving.front().front().toInt(), 4982);  // (143 - 8) * 10000 / 271, rounded up
  EXPECT_EQ(moved.count(), 0);
  Mouse(QEvent::MouseButtonRelease, 143);
  EXPECT_FALSE(slider_.IsDragging());
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved.front().front().toInt(), 4982);
}

TEST_F(BitmapSliderTest, DragThatEndsWhereItBeganPostsMovedOnce) {
  QSignalSpy moving(&slider_, &CBitmapSlider::moving);
  QSignalSpy moved(&slider_, &CBitmapSlider::moved);
  Mouse(QEvent::MouseButtonPress, 10);  // on the thumb (centre 8): no jump
  Mouse(QEvent::MouseButtonRelease, 10);
  EXPECT_EQ(moving.count(), 0);
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved.front().front().toInt(), 0);
}

TEST_F(BitmapSliderTest, DragKeepsTheGrabOffsetAndStopsAtTheEnds) {
  QSignalSpy moving(&slider_, &CBitmapSlider::moving);
  slider_.SetPos(5000);                  // centre 8 + 135 = 143
  Mouse(QEvent::MouseButtonPress, 148);  // 5 right of the centre
  EXPECT_EQ(moving.count(), 0) << "grabbing the thumb does not move it";
  Mouse(QEvent::MouseMove, 175);  // centre 170
  EXPECT_EQ(slider_.GetPos(), 5978);
  Mouse(QEvent::MouseMove, 175);  // the same pixel again: no new notification
  EXPECT_EQ(moving.count(), 1);
  Mouse(QEvent::MouseMove, 900);
  EXPECT_EQ(slider_.GetPos(), 10000);
  Mouse(QEvent::MouseMove, -300);
  EXPECT_EQ(slider_.GetPos(), 0);
  EXPECT_EQ(moving.count(), 3);
  Mouse(QEvent::MouseButtonRelease, -300);
}

TEST_F(BitmapSliderTest, MovesWithoutAPressedButtonAndRightClicksDoNothing) {
  QSignalSpy moving(&slider_, &CBitmapSlider::moving);
  QSignalSpy moved(&slider_, &CBitmapSlider::moved);
  Mouse(QEvent::MouseMove, 200);
  Mouse(QEvent::MouseButtonPress, 200, Qt::RightButton);
  Mouse(QEvent::MouseButtonRelease, 200, Qt::RightButton);
  EXPECT_EQ(moving.count() + moved.count(), 0);
  EXPECT_EQ(slider_.GetPos(), 0);
}

TEST_F(BitmapSliderTest, DisabledSliderIgnoresMouseAndKeys) {
  QSignalSpy moved(&slider_, &CBitmapSlider::moved);
  slider_.setEnabled(false);
  Mouse(QEvent::MouseButtonPress, 200);
  Mouse(QEvent::MouseButtonRelease, 200);
  Key(Qt::Key_End);
  EXPECT_EQ(moved.count(), 0);
  EXPECT_EQ(slider_.GetPos(), 0);
}

TEST_F(BitmapSliderTest, KeysMoveThePositionAndPostMoved) {
  QSignalSpy moved(&slider_, &CBitmapSlider::moved);
  struct Step {
    int key;
    int expected;
  };
  const Step steps[] = {{Qt::Key_End, 10000}, {Qt::Key_PageDown, 10000}, {Qt::Key_PageUp, 9000},
                        {Qt::Key_Left, 8999}, {Qt::Key_Up, 8998},        {Qt::Key_Right, 8999},
                        {Qt::Key_Down, 9000}, {Qt::Key_Home, 0},         {Qt::Key_PageUp, 0}};
  for (const Step& step : steps) {
    Key(step.key);
    EXPECT_EQ(slider_.GetPos(), step.expected) << step.key;
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.takeLast().front().toInt(), step.expected);
  }
  Key(Qt::Key_A);  // not a slider key: passed on, nothing posted
  EXPECT_TRUE(moved.isEmpty());
}

TEST_F(BitmapSliderTest, PaintsTheActiveChannelBeforeTheThumbAndTheNormalAfter) {
  slider_.SetPos(5000);  // centre 143
  QImage image = slider_.grab().toImage();
  EXPECT_EQ(At(image, 40, 9), QColor(Qt::red));
  EXPECT_EQ(At(image, 250, 9), QColor(Qt::blue));
  EXPECT_EQ(At(image, 143, 9), QColor(Qt::green));

  Mouse(QEvent::MouseButtonPress, 143);
  image = slider_.grab().toImage();
  EXPECT_EQ(At(image, 143, 9), QColor(Qt::yellow)) << "active thumb while dragging";
  Mouse(QEvent::MouseButtonRelease, 143);
}

// The marked span is a band along the bottom edge between its ends; the groove's middle
// row keeps the channel's colour, and the band goes with the marks.
TEST_F(BitmapSliderTest, PaintsTheMarkedRangeAsABandBesideTheGroove) {
  slider_.SetPos(10000);                          // the thumb out of the way: all red, thumb at 279
  slider_.SetMarkedRange(std::pair{2000, 5000});  // pixels 62..143
  const QImage marked = slider_.grab().toImage();
  struct Point {
    int x, y;
    bool in_band;
  } const points[] = {{64, 14, true},   {100, 14, true}, {141, 14, true}, {40, 14, false},
                      {160, 14, false}, {100, 9, false}, {100, 4, false}};
  for (const Point& p : points) {
    EXPECT_EQ(At(marked, p.x, p.y) != QColor(Qt::red), p.in_band) << p.x << "," << p.y;
  }
  slider_.SetMarkedRange(std::nullopt);
  EXPECT_EQ(At(slider_.grab().toImage(), 100, 14), QColor(Qt::red));
}

TEST_F(BitmapSliderTest, KeyColourOfTheThumbIsLeftOut) {
  QPixmap thumb = Solid({16, 18}, Qt::magenta);
  {
    QPainter painter(&thumb);
    painter.fillRect(6, 0, 4, 18, Qt::white);
  }
  slider_.SetBitmapThumb(thumb, thumb, true);  // key colour from the pixel at (0, 0)
  slider_.SetPos(5000);                        // thumb spans 135..150
  const QImage image = slider_.grab().toImage();
  EXPECT_EQ(At(image, 137, 9), QColor(Qt::red)) << "keyed pixel shows the channel";
  EXPECT_EQ(At(image, 148, 9), QColor(Qt::blue));
  EXPECT_EQ(At(image, 142, 9), QColor(Qt::white));
}

TEST_F(BitmapSliderTest, VerticalSliderUsesHeightsAndTopBottomMargins) {
  CBitmapSlider vertical;
  vertical.SetVertical(true);
  vertical.resize(18, 120);
  vertical.SetBitmapThumb(Solid({18, 10}, Qt::green), QPixmap());
  vertical.SetMargin(0, 5, 0, 5);
  vertical.SetRange(0, 100);
  QSignalSpy moved(&vertical, &CBitmapSlider::moved);
  const QPointF bottom(9, 200);
  QMouseEvent press(QEvent::MouseButtonPress, bottom, vertical.mapToGlobal(bottom), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&vertical, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, bottom, vertical.mapToGlobal(bottom), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&vertical, &release);
  ASSERT_EQ(moved.count(), 1);
  EXPECT_EQ(moved.front().front().toInt(), 100);
}

}  // namespace
}  // namespace direvovu::gui
