#include "gui/controls/x_group_box.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/settings/texts.h"
#include "gui/sdcard/format_confirm.h"

namespace direvovu::gui {
namespace {

TEST(XGroupBox, EnablingReachesOnlyTheSiblingsInsideIt) {
  QDialog parent;
  auto* group = new CXGroupBox(QStringLiteral("SD Format"), &parent);
  group->setGeometry(10, 10, 200, 80);
  auto* inside = new QPushButton(QStringLiteral("Format"), &parent);
  inside->setGeometry(20, 40, 80, 24);
  auto* across = new QPushButton(QStringLiteral("Half in"), &parent);
  across->setGeometry(180, 40, 80, 24);
  auto* outside = new QLabel(QStringLiteral("Elsewhere"), &parent);
  outside->setGeometry(10, 120, 80, 24);
  group->EnableGroup(false);
  EXPECT_FALSE(group->isEnabled());
  EXPECT_FALSE(inside->isEnabled());
  EXPECT_TRUE(across->isEnabled());
  EXPECT_TRUE(outside->isEnabled());
  group->EnableGroup(true);
  EXPECT_TRUE(inside->isEnabled());
}

TEST(XGroupBox, CaptionIsDrawnInItsColour) {
  QDialog parent;
  parent.resize(240, 120);
  auto* group = new CXGroupBox(QStringLiteral("WWWWWWWW"), &parent);
  group->setGeometry(0, 0, 240, 100);
  group->SetTextColor(QColor(255, 0, 0));
  parent.show();
  const QImage image = group->grab().toImage();
  int red = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 120; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 90 && c.blue() < 90) ++red;
    }
  }
  EXPECT_GT(red, 20);
}

TEST(FormatConfirm, NamesTheDriveAndAnswersYesOnlyThroughFormat) {
  SetCurrentLanguage(kEnglish);
  const FormatQuestion question{QStringLiteral("G:"),        QStringLiteral("/media/u/CAM"),
                                QStringLiteral("29.7 GB"),   QStringLiteral("CAM"),
                                QStringLiteral("/dev/sdb1"), QStringLiteral("vfat")};
  CFormatConfirm dialog(question);
  EXPECT_EQ(dialog.text()->text(),
            QStringLiteral(
                "Everything on drive G: will be erased.\n\nFolder: /media/u/CAM\nSize: 29.7 GB\nLabel: CAM\n"
                "Device: /dev/sdb1\nFile system: vfat\n\nFormat it now?"));
  EXPECT_TRUE(dialog.cancelButton()->isDefault());
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  dialog.show();
  QTest::mouseClick(dialog.formatButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  SetCurrentLanguage(kDefaultLanguage);
}

}  // namespace
}  // namespace direvovu::gui
