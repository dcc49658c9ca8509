// The main window with fake players: layout, texts, timer table, load and
// synchronised start, time display and close.
#include "gui/app/vantor_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/recording/recording_name.h"
#include "core/settings/texts.h"
#include "gui/app/main_timers.h"
#include "gui/app/playback_timers.h"
#include "gui/app/playlist_view.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/display/graph_panel.h"
#include "gui/display/speedometer_widget.h"
#include "main_window_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text(static_cast<std::size_t>(fs::exists(file) ? fs::file_size(file) : 0), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  return text;
}

// Two small camera-format pairs made once for the whole suite.
class Recordings {
 public:
  static const Recordings& Get() {
    static const Recordings made;
    return made;
  }
  fs::path first;
  fs::path second;
  bool ok = false;

 private:
  Recordings() {
    first = made_.MakePair("2012-03-14T09:05:07");
    second = made_.MakePair("2012-03-14T09:10:00");
    ok = !first.empty() && !second.empty();
  }
  test::SampleRecordings made_;
};

using MainWindow = test::MainWindowTest;

TEST(MainWindowPlacement, LowScreenLiftsAndCentresTallScreenUsesTheCorner) {
  EXPECT_EQ(CVantorDlg::PlacementOn(QRect(0, 0, 1280, 720)), QPoint(166, -30));
  EXPECT_EQ(CVantorDlg::PlacementOn(QRect(0, 0, 1920, 1080)), QPoint(0, 0));
  // A second screen to the right: the rule applies within that screen.
  EXPECT_EQ(CVantorDlg::PlacementOn(QRect(1920, 0, 1280, 720)), QPoint(2086, -30));
}

TEST_F(MainWindow, IsACaptionlessRoundedWindowOfFixedSize) {
  EXPECT_EQ(dialog_->size(), QSize(947, 750));
  EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
  EXPECT_TRUE(dialog_->windowFlags().testFlag(Qt::FramelessWindowHint));
  const QRegion mask = dialog_->mask();
  EXPECT_EQ(mask.boundingRect(), QRect(QPoint(5, 5), QPoint(941, 744)));
  EXPECT_TRUE(mask.contains(QPoint(470, 6)));
  EXPECT_FALSE(mask.contains(QPoint(6, 6)));  // the corner is cut off
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("VAZI OSPREYCAM CD-Serial"));
}

TEST_F(MainWindow, EveryControlSitsAtItsPlace) {
  for (const ButtonPlace& place : MainWindowButtons()) {
    QAbstractButton* pressed = dialog_->button(place.id);
    ASSERT_NE(pressed, nullptr) << place.id;
    EXPECT_EQ(pressed->pos(), QPoint(place.left, place.top)) << place.id;
    EXPECT_GT(pressed->width(), 0) << place.id;
  }
  EXPECT_EQ(dialog_->control(ctl::kFrontVideo)->geometry(), QRect(34, 70, 437, 328));
  EXPECT_EQ(dialog_->control(ctl::kRearVideo)->geometry(), QRect(479, 70, 437, 328));
  EXPECT_TRUE(dialog_->control(ctl::kFrontVideo)->testAttribute(Qt::WA_NativeWindow));
  EXPECT_TRUE(dialog_->control(ctl::kRearVideo)->testAttribute(Qt::WA_NativeWindow));
  EXPECT_EQ(Slider()->pos(), QPoint(110, 406));
  EXPECT_EQ(Slider()->width(), 287);
  EXPECT_EQ(Slider()->GetRangeMax(), 10000);
  EXPECT_EQ(Slider()->GetPos(), 0);
  for (const LabelPlace& place : MainWindowLabels()) EXPECT_NE(dialog_->label(place.id), nullptr) << place.id;
  // Of each pair sharing a place one is shown: nothing plays, so PLAY.
  EXPECT_FALSE(dialog_->button(ctl::kPlay)->isHidden());
  EXPECT_TRUE(dialog_->button(ctl::kPause)->isHidden());
  EXPECT_NE(dialog_->button(ctl::kGravityGraph)->isHidden(), dialog_->button(ctl::kSpeedGraph)->isHidden());
  EXPECT_NE(dialog_->button(ctl::kVideoMode)->isHidden(), dialog_->button(ctl::kDrivingLogMode)->isHidden());
}

