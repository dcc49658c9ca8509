// The main window paints its skin: the background picture behind the controls and the
// mode panel that names the graph shown.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QTemporaryDir>

#include "core/app/main_window_geometry.h"
#include "core/app/main_window_layout.h"
#include "fake_player.h"
#include "gui/app/vantor_dlg.h"
#include "gui/skin/skin.h"
#include "recording_prompts.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class MainWindowSkinPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    dialog_ = std::make_unique<CVantorDlg>(
        WorkingFolders(fs::path(root_.path().toStdString()) / "DirevOvu"),
        [](Channel channel) { return std::make_unique<test::FakePlayer>(channel); }, prompts_);
  }
  QImage Painted() const { return dialog_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  QTemporaryDir root_;
  test::RecordingPrompts prompts_;
  std::unique_ptr<CVantorDlg> dialog_;
};

TEST_F(MainWindowSkinPaint, BackgroundPictureShowsBetweenTheControls) {
  const QImage background =
      Skin::Pixmap(QStringLiteral("main_background")).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(background.size(), QSize(kMainWindowWidth, kMainWindowHeight));
  const QImage painted = Painted();
  // Left of the front picture, between the two pictures, right of the rear one, and in
  // the tool row between its two groups.
  bool differs_from_flat = false;
  for (const QPoint at : {QPoint(20, 300), QPoint(475, 200), QPoint(930, 300), QPoint(511, 700)}) {
    EXPECT_EQ(painted.pixel(at), background.pixel(at)) << at.x() << "," << at.y();
    differs_from_flat = differs_from_flat || background.pixelColor(at) != QColor(40, 42, 46);
  }
  EXPECT_TRUE(differs_from_flat);
}

TEST_F(MainWindowSkinPaint, ModePanelFollowsTheGraphButtons) {
  const QImage gravity =
      Skin::Pixmap(QStringLiteral("mode_video_gravity")).toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage speed =
      Skin::Pixmap(QStringLiteral("mode_video_speed")).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(gravity.size(), QSize(kModePanelArea.width, kModePanelArea.height));
  ASSERT_EQ(speed.size(), gravity.size());
  // The panel's own pixels, where the two pictures differ.
  std::vector<QPoint> telling;
  for (int y = 0; y < gravity.height(); ++y) {
    for (int x = 0; x < gravity.width(); ++x) {
      // Opaque in both, so that what is behind the panel cannot show through.
      const bool opaque = qAlpha(gravity.pixel(x, y)) == 255 && qAlpha(speed.pixel(x, y)) == 255;
      if (opaque && gravity.pixel(x, y) != speed.pixel(x, y)) telling.emplace_back(x, y);
    }
  }
  ASSERT_FALSE(telling.empty());
  const QPoint corner(kModePanelArea.left, kModePanelArea.top);
  const auto shows = [&](const QImage& panel) {
    const QImage painted = Painted();
    return std::all_of(telling.begin(), telling.end(),
                       [&](const QPoint& at) { return painted.pixel(corner + at) == panel.pixel(at); });
  };
  EXPECT_TRUE(shows(gravity));  // the G-sensor graph is shown first
  dialog_->button(ctl::kSpeedGraph)->click();
  EXPECT_TRUE(shows(speed));
  dialog_->button(ctl::kGravityGraph)->click();
  EXPECT_TRUE(shows(gravity));
}

}  // namespace
}  // namespace direvovu::gui
