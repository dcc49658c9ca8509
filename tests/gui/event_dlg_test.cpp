#include "gui/reports/event_dlg.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/reports/event_report_file.h"
#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/controls/show_message.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

std::string EventText(const std::string& date, const std::string& x, const std::string& y,
                      const std::string& z) {
  return "[Event1]\r\nDate=" + date + "\r\nTime=08:16:07\r\nG_Sensor_X=" + x + "\r\nG_Sensor_Y=" + y +
         "\r\nG_Sensor_Z=" + z + "\r\n";
}

class EventReportWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    card.Put("Event/drf_20261208_081605.txt", EventText("2026-12-08", "1.25", "-0.31", "0.98"));
    card.Put("Event/drf_20261207_100000.txt", EventText("2026-12-07", "0.1", "0.9", "-0.9"));
    fs::create_directories(WorkingFolders(card.root()).event());
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  EventDlgContext Context(char letter = 'E') const {
    EventDlgContext context;
    context.folders = WorkingFolders(card.root());
    context.cardLetter = letter;
    context.drives = {Drive{'C', "/", false}, Drive{'E', card.card(), true}};
    context.now = [] { return CivilTime{2026, 12, 9, 6, 5, 4}; };
    return context;
  }
  std::string Setting(const char* key) const {
    return CBIniFile(WorkingFolders(card.root()).settings_file()).GetString(kViewerSection, key, "<none>");
  }
  fs::path ReportFile() const { return WorkingFolders(card.root()).event() / "Event_20261209_060504.txt"; }

  test::TestCard card;
  test::RecordingPrompts prompts;
};

TEST_F(EventReportWindow, OpensOnTheCardsEventFolderWithItsRowsInNameOrder) {
  CEventDlg dialog(Context(), prompts);
  EXPECT_EQ(dialog.windowTitle(), "Event Report");
  EXPECT_TRUE(dialog.folderEdit()->isReadOnly());
  EXPECT_EQ(dialog.folderEdit()->text().toStdString(), (card.card() / "Event").string());
  QTreeWidget* list = dialog.list();
  ASSERT_EQ(list->topLevelItemCount(), 2);
  const QStringList headers{"NO.", "Event Date", "Event Time", "X", "Y", "Z", "Event Factor"};
  const int widths[] = {65, 100, 120, 66, 66, 66, 100};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(list->headerItem()->text(c), headers[c]);
    EXPECT_EQ(list->columnWidth(c), widths[c]);
    EXPECT_EQ(list->topLevelItem(0)->textAlignment(c), Qt::AlignCenter);
  }
  const QStringList first{"   001", "2026-12-07", "08:16:07", "0.100", "0.900", "-0.900", "Y"};
  const QStringList second{"   002", "2026-12-08", "08:16:07", "1.250", "-0.310", "0.980", "X"};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(list->topLevelItem(0)->text(c), first[c]);
    EXPECT_EQ(list->topLevelItem(1)->text(c), second[c]);
  }
  EXPECT_EQ(dialog.countLabel(0)->text(), "1");
  EXPECT_EQ(dialog.countLabel(1)->text(), "1");
  EXPECT_EQ(dialog.countLabel(2)->text(), "0");
  EXPECT_EQ(dialog.searchButton()->text(), "Search");
  EXPECT_EQ(dialog.saveButton()->text(), "Save");
  EXPECT_EQ(dialog.closeButton()->text(), "Close");
  EXPECT_TRUE(prompts.requests().empty());
}

TEST_F(EventReportWindow, WithoutACardTheStoredFolderIsReadAndWithoutOneNothingIsSaved) {
  {
    CEventDlg dialog(Context(0), prompts);
    EXPECT_TRUE(dialog.folderEdit()->text().isEmpty());
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 0);
    dialog.SaveCommand();
    EXPECT_TRUE(prompts.requests().empty());
    EXPECT_TRUE(fs::is_empty(WorkingFolders(card.root()).event()));
  }
  ASSERT_TRUE(CBIniFile(WorkingFolders(card.root()).settings_file())
                  .WriteString(kViewerSection, "EVENT_PATH", (card.card() / "Event").string()));
  CEventDlg dialog(Context(0), prompts);
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
}