TEST_F(MainWindow, TooltipsFollowTheLanguage) {
  Initialise();
  SetCurrentLanguage(kEnglish);
  dialog_->RefreshTexts();
  EXPECT_EQ(dialog_->button(ctl::kPlay)->toolTip(), QStringLiteral("Play"));
  EXPECT_EQ(dialog_->button(ctl::kClose)->toolTip(), QStringLiteral("Close"));
  EXPECT_EQ(dialog_->button(ctl::kSdDownload)->toolTip(), QStringLiteral("Download data or Format From SD"));
  EXPECT_EQ(dialog_->button(ctl::kDrivingLogMode)->toolTip(), QStringLiteral("GPS Tracer"));
  EXPECT_EQ(dialog_->button(ctl::kEventLog)->toolTip(), QStringLiteral("Event Log"));
  SetCurrentLanguage(kChineseTraditional);
  dialog_->RefreshTexts();
  EXPECT_EQ(dialog_->button(ctl::kPlay)->toolTip(), QStringLiteral("恢復"));
}

TEST_F(MainWindow, InitialisationEmptiesTheCopiesCreatesFoldersAndAppliesTheSettings) {
  fs::create_directories(folders_->root);
  std::ofstream(folders_->front_copy()) << "left over from the last run";
  std::ofstream(folders_->settings_file()) << "[VIEWER_SETUP]\nVOLUME=7\nLANGUAGE=1\n";
  Initialise();
  EXPECT_TRUE(fs::exists(folders_->front_copy()));
  EXPECT_EQ(fs::file_size(folders_->front_copy()), 0U);
  EXPECT_EQ(fs::file_size(folders_->rear_copy()), 0U);
  for (const fs::path& folder :
       {folders_->download(), folders_->capture(), folders_->decryption(), folders_->event()}) {
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  EXPECT_FALSE(fs::exists(folders_->obd()));
  EXPECT_TRUE(Logged("front SetVolume(7)"));
  EXPECT_TRUE(rear_->GetMute());
  EXPECT_EQ(CurrentLanguage(), kEnglish);
  EXPECT_EQ(dialog_->button(ctl::kStop)->toolTip(), QStringLiteral("Stop"));
  EXPECT_NE(front_->Drawable(), 0U);
  EXPECT_NE(rear_->Drawable(), 0U);
  EXPECT_NE(front_->Drawable(), rear_->Drawable());
  EXPECT_EQ(ActiveTimers(), std::vector<int>{timer::kConnectivity});
  EXPECT_EQ(dialog_->maps().timers().Period(timer::kConnectivity), 3000);
}

// --language: this run's language over the stored one, until the setup saves another.
TEST_F(MainWindow, TheRunsLanguageWinsUntilTheSetupChangesIt) {
  WriteViewerSettings("LANGUAGE=0\r\n");
  dialog_->StartInLanguage(kEnglish);
  Initialise();
  EXPECT_EQ(dialog_->button(ctl::kPlay)->toolTip(), QStringLiteral("Play"));
  dialog_->ApplyViewerSettings(false);  // saved without a new language: still this run's
  EXPECT_EQ(CurrentLanguage(), kEnglish);
  dialog_->ApplyViewerSettings(true);  // the setup chose the stored one
  EXPECT_EQ(CurrentLanguage(), kKorean);
  EXPECT_EQ(ReadSettingText(*folders_, "LANGUAGE", "20120314"), "0");  // never written
}

TEST_F(MainWindow, SavedSettingsApplyAtOnceWhenReloaded) {
  Initialise();
  EXPECT_EQ(dialog_->button(ctl::kPlay)->toolTip(), QStringLiteral("恢復"));  // first run: language 5
  std::ofstream(folders_->settings_file())
      << "[VIEWER_SETUP]\nLANGUAGE=1\nVOLUME=3\nSPEED_UNIT=0\nROUTE_INTERVAL=4\n";
  dialog_->ReloadSettings();
  EXPECT_EQ(dialog_->button(ctl::kPlay)->toolTip(), QStringLiteral("Play"));
  EXPECT_TRUE(Logged("front SetVolume(3)"));
  EXPECT_EQ(dialog_->maps().markers().interval_ms, 10000);
  EXPECT_EQ(Speedometer()->unit(), display::SpeedUnit::Mph);
}

TEST_F(MainWindow, PlayerThatCannotStartFailsTheStartUpWithTheReason) {
  front_failure_ = "The media library (libvlc) could not start";
  std::string error;
  EXPECT_FALSE(dialog_->Initialise(&error));
  EXPECT_EQ(error, front_failure_);
}

TEST_F(MainWindow, TimerTableHasItsPeriodsAndOneShots) {
  struct Row {
    int id;
    int period;
    bool one_shot;
  };
  for (const Row& row : {Row{1001, 1000, false}, Row{1003, 1000, true}, Row{1005, 1000, false},
                         Row{1007, 1000, false}, Row{1009, 3000, false}, Row{1010, 1000, true}}) {
    EXPECT_TRUE(Timers(row.id).IsDefined(row.id)) << row.id;
    EXPECT_EQ(Timers(row.id).Period(row.id), row.period) << row.id;
    EXPECT_EQ(Timers(row.id).IsOneShot(row.id), row.one_shot) << row.id;
  }
  EXPECT_TRUE(dialog_->maps().timers().IsDefined(timer::kMapPoints));
  EXPECT_FALSE(dialog_->maps().timers().IsOneShot(timer::kMapPoints));
}

TEST_F(MainWindow, SynchronisedStartHoldsBothChannelsAndReleasesThemTogether) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  QSignalSpy started(dialog_.get(), &CVantorDlg::playbackStarted);
  ASSERT_TRUE(dialog_->playback().Load(recordings.first));
  WaitForCopies();
  EXPECT_TRUE(dialog_->playback().loadPending());
  EXPECT_TRUE(dialog_->playback().frontPresent());
  EXPECT_TRUE(dialog_->playback().rearPresent());
  EXPECT_GT(fs::file_size(folders_->front_copy()), 0U);
  EXPECT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
  EXPECT_FALSE(dialog_->button(ctl::kPause)->isHidden());

  log_->clear();
  dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("front Play"); }, 5000));
  EXPECT_EQ(front_->file(), folders_->front_copy());
  EXPECT_EQ(rear_->file(), folders_->rear_copy());
  // The rear is opened, muted and started first; the front follows.
  EXPECT_LT(Position("rear Open"), Position("rear SetMute(true)"));
  EXPECT_LT(Position("rear SetMute(true)"), Position("front Open"));
  EXPECT_LT(Position("front Open"), Position("rear Play"));
  EXPECT_LT(Position("rear Play"), Position("front Play"));

  // The front has a picture first: it holds still and waits for the rear.
  log_->clear();
  front_->ReportPlaying();
  EXPECT_EQ(front_->GetState(), PlayerState::kPaused);
  EXPECT_TRUE(dialog_->playback().loadPending());
  EXPECT_EQ(dialog_->playback().startedCount(), 1);
  rear_->ReportPlaying();
  EXPECT_EQ(dialog_->playback().startedCount(), 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  EXPECT_EQ(*log_, (std::vector<std::string>{"front Pause", "rear Pause", "rear Play", "front Play"}));
  EXPECT_EQ(started.count(), 1);
  EXPECT_TRUE(dialog_->playback().autoAdvance());
  EXPECT_EQ(front_->GetState(), PlayerState::kPlaying);
  EXPECT_EQ(rear_->GetState(), PlayerState::kPlaying);

  // The start set runs; without a map window the map points do not.
  for (int id : {timer::kTimeDisplay, timer::kReadouts, timer::kGraphs}) {
    EXPECT_TRUE(Timers(id).IsActive(id)) << id;
  }
  EXPECT_FALSE(dialog_->maps().timers().IsActive(timer::kMapPoints));
  dialog_->playback().timers().Tick(playback_timer::kApplyRate);
  EXPECT_TRUE(dialog_->playback().loaded());
  EXPECT_TRUE(dialog_->playback().playing());
}

