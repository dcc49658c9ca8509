// The viewer setup on a shown main window: the new language is on the window's own texts
// (the play list's headings and the tooltips) as soon as Save has written it. Run on a
// real X server by tests/e2e/setup_language.sh, which keeps the pictures; it also runs
// with the other window tests.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>


#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/playlist_view.h"
#include "gui/setup/env_set_dialog.h"
#include "main_window_fixture.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

QString Heading(int language) {
  return QString::fromUtf8(
      Text(TextTable::RecordingKinds, rows::recording_kinds::kFileName, language).data());
}

class SetupEndToEnd : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    WriteViewerSettings("LANGUAGE=1\r\n");
    Initialise();
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    ASSERT_TRUE(QDir().mkpath(out_));
  }
  [[nodiscard]] QString FileNameHeading() const {
    return ListView()->headerItem()->text(rows::recording_kinds::kFileName -
                                                   rows::recording_kinds::kNumber);
  }
  void Save(QWidget& widget, const QString& name) const {
    EXPECT_TRUE(widget.grab().save(out_ + QStringLiteral("/setup_") + name + QStringLiteral(".png")))
        << name.toStdString();
  }

  QString out_ = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
};

TEST_F(SetupEndToEnd, LanguageChosenInTheViewerSetupIsOnTheMainWindowAtOnce) {
  ASSERT_EQ(FileNameHeading(), Heading(kEnglish));
  Save(*dialog_, QStringLiteral("main_before_en"));
  QString heading_at_message;
  messages_.doWhileNextShown([&] {
    QApplication::processEvents();
    heading_at_message = FileNameHeading();
    Save(*dialog_, QStringLiteral("main_after_ko"));
  });
  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* setup = qobject_cast<gui::CEnvSet*>(QApplication::activeModalWidget());
    if (setup == nullptr) return;
    opened = true;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(setup));
    Save(*setup, QStringLiteral("viewer_choosing_ko"));
    setup->languageList()->setCurrentIndex(kKorean);
    QTest::mouseClick(setup->saveButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dialog_->button(ctl::kViewerSetup), Qt::LeftButton);
  ASSERT_TRUE(opened);
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSetupSaved});
  EXPECT_EQ(heading_at_message, Heading(kKorean));
  EXPECT_EQ(FileNameHeading(), Heading(kKorean));
  EXPECT_EQ(dialog_->button(ctl::kViewerSetup)->toolTip().toStdString(),
            Text(TextTable::MainWindow, FindButton(ctl::kViewerSetup)->tooltip_row, kKorean));
  EXPECT_NE(Heading(kKorean), Heading(kEnglish));
}

}  // namespace
}  // namespace direvovu::test
