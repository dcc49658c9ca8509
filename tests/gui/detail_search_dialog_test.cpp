// The detail search dialog over a card-like tree, with the settings read back.
#include "gui/setup/detail_search_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class DetailSearchDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    fs::create_directories(card.root());
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  DetailSearchContext Context(bool card_known = true) {
    DetailSearchContext context;
    context.folders = WorkingFolders(card.root());
    context.card_root = card_known ? card.card() : fs::path();
    context.drives = {{'E', card.card(), true}};
    context.tables = &tables;
    context.today = {2026, 12, 8, 10, 0, 0};
    return context;
  }
  [[nodiscard]] std::string Setting(const char* key) const {
    return CBIniFile(WorkingFolders(card.root()).settings_file()).GetString(kViewerSection, key, "<none>");
  }

  test::TestCard card;
  test::RecordingPrompts prompts;
  CardWorkTables tables;
};

TEST_F(DetailSearchDialogTest, OpensOnTheCardWithTodayAndTheWholeDay) {
  CDetailSearch dialog(Context(), prompts);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Detail Search"));
  EXPECT_EQ(dialog.folderBox()->text().toStdString(), card.card().string());
  EXPECT_TRUE(dialog.startCheck()->isChecked());
  EXPECT_TRUE(dialog.endCheck()->isChecked());
  EXPECT_EQ(dialog.startDate()->date(), QDate(2026, 12, 8));
  EXPECT_EQ(dialog.startTime()->time(), QTime(0, 0, 0));
  EXPECT_EQ(dialog.endTime()->time(), QTime(23, 59, 59));
  EXPECT_EQ(dialog.startCheck()->text(), QStringLiteral("Start"));

  CDetailSearch no_card(Context(false), prompts);
  EXPECT_EQ(no_card.folderBox()->text().toStdString(), (card.root() / "SD").string());
}

TEST_F(DetailSearchDialogTest, OkTakesTheDaysFrontRecordingsInNameOrderAndWritesTheRange) {
  card.Put("Blackbox/20261208/drf0_20261208_070000.mp4", "early");
  CDetailSearch dialog(Context(), prompts);
  dialog.startTime()->setTime(QTime(8, 0, 0));
  dialog.okButton()->click();
  EXPECT_TRUE(prompts.rows().empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  std::vector<std::string> names;
  for (const auto& path : dialog.taken()) names.push_back(path.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"drf0_20261208_081500.mp4", "drf0_20261208_081530.mp4",
                                             "drf0_20261208_081605.mp4", "drf0_20261208_214000.mp4"}));
  EXPECT_EQ(tables.recordings().size(), 4U);
  EXPECT_EQ(Setting("SEARCH_START_TIME"), "080000");
  EXPECT_EQ(Setting("SEARCH_START_DATE"), "20261208");
  EXPECT_EQ(Setting("SEARCH_END_TIME"), "235959");
  EXPECT_EQ(Setting("SEARCH_START_CHECK"), "1");

  // Read again, the dialog shows what was written.
  CDetailSearch again(Context(), prompts);
  EXPECT_EQ(again.startTime()->time(), QTime(8, 0, 0));
}

TEST_F(DetailSearchDialogTest, OnlyStartTakesTheWholeDayOnlyEndTheEndsDay) {
  card.Put("Blackbox/20261209/drf0_20261209_010000.mp4", "next day");
  CDetailSearch dialog(Context(), prompts);
  dialog.endCheck()->setChecked(false);
  dialog.startTime()->setTime(QTime(22, 0, 0));
  dialog.okButton()->click();
  EXPECT_EQ(dialog.taken().size(), 4U);
  EXPECT_EQ(Setting("SEARCH_END_CHECK"), "0");

  CDetailSearch end_only(Context(), prompts);
  end_only.startCheck()->setChecked(false);
  end_only.endCheck()->setChecked(true);
  end_only.endDate()->setDate(QDate(2026, 12, 9));
  end_only.okButton()->click();
  ASSERT_EQ(end_only.taken().size(), 1U);
  EXPECT_EQ(end_only.taken()[0].filename(), "drf0_20261209_010000.mp4");
}

TEST_F(DetailSearchDialogTest, NothingTakenShowsMessage24StaysAndStillWritesTheRange) {
  CDetailSearch dialog(Context(), prompts);
  dialog.startCheck()->setChecked(false);
  dialog.endCheck()->setChecked(false);
  dialog.okButton()->click();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kNoSearchedFile});
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.taken().empty());
  EXPECT_EQ(Setting("SEARCH_START_CHECK"), "0");
  EXPECT_EQ(Setting("SEARCH_END_CHECK"), "0");
}

TEST_F(DetailSearchDialogTest, OpenWritesTheChosenFolderAtOnceCancelKeepsIt) {
  const fs::path other = card.base() / "other";
  fs::create_directories(other);
  QString started_at = QStringLiteral("<not asked>");
  prompts.setFolderAnswer([&](const QString& start) {
    started_at = start;
    return QString::fromStdString(other.string());
  });
  CDetailSearch dialog(Context(), prompts);
  dialog.openButton()->click();
  EXPECT_EQ(started_at, QString());  // nothing stored yet
  EXPECT_EQ(dialog.folderBox()->text().toStdString(), other.string());
  EXPECT_EQ(Setting("SEARCH_PATH"), other.string());
  prompts.setFolderAnswer([&](const QString& start) {
    started_at = start;
    return QString();
  });
  dialog.openButton()->click();
  EXPECT_EQ(started_at.toStdString(), other.string());
  EXPECT_EQ(dialog.folderBox()->text().toStdString(), other.string());
  dialog.okButton()->click();  // an empty tree: found nothing
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kNoSearchedFile});
}

TEST_F(DetailSearchDialogTest, EmptyFolderAsksForOneAndWritesNothing) {
  DetailSearchContext context = Context(false);
  ASSERT_TRUE(CBIniFile(context.folders.settings_file()).WriteString(kViewerSection, "SD_DOWN_FOLDER", ""));
  CDetailSearch dialog(std::move(context), prompts);
  ASSERT_TRUE(dialog.folderBox()->text().isEmpty());
  dialog.okButton()->click();
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kSelectFolder});
  EXPECT_EQ(Setting("SEARCH_START_DATE"), "<none>");
}

}  // namespace
}  // namespace direvovu::gui