TEST_F(MainWindow, SynchronisedStartPlaysTheFrontAloneWhenTheRearNeverComes) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  dialog_->playback().SetSyncWait(50);
  ASSERT_TRUE(dialog_->playback().Load(recordings.first));
  WaitForCopies();
  dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Logged("front Play"); }, 5000));
  front_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  EXPECT_FALSE(dialog_->playback().rearPresent());
  EXPECT_TRUE(dialog_->control(ctl::kRearVideo)->isHidden());
  EXPECT_EQ(rear_->GetState(), PlayerState::kStopped);
  EXPECT_EQ(front_->GetState(), PlayerState::kPlaying);
  // A late rear report changes nothing.
  log_->clear();
  rear_->ReportPlaying();
  EXPECT_TRUE(log_->empty());
}

TEST_F(MainWindow, RearChannelAloneStartsByItsOwnReport) {
  // Without a front recording the rear leads; its report alone ends the load.
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  const fs::path folder = RootPath() / "rear-only";
  fs::create_directories(folder);
  const fs::path rear_name = RearCompanionPath(recordings.first).filename();
  fs::copy_file(RearCompanionPath(recordings.first), folder / rear_name);
  ASSERT_TRUE(dialog_->playback().Load(folder / recordings.first.filename()));
  WaitForCopies();
  EXPECT_FALSE(dialog_->playback().frontPresent());
  EXPECT_TRUE(dialog_->playback().rearPresent());
  EXPECT_TRUE(dialog_->control(ctl::kFrontVideo)->isHidden());
  dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
  EXPECT_FALSE(Logged("front Open"));
  log_->clear();
  rear_->ReportPlaying();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  EXPECT_EQ(*log_, (std::vector<std::string>{"rear Pause", "rear Play"}));
  EXPECT_TRUE(dialog_->playback().autoAdvance());
  // The time display follows the rear player.
  rear_->SetClock(5'000, 60'000);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  EXPECT_EQ(dialog_->label(ctl::kElapsedTime)->text(), QStringLiteral("00:05"));
  EXPECT_EQ(dialog_->label(ctl::kTotalTime)->text(), QStringLiteral("01:00"));
}

