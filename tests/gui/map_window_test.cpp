// The map window on its own: its look, its life cycle, what it sends the page, capture,
// print and the offline picture.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fstream>

#include "core/display/bmp_header.h"
#include "core/display/capture_names.h"
#include "core/map/map_page.h"
#include "core/settings/texts.h"
#include "gui/map/map_dlg.h"
#include "gui/map/web_browser.h"
#include "gui/skin/skin.h"
#include "map_test_support.h"
#include "recording_prompts.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;

class MapWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCurrentLanguage(kEnglish);
    ASSERT_TRUE(CreateWorkingFolders(folders_));
    tiles_ = root_.path().toStdString() + "/tiles";
    const map::GeoPoint centre = map::DefaultCentre(kEnglish, map::PageWindow::Map);
    test::WriteTileFolder(tiles_, 15, centre.latitude, centre.longitude, 1);
    Setting("MAP_TILE_URL=" + tiles_.string());
  }
  void TearDown() override { SetCurrentLanguage(kDefaultLanguage); }

  void Setting(const std::string& line) {
    std::ofstream(folders_.settings_file(), std::ios::binary) << "[VIEWER_SETUP]\r\n" << line << "\r\n";
  }
  std::unique_ptr<CMapDlg> Open() {
    auto window = std::make_unique<CMapDlg>(folders_, prompts_);
    window->SetOpen(true);
    QObject::connect(window.get(), &CMapDlg::pageLoaded, [this] { page_loaded_ = true; });
    return window;
  }
  test::PageDrawing Drawing(CMapDlg& window) { return test::ReadDrawing(window.browser()->page()); }

  QTemporaryDir root_;
  WorkingFolders folders_{root_.path().toStdString() + "/DirevOvu"};
  fs::path tiles_;
  bool page_loaded_ = false;
  test::RecordingPrompts prompts_;
};

TEST_F(MapWindowTest, LooksAsDesignedAndShowsItselfOnceThePageHasLoaded) {
  auto window = Open();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(550, 620));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Map View"));
  EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 535, 520));
  EXPECT_EQ(window->button(CMapDlg::kRefreshId)->geometry(), QRect(117, 535, 100, 30));
  EXPECT_EQ(window->button(CMapDlg::kCaptureId)->geometry(), QRect(222, 535, 100, 30));
  EXPECT_EQ(window->button(CMapDlg::kPrintId)->geometry(), QRect(327, 535, 100, 30));
  EXPECT_EQ(window->button(CMapDlg::kRefreshId)->text(), QStringLiteral("Refresh"));
  EXPECT_EQ(window->button(CMapDlg::kCaptureId)->text(), QStringLiteral("Map Capture"));
  EXPECT_EQ(window->button(CMapDlg::kPrintId)->text(), QStringLiteral("Print Screen"));
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(window->palette().color(QPalette::ButtonText), QColor(32, 0, 32));
  ASSERT_TRUE(test::WaitForPage(*window));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(page_loaded_);
  EXPECT_TRUE(window->WorksOffline());
  EXPECT_TRUE(prompts_.requests().empty());

  SetCurrentLanguage(kKorean);
  window->RefreshTexts();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("지도 보기"));
}

TEST_F(MapWindowTest, SendsTheTracksPositionAndNothingWithoutOne) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  TrackState track;
  track.currentLatitude = 37.5;
  track.currentLongitude = 127.25;
  ASSERT_TRUE(window->SetMapPoint(track, false));
  test::PageDrawing drawing = Drawing(*window);
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_DOUBLE_EQ(drawing.markers[0].first, 37.5);
  EXPECT_DOUBLE_EQ(drawing.markers[0].second, 127.25);
  EXPECT_TRUE(drawing.lines.empty());

  track.currentLatitude = 0;  // no fix: the page keeps the last point
  EXPECT_FALSE(window->SetMapPoint(track, false));
  track.currentLatitude = 91;
  EXPECT_FALSE(window->SetMapPoint(track, true));
  track.currentLatitude = 37.501;
  ASSERT_TRUE(window->SetMapPoint(track, true));
  track.currentLatitude = 37.502;
  ASSERT_TRUE(window->SetMapPoint(track, true));
  drawing = Drawing(*window);
  EXPECT_EQ(drawing.lines, std::vector<int>{2});
  EXPECT_DOUBLE_EQ(drawing.markers.at(0).first, 37.502);

  window->button(CMapDlg::kRefreshId)->click();
  drawing = Drawing(*window);
  EXPECT_TRUE(drawing.markers.empty());
  EXPECT_TRUE(drawing.lines.empty());
}

TEST_F(MapWindowTest, ClosingOnlyHidesAndThePageAndItsDrawingSurvive) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  TrackState track;
  track.currentLatitude = 38.9;
  track.currentLongitude = -77.03;
  ASSERT_TRUE(window->SetMapPoint(track, false));
  QWebEnginePage* page = window->browser()->page();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->isOpen());
  window->show();
  EXPECT_EQ(window->browser()->page(), page);
  EXPECT_TRUE(window->page().attached());
  EXPECT_EQ(Drawing(*window).markers.size(), 1u);
  window->accept();
  EXPECT_FALSE(window->isOpen());
}

