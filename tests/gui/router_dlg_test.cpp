// The route window offscreen: its look, the log it opens, what it sends the page while
// it draws and replays a trip, its switches, and Close. The page's calls are recorded.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <fstream>

#include "../core/driving_log_bytes.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/card_session.h"
#include "gui/controls/bitmap_slider.h"
#include "gui/map/router_dlg.h"
#include "gui/map/web_browser.h"
#include "recording_prompts.h"
#include "scoped_environment.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
namespace ctl = map::route_ctl;
using test::LogBytes;
using test::Utc;

// North from 37°30.01' by 0.045' (83 m, 10 s at 30 km/h) a step.
std::string LatitudeAt(int step) {
  char text[32];
  std::snprintf(text, sizeof(text), "3730.%04d", 100 + 450 * step);
  return text;
}

// One day of `count` records 10 s apart from 09:00, moving at 30 km/h.
void AddDay(LogBytes& log, int day, int count) {
  for (int i = 0; i < count; ++i)
    log.Add(Utc(2026, 12, day, 9, 0, 0) + 10 * static_cast<std::uint32_t>(i), LatitudeAt(i), "12700.0000",
            300);
}

class RouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    ASSERT_TRUE(CreateWorkingFolders(folders_));
    // No address service: nothing may leave the machine.
    std::ofstream(folders_.settings_file(), std::ios::binary) << "[VIEWER_SETUP]\r\nADDRESS_SERVICE_URL=\r\n";
    fs::create_directories(card_ / "Setup");
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  std::unique_ptr<CRouter> Open() {
    auto window = std::make_unique<CRouter>(folders_, sd_, prompts_);
    window->SetOpen(true);
    window->SetPageCaller([this](const map::PageCall& call) {
      calls_.push_back(call);
      return true;
    });
    return window;
  }
  fs::path WriteLog(const LogBytes& log, const std::string& name = "drive.dat") {
    const fs::path file = card_ / "Setup" / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(log.bytes().data()),
               static_cast<std::streamsize>(log.bytes().size()));
    return file;
  }
  // Opens a log through the open dialog and lets the one-shot timer draw trip 1.
  void OpenLog(CRouter& window, const fs::path& file) {
    prompts_.setFileAnswer(
        [file](const QString&) { return QStringList{QString::fromStdString(file.string())}; });
    window.OpenDrivingLog();
    window.DrawSelectedTrip();
  }
  std::vector<map::PageCall> CallsOf(const std::string& function) const {
    std::vector<map::PageCall> found;
    for (const auto& c : calls_)
      if (c.function == function) found.push_back(c);
    return found;
  }

  QTemporaryDir root_;
  WorkingFolders folders_{root_.path().toStdString() + "/DirevOvu"};
  fs::path card_ = root_.path().toStdString() + "/card";
  test::ScopedEnvironment drives_{"DIREVOVU_DRIVES",
                                  QByteArray("E=") + QByteArray::fromStdString(card_.string())};
  test::RecordingPrompts prompts_;
  CardSession sd_{folders_, prompts_};
  std::vector<map::PageCall> calls_;
};