TEST_F(MainWindow, TimeDisplayShowsMinutesAndSecondsOfTheFrontPlayer) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  StartPair(recordings.first);
  front_->SetClock(61'500, 75'000);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  EXPECT_EQ(dialog_->label(ctl::kElapsedTime)->text(), QStringLiteral("01:01"));
  EXPECT_EQ(dialog_->label(ctl::kTotalTime)->text(), QStringLiteral("01:15"));
  EXPECT_EQ(Slider()->GetPos(), 8200);
  EXPECT_EQ(dialog_->display().playSecond(), 61);
  // Hours are dropped; the total is taken once per recording.
  front_->SetClock(3'725'000, 4'000'000);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  EXPECT_EQ(dialog_->label(ctl::kElapsedTime)->text(), QStringLiteral("02:05"));
  EXPECT_EQ(dialog_->label(ctl::kTotalTime)->text(), QStringLiteral("01:15"));
  // Unknown length: nothing changes.
  front_->SetClock(1'000, 0);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  EXPECT_EQ(dialog_->label(ctl::kElapsedTime)->text(), QStringLiteral("02:05"));
  // Nothing plays any more: the timer stops itself.
  front_->SetState(PlayerState::kStopped);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  EXPECT_FALSE(dialog_->display().timers().IsActive(timer::kTimeDisplay));
}

