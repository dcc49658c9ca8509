#include "gui/controls/msg_box.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "gui/controls/sd_drive_dialog.h"
#include "gui/controls/sd_search.h"
#include "recording_prompts.h"
#include "scoped_environment.h"

namespace direvovu::gui {
namespace {

class LanguageGuard {
 public:
  explicit LanguageGuard(int language) : saved_(CurrentLanguage()) { SetCurrentLanguage(language); }
  ~LanguageGuard() { SetCurrentLanguage(saved_); }

 private:
  int saved_;
};

// Clicks a button of the box once it is shown, from the event loop.
void ClickLater(CMsgBox& box, QPushButton* (CMsgBox::*button)() const) {
  QTimer::singleShot(50, &box, [&box, button] { QTest::mouseClick((box.*button)(), Qt::LeftButton); });
}

TEST(MsgBox, LayoutOfInformationAndQuestionBoxes) {
  LanguageGuard english(kEnglish);
  CMsgBox box;
  box.setMessage(MessageText(msg::kConnectSd, QStringLiteral("E:")));
  EXPECT_EQ(box.size(), QSize(480, 240));
  EXPECT_EQ(box.textLabel()->geometry(), QRect(QPoint(17, 66), QPoint(463, 181)));
  EXPECT_EQ(box.textLabel()->text(), QStringLiteral("\nPlease connect SD card.\n\nE:"));
  EXPECT_EQ(box.okButton()->text(), QStringLiteral("Ok"));
  EXPECT_EQ(box.cancelButton()->text(), QStringLiteral("Cancel"));

  box.setButtons(false, true);
  EXPECT_EQ(box.okButton()->geometry(), QRect(200, 190, 80, 27));
  EXPECT_FALSE(box.cancelButton()->isVisibleTo(&box));
  box.setButtons(true, true);
  EXPECT_EQ(box.okButton()->geometry(), QRect(160, 190, 80, 27));
  EXPECT_TRUE(box.cancelButton()->isVisibleTo(&box));
  EXPECT_FALSE(box.cancelButton()->geometry().intersects(box.okButton()->geometry()));
}

TEST(MsgBox, QuestionIsTrueOnlyForOk) {
  CMsgBox yes;
  yes.setButtons(true, true);
  ClickLater(yes, &CMsgBox::okButton);
  EXPECT_EQ(yes.exec(), QDialog::Accepted);

  CMsgBox no;
  no.setButtons(true, true);
  ClickLater(no, &CMsgBox::cancelButton);
  EXPECT_EQ(no.exec(), QDialog::Rejected);

  CMsgBox closed;
  closed.setButtons(true, true);
  QTimer::singleShot(50, &closed, [&closed] { closed.close(); });
  EXPECT_EQ(closed.exec(), QDialog::Rejected);
}

TEST(MsgBox, PassingNoticeClosesItselfWithOkAfterTwoSeconds) {
  CMsgBox box;
  box.setAutoClose(true);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_GE(clock.elapsed(), 1900);
}

TEST(MsgBox, SearchBoxRunsItsActionAndClosesItself) {
  CMsgBox box;
  box.setButtons(false, false);
  int runs = 0;
  box.setSearchAction([&runs] { ++runs; });
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_EQ(runs, 1);
  EXPECT_GE(clock.elapsed(), 450);
  EXPECT_FALSE(box.okButton()->isVisibleTo(&box));
}

// Regression: Escape or closing the window ended the search box before its search,
// so the card state it was opened to refresh stayed stale.
TEST(MsgBox, SearchBoxCannotBeDismissedBeforeItsSearch) {
  CMsgBox box;
  box.setButtons(false, false);
  int runs = 0;
  box.setSearchAction([&runs] { ++runs; });
  QTimer::singleShot(50, &box, [&box] {
    QTest::keyClick(&box, Qt::Key_Escape);
    box.close();
    box.reject();
  });
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_EQ(runs, 1);

  // A box with a button still ends as the user says.
  CMsgBox notice;
  QTimer::singleShot(50, &notice, [&notice] { QTest::keyClick(&notice, Qt::Key_Escape); });
  EXPECT_EQ(notice.exec(), QDialog::Rejected);
}

TEST(ShowMessage, ReachesThePromptsWithEveryChoiceAndTheirAnswer) {
  test::RecordingPrompts recorder(false);
  EXPECT_FALSE(ShowMessage(recorder, msg::kRemoveAll, QStringLiteral(" "), true, true, false));
  recorder.setAnswer(true);
  EXPECT_TRUE(ShowMessage(recorder, msg::kIllegalFile, QStringLiteral("/x.mp4"), false, true, true));
  ASSERT_EQ(recorder.requests().size(), 2u);
  EXPECT_TRUE(recorder.requests()[0].cancel_shown);
  EXPECT_EQ(recorder.requests()[1].detail, QStringLiteral("/x.mp4"));
  EXPECT_TRUE(recorder.requests()[1].auto_close);
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kRemoveAll, msg::kIllegalFile}));
}

TEST(SdSearch, MissingCardIsReportedWithMessage13Or14) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const test::ScopedEnvironment drives("DIREVOVU_DRIVES", QByteArray("C=") + dir.path().toUtf8() + ":fixed");
  test::RecordingPrompts recorder;
  SdCardState card;
  EXPECT_FALSE(SearchCardForButton(recorder, card, true));
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kSearchingSd, msg::kConnectSd}));

  recorder.clear();
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("card")));
  drives.Set(QByteArray("F=") + dir.path().toUtf8() + "/card");
  EXPECT_TRUE(SearchCardForButton(recorder, card, true));
  EXPECT_EQ(card.letter, 'F');
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kSearchingSd}));
}

TEST(SdDriveDialog, OkWithoutDrivesStaysOpenOnlyCancelCloses) {
  CSDDrive dialog(DriveList{{'C', "/", false}}, nullptr);
  EXPECT_EQ(dialog.driveList()->count(), 0);
  dialog.show();
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.chosenValue(), QStringLiteral("0"));
  QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(SdDriveDialog, OkChoosesTheSelectedDrive) {
  CSDDrive dialog(DriveList{{'A', "/a", true}, {'E', "/e", true}, {'G', "/g", true}}, nullptr);
  ASSERT_EQ(dialog.driveList()->count(), 2);
  EXPECT_EQ(dialog.driveList()->itemText(0), QStringLiteral("E: (/e)"));  // letter and folder
  dialog.driveList()->setCurrentIndex(1);
  dialog.show();
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.chosenLetter(), 'G');
}

// Pictures for people to look at: message 14 in English and in Korean.
TEST(MsgBoxScreenshot, Message14InEnglishAndKorean) {
  const QString out = QStringLiteral(DIREVOVU_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(out));
  for (const auto& [language, name] :
       {std::pair{kEnglish, "msgbox_14_english.png"}, {kKorean, "msgbox_14_korean.png"}}) {
    LanguageGuard guard(language);
    CMsgBox box;
    box.setMessage(MessageText(msg::kNoSdOrWriteProtected, QStringLiteral(" ")));
    box.setButtons(false, true);
    box.show();
    QTest::qWait(100);
    const QImage image = box.grab().toImage();
    EXPECT_EQ(image.size(), QSize(480, 240) * box.devicePixelRatio());
    EXPECT_TRUE(image.save(out + QLatin1Char('/') + QLatin1String(name)));
    box.hide();
  }
}

}  // namespace
}  // namespace direvovu::gui
