#include "gui/recording/password_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/recording/working_copies.h"
#include "core/settings/texts.h"
#include "gui/recording/sd_password_dialog.h"
#include "recording_prompts.h"

namespace direvovu::gui {
namespace {

PasswordCheck Expect(std::string right) {
  return [right](std::string_view typed) { return typed == right; };
}

// Answers the next modal dialog that opens: types `text` and presses a button.
void AnswerNextDialog(const QString& text, bool press_ok) {
  QTimer::singleShot(30, [text, press_ok] {
    auto* dialog = qobject_cast<PasswordDialogBase*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->passwordBox(), text);
    if (press_ok) {
      QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    } else {
      dialog->reject();
    }
  });
}

TEST(PasswordDialogs, BoxIsMaskedAndTakesSixCharacters) {
  CInputPwd dialog(Expect("abcd"));
  EXPECT_EQ(dialog.passwordBox()->echoMode(), QLineEdit::Password);
  QTest::keyClicks(dialog.passwordBox(), QStringLiteral("1234567"));
  EXPECT_EQ(dialog.passwordBox()->text(), QStringLiteral("123456"));
}

TEST(PasswordDialogs, FirstDialogAcceptsOnlyTheRightPassword) {
  CInputPwd right(Expect("Ab12"));
  QTest::keyClicks(right.passwordBox(), QStringLiteral("Ab12"));
  QTest::mouseClick(right.okButton(), Qt::LeftButton);
  EXPECT_EQ(right.result(), QDialog::Accepted);

  CInputPwd wrong(Expect("Ab12"));
  QTest::keyClicks(wrong.passwordBox(), QStringLiteral("ab12"));  // case matters
  QTest::mouseClick(wrong.okButton(), Qt::LeftButton);
  EXPECT_EQ(wrong.result(), QDialog::Rejected);
}

TEST(PasswordDialogs, RetryDialogStaysOpenUntilRightOrCancel) {
  CReInputPwd dialog(Expect("9999"));
  dialog.show();
  for (int i = 0; i < 3; ++i) {
    QTest::keyClicks(dialog.passwordBox(), QStringLiteral("1111"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.passwordBox()->text().isEmpty());
  }
  QTest::keyClicks(dialog.passwordBox(), QStringLiteral("9999"));
  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(PasswordDialogs, WrongThenRightAcceptsWrongThenCancelGivesUp) {
  PasswordQuestion question;
  question.matches = Expect("pass1");
  AnswerNextDialog(QStringLiteral("nope"), true);
  QTimer::singleShot(200, [] { AnswerNextDialog(QStringLiteral("pass1"), true); });
  EXPECT_TRUE(AskPasswordWithDialogs(question, nullptr));

  AnswerNextDialog(QStringLiteral("nope"), true);
  QTimer::singleShot(200, [] { AnswerNextDialog(QString(), false); });
  EXPECT_FALSE(AskPasswordWithDialogs(question, nullptr));
}

class SdPasswordDialogTest : public ::testing::Test {
 protected:
  void Save(const QString& password, const QString& confirmation) {
    dialog.passwordBox()->setText(password);
    dialog.confirmationBox()->setText(confirmation);
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
  }
  QString passwd() const { return card.path() + QStringLiteral("/Setup/passwd.bin"); }

  QTemporaryDir card;
  test::RecordingPrompts recorder;
  CInputSDPwd dialog{'E', DriveList{{'E', card.path().toStdString(), true}}, recorder, nullptr};
};

TEST_F(SdPasswordDialogTest, PathComesFromTheCardLetter) {
  EXPECT_EQ(dialog.pathBox()->text(), passwd());
  EXPECT_TRUE(dialog.pathBox()->isReadOnly());
  dialog.setDrive(0);
  EXPECT_TRUE(dialog.pathBox()->text().isEmpty());
}

TEST_F(SdPasswordDialogTest, RefusalsShowTheirMessageAndWriteNothing) {
  dialog.show();
  Save(QString(), QString());
  Save(QStringLiteral("abc"), QStringLiteral("abc"));
  Save(QStringLiteral("ab_12"), QStringLiteral("ab_12"));
  Save(QStringLiteral("abcd"), QStringLiteral("abcD"));
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kInputPassword, msg::kPasswordLength,
                                               msg::kPasswordCharacters, msg::kPasswordsDiffer}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(QFile::exists(passwd()));
}

TEST_F(SdPasswordDialogTest, SaveWritesSixteenBytesAndReportsIt) {
  dialog.show();
  Save(QStringLiteral("Ab12"), QStringLiteral("Ab12"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kSdPasswordSaved}));
  EXPECT_EQ(QFileInfo(passwd()).size(), 16);
  EXPECT_FALSE(QFile::exists(card.path() + QStringLiteral("/Setup/test.bin")));
}

TEST_F(SdPasswordDialogTest, WithoutACardTheBoxesAreCheckedThenTheCardIsMissing) {
  dialog.setDrive(0);
  dialog.show();
  Save(QStringLiteral("abc"), QStringLiteral("abc"));
  Save(QStringLiteral("abcd"), QStringLiteral("abcd"));
  EXPECT_EQ(recorder.rows(), (std::vector<MessageId>{msg::kPasswordLength, msg::kNoSdOrWriteProtected}));
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace direvovu::gui