TEST_F(RouterTest, LooksAsDesignedInEnglishAndKorean) {
  auto window = Open();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(947, 730));
  EXPECT_EQ(window->browser()->geometry(), QRect(348, 33, 588, 640));
  EXPECT_EQ(window->tripList()->geometry(), QRect(10, 65, 325, 170));
  EXPECT_EQ(window->slider()->geometry().topLeft(), QPoint(580, 688));
  EXPECT_EQ(window->button(ctl::kOpen)->pos(), QPoint(16, 35));
  EXPECT_EQ(window->button(ctl::kClose)->pos(), QPoint(916, 8));
  EXPECT_EQ(window->button(ctl::kPlay)->pos(), window->button(ctl::kPause)->pos());
  EXPECT_TRUE(window->button(ctl::kPlay)->isVisibleTo(window.get()));
  EXPECT_FALSE(window->button(ctl::kPause)->isVisibleTo(window.get()));
  EXPECT_FALSE(window->button(ctl::kTimeOff)->isVisibleTo(window.get()));
  EXPECT_FALSE(window->button(ctl::kMarkerOff)->isVisibleTo(window.get()));
  EXPECT_EQ(window->button(ctl::kCapture)->toolTip(), QStringLiteral("Map Capture"));
  EXPECT_EQ(window->button(ctl::kTimeOn)->toolTip(), QStringLiteral("Display Time"));
  ASSERT_EQ(window->speedList()->count(), 4);
  EXPECT_EQ(window->speedList()->itemText(0), QStringLiteral(" X 1/2"));
  EXPECT_EQ(window->speedList()->currentText(), QStringLiteral(" X 1"));
  EXPECT_EQ(window->trace().pace, (map::TracingPace{1, 500}));
  EXPECT_EQ(window->labelText(ctl::kCaption), QStringLiteral("GPS Tracer"));
  EXPECT_EQ(window->labelText(1166), QStringLiteral("Stopped Duartion"));
  EXPECT_EQ(window->labelText(ctl::kDistanceUnit), QStringLiteral("mile"));
  EXPECT_EQ(window->labelText(ctl::kAverageUnit), QStringLiteral("mile/h"));
  EXPECT_EQ(window->tripList()->headerItem()->text(1), QStringLiteral("DRIVE DATE"));
  EXPECT_EQ(window->tripList()->columnWidth(2), 157);
  EXPECT_EQ(window->label(ctl::kDrivingHeading)->palette().color(QPalette::Window), QColor(164, 190, 212));
  EXPECT_EQ(window->label(ctl::kAddress1)->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(window->label(1043)->palette().color(QPalette::Window), QColor(220, 226, 228));

  window->RetranslateTexts(kKorean);
  EXPECT_EQ(window->labelText(ctl::kDistanceUnit), QStringLiteral("km"));
  EXPECT_EQ(window->labelText(1043), QString::fromUtf8("운전자"));
  EXPECT_TRUE(window->reloadMarked());  // hidden: the page follows when it is shown
}

TEST_F(RouterTest, ReadsTheDriverAndTheCarFromTheCardsSetup) {
  std::ofstream(card_ / "Setup" / "setup.ini", std::ios::binary)
      << "[USER_SETUP]\r\nDRIVER=Kim Minsu\r\nCAR_NO=12가3456\r\n";
  ASSERT_EQ(sd_.SearchCard(), 'E');
  auto window = Open();
  EXPECT_EQ(window->labelText(ctl::kDriverName), QStringLiteral("Kim Minsu"));
  EXPECT_EQ(window->labelText(ctl::kCarNumber), QString::fromUtf8("12가3456"));
}

TEST_F(RouterTest, TheFirstOpenStartsInTheCardsSetupFolderAndLaterOnesWhereTheDialogLikes) {
  auto window = Open();
  std::vector<QString> starts;
  prompts_.setFileAnswer([&](const QString& start) {
    starts.push_back(start);
    return QStringList{};
  });
  window->OpenDrivingLog();
  window->OpenDrivingLog();
  ASSERT_EQ(starts.size(), 2U);
  EXPECT_EQ(starts[0], QString::fromStdString((card_ / "Setup").string()));
  EXPECT_TRUE(starts[1].isEmpty());
  // One log at a time: the dialog takes one file.
  EXPECT_EQ(prompts_.filePicks(), std::vector<gui::FilePick>(2, gui::FilePick::One));
  EXPECT_EQ(sd_.CardLetter(), 'E');  // found by the SD search the first open ran
  // Cancelling still clears the page.
  EXPECT_EQ(CallsOf("clear_overlay").size(), 2U);
}