TEST_F(MapWindowTest, OfflineItShowsTheSkinPictureOfItsLanguage) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  for (const auto& [language, name] :
       {std::pair{kKorean, "map_offline_korean"}, std::pair{kRussian, "map_offline_russian"},
        std::pair{kJapanese, "map_offline_japanese"}}) {
    SetCurrentLanguage(language);
    window->SetBrowserVisible(false);
    window->ShowOfflinePicture();
    EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 1, 1));
    const QImage shown = window->MapAreaPicture().convertToFormat(QImage::Format_RGB32);
    const QImage skin =
        Skin::Pixmap(QString::fromLatin1(name)).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(535, 520));
    // The one-pixel browser sits in the corner; everything else is the picture.
    for (const QPoint p : {QPoint(100, 100), QPoint(267, 260), QPoint(500, 480), QPoint(20, 400)}) {
      EXPECT_EQ(shown.pixel(p), skin.scaled(535, 520).pixel(p)) << name;
    }
  }
  window->SetBrowserVisible(true);
  EXPECT_FALSE(window->offline());
  EXPECT_EQ(window->browser()->geometry(), QRect(5, 5, 535, 520));
}

TEST_F(MapWindowTest, CaptureWritesABmpNamedByTheTimeAndSaysWhere) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  const auto file = window->CaptureMap();
  ASSERT_TRUE(file);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}_\\d{6}\\.bmp$"))
                  .match(QString::fromStdString(file->filename().string()))
                  .hasMatch());
  EXPECT_EQ(file->parent_path(), folders_.capture());
  const QImage bmp(QString::fromStdString(file->string()));
  EXPECT_EQ(bmp.size(), QSize(535, 520));
  ASSERT_EQ(prompts_.rows(), std::vector<MessageId>{msg::kMapCaptureSaved});
  EXPECT_EQ(prompts_.requests()[0].detail, QString::fromStdString(file->string()));
}

TEST_F(MapWindowTest, PrintingLeavesNoPictureBehindOnAnyPath) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  const fs::path picture = display::PrintPictureFile(fs::temp_directory_path());
  EXPECT_EQ(picture.parent_path(), fs::temp_directory_path());

  PrintTarget pdf;
  pdf.pdfFile = root_.path().toStdString() + "/map.pdf";
  pdf.prompts = &prompts_;
  EXPECT_EQ(window->PrintMap(pdf), PrintOutcome::Printed);
  EXPECT_GT(fs::file_size(*pdf.pdfFile), 1000u);
  EXPECT_FALSE(fs::exists(picture));

  // The print dialog cancelled, or no printer at all: the picture goes as well.
  PrintTarget dialog;
  dialog.prompts = &prompts_;
  const PrintOutcome outcome = window->PrintMap(dialog);
  EXPECT_TRUE(outcome == PrintOutcome::Cancelled || outcome == PrintOutcome::NoPrinter);
  EXPECT_FALSE(fs::exists(picture));
}

TEST_F(MapWindowTest, ABadTileSettingFallsBackToTheDefaultAndThePageStillLoads) {
  Setting("MAP_TILE_URL=not a folder and not a template");
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  EXPECT_FALSE(window->WorksOffline());
  EXPECT_EQ(test::RunScript(window->browser()->page(), QStringLiteral("tiles._url")).toString(),
            QString::fromLatin1(map::kDefaultTileUrl.data()));
}

TEST_F(MapWindowTest, APageThatFailsToLoadSaysSoOnce) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  for (int i = 0; i < 3; ++i) {
    window->browser()->Navigate(QStringLiteral("direvovu://map/no/such/page.html"));
    EXPECT_FALSE(test::WaitForPage(*window));
  }
  EXPECT_EQ(prompts_.rows(), std::vector<MessageId>{msg::kFailFetchPage});
  EXPECT_FALSE(window->page().attached());
  TrackState track;
  track.currentLatitude = 38.9;
  track.currentLongitude = -77.03;
  EXPECT_FALSE(window->SetMapPoint(track, false));
  // Once it loads again, a later failure is news again.
  window->ShowMapPage();
  ASSERT_TRUE(test::WaitForPage(*window));
  window->browser()->Navigate(QStringLiteral("direvovu://map/no/such/page.html"));
  EXPECT_FALSE(test::WaitForPage(*window));
  EXPECT_EQ(prompts_.rows(), (std::vector<MessageId>{msg::kFailFetchPage, msg::kFailFetchPage}));
}

TEST_F(MapWindowTest, ShowMapPageLoadsTheCurrentLanguageAtItsCentre) {
  auto window = Open();
  ASSERT_TRUE(test::WaitForPage(*window));
  SetCurrentLanguage(kRussian);
  window->ShowMapPage();
  ASSERT_TRUE(test::WaitForPage(*window));
  EXPECT_EQ(window->browser()->url().path(), QStringLiteral("/map/googlemap_russia.html"));
  const test::PageDrawing drawing = Drawing(*window);
  EXPECT_NEAR(drawing.centre_lat, 55.748758, 1e-5);
  EXPECT_NEAR(drawing.centre_lon, 37.619934, 1e-5);
}

}  // namespace
}  // namespace direvovu::gui