TEST_F(MainWindow, GraphsAndReadoutsFollowThePlayerAndResetAtStop) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  StartPair(recordings.first);
  ASSERT_GT(dialog_->playback().track().count, 0);
  front_->SetClock(1'500, 2'000);
  dialog_->display().timers().Tick(timer::kTimeDisplay);
  dialog_->display().timers().Tick(timer::kGraphs);
  dialog_->display().timers().Tick(timer::kReadouts);
  EXPECT_TRUE(Graphs()->cursorX().has_value());
  EXPECT_TRUE(Speedometer()->shownSpeed().has_value());
  EXPECT_TRUE(dialog_->label(ctl::kRecordTime)->text().startsWith(QStringLiteral("2012.03.14")));
  EXPECT_TRUE(dialog_->label(ctl::kReadoutX)->text().startsWith(QStringLiteral("X: ")));

  dialog_->playback().Stop(StopKind::Command);
  EXPECT_EQ(dialog_->playback().track().count, 0);
  EXPECT_FALSE(Speedometer()->shownSpeed().has_value());
  EXPECT_TRUE(dialog_->label(ctl::kRecordTime)->text().isEmpty());
  EXPECT_EQ(dialog_->label(ctl::kElapsedTime)->text(), QStringLiteral("00:00"));
  EXPECT_EQ(Slider()->GetPos(), 0);
  EXPECT_FALSE(dialog_->playback().autoAdvance());
  for (int id : timer::kPlaybackTimers) EXPECT_FALSE(Timers(id).IsActive(id)) << id;
  EXPECT_TRUE(dialog_->maps().timers().IsActive(timer::kConnectivity));  // not a playback timer
  EXPECT_FALSE(dialog_->button(ctl::kPlay)->isHidden());
}

TEST_F(MainWindow, LeftClickAnywhereDragsTheWindow) {
  dialog_->move(0, 0);
  dialog_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  const QPoint start = dialog_->pos();
  QTest::mousePress(dialog_.get(), Qt::LeftButton, {}, QPoint(300, 30));
  QTest::mouseMove(dialog_.get(), QPoint(350, 60));
  QTest::mouseRelease(dialog_.get(), Qt::LeftButton, {}, QPoint(350, 60));
  EXPECT_EQ(dialog_->pos(), start + QPoint(50, 30));
}

TEST_F(MainWindow, EnterDoesNotCloseAndEscapeGoesThroughTheCloseCommand) {
  Initialise();
  dialog_->show();
  QTest::keyClick(dialog_.get(), Qt::Key_Return);
  EXPECT_TRUE(dialog_->isVisible());
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(dialog_->playback().closed());
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_FALSE(fs::exists(folders_->front_copy()));
}

TEST_F(MainWindow, CloseSavesTheVolumeStopsEverythingAndDeletesTheCopies) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  StartPair(recordings.first);
  dialog_->show();
  log_->clear();
  dialog_->CloseCommand();
  EXPECT_TRUE(dialog_->playback().closed());
  EXPECT_TRUE(dialog_->isHidden());
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_TRUE(ActiveTimers().empty());
  EXPECT_LT(Position("rear Stop"), Position("front Stop"));
  EXPECT_LT(Position("front Stop"), Position("front Release"));
  EXPECT_TRUE(Logged("rear Release"));
  EXPECT_FALSE(fs::exists(folders_->front_copy()));
  EXPECT_FALSE(fs::exists(folders_->rear_copy()));
  EXPECT_NE(ReadAll(folders_->settings_file()).find("VOLUME=5"), std::string::npos);
}