TEST_F(RouterTest, ATripIsListedDrawnAndItsFiguresShown) {
  LogBytes log;
  AddDay(log, 8, 4);
  log.Add(Utc(2026, 12, 8, 9, 0, 40), LatitudeAt(3), "12700.0000", 0);  // a stop
  log.Add(Utc(2026, 12, 8, 9, 0, 50), LatitudeAt(4), "12700.0000", 300);
  AddDay(log, 9, 3);
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  ASSERT_EQ(window->tripList()->topLevelItemCount(), 2);
  EXPECT_EQ(window->tripList()->topLevelItem(0)->text(0), QStringLiteral("   001"));
  EXPECT_EQ(window->tripList()->topLevelItem(1)->text(1), QStringLiteral("2026-12-09"));
  EXPECT_EQ(window->selectedTrip(), 0);

  const auto start = CallsOf("start_route");
  ASSERT_EQ(start.size(), 1U);
  EXPECT_EQ(start[0].arguments,
            (std::vector<std::string>{"0", "127.00000", "37.50017", "2026.12.08", "09:00:00", "0", "0"}));
  const auto end = CallsOf("end_route");
  ASSERT_EQ(end.size(), 1U);
  EXPECT_EQ(end[0].arguments.at(4), "09:00:40");  // the last record but one
  const auto route = CallsOf("show_route");
  ASSERT_EQ(route.size(), 1U);
  EXPECT_EQ(route[0].arguments.size(), 10U);  // 5 distinct points of 6 records
  EXPECT_EQ(route[0].arguments[0], "37.5002");

  EXPECT_EQ(window->labelText(ctl::kDrivingTime), QStringLiteral("00:00:40"));
  EXPECT_EQ(window->labelText(ctl::kStoppedTime), QStringLiteral("00:00:10"));
  EXPECT_EQ(window->labelText(ctl::kDate), QStringLiteral("2026.12.08"));
  EXPECT_EQ(window->labelText(ctl::kTime), QStringLiteral("09:00:40"));
  EXPECT_EQ(window->labelText(ctl::kLatitude), QStringLiteral("37.50017"));
  // English shows miles: 0.621371192 of the kilometres.
  const double km = window->trips()[0].distance;
  EXPECT_EQ(window->labelText(ctl::kDistance), QString::number(km * 0.621371192, 'f', 1));
  EXPECT_EQ(window->labelText(ctl::kAverageSpeed), QStringLiteral("18.6"));
}

TEST_F(RouterTest, TracingAtFourRecordsAStepSendsEveryFourthRecordAndTheEndThenStops) {
  LogBytes log;
  AddDay(log, 8, 11);  // a span of 10 records
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  window->speedList()->setCurrentIndex(3);
  EXPECT_EQ(window->trace().pace, (map::TracingPace{4, 500}));
  calls_.clear();
  window->StartTracing();
  EXPECT_TRUE(window->timerRunning());
  EXPECT_TRUE(window->button(ctl::kPause)->isVisibleTo(window.get()));
  std::vector<int> sliders;
  for (int i = 0; i < 4; ++i) {
    window->TracingTick();
    sliders.push_back(window->slider()->GetPos());
  }
  EXPECT_EQ(sliders, (std::vector<int>{0, 40, 80, 0}));  // 100 at the end, then back to 0
  const auto steps = CallsOf("on_set_route2");
  ASSERT_EQ(steps.size(), 4U);
  EXPECT_EQ(steps[0].arguments[0], "0");
  EXPECT_EQ(steps[1].arguments[4], "09:00:40");
  EXPECT_EQ(steps[2].arguments[4], "09:01:20");
  EXPECT_EQ(steps[3].arguments[4], "09:01:40");
  EXPECT_EQ(steps[3].arguments[0], "10");
  EXPECT_FALSE(window->timerRunning());
  EXPECT_FALSE(window->trace().tracing);
  EXPECT_TRUE(window->button(ctl::kPlay)->isVisibleTo(window.get()));
}

TEST_F(RouterTest, SeekingHalfWayIntoNineRecordsSendsTheFourthAndPausesTheReplay) {
  LogBytes log;
  AddDay(log, 8, 10);
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  window->StartTracing();
  calls_.clear();
  window->SeekTrip(50);
  EXPECT_FALSE(window->timerRunning());
  EXPECT_FALSE(window->trace().tracing);
  const auto steps = CallsOf("on_set_route2");
  ASSERT_EQ(steps.size(), 1U);
  EXPECT_EQ(steps[0].arguments[4], "09:00:40");  // record 4
  EXPECT_EQ(window->labelText(ctl::kTime), QStringLiteral("09:00:40"));
}

