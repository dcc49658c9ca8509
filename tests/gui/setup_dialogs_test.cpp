// The viewer setup and the camera setup, driven through their controls, with the files
// read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>

#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/controls/sd_drive_dialog.h"
#include "gui/setup/env_set_dialog.h"
#include "gui/setup/user_setup_dialog.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class SetupDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    fs::create_directories(root());
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  [[nodiscard]] fs::path root() const { return fs::path(dir.path().toStdString()) / "root"; }
  [[nodiscard]] fs::path card() const { return fs::path(dir.path().toStdString()) / "card"; }
  [[nodiscard]] WorkingFolders folders() const { return WorkingFolders(root()); }
  [[nodiscard]] std::string Setting(const char* key) const {
    return CBIniFile(folders().settings_file()).GetString(kViewerSection, key, "<none>");
  }
  UserSetupContext Context(char letter = 'E') {
    fs::create_directories(card());
    UserSetupContext context;
    context.card_letter = letter;
    context.drives = {{'E', card(), true}, {'G', dir.path().toStdString() + "/g", true}};
    context.pc_seconds_west = -32400;
    context.now = [] { return CivilTime{2012, 3, 14, 9, 5, 7}; };
    return context;
  }

  QTemporaryDir dir;
  test::RecordingPrompts prompts;
};

TEST_F(SetupDialogTest, ViewerSetupShowsTheLanguageInUseAndItsLists) {
  ASSERT_TRUE(CBIniFile(folders().settings_file()).WriteString(kViewerSection, "LANGUAGE", "0"));
  CEnvSet dialog(folders(), 5, prompts, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Setup Viewer"));
  EXPECT_EQ(dialog.languageList()->currentIndex(), kEnglish);
  ASSERT_EQ(dialog.languageList()->count(), 7);
  EXPECT_EQ(dialog.languageList()->itemText(0), QStringLiteral("한국어"));
  EXPECT_EQ(dialog.languageList()->itemText(4), QStringLiteral("Русский"));
  ASSERT_EQ(dialog.intervalList()->count(), 7);
  EXPECT_EQ(dialog.intervalList()->itemText(4), QStringLiteral("10 Seconds"));
  EXPECT_EQ(dialog.intervalList()->currentIndex(), 1);
  EXPECT_EQ(dialog.speedRadio(0)->text(), QStringLiteral("mile/hour"));
  EXPECT_TRUE(dialog.speedRadio(1)->isChecked());
  EXPECT_TRUE(dialog.markerRadio(1)->isChecked());
  EXPECT_EQ(dialog.captureFolder()->text().toStdString(), folders().capture().string());
}

TEST_F(SetupDialogTest, ViewerSaveWritesEveryKeyAppliesThenShowsMessage16) {
  std::vector<std::string> calls;
  CEnvSet dialog(folders(), 8, prompts, [&](bool changed) {
    calls.push_back(changed ? "changed" : "same");
    // The main window applies while the file already holds the new values.
    calls.push_back(Setting("LANGUAGE"));
    EXPECT_TRUE(prompts.rows().empty());
  });
  dialog.intervalList()->setCurrentIndex(4);
  dialog.languageList()->setCurrentIndex(kKorean);
  dialog.speedRadio(0)->setChecked(true);
  dialog.saveButton()->click();
  EXPECT_EQ(calls, (std::vector<std::string>{"changed", "0"}));
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kSetupSaved});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Setting("ROUTE_INTERVAL"), "4");
  EXPECT_EQ(Setting("VOLUME"), "8");
  EXPECT_EQ(Setting("SPEED_UNIT"), "0");
  EXPECT_EQ(Setting("MARK_ROUTE_ONOFF"), "1");
  EXPECT_EQ(Setting("SD_DOWN_FOLDER"), folders().download().string());
}

TEST_F(SetupDialogTest, ViewerSaveWithoutChangesStillWritesAndReportsNoLanguageChange) {
  bool changed = true;
  CEnvSet dialog(folders(), 3, prompts, [&](bool c) { changed = c; });
  dialog.saveButton()->click();
  EXPECT_FALSE(changed);
  EXPECT_EQ(Setting("VOLUME"), "3");
  EXPECT_EQ(Setting("LANGUAGE"), "1");
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kSetupSaved});
}

