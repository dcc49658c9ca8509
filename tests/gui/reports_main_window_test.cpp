// The main window's report buttons: the event report and the program information after
// the SD search box, and the driving-information window made anew at each press, its
// timers going with playback.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/settings/texts.h"
#include "gui/map/car_info.h"
#include "gui/reports/event_dlg.h"
#include "gui/reports/program_info.h"
#include "gui/sdcard/sd_download_dialog.h"
#include "main_window_fixture.h"
#include "scoped_environment.h"

namespace direvovu::test {
namespace {

namespace fs = std::filesystem;

class ReportsMainWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    if (HasFatalFailure()) return;
    SetCurrentLanguage(kEnglish);
    card_ = RootPath() / "card";
    fs::create_directories(card_ / "Event");
    fs::create_directories(card_ / "Setup");
    std::ofstream(card_ / "Event" / "drf_20261208_081605.txt", std::ios::binary)
        << "[Event1]\r\nDate=2026-12-08\r\nTime=08:16:07\r\nG_Sensor_X=1.25\r\nG_Sensor_Y=0\r\nG_Sensor_Z=0."
           "5\r\n";
    std::ofstream(card_ / "Setup" / "ver.txt", std::ios::binary) << "DV-1.4.2";
    drives_.Set(QByteArray("C=/:fixed,E=") + QByteArray::fromStdString(card_.string()));
  }
  void TearDown() override {
    SetCurrentLanguage(kDefaultLanguage);
    MainWindowTest::TearDown();
  }
  // Runs `look` on the modal dialog the press opens, then closes it.
  template <typename Dialog>
  bool PressAndLook(int id, const std::function<void(Dialog&)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      seen = true;
      look(*dialog);
      dialog->accept();
    });
    dialog_->button(id)->click();
    return seen;
  }

  fs::path card_;
  ScopedEnvironment drives_{"DIREVOVU_DRIVES", "C=/:fixed"};
};

TEST_F(ReportsMainWindowTest, TheEventLogButtonSearchesTheCardThenListsItsEvents) {
  Initialise();
  int rows = -1;
  ASSERT_TRUE(PressAndLook<gui::CEventDlg>(ctl::kEventLog, [&](gui::CEventDlg& d) {
    rows = d.list()->topLevelItemCount();
    EXPECT_EQ(d.eventFolder(), card_ / "Event");
  }));
  EXPECT_EQ(rows, 1);
  ASSERT_FALSE(messages_.rows().empty());
  EXPECT_EQ(messages_.rows().front(), msg::kSearchingSd);
  // The event folder went through the window's work tables.
  EXPECT_EQ(dialog_->card().tables().recordings().size(), 1U);
}

TEST_F(ReportsMainWindowTest, TheInfoButtonShowsTheCardsFirmware) {
  Initialise();
  QString firmware;
  ASSERT_TRUE(PressAndLook<gui::CProgramInfo>(
      ctl::kInfo, [&](gui::CProgramInfo& d) { firmware = d.firmwareLabel()->text(); }));
  // In the language the window applied from its settings.
  EXPECT_EQ(firmware.toStdString(),
            std::string(Text(TextTable::ProgramInfo, rows::program_info::kFirmwareVersion)) + " DV-1.4.2");
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kSearchingSd});
  // The card is known now: the next press asks no search.
  messages_.clear();
  ASSERT_TRUE(PressAndLook<gui::CProgramInfo>(ctl::kInfo, [](gui::CProgramInfo&) {}));
  EXPECT_TRUE(messages_.rows().empty());
}

// The driving-information window that is shown, if any.
gui::CCarInfo* ShownCarInfo(const gui::CVantorDlg& dialog) {
  for (gui::CCarInfo* window : dialog.findChildren<gui::CCarInfo*>()) {
    if (window->isVisible()) return window;
  }
  return nullptr;
}

TEST_F(ReportsMainWindowTest, EachDrivingInfoPressMakesANewWindow) {
  Initialise();
  EXPECT_EQ(ShownCarInfo(*dialog_), nullptr);
  dialog_->button(ctl::kDrivingInfo)->click();
  QPointer<gui::CCarInfo> first = ShownCarInfo(*dialog_);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE((ShownCarInfo(*dialog_) != nullptr));  // shown: the search finds it visible
  first->SelectPageAt(300);
  dialog_->button(ctl::kDrivingInfo)->click();
  gui::CCarInfo* second = ShownCarInfo(*dialog_);
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->page(), 0);
  second->CloseCommand();
  EXPECT_FALSE((ShownCarInfo(*dialog_) != nullptr));
  QTest::qWait(10);  // the closed window goes at the next turn of the event loop
  EXPECT_EQ(ShownCarInfo(*dialog_), nullptr);
}

TEST_F(ReportsMainWindowTest, ThePageTimersGoWithPlaybackAndKoreanHearsThereIsNoData) {
  SampleRecordings recordings;
  const fs::path pair = recordings.MakePair("2012-03-14T09:05:07");
  ASSERT_FALSE(pair.empty());
  Initialise();
  SetCurrentLanguage(kKorean);
  dialog_->button(ctl::kDrivingInfo)->click();
  gui::CCarInfo* window = ShownCarInfo(*dialog_);
  ASSERT_NE(window, nullptr);
  window->timers().Tick(gui::car_timer::kStart);  // nothing plays yet
  EXPECT_TRUE(messages_.rows().empty());
  window->StopPageTimers();
  StartPair(pair);
  ASSERT_TRUE(dialog_->playback().playing());
  EXPECT_TRUE(window->timers().IsActive(gui::car_timer::kStart));  // started with playback
  window->timers().Tick(gui::car_timer::kStart);
  EXPECT_EQ(messages_.rows(), std::vector<MessageId>{msg::kNoObdInformation});
  dialog_->StopCommand();
  EXPECT_TRUE(window->timers().ActiveIds().empty());
}

// Once anything played, the card is not formatted for the rest of the run: not after a
// stop, not while a new load copies.
TEST_F(ReportsMainWindowTest, FormatStaysRefusedAfterAStopAndDuringTheNextLoad) {
  SampleRecordings recordings;
  const fs::path pair = recordings.MakePair("2012-03-14T09:05:07");
  ASSERT_FALSE(pair.empty());
  Initialise();
  StartPair(pair);
  dialog_->StopCommand();
  const auto refused = [this] {
    messages_.clear();
    const bool shown =
        PressAndLook<gui::CSDDownLoad>(ctl::kSdDownload, [](gui::CSDDownLoad& d) { d.FormatCommand(); });
    const auto& rows = messages_.rows();
    return shown && std::find(rows.begin(), rows.end(), msg::kCantFormatSd) != rows.end() &&
           messages_.formatQuestions().empty();
  };
  EXPECT_TRUE(refused()) << "after the stop";
  ASSERT_TRUE(dialog_->playback().Load(pair));
  EXPECT_TRUE(refused()) << "during a new load";
}

}  // namespace
}  // namespace direvovu::test
