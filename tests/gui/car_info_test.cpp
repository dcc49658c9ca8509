#include "gui/map/car_info.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include "core/settings/texts.h"
#include "core/settings/utf.h"
#include "gui/controls/skin_button.h"
#include "recording_prompts.h"
#include "sdcard_test_card.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using namespace car_timer;

class DrivingInformationWindow : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(kKorean); }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  CarInfoContext Context() {
    CarInfoContext context;
    context.folders = WorkingFolders(card.root());
    context.driving = &driving;
    context.playing = [this] { return playing; };
    context.position = [this] { return position; };
    context.closed = [this] { ++closed; };
    return context;
  }
  void FillVehicleData() {
    driving.obdDataPresent = 1;
    driving.seconds.resize(5);
    DrivingSecond& s = driving.seconds[2];
    s.SetInt(DrivingSecond::kDrivingSeconds, 5400);
    s.SetInt(DrivingSecond::kSuddenStarts, 2);
    s.SetInt(DrivingSecond::kSuddenAccelerations, 3);
    position = {"/card/Blackbox/drf0_20110305_090703.mp4", 2500, 1.0, 5};
  }
  std::vector<int> ActivePageTimers(CCarInfo& window) {
    std::vector<int> active;
    for (const int id : kAll) {
      if (window.timers().IsActive(id)) active.push_back(id);
    }
    return active;
  }

  test::TestCard card;
  test::RecordingPrompts prompts;
  DrivingData driving;
  bool playing = false;
  ObdPlayPosition position;
  int closed = 0;
};