TEST_F(SetupDialogTest, ViewerCancelAfterBrowsingWritesNothing) {
  QString asked_at;
  prompts.setFolderAnswer([&](const QString& start) {
    asked_at = start;
    return QStringLiteral("/tmp/elsewhere");
  });
  CEnvSet dialog(folders(), 5, prompts, [](bool) { ADD_FAILURE() << "applied on cancel"; });
  dialog.captureOpenButton()->click();
  EXPECT_EQ(asked_at.toStdString(), folders().capture().string());
  EXPECT_EQ(dialog.captureFolder()->text(), QStringLiteral("/tmp/elsewhere"));
  prompts.setFolderAnswer([](const QString&) { return QString(); });
  dialog.decryptionOpenButton()->click();
  EXPECT_EQ(dialog.decryptionFolder()->text().toStdString(), folders().decryption().string());
  dialog.cancelButton()->click();
  EXPECT_FALSE(fs::exists(folders().settings_file()));
}

TEST_F(SetupDialogTest, ViewerSaveThatCannotWriteSaysSoAndStaysOpen) {
  WriteFile(folders().settings_file(), "[VIEWER_SETUP]\r\n");
  fs::permissions(folders().settings_file(), fs::perms::owner_write, fs::perm_options::remove);
  bool applied = false;
  CEnvSet dialog(folders(), 5, prompts, [&](bool) { applied = true; });
  dialog.saveButton()->click();
  EXPECT_FALSE(applied);
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kCantOpenFile});
  EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(SetupDialogTest, CameraSetupShowsTheCardsValuesAndDefaults) {
  fs::create_directories(card() / "Setup");
  WriteFile(
      card() / "Setup" / "setup.ini",
      "[USER_SETUP]\r\nDRIVER=Kim\r\nBUZZER_OFF=1\r\nIMPACT_X_INDEX=99\r\nFPS_INDEX=-1\r\nTIME_ZONE=abc\r\n");
  CUserSetup dialog(Context(), prompts);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Setup DirevOvu"));
  EXPECT_EQ(dialog.folderBox()->text().toStdString(), (card() / "Setup").string());
  EXPECT_EQ(dialog.driverBox()->text(), QStringLiteral("Kim"));
  EXPECT_TRUE(dialog.radio(CUserSetup::kBuzzer, 0)->isChecked());
  EXPECT_EQ(dialog.thresholdList(0)->currentText(), QStringLiteral("0.7 G"));
  EXPECT_EQ(dialog.frameRateList()->currentText(), QStringLiteral("30 fps"));
  EXPECT_EQ(dialog.sensitivityList()->currentItem()->text(), QStringLiteral("NORMAL"));
  EXPECT_EQ(dialog.timeZoneList()->count(), 32);
  EXPECT_EQ(dialog.timeZoneList()->currentText(),
            QStringLiteral("(GMT+09:00) Osaka, Sapporo, Seoul, Tokyo, Yakutsk"));
  EXPECT_EQ(dialog.clockBox()->text(), QStringLiteral("2012-3-14, 9:5:7, Wednesday"));
  EXPECT_TRUE(dialog.clockRunning());
  EXPECT_EQ(dialog.radio(CUserSetup::kParking, 1)->text(), QStringLiteral("50%"));
}

TEST_F(SetupDialogTest, CameraSaveWritesTheControlsAndCloses) {
  CUserSetup dialog(Context(), prompts);
  dialog.driverBox()->setText(QStringLiteral("Lee"));
  dialog.thresholdList(0)->setCurrentIndex(12);
  dialog.thresholdList(2)->setCurrentIndex(20);
  dialog.radio(CUserSetup::kBuzzer, 0)->setChecked(true);
  dialog.radio(CUserSetup::kMute, 1)->setChecked(true);
  dialog.timeZoneList()->setCurrentIndex(4);
  // The pairs are independent: choosing manual setup leaves every other radio alone.
  dialog.radio(CUserSetup::kImpactType, 1)->setChecked(true);
  EXPECT_TRUE(dialog.radio(CUserSetup::kMute, 1)->isChecked());
  EXPECT_TRUE(dialog.thresholdList(1)->isEnabled());
  dialog.saveButton()->click();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kUserInfoSaved});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.clockRunning());
  const CBIniFile ini(card() / "Setup" / "setup.ini");
  EXPECT_EQ(ini.GetString("USER_SETUP", "DRIVER", ""), "Lee");
  EXPECT_EQ(ini.GetString("USER_SETUP", "IMPACT_X_INDEX", ""), "12");
  EXPECT_EQ(ini.GetString("USER_SETUP", "IMPACT_X", ""), "1.2 G");
  EXPECT_EQ(ini.GetString("USER_SETUP", "IMPACT_Z", ""), "2.0 G");
  EXPECT_EQ(ini.GetString("USER_SETUP", "IMPACT_TYPE", ""), "1");
  EXPECT_EQ(ini.GetString("USER_SETUP", "BUZZER_OFF", ""), "1");
  EXPECT_EQ(ini.GetString("USER_SETUP", "MUTE_ONOFF", ""), "1");
  EXPECT_EQ(ini.GetString("USER_SETUP", "TIME_ZONE", ""), "8");
}