TEST_F(EventReportWindow, SearchReadsTheChosenFolderWithCountsFromZero) {
  card.Put("Other/drf_20261209_070000.txt", EventText("2026-12-09", "0", "0", "-1.5"));
  CEventDlg dialog(Context(), prompts);
  QString asked_from;
  prompts.setFolderAnswer([&](const QString& start) {
    asked_from = start;
    return QString();
  });
  dialog.SearchCommand();  // cancelled: nothing changes
  EXPECT_EQ(asked_from.toStdString(), (card.card() / "Event").string());
  EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
  EXPECT_EQ(Setting("EVENT_PATH"), "<none>");

  const QString other = QString::fromStdString((card.card() / "Other").string());
  prompts.setFolderAnswer([&](const QString&) { return other; });
  dialog.SearchCommand();
  EXPECT_EQ(dialog.folderEdit()->text(), other);
  EXPECT_EQ(Setting("EVENT_PATH"), other.toStdString());
  ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(0), "   001");
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(6), "Z");
  EXPECT_EQ(dialog.countLabel(0)->text(), "0");
  EXPECT_EQ(dialog.countLabel(2)->text(), "1");

  // Next time the window opens on the card, but Search starts where the user last went.
  CEventDlg again(Context(), prompts);
  prompts.setFolderAnswer([&](const QString& start) {
    asked_from = start;
    return QString();
  });
  again.SearchCommand();
  EXPECT_EQ(asked_from, other);
}

TEST_F(EventReportWindow, SaveWritesTheReportAndSaysWhere) {
  CEventDlg dialog(Context(), prompts);
  dialog.SaveCommand();
  ASSERT_EQ(prompts.rows(), std::vector<MessageId>{msg::kEventReportSaved});
  EXPECT_EQ(prompts.requests()[0].detail.toStdString(), ReportFile().string());
  const auto expected = reports::EventReportBytes(dialog.events(), kEnglish);
  EXPECT_EQ(test::ReadAll(ReportFile()), std::string(expected.begin(), expected.end()));
  EXPECT_EQ(MessageText(msg::kEventReportSaved, prompts.requests()[0].detail).toStdString(),
            "\nEvent file is saved in below folder.\n\n" + ReportFile().string());

  // In the same second, in another language: the same name, the new report.
  SetCurrentLanguage(kKorean);
  dialog.SaveCommand();
  const auto korean = reports::EventReportBytes(dialog.events(), kKorean);
  EXPECT_EQ(test::ReadAll(ReportFile()), std::string(korean.begin(), korean.end()));
  EXPECT_EQ(std::distance(fs::directory_iterator(ReportFile().parent_path()), fs::directory_iterator()), 1);
}

TEST_F(EventReportWindow, AReportThatCannotBeWrittenIsReported) {
  fs::remove_all(WorkingFolders(card.root()).event());
  CEventDlg dialog(Context(), prompts);
  dialog.SaveCommand();
  ASSERT_EQ(prompts.rows(), std::vector<MessageId>{msg::kCantOpenFile});
  EXPECT_EQ(prompts.requests()[0].detail.toStdString(), ReportFile().string());
  EXPECT_FALSE(fs::exists(ReportFile()));
}

TEST_F(EventReportWindow, JunkEventFilesOpenTheWindowWithWhatCanBeShown) {
  std::string junk(70000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 131) % 251);
  card.Put("Event/drf_20261201_000000.txt", junk);
  card.Put("Event/drf_20261202_000000.txt", EventText("2026-12-02", "nan", "inf", "abc"));
  CEventDlg dialog(Context(), prompts);
  ASSERT_EQ(dialog.list()->topLevelItemCount(), 3);
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(1), "2026-12-02");
  EXPECT_EQ(dialog.list()->topLevelItem(0)->text(3), "0.000");
}

}  // namespace
}  // namespace direvovu::gui