TEST_F(DrivingInformationWindow, PanelControlsSitWhereTheTemplatePutsThem) {
  CCarInfo window(Context(), prompts);
  EXPECT_EQ(window.size(), QSize(899, 381));
  EXPECT_EQ(window.page(), 0);
  EXPECT_EQ(window.closeButton()->pos(), QPoint(848, 3));
  EXPECT_EQ(window.saveButton()->pos(), QPoint(203, 286));
  const QRect rects[] = {{150, 119, 290, 30},
                         {559, 119, 290, 30},
                         {150, 159, 290, 30},
                         {559, 159, 290, 30},
                         {150, 200, 290, 30}};
  for (int i = 0; i < CCarInfo::kListCount; ++i) {
    QComboBox* list = window.vehicleList(i);
    EXPECT_EQ(list->geometry(), rects[i]);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QString::fromUtf8("지원차량 없음"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_TRUE(list->isHidden());
  }
  EXPECT_TRUE(window.saveButton()->isHidden());
}

TEST_F(DrivingInformationWindow, TheTabStripSwitchesPagesByX) {
  CCarInfo window(Context(), prompts);
  window.SelectPageAt(130);
  EXPECT_EQ(window.page(), 1);
  EXPECT_FALSE(window.saveButton()->isHidden());
  EXPECT_TRUE(window.vehicleList(0)->isHidden());
  window.SelectPageAt(246);
  EXPECT_EQ(window.page(), 3);
  EXPECT_TRUE(window.saveButton()->isHidden());
  EXPECT_FALSE(window.vehicleList(4)->isHidden());
  window.SelectPageAt(491);
  EXPECT_EQ(window.page(), 4);
  EXPECT_TRUE(window.vehicleList(0)->isHidden());
  window.SelectPageAt(492);  // past the last tab
  EXPECT_EQ(window.page(), 4);
  window.SelectPageAt(122);
  EXPECT_EQ(window.page(), 0);
}

TEST_F(DrivingInformationWindow, WithoutVehicleDataKoreanIsToldOnceHalfASecondIntoPlayback) {
  CCarInfo window(Context(), prompts);
  ASSERT_TRUE(window.timers().IsActive(kStart));
  EXPECT_EQ(window.timers().Period(kStart), 500);
  window.timers().Tick(kStart);  // nothing plays: it waits
  EXPECT_TRUE(prompts.requests().empty());
  EXPECT_TRUE(window.timers().IsActive(kStart));
  playing = true;
  window.timers().Tick(kStart);
  EXPECT_EQ(prompts.rows(), std::vector<MessageId>{msg::kNoObdInformation});
  EXPECT_FALSE(window.timers().IsActive(kStart));
  // No data: no page timer ever starts.
  window.SelectPageAt(130);
  window.SelectPageAt(10);
  EXPECT_TRUE(ActivePageTimers(window).empty());
}

TEST_F(DrivingInformationWindow, OtherLanguagesAreNotTold) {
  SetCurrentLanguage(kEnglish);
  CCarInfo window(Context(), prompts);
  playing = true;
  window.timers().Tick(kStart);
  EXPECT_TRUE(prompts.requests().empty());
  EXPECT_FALSE(window.timers().IsActive(kStart));
}

TEST_F(DrivingInformationWindow, WithVehicleDataThePagesRunTheirTimers) {
  FillVehicleData();
  CCarInfo window(Context(), prompts);
  playing = true;
  window.timers().Tick(kStart);
  EXPECT_TRUE(prompts.requests().empty());
  EXPECT_EQ(ActivePageTimers(window),
            (std::vector<int>{kValues, kPage0Fast1, kPage0Slow1, kPage0Fast2, kPage0Slow2}));
  EXPECT_EQ(window.timers().Period(kPage0Fast1), 333);
  EXPECT_EQ(window.timers().Period(kPage0Slow2), 1000);
  window.SelectPageAt(200);
  EXPECT_EQ(ActivePageTimers(window), (std::vector<int>{kValues, kPage1}));
  window.SelectPageAt(300);
  EXPECT_EQ(ActivePageTimers(window), std::vector<int>{kValues});
  // The main window stops them with its own playback timers and starts the wait again.
  window.StopPageTimers();
  EXPECT_TRUE(ActivePageTimers(window).empty());
  window.StartPlaybackTimer();
  EXPECT_TRUE(window.timers().IsActive(kStart));
}

TEST_F(DrivingInformationWindow, SaveWritesTheReportOfTheSecondPlayed) {
  FillVehicleData();
  fs::create_directories(WorkingFolders(card.root()).obd());
  CCarInfo window(Context(), prompts);
  EXPECT_FALSE(window.WriteObdReport());  // nothing plays
  playing = true;
  const auto file = window.WriteObdReport();
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, WorkingFolders(card.root()).obd() / "OBD_2011.03.05_09.07.txt");
  const auto bytes = ObdReportBytes(*ObdStampOf(position.recording), driving.seconds[2]);
  EXPECT_EQ(test::ReadAll(*file), std::string(bytes.begin(), bytes.end()));
  ASSERT_EQ(prompts.rows(), std::vector<MessageId>{msg::kDrivingInfoSaved});
  EXPECT_EQ(prompts.requests()[0].detail.toStdString(), file->string());
  EXPECT_NE(Utf16LeToUtf8(std::span(bytes).subspan(2)).find("1시간 30분"), std::string::npos);
}

TEST_F(DrivingInformationWindow, SaveDoesNothingWithoutDataOrTheObdFolder) {
  playing = true;
  {
    CCarInfo window(Context(), prompts);
    position = {"/card/drf0_20110305_090703.mp4", 0, 1.0, 5};
    fs::create_directories(WorkingFolders(card.root()).obd());
    EXPECT_FALSE(window.WriteObdReport());  // no vehicle data
  }
  fs::remove_all(WorkingFolders(card.root()).obd());
  FillVehicleData();
  CCarInfo window(Context(), prompts);
  EXPECT_FALSE(window.WriteObdReport());
  EXPECT_FALSE(fs::exists(WorkingFolders(card.root()).obd()));
  // A table shorter than the track has nothing for the second.
  fs::create_directories(WorkingFolders(card.root()).obd());
  driving.seconds.resize(1);
  EXPECT_FALSE(window.WriteObdReport());
  EXPECT_TRUE(prompts.requests().empty());
}

TEST_F(DrivingInformationWindow, CloseTellsTheMainWindowAndStopsEveryTimer) {
  FillVehicleData();
  CCarInfo window(Context(), prompts);
  playing = true;
  window.timers().Tick(kStart);
  window.show();
  window.CloseCommand();
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(ActivePageTimers(window).empty());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace direvovu::gui
