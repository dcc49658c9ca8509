// The main window's setup buttons: the viewer setup applies at once, the detail search
// makes the play list.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>


#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/setup/detail_search_dialog.h"
#include "gui/setup/env_set_dialog.h"
#include "gui/setup/user_setup_dialog.h"
#include "main_window_fixture.h"
#include "scoped_environment.h"
#include "sdcard_test_card.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

class SetupMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    WriteViewerSettings("LANGUAGE=1\r\n");
    Initialise();
  }
  // Runs `act` on the modal dialog of type T that the button opens.
  template <typename T>
  bool WithDialog(int button_id, const std::function<void(T&)>& act) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
        seen = true;
        act(*dialog);
      }
    });
    dialog_->button(button_id)->click();
    return seen;
  }
  static QString Tooltip(int language) {
    return QString::fromUtf8(
        Text(TextTable::MainWindow, FindButton(ctl::kViewerSetup)->tooltip_row, language).data());
  }

  TestCard card_;
  ScopedEnvironment drives_{"DIREVOVU_DRIVES",
                            QByteArray("E=") + QByteArray::fromStdString(card_.card().string())};
};

TEST_F(SetupMainWindowTest, ViewerSetupChangesTheLanguageAndIntervalAtOnce) {
  ASSERT_EQ(dialog_->button(ctl::kViewerSetup)->toolTip(), Tooltip(kEnglish));
  QString tooltip_while_message;
  messages_.doWhileNextShown([&] { tooltip_while_message = dialog_->button(ctl::kViewerSetup)->toolTip(); });
  const bool opened = WithDialog<gui::CEnvSet>(ctl::kViewerSetup, [](gui::CEnvSet& d) {
    d.languageList()->setCurrentIndex(kKorean);
    d.intervalList()->setCurrentIndex(4);
    d.saveButton()->click();
  });
  ASSERT_TRUE(opened);
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSetupSaved});
  EXPECT_EQ(tooltip_while_message, Tooltip(kKorean)) << "the texts change before the message";
  EXPECT_EQ(CurrentLanguage(), kKorean);
  EXPECT_EQ(CurrentLanguage(), kKorean);
  EXPECT_EQ(dialog_->maps().markers().interval_ms, 10000);
  EXPECT_NE(Tooltip(kKorean), Tooltip(kEnglish));
}

TEST_F(SetupMainWindowTest, DetailSearchReplacesThePlayListAndPlaysOneSecondLater) {
  dialog_->OpenFiles(PathTexts({card_.card() / "Parking/drf0_20261208_214000.mp4"}));
  dialog_->playback().Stop(gui::StopKind::Internal);
  dialog_->playlist().timers().Stop(gui::timer::kPlayOpened);
  const bool opened = WithDialog<gui::CDetailSearch>(ctl::kDetailSearch, [](gui::CDetailSearch& d) {
    d.startDate()->setDate(QDate(2026, 12, 8));
    d.endDate()->setDate(QDate(2026, 12, 8));
    d.endTime()->setTime(QTime(8, 16, 0));
    d.okButton()->click();
  });
  ASSERT_TRUE(opened);
  ASSERT_EQ(ListView()->RowCount(), 2);
  EXPECT_EQ(fs::path(ListView()->PathAt(0)).filename(), "drf0_20261208_081500.mp4");
  EXPECT_EQ(fs::path(ListView()->PathAt(1)).filename(), "drf0_20261208_081530.mp4");
  EXPECT_EQ(ListView()->SelectedRow(), 0);
  EXPECT_TRUE(dialog_->playlist().timers().IsActive(gui::timer::kPlayOpened));
  EXPECT_EQ(dialog_->card().tables().recordings().size(), 2U);
}

TEST_F(SetupMainWindowTest, ASearchThatTakesNothingLeavesThePlayListAsItWas) {
  dialog_->OpenFiles(PathTexts({card_.card() / "Parking/drf0_20261208_214000.mp4"}));
  const bool opened = WithDialog<gui::CDetailSearch>(ctl::kDetailSearch, [](gui::CDetailSearch& d) {
    d.startDate()->setDate(QDate(2001, 1, 1));
    d.endDate()->setDate(QDate(2001, 1, 1));
    d.okButton()->click();
    d.cancelButton()->click();
  });
  ASSERT_TRUE(opened);
  EXPECT_EQ(messages_.rows(), (std::vector<MessageId>{msg::kSearchingSd, msg::kNoSearchedFile}));
  ASSERT_EQ(ListView()->RowCount(), 1);
  EXPECT_EQ(fs::path(ListView()->PathAt(0)).filename(), "drf0_20261208_214000.mp4");
}

TEST_F(SetupMainWindowTest, CameraSetupOpensOnTheCardTheSearchFound) {
  QString folder;
  const bool opened = WithDialog<gui::CUserSetup>(ctl::kSetup, [&](gui::CUserSetup& d) {
    folder = d.folderBox()->text();
    d.cancelButton()->click();
  });
  ASSERT_TRUE(opened);
  EXPECT_EQ(folder.toStdString(), (card_.card() / "Setup").string());
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSearchingSd});  // the card was found
}

}  // namespace
}  // namespace direvovu::test
