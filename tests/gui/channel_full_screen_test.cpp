// One channel full screen: the video areas themselves move into it and back, the large
// one at its picture's aspect, the inset in a corner (a click swaps them), and the band
// that hides two seconds after the mouse last moved.
#include "gui/app/channel_full_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QScreen>
#include <QTest>

namespace direvovu::test {
namespace {

// `area` holds a picture of `picture` size at its aspect, as large as fits in `box`,
// in its middle.
::testing::AssertionResult FitsIn(const QRect& area, const QRect& box, QSize picture) {
  const bool touches = area.width() == box.width() || area.height() == box.height();
  const bool inside = box.contains(area);
  const bool centred = std::abs(area.center().x() - box.center().x()) <= 1 &&
                       std::abs(area.center().y() - box.center().y()) <= 1;
  const bool aspect = std::abs(area.width() * picture.height() - area.height() * picture.width()) <=
                      std::max(picture.width(), picture.height());
  if (touches && inside && centred && aspect) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "area " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height()
         << " in box " << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
}

TEST(ChannelFullScreen, TakesTheAreasAndGivesThemBack) {
  QWidget window;
  window.resize(947, 750);
  auto* front = new QWidget(&window);
  auto* rear = new QWidget(&window);
  front->setGeometry(34, 70, 437, 328);
  rear->setGeometry(479, 70, 437, 328);
  window.show();
  gui::ChannelFullScreen full(
      [] { return QStringLiteral("00:01 / 00:30"); },
      [front](QWidget* area) { return area == front ? QSize(1280, 720) : QSize(640, 480); });
  int leaves = 0;
  QObject::connect(&full, &gui::ChannelFullScreen::leaveRequested, [&leaves] { ++leaves; });

  // Whatever the screen, the window covers it (here the offscreen platform's).
  const QRect screen = window.screen()->geometry();
  full.Open(front, rear, screen);
  EXPECT_EQ(full.geometry(), screen);
  EXPECT_EQ(front->parentWidget(), &full);
  EXPECT_TRUE(FitsIn(front->geometry(), QRect(QPoint(0, 0), screen.size()), {1280, 720}));
  // The inset a fifth of the width, 16:9, in the top right corner.
  const int inset_width = screen.width() / gui::ChannelFullScreen::kInsetShare;
  const QRect corner(screen.width() - inset_width - 16, 16, inset_width, inset_width * 9 / 16);
  EXPECT_TRUE(FitsIn(rear->geometry(), corner, {640, 480}));
  EXPECT_TRUE(full.bandShown());

  // A click on the inset swaps the channels.
  QTest::mouseClick(rear, Qt::LeftButton);
  EXPECT_EQ(full.large(), rear);
  EXPECT_EQ(full.inset(), front);
  EXPECT_TRUE(FitsIn(rear->geometry(), QRect(QPoint(0, 0), screen.size()), {640, 480}));
  EXPECT_TRUE(FitsIn(front->geometry(), corner, {1280, 720}));
  // The band hides two seconds after the mouse last moved, and comes back with it.
  QTest::qWait(gui::ChannelFullScreen::kBandHideMs + 200);
  EXPECT_FALSE(full.bandShown());
  // Over the picture, as the mouse moves with no button down.
  QTest::mouseMove(full.windowHandle(), full.large()->geometry().topLeft() + QPoint(40, 40));
  EXPECT_TRUE(QTest::qWaitFor([&full] { return full.bandShown(); }, 500));
  QTest::keyClick(&full, Qt::Key_Escape);
  EXPECT_EQ(leaves, 1);

  full.Close();
  EXPECT_EQ(front->parentWidget(), &window);
  EXPECT_EQ(rear->parentWidget(), &window);
  EXPECT_EQ(front->geometry(), QRect(34, 70, 437, 328));
  EXPECT_EQ(rear->geometry(), QRect(479, 70, 437, 328));
  EXPECT_FALSE(front->isHidden());
  EXPECT_FALSE(front->hasMouseTracking());
  EXPECT_FALSE(full.isVisible());
}

}  // namespace
}  // namespace direvovu::test