TEST_F(MainWindow, CloseOnAFirstRunWritesOnlyTheVolume) {
  Initialise();
  EXPECT_FALSE(fs::exists(folders_->settings_file()));
  dialog_->CloseCommand();
  const std::string text = ReadAll(folders_->settings_file());
  EXPECT_NE(text.find("[VIEWER_SETUP]"), std::string::npos);
  EXPECT_NE(text.find("VOLUME=5"), std::string::npos);
  EXPECT_EQ(text.find("LANGUAGE"), std::string::npos);
}

TEST_F(MainWindow, CloseWhileThePlayersOpenWaitsForTheStart) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  ASSERT_TRUE(dialog_->playback().Load(recordings.first));
  WaitForCopies();
  dialog_->CloseCommand();
  EXPECT_FALSE(dialog_->playback().closed());
  EXPECT_TRUE(fs::exists(folders_->front_copy()));
  EXPECT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
  EXPECT_FALSE(Logged("front Release"));
}

// The copies are made off the window's thread; a stop or a close that comes meanwhile
// gives the load up and leaves no copy behind (they are taken here before the worker's
// report can arrive).
TEST_F(MainWindow, StopWhileTheCopiesAreMadeGivesTheLoadUpAndEmptiesThem) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  ASSERT_TRUE(dialog_->playback().Load(recordings.first));
  ASSERT_EQ(dialog_->playback().state(), PlaybackState::Loading);
  dialog_->PauseCommand();  // refused like every other command but stop and close
  dialog_->SeekCommand(5000);
  EXPECT_EQ(dialog_->playback().state(), PlaybackState::Loading);
  dialog_->StopCommand();
  EXPECT_EQ(dialog_->playback().state(), PlaybackState::Idle);
  EXPECT_EQ(fs::file_size(folders_->front_copy()), 0U);
  EXPECT_EQ(fs::file_size(folders_->rear_copy()), 0U);
  EXPECT_TRUE(PlayShown());
  // The worker's late report changes nothing.
  QTest::qWait(50);
  EXPECT_FALSE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
  EXPECT_FALSE(Logged("front Open"));
  EXPECT_TRUE(messages_.rows().empty());
}

TEST_F(MainWindow, CloseWhileTheCopiesAreMadeClosesAndRemovesThem) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  ASSERT_TRUE(dialog_->playback().Load(recordings.first));
  ASSERT_EQ(dialog_->playback().state(), PlaybackState::Loading);
  dialog_->CloseCommand();
  EXPECT_TRUE(dialog_->playback().closed());
  EXPECT_FALSE(fs::exists(folders_->front_copy()));
  EXPECT_FALSE(fs::exists(folders_->rear_copy()));
  QTest::qWait(50);
  EXPECT_FALSE(Logged("front Open"));
}

TEST_F(MainWindow, RecordingThatIsNotOneIsReportedAndNothingPlays) {
  Initialise();
  const fs::path bad = RootPath() / "drf0_20120314_090507.mp4";
  std::ofstream(bad) << "not a recording at all";
  dialog_->playback().Load(bad);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog_->playback().loadPending(); }, 5000));
  const std::vector<MessageId> rows = messages_.rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.back(), msg::kIllegalFile);
  // Said once, not once by the parser and again by the load.
  EXPECT_EQ(std::count(rows.begin(), rows.end(), msg::kIllegalFile), 1);
  EXPECT_FALSE(dialog_->button(ctl::kPlay)->isHidden());
  EXPECT_TRUE(dialog_->button(ctl::kPause)->isHidden());
  EXPECT_FALSE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
}

