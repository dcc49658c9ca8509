// The library window in the real viewer: a generated week of recordings is scanned from
// the window, drawn on the real map page and the timeline, and choosing a harsh moment
// plays its pair from that second with libvlc. Run by tests/e2e/library_plays_moment.sh
// under xvfb-run, which makes the card and names it in DIREVOVU_E2E_RECORDINGS; without
// it the test skips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <fstream>

#include "core/library/library_settings.h"
#include "core/recording/recording_name.h"
#include "display_test_support.h"
#include "gui/app/library_controller.h"
#include "gui/app/library_map_host.h"
#include "gui/app/vantor_dlg.h"
#include "gui/library/library_dlg.h"
#include "gui/library/library_timeline.h"
#include "gui/map/web_browser.h"
#include "map_test_support.h"
#include "player/channel_player.h"
#include "real_viewer.h"
#include "recording_prompts.h"
#include "sample_recordings.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

int CountFronts(const fs::path& card) {
  int n = 0;
  for (const auto& entry : fs::recursive_directory_iterator(card)) {
    n += entry.path().filename().string().starts_with("drf0_") ? 1 : 0;
  }
  return n;
}

// Tiles of a made-up street plan over Lisbon, where the sample drives.
void WriteSettingsAndTiles(const WorkingFolders& folders, const fs::path& tiles) {
  for (int zoom = 11; zoom <= 14; ++zoom) test::WriteTileFolder(tiles, zoom, 38.72, -9.14, 4);
  std::ofstream(folders.settings_file(), std::ios::binary)
      << "[VIEWER_SETUP]\r\nLANGUAGE=1\r\nMAP_TILE_URL=" << tiles.string() << "\r\n";
}

TEST(LibraryEndToEnd, AChosenMomentPlaysItsPairFromItsSecond) {
  const fs::path card = test::E2eRecordingsFolder();
  if (card.empty()) GTEST_SKIP() << "needs DIREVOVU_E2E_RECORDINGS and an X server";

  QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  QTemporaryDir root;
  const WorkingFolders folders(fs::path(root.path().toStdString()) / "DirevOvu");
  ASSERT_TRUE(CreateWorkingFolders(folders));
  WriteSettingsAndTiles(folders, fs::path(root.path().toStdString()) / "tiles");
  test::RecordingPrompts prompts;
  CVantorDlg window(folders, test::SilentLibvlcPlayers(), prompts);
  ASSERT_TRUE(test::StartAndShow(window));

  // Ctrl+L opens the library; a folder added there is scanned and remembered.
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
  CLibraryDlg* library = window.library().window();
  ASSERT_NE(library, nullptr) << (prompts.alerts().empty() ? std::string("no alert")
                                                           : prompts.alerts()[0].toStdString());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(library));
  library->move(0, 0);
  QSignalSpy scanned(library, &CLibraryDlg::scanFinished);
  library->AddFolder(card);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !scanned.isEmpty(); }, 120000)) << "the scan did not end";
  const auto remembered = library::LibraryFolders(folders);
  EXPECT_NE(std::find(remembered.begin(), remembered.end(), card), remembered.end());

  const int fronts = CountFronts(card);
  EXPECT_EQ(library->recordingList()->topLevelItemCount(), fronts);
  ASSERT_FALSE(library->shownMoments().empty());
  EXPECT_EQ(library->timeline()->days().size(), 7U);
  // Every route and every moment is on the page.
  const QString expected = QStringLiteral("%1,%2").arg(fronts).arg(library->shownMoments().size());
  QString drawn;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        drawn = test::RunScript(window.library().map()->browser()->page(), QStringLiteral("library_counts()"))
                    .toString();
        return drawn == expected;
      },
      30000))
      << "drawn " << drawn.toStdString() << ", wanted " << expected.toStdString();

  QTest::qWait(1500);  // the tiles paint
  const QRect area = library->frameGeometry();
  QGuiApplication::primaryScreen()
      ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(QString::fromStdString((test::ScreenshotFolder() / "library_window.png").string()));

  // The filters: a kind, then a place (the evening drives all start there).
  library->kindFilter()->setCurrentIndex(1 + kKindParking);
  EXPECT_EQ(library->recordingList()->topLevelItemCount(), 4);
  library->kindFilter()->setCurrentIndex(0);
  library->radiusFilter()->setCurrentIndex(1);  // 250 m
  // The place is clicked on the map, on the copy of the world east of the date line.
  // (The script answers true: the map object that fire returns is too large to send back.)
  test::RunScript(window.library().map()->browser()->page(),
                  QStringLiteral("map.fire('click', {latlng: L.latLng(38.74, 350.85)}); true"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return library->shown().size() == 7U; }, 5000))
      << "the click chose " << library->shown().size() << " recordings";
  for (const auto& r : library->shown()) {
    EXPECT_EQ(r.localStart.hour, 18) << r.front;
    EXPECT_EQ(r.firstSecond, 0) << r.front;
  }
  library->SetPlace(std::nullopt);
  EXPECT_EQ(library->recordingList()->topLevelItemCount(), fronts);

  // A click on a moment's marker asks for its recording at its second.
  QSignalSpy asked(library, &CLibraryDlg::playRequested);
  const QVariant fired = test::RunScript(
      window.library().map()->browser()->page(),
      QStringLiteral("library.moments.getLayers()[0].fire('click', {latlng: L.latLng(0, 0)}); library.pick"));
  EXPECT_TRUE(fired.toString().startsWith(QStringLiteral("moment,"))) << fired.toString().toStdString();
  // The pick may arrive while the script call above still waits for its answer.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.isEmpty(); }, 5000))
      << "the marker's pick never reached the window";

  // Choosing the impact of the event recording plays that pair from its second.
  const auto& moments = library->shownMoments();
  const auto impact = std::find_if(moments.begin(), moments.end(), [](const library::FoundMoment& m) {
    return m.kind == library::MomentKind::Shock && m.front.find("/Event/") != std::string::npos;
  });
  ASSERT_NE(impact, moments.end());
  ASSERT_GT(impact->second, 5);
  QSignalSpy started(&window, &CVantorDlg::playbackStarted);
  library->ChooseMomentRow(static_cast<int>(impact - moments.begin()));
  ASSERT_TRUE(started.wait(30000)) << "the pair never started";
  EXPECT_EQ(window.playback().recording(), fs::path(impact->front));
  const std::int64_t target = std::int64_t{impact->second} * 1000;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const IChannelPlayer* leading = window.playback().Leading();
        return leading != nullptr && leading->GetTime() >= target - 500;
      },
      15000))
      << "the pair did not seek to second " << impact->second;
  EXPECT_LT(window.playback().Leading()->GetTime(), target + 5000);

  window.CloseCommand();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

}  // namespace
}  // namespace direvovu::gui
