// The play list of the main window with fake players: its rows, the open-file dialog,
// deleting, double clicks, drops, the advance from row to row, and the password flows
// of scrambled recordings.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/recording/recording_name.h"
#include "core/settings/ini_file.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/recording/password_dialogs.h"
#include "main_window_fixture.h"
#include "scoped_environment.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using test::PathTexts;
using test::PlaylistPairs;
using Playlist = test::PlaylistTest;

TEST_F(Playlist, ListHasItsPlaceColumnsAndColours) {
  EXPECT_EQ(list_->geometry(), QRect(553, 481, 350, 173));
  const std::vector<QString> headings{"NO.", "DATE", "TIME", "TYPE", "FILE NAME"};
  const std::vector<int> widths{45, 72, 58, 160, 460};
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(list_->headerItem()->text(column), headings[static_cast<std::size_t>(column)]);
    EXPECT_EQ(list_->columnWidth(column), widths[static_cast<std::size_t>(column)]);
  }
  EXPECT_EQ(list_->palette().color(QPalette::Base), QColor(0xAC, 0xAD, 0xAF));  // red, green, blue
  EXPECT_EQ(list_->palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(list_->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list_->selectionMode(), QAbstractItemView::ExtendedSelection);

  list_->AppendRows({PlaylistPairs::Get().scrambled[0].string()});
  EXPECT_EQ(list_->CellText(0, 0), QStringLiteral("   001"));
  EXPECT_EQ(list_->CellText(0, 1), QStringLiteral("2012-03-14"));
  EXPECT_EQ(list_->CellText(0, 2), QStringLiteral("10:00:00"));
  EXPECT_EQ(list_->CellText(0, 3), QStringLiteral("Driving"));
  EXPECT_EQ(list_->topLevelItem(0)->textAlignment(1), int(Qt::AlignCenter));
  EXPECT_EQ(list_->topLevelItem(0)->textAlignment(4) & Qt::AlignLeft, Qt::AlignLeft);

  // A language change rewrites the headings and the kinds of the rows there are.
  SetCurrentLanguage(kKorean);
  dialog_->RefreshTexts();
  EXPECT_EQ(list_->headerItem()->text(0), QStringLiteral("번호"));
  EXPECT_EQ(list_->CellText(0, 3), QStringLiteral("주행"));
}

TEST_F(Playlist, OpenDialogListsFrontRecordingsInOrderAndPlaysTheFirstASecondLater) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  QString offered_start;
  messages_.setFileAnswer([&](const QString& start) {
    offered_start = start;
    return PathTexts({pairs.plain[2], RearCompanionPath(pairs.plain[0]), pairs.plain[0],
                      pairs.folder / "x.txt", pairs.plain[1]});
  });
  dialog_->playlist().OpenCommand();
  EXPECT_EQ(messages_.filePicks(), std::vector<gui::FilePick>{gui::FilePick::Several});
  ASSERT_EQ(list_->RowCount(), 3);
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(list_->PathAt(row), pairs.plain[static_cast<std::size_t>(row)].string());
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"   001", "   002", "   003"}));
  EXPECT_EQ(list_->SelectedRow(), 0);
  EXPECT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  EXPECT_EQ(dialog_->playlist().timers().Period(timer::kPlayOpened), 1000);
  EXPECT_FALSE(dialog_->playback().loadPending());  // not before the second is over
  EXPECT_TRUE(messages_.rows().empty());            // a name that is not a recording is left out silently
  // Several files: their folder is where the dialog starts next time.
  const CBIniFile settings(folders_->settings_file());
  EXPECT_EQ(settings.GetString("VIEWER_SETUP", "OPEN_PATH", ""), pairs.folder.string());
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[0]);
  EXPECT_TRUE(dialog_->playback().loadPending());

  // While the load is pending the dialog does not open.
  bool asked = false;
  messages_.setFileAnswer([&](const QString&) {
    asked = true;
    return QStringList();
  });
  dialog_->playlist().OpenCommand();
  EXPECT_FALSE(asked);
  FinishLoad();
  // One file: its own path is remembered; rear files only leave the list empty.
  messages_.setFileAnswer([&](const QString& start) {
    offered_start = start;
    return PathTexts({pairs.plain[1]});
  });
  dialog_->playlist().OpenCommand();
  EXPECT_EQ(offered_start, QString::fromStdString(pairs.folder.string()));
  EXPECT_EQ(settings.GetString("VIEWER_SETUP", "OPEN_PATH", ""), pairs.plain[1].string());
  messages_.setFileAnswer([&](const QString&) { return PathTexts({RearCompanionPath(pairs.plain[1])}); });
  dialog_->playlist().OpenCommand();
  EXPECT_EQ(list_->RowCount(), 0);
}