TEST_F(MainWindow, HandedOverFilesPlayInPathOrderAndAdvanceAtTheEnd) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  const fs::path rear = RearCompanionPath(recordings.first);
  dialog_->OpenFiles(test::PathTexts({recordings.second, rear, "/nowhere/notes.txt", recordings.first}));
  ASSERT_EQ(ListView()->RowCount(), 2);
  EXPECT_EQ(ListView()->PathAt(0), recordings.first.string());
  EXPECT_EQ(ListView()->PathAt(1), recordings.second.string());
  ASSERT_TRUE(dialog_->playlist().timers().IsActive(timer::kPlayOpened));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  EXPECT_EQ(dialog_->playback().recording(), recordings.first);
  CompleteLoad();

  // The rear's end is not the recording's end; the front's is.
  rear_->ReportEnd();
  EXPECT_FALSE(dialog_->playback().timers().IsActive(playback_timer::kEndOfFile));
  front_->ReportEnd();
  ASSERT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kEndOfFile));
  dialog_->playback().timers().Tick(playback_timer::kEndOfFile);
  EXPECT_EQ(dialog_->playback().recording(), recordings.second);
  EXPECT_TRUE(dialog_->playback().loadPending());
  WaitForCopies();
  EXPECT_TRUE(dialog_->playback().timers().IsActive(playback_timer::kOpenAndStart));
}

TEST_F(MainWindow, PlayerErrorFailsTheLoadAndTheNextRecordingPlays) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  dialog_->OpenFiles(test::PathTexts({recordings.first, recordings.second}));
  dialog_->playlist().timers().Tick(timer::kPlayOpened);
  WaitForCopies();
  dialog_->playback().timers().Tick(playback_timer::kOpenAndStart);
  front_->ReportError(QStringLiteral("undecodable"));
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kIllegalFile});
  EXPECT_TRUE(messages_.requests().front().auto_close);
  EXPECT_EQ(dialog_->playback().recording(), recordings.second);
  EXPECT_TRUE(dialog_->playback().loadPending());
}

// A seek shows where it landed at once: time, slider, graph cursor and readouts do not
// wait for their next tick.
TEST_F(MainWindow, SeekRefreshesTheTimeTheCursorAndTheReadoutsAtOnce) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  StartPair(recordings.first);
  front_->SetClock(1'000, 4'000);
  rear_->SetClock(1'000, 4'000);
  for (int id : {timer::kTimeDisplay, timer::kGraphs, timer::kReadouts}) Timers(id).Stop(id);
  dialog_->SeekCommand(5000);
  // Well inside the second the time display's own tick would take.
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->label(ctl::kElapsedTime)->text() == "00:02"; }, 500));
  EXPECT_EQ(Slider()->GetPos(), 5000);
  EXPECT_TRUE(Graphs()->cursorX().has_value());
  EXPECT_TRUE(Speedometer()->shownSpeed().has_value());
  EXPECT_TRUE(dialog_->label(ctl::kRecordTime)->text().startsWith(QStringLiteral("2012.03.14")));
}

TEST_F(MainWindow, ConnectivityCheckFollowsTheConnectionWhilePlaying) {
  const Recordings& recordings = Recordings::Get();
  ASSERT_TRUE(recordings.ok);
  Initialise();
  QSignalSpy changes(dialog_.get(), &CVantorDlg::connectivityChanged);
  dialog_->maps().timers().Tick(timer::kConnectivity);  // nothing plays: not even looked at
  EXPECT_FALSE(dialog_->maps().online().has_value());
  StartPair(recordings.first);
  connected_ = false;
  dialog_->maps().timers().Tick(timer::kConnectivity);
  EXPECT_EQ(dialog_->maps().online(), std::optional<bool>(false));
  dialog_->maps().timers().Tick(timer::kConnectivity);  // no change, no signal
  connected_ = true;
  dialog_->maps().timers().Tick(timer::kConnectivity);
  EXPECT_EQ(dialog_->maps().online(), std::optional<bool>(true));
  EXPECT_TRUE(dialog_->maps().timers().IsActive(timer::kMapRefresh));
  ASSERT_EQ(changes.count(), 2);
  EXPECT_FALSE(changes.at(0).at(0).toBool());
  EXPECT_TRUE(changes.at(1).at(0).toBool());
}

}  // namespace
}  // namespace direvovu::gui
