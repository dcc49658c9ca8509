// Pictures of the main window while a recording with a braking spike plays: the graph
// strip in G-sensor and in speed mode, and the enlarged graph over the window. Run by
// tests/e2e/display_main_window.sh under xvfb-run, which makes the recording and names
// its folder in DIREVOVU_E2E_RECORDINGS; without it the test skips.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "core/app/main_window_layout.h"
#include "core/display/event_text.h"
#include "display_test_support.h"
#include "gui/app/vantor_dlg.h"
#include "gui/display/graph_dlg.h"
#include "gui/display/graph_panel.h"
#include "player/channel_player.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

// The camera's event file for the strongest second of the track.
void WriteEventFile(const fs::path& recording, const TrackState& track) {
  std::size_t spike = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(track.count); ++i) {
    if (std::fabs(track.records[i].accelX) > std::fabs(track.records[spike].accelX)) spike = i;
  }
  const TrackSecond& r = track.records[spike];
  char text[512];
  std::snprintf(text, sizeof(text),
                "[Event1]\r\nFile=%s\r\nDate=%04d/%02d/%02d\r\nTime=%02d:%02d:%02d\r\nG_Sensor_X=%.3f\r\n"
                "G_Sensor_Y=%.3f\r\nG_Sensor_Z=%.3f\r\n",
                recording.filename().string().c_str(), r.year, r.month, r.day, r.hour, r.minute, r.second,
                r.accelX, r.accelY, r.accelZ);
  std::ofstream(display::EventTextFileFor(recording), std::ios::binary) << text;
}

void SaveScreen(const QRect& area, const char* name) {
  QApplication::processEvents();
  const QPixmap shot =
      QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  shot.save(QString::fromStdString((test::ScreenshotFolder() / name).string()));
}

TEST(DisplayMainWindow, PicturesWhileABrakingRecordingPlays) {
  const fs::path folder = test::E2eRecordingsFolder();
  if (folder.empty()) GTEST_SKIP() << "needs DIREVOVU_E2E_RECORDINGS and an X server";
  const fs::path front = test::FindRecording(folder, "drf0_");
  ASSERT_FALSE(front.empty());

  // As the viewer does: the video areas' siblings stay alien so they draw over the skin.
  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QTemporaryDir root;
  test::RecordingPrompts prompts;
  CVantorDlg window(
      WorkingFolders(fs::path(root.path().toStdString())),
      [](Channel channel) {
        return std::unique_ptr<IChannelPlayer>(
            std::make_unique<ChannelPlayer>(channel, QStringList{"--aout=dummy"}));
      },
      prompts);
  std::string error;
  ASSERT_TRUE(window.Initialise(&error)) << error;
  window.move(0, 0);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QSignalSpy started(&window, &CVantorDlg::playbackStarted);
  ASSERT_TRUE(window.playback().Load(front));
  ASSERT_TRUE(started.wait(20000)) << "the pair never started";
  ASSERT_GT(window.playback().track().count, 0);

  GraphPanel* panel = window.findChild<GraphPanel*>();
  ASSERT_NE(panel, nullptr);
  WriteEventFile(front, window.playback().track());
  if (panel->events().empty()) panel->SetEvents(display::EventsOfRecording(front, window.playback().track()));
  ASSERT_EQ(panel->events().size(), 1U);

  IChannelPlayer* player = window.playback().front();
  const int past_spike_ms = (panel->events()[0].offsetSeconds + 2) * 1000;
  ASSERT_TRUE(QTest::qWaitFor([&] { return player->GetTime() > past_spike_ms; }, 30000));
  QTest::qWait(1200);  // one more graph tick
  const QRect area = window.frameGeometry();
  SaveScreen(area, "display_main_window_gsensor.png");
  ASSERT_TRUE(panel->cursorX().has_value());
  EXPECT_EQ(panel->curves().size(), 3U);

  if (QAbstractButton* speed = window.button(ctl::kSpeedGraph); speed != nullptr && speed->isVisible())
    speed->click();
  if (panel->mode() != display::GraphMode::Speed) panel->SetMode(display::GraphMode::Speed);
  QTest::qWait(1200);
  SaveScreen(area, "display_main_window_speed.png");
  EXPECT_EQ(panel->curves().size(), 1U);

  CGraphDlg enlarged(window.playback().track(), display::GraphMode::GSensor, display::SpeedUnit::Kmh,
                     static_cast<double>(player->GetLength()) / 1000.0, &window);
  enlarged.move(area.x() + 70, area.y() + 280);
  enlarged.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&enlarged));
  QTest::qWait(300);
  SaveScreen(area, "display_main_window_enlarged.png");
  enlarged.close();

  window.CloseCommand();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

}  // namespace
}  // namespace direvovu::gui