TEST_F(Playlist, DeletingRowsRenumbersAndDeleteAllAsksFirst) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  std::vector<std::string> paths;
  for (const fs::path& path : pairs.plain) paths.push_back(path.string());
  paths.push_back(pairs.scrambled[0].string());
  paths.push_back(pairs.scrambled[1].string());
  list_->AppendRows(paths);
  list_->topLevelItem(1)->setSelected(true);
  list_->topLevelItem(2)->setSelected(true);
  dialog_->playlist().DeleteSelected();
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"   001", "   002", "   003"}));
  EXPECT_EQ(list_->PathAt(1), paths[3]);

  messages_.setAnswer(false);
  dialog_->playlist().DeleteAll();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kRemoveAll});
  EXPECT_TRUE(messages_.requests().front().cancel_shown);
  EXPECT_EQ(list_->RowCount(), 3);
  messages_.setAnswer(true);
  dialog_->playlist().DeleteAll();
  EXPECT_EQ(list_->RowCount(), 0);
  messages_.clear();
  dialog_->playlist().DeleteAll();  // nothing to remove: nothing asked
  EXPECT_TRUE(messages_.rows().empty());
}

TEST_F(Playlist, SevenThousandRowsAreNumberedAndSelectNextStopsAtTheLast) {
  std::vector<std::string> paths(7000, PlaylistPairs::Get().plain[0].string());
  list_->AppendRows(paths);
  ASSERT_EQ(list_->RowCount(), 7000);
  EXPECT_EQ(list_->CellText(6999, 0), QStringLiteral("   7000"));
  EXPECT_FALSE(list_->SelectNext());  // nothing selected
  list_->SelectRow(6998);
  EXPECT_TRUE(list_->SelectNext());
  EXPECT_EQ(list_->SelectedRow(), 6999);
  EXPECT_FALSE(list_->SelectNext());
  EXPECT_EQ(list_->SelectedRow(), 6999);
}

TEST_F(Playlist, PlayWithoutARowSaysSoAndAFailedLoadGoesOnWithTheNextRow) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  list_->AppendRows({pairs.plain[0].string()});
  list_->clearSelection();
  dialog_->PlayCommand();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSelectPlaylistItem});
  EXPECT_FALSE(dialog_->playback().loadPending());

  // A broken recording among good ones: reported, and the next row plays.
  messages_.clear();
  const fs::path here = RootPath();
  const fs::path broken = here / "drf0_20120314_085959.mp4";
  std::ofstream(broken) << "not a recording";
  const fs::path good = here / pairs.plain[1].filename();
  fs::copy_file(pairs.plain[1], good);
  fs::copy_file(RearCompanionPath(pairs.plain[1]), RearCompanionPath(good));
  dialog_->OpenFiles(PathTexts({good, broken}));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  ASSERT_FALSE(messages_.rows().empty());
  EXPECT_EQ(messages_.rows().back(), msg::kIllegalFile);
  EXPECT_EQ(list_->SelectedRow(), 1);
  EXPECT_EQ(dialog_->playback().recording(), good);
  EXPECT_TRUE(dialog_->playback().loadPending());
  FinishLoad();

  // At the last row a failed load leaves the transport at rest.
  dialog_->OpenFiles(PathTexts({broken}));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_FALSE(dialog_->playback().loadPending());
  EXPECT_TRUE(PlayShown());
}