TEST_F(SetupDialogTest, CameraSaveTimeAndTheRefusals) {
  CUserSetup dialog(Context(), prompts);
  dialog.saveTimeButton()->click();
  EXPECT_EQ(test::ReadAll(card() / "Setup" / "date.txt"), "2012 3 14 9 5 7");
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kUserInfoSaved});
  EXPECT_TRUE(dialog.clockRunning());

  prompts.clear();
  CUserSetup no_card(Context(0), prompts);
  EXPECT_TRUE(no_card.folderBox()->text().isEmpty());
  no_card.saveButton()->click();
  no_card.saveTimeButton()->click();
  EXPECT_EQ(prompts.rows(), (std::vector<MessageId>{msg::kConnectSd, msg::kConnectSd}));
  EXPECT_NE(no_card.result(), QDialog::Accepted);

  prompts.clear();
  fs::permissions(card() / "Setup" / "date.txt", fs::perms::owner_write, fs::perm_options::remove);
  WriteFile(card() / "Setup" / "setup.ini", "[USER_SETUP]\r\nDRIVER=old\r\n");
  fs::permissions(card() / "Setup" / "setup.ini", fs::perms::owner_write, fs::perm_options::remove);
  CUserSetup locked(Context(), prompts);
  locked.saveButton()->click();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kNoSdOrWriteProtected});
  EXPECT_EQ(test::ReadAll(card() / "Setup" / "setup.ini"), "[USER_SETUP]\r\nDRIVER=old\r\n");
  EXPECT_NE(locked.result(), QDialog::Accepted);
}

TEST_F(SetupDialogTest, CameraOpenOnAnotherCardChangesOnlyTheFolder) {
  fs::create_directories(card() / "Setup");
  WriteFile(card() / "Setup" / "setup.ini", "[USER_SETUP]\r\nDRIVER=Kim\r\n");
  CUserSetup dialog(Context(), prompts);
  dialog.setDrive('G');
  EXPECT_EQ(dialog.folderBox()->text().toStdString(),
            (fs::path(dir.path().toStdString()) / "g" / "Setup").string());
  EXPECT_EQ(dialog.driverBox()->text(), QStringLiteral("Kim"));
}

TEST_F(SetupDialogTest, CameraOpenListsTheDrivesOfThatMoment) {
  UserSetupContext context = Context();
  const fs::path later = fs::path(dir.path().toStdString()) / "h";
  context.drives_now = [&] { return DriveList{{'E', card(), true}, {'H', later, true}}; };
  CUserSetup dialog(std::move(context), prompts);
  QStringList listed;
  QTimer::singleShot(0, [&] {
    auto* chooser = qobject_cast<CSDDrive*>(QApplication::activeModalWidget());
    if (chooser == nullptr) return;
    for (int i = 0; i < chooser->driveList()->count(); ++i) listed << chooser->driveList()->itemText(i);
    chooser->driveList()->setCurrentIndex(chooser->driveList()->count() - 1);
    chooser->okButton()->click();
  });
  dialog.openButton()->click();
  ASSERT_EQ(listed.size(), 2);
  EXPECT_TRUE(listed[1].startsWith(QLatin1Char('H'))) << listed[1].toStdString();
  EXPECT_EQ(dialog.folderBox()->text().toStdString(), (later / "Setup").string());
}

}  // namespace
}  // namespace direvovu::gui
