// The rate and volume wells of the main window show what their buttons set.
#include "gui/display/transport_indicators.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>

#include "core/app/main_window_layout.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

class TransportIndicatorsTest : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (!HasFatalFailure()) Initialise();
  }
};

TEST_F(TransportIndicatorsTest, RateAndVolumeFollowTheirButtons) {
  auto* rate = dialog_->findChild<RateIndicator*>();
  auto* volume = dialog_->findChild<VolumeIndicator*>();
  ASSERT_NE(rate, nullptr);
  ASSERT_NE(volume, nullptr);
  // In the wells between the buttons.
  EXPECT_EQ(rate->geometry(), QRect(120, 490, 52, 24));
  EXPECT_EQ(volume->geometry(), QRect(298, 490, 52, 24));
  EXPECT_EQ(rate->text(), "x1");
  EXPECT_EQ(volume->barsLit(), 5);

  dialog_->button(ctl::kSpeedUp)->click();
  EXPECT_EQ(rate->text(), "x2");
  dialog_->button(ctl::kSpeedDown)->click();
  dialog_->button(ctl::kSpeedDown)->click();
  EXPECT_EQ(rate->text(), "x1/2");

  const QImage before = volume->grab().toImage();
  dialog_->button(ctl::kVolumeUp)->click();
  EXPECT_EQ(volume->barsLit(), 6);
  EXPECT_NE(volume->grab().toImage(), before) << "the sixth bar lights up";
  for (int i = 0; i < 8; ++i) dialog_->button(ctl::kVolumeDown)->click();
  EXPECT_EQ(volume->barsLit(), 0);
}

}  // namespace
}  // namespace direvovu::gui