TEST_F(Playlist, EndOfEachRecordingPlaysTheNextRowUntilTheLast) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  OpenAndPlay(pairs.plain);
  for (std::size_t next = 1; next < 3; ++next) {
    front_->ReportEnd();
    ASSERT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kEndOfFile));
    dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
    EXPECT_EQ(list_->SelectedRow(), static_cast<int>(next));
    EXPECT_EQ(dialog_->playback().recording(), pairs.plain[next]);
    log_->clear();
    FinishLoad();
  }
  front_->ReportEnd();
  dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
  EXPECT_FALSE(dialog_->playback().loadPending());
  EXPECT_TRUE(PlayShown());
  EXPECT_EQ(list_->SelectedRow(), 2);
}

TEST_F(Playlist, DoubleClickPlaysTheChosenRowAtOnce) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  OpenAndPlay(pairs.plain);
  list_->SelectRow(2);
  dialog_->playlist().RowActivated();
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[2]);
  EXPECT_TRUE(dialog_->playback().loadPending());
  EXPECT_FALSE(dialog_->playback().autoAdvance());
  // A second double click while that load runs is ignored.
  list_->SelectRow(0);
  dialog_->playlist().RowActivated();
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[2]);
}

TEST_F(Playlist, RowsAddedByOtherWindowsFollowTheListAndTheFirstRowPlays) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  list_->AppendRows({pairs.plain[2].string()});
  dialog_->playlist().AddRows({pairs.plain[0].string(), pairs.plain[1].string()});
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"   001", "   002", "   003"}));
  EXPECT_EQ(list_->PathAt(1), pairs.plain[0].string());  // appended as given, not sorted in
  EXPECT_EQ(list_->SelectedRow(), 0);
  ASSERT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[2]);
  // A second batch while that load runs: its tick waits for the load to end.
  dialog_->playlist().AddRows({pairs.scrambled[0].string()});
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[2]);
}

TEST_F(Playlist, DroppedFolderBecomesThePlayList) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(pairs.folder.string()))});
  QDragEnterEvent enter(QPoint(600, 500), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dialog_.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(600, 500), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(dialog_.get(), &drop);
  ASSERT_EQ(list_->RowCount(), 6);
  EXPECT_EQ(list_->PathAt(0), pairs.plain[0].string());
  EXPECT_EQ(list_->PathAt(5), pairs.scrambled[2].string());
  EXPECT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
}

TEST_F(Playlist, SamePasswordIsNotAskedAgainAnotherIs) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  std::vector<std::string> asked;
  messages_.setPasswordAnswer([&](const PasswordQuestion& question) {
    asked.push_back(question.recording.filename().string());
    return question.matches("abc123") || question.matches("zz9999");
  });
  OpenAndPlay({pairs.scrambled[0], pairs.scrambled[1], pairs.scrambled[2]});
  EXPECT_EQ(asked.size(), 1U);
  front_->ReportEnd();
  dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
  EXPECT_EQ(dialog_->playback().recording(), pairs.scrambled[1]);
  EXPECT_EQ(asked.size(), 1U);  // the same password: not asked
  FinishLoad();
  front_->ReportEnd();
  dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
  EXPECT_EQ(asked.size(), 2U);  // another password: asked
  EXPECT_EQ(asked.back(), pairs.scrambled[2].filename().string());
  EXPECT_TRUE(dialog_->playback().loadPending());
  EXPECT_TRUE(messages_.rows().empty());
}

// Answers the password dialogs as a user would: each entry in turn, then Cancel.
void AnswerDialogs(std::vector<QString> entries) {
  QTimer::singleShot(30, [entries = std::move(entries)]() mutable {
    auto* dialog = qobject_cast<PasswordDialogBase*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return AnswerDialogs(std::move(entries));
    if (entries.empty()) return dialog->reject();
    dialog->passwordBox()->setText(entries.front());
    entries.erase(entries.begin());
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    AnswerDialogs(std::move(entries));
  });
}