TEST_F(RouterTest, TheSwitchesReachThePageAndTheirNoticesSayWhatTheyDo) {
  LogBytes log;
  AddDay(log, 8, 3);
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  prompts_.clear();
  window->SetTimeSwitch(true);
  window->SetMarkerSwitch(true);
  EXPECT_EQ(CallsOf("OpenInfo").size(), 1U);
  EXPECT_TRUE(window->button(ctl::kMarkerOff)->isVisibleTo(window.get()));
  window->StartTracing();
  window->TracingTick();
  const auto steps = CallsOf("on_set_route2");
  ASSERT_EQ(steps.size(), 1U);
  EXPECT_EQ(steps[0].arguments[5], "1");
  EXPECT_EQ(steps[0].arguments[6], "1");
  window->SetMarkerSwitch(false);
  EXPECT_EQ(prompts_.rows(),
            (std::vector<MessageId>{msg::kTimeShown, msg::kMarkerHidden, msg::kMarkerShown}));

  prompts_.clear();
  window->RetranslateTexts(kJapanese);
  window->SetTimeSwitch(false);
  EXPECT_EQ(CallsOf("CloseInfo").size(), 1U);
  EXPECT_TRUE(prompts_.rows().empty());  // the notices are Korean and English only
}

TEST_F(RouterTest, ARefusedFileIsReportedInEveryLanguageAndEmptiesTheList) {
  LogBytes log;
  AddDay(log, 8, 3);
  auto window = Open();
  window->RetranslateTexts(kJapanese);
  SetCurrentLanguage(kJapanese);
  OpenLog(*window, WriteLog(log));
  ASSERT_EQ(window->tripList()->topLevelItemCount(), 1);
  prompts_.clear();
  LogBytes late;
  late.Add(4200000000U, "3730.0000", "12700.0000", 0);  // 2103
  OpenLog(*window, WriteLog(late, "late.dat"));
  EXPECT_EQ(prompts_.rows(), std::vector<MessageId>{msg::kNotDrivingLog});
  EXPECT_EQ(window->tripList()->topLevelItemCount(), 0);
  EXPECT_TRUE(window->records().empty());
  EXPECT_EQ(window->selectedTrip(), -1);
  window->StartTracing();  // nothing left to trace
  EXPECT_FALSE(window->timerRunning());

  // A file that cannot be opened changes nothing.
  OpenLog(*window, WriteLog(log));
  OpenLog(*window, card_ / "missing.dat");
  EXPECT_EQ(window->tripList()->topLevelItemCount(), 1);
}

TEST_F(RouterTest, EveryTripIsListedBeyondTwentyFour) {
  LogBytes log;
  for (int day = 1; day <= 30; ++day) AddDay(log, day, 2);
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  EXPECT_EQ(window->tripList()->topLevelItemCount(), 30);
  EXPECT_EQ(window->tripList()->topLevelItem(29)->text(0), QStringLiteral("   030"));
}

TEST_F(RouterTest, CloseResetsEverythingHidesAndSaysSo) {
  LogBytes log;
  AddDay(log, 8, 5);
  auto window = Open();
  OpenLog(*window, WriteLog(log));
  window->SetTimeSwitch(true);
  window->StartTracing();
  window->TracingTick();
  QSignalSpy closed(window.get(), &CRouter::closed);
  window->CloseWindow();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(window->isOpen());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->timerRunning());
  EXPECT_TRUE(window->records().empty());
  EXPECT_EQ(window->tripList()->topLevelItemCount(), 0);
  EXPECT_EQ(window->trace().currentRecord, -1);
  EXPECT_TRUE(window->labelText(ctl::kDistance).isEmpty());
  EXPECT_TRUE(window->labelText(ctl::kTime).isEmpty());
  EXPECT_TRUE(window->button(ctl::kTimeOn)->isVisibleTo(window.get()));
  // The first open after Close starts in the card's folder again.
  QString start;
  prompts_.setFileAnswer([&](const QString& s) {
    start = s;
    return QStringList{};
  });
  window->OpenDrivingLog();
  EXPECT_FALSE(start.isEmpty());
}

}  // namespace
}  // namespace direvovu::gui