TEST_F(Playlist, WrongPasswordThenCancelFailsTheLoadThroughTheRealDialogs) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  messages_.setPasswordAnswer(
      [this](const PasswordQuestion& question) { return AskPasswordWithDialogs(question, dialog_.get()); });
  AnswerDialogs({"wrong1", "wrong2"});  // first dialog, one retry, then Cancel
  dialog_->OpenFiles(PathTexts({pairs.scrambled[0]}));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_FALSE(dialog_->playback().loadPending());
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_EQ(fs::file_size(folders_->front_copy()), 0U);
  EXPECT_TRUE(PlayShown());

  AnswerDialogs({"abc123"});
  messages_.clear();
  dialog_->PlayCommand();
  EXPECT_TRUE(dialog_->playback().loadPending());
  EXPECT_TRUE(messages_.rows().empty());
  FinishLoad();
}

TEST_F(Playlist, DecryptionAndSaveChecksItsCaseAndAsksEveryTime) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  int asked = 0;
  bool answer_right = false;
  messages_.setPasswordAnswer([&](const PasswordQuestion& question) {
    asked += question.saveMode ? 1 : 0;
    return answer_right && question.matches("abc123");
  });
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kNoFileForDecryption});
  list_->AppendRows({pairs.plain[0].string(), pairs.scrambled[0].string()});
  list_->clearSelection();
  messages_.clear();
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSelectPlaylistItem});
  list_->SelectRow(0);
  messages_.clear();
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kNotEncrypted});

  // Given up: nothing written, nothing said.
  list_->SelectRow(1);
  messages_.clear();
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(messages_.rows().empty());
  const fs::path out = folders_->decryption() / pairs.scrambled[0].filename();
  EXPECT_FALSE(fs::exists(out));

  answer_right = true;
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(asked, 2);
  ASSERT_EQ(messages_.rows(), std::vector<MessageId>{msg::kDecrypted});
  EXPECT_TRUE(messages_.requests().back().detail.contains(QString::fromStdString(out.string())));
  EXPECT_TRUE(fs::exists(out));
  EXPECT_TRUE(fs::exists(folders_->decryption() / RearCompanionPath(out).filename()));

  // While a recording plays: "stop first".
  OpenAndPlay({pairs.scrambled[0]});
  messages_.clear();
  dialog_->playlist().DecryptSelected();
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kStopPlaying});
}

TEST_F(Playlist, PasswordButtonSearchesTheCardThenOpensTheDialogUnlessALoadRuns) {
  const test::ScopedEnvironment drives("DIREVOVU_DRIVES", QByteArray("C=/:fixed"));
  QTimer::singleShot(100, [] {
    if (QWidget* open = QApplication::activeModalWidget()) open->close();
  });
  dialog_->button(ctl::kPassword)->click();
  const std::vector<MessageId> rows = messages_.rows();
  ASSERT_GE(rows.size(), 2U);
  EXPECT_EQ(rows[0], msg::kSearchingSd);
  EXPECT_EQ(rows[1], msg::kConnectSd);

  OpenAndPlay({PlaylistPairs::Get().plain[0]});
  list_->SelectRow(0);
  dialog_->playlist().RowActivated();
  ASSERT_TRUE(dialog_->playback().loadPending());
  messages_.clear();
  dialog_->button(ctl::kPassword)->click();
  EXPECT_TRUE(messages_.rows().empty());
}

TEST_F(Playlist, SdDownloadEmptiesThePlayListWhenItsFirstRowWasChecked) {
  const PlaylistPairs& pairs = PlaylistPairs::Get();
  list_->AppendRows({pairs.plain[2].string()});
  dialog_->playlist().Apply(PlaylistChange{{pairs.plain[0].string()}, false});
  EXPECT_EQ(list_->RowCount(), 2);
  dialog_->playlist().Apply(PlaylistChange{{pairs.plain[1].string(), pairs.plain[0].string()}, true});
  ASSERT_EQ(list_->RowCount(), 2);
  EXPECT_EQ(list_->PathAt(0), pairs.plain[1].string());
  EXPECT_EQ(list_->SelectedRow(), 0);
  ASSERT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), pairs.plain[1]);
}

}  // namespace
}  // namespace direvovu::gui
