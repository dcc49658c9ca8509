// The map page in WebEngine, driven through the script bridge as the windows drive it,
// and read back from Leaflet with runJavaScript.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include "core/map/map_page.h"
#include "core/map/page_calls.h"
#include "core/settings/texts.h"
#include "gui/map/map_scheme_handler.h"
#include "gui/map/web_browser.h"
#include "gui/map/web_engine.h"
#include "gui/map/web_page.h"
#include "map_test_support.h"

namespace direvovu::gui {
namespace {

using test::ReadDrawing;
using test::RunScript;

// A browser with the page of a language loaded and the bridge attached.
class MapPageTest : public ::testing::Test {
 protected:
  void SetUp() override { MapScheme().SetTileSource(map::ReadTileSource("/nonexistent-tiles-for-tests")); }

  bool Load(const std::string& url) {
    QSignalSpy complete(&browser_, &CWebBrowser20::documentComplete);
    browser_.Navigate(QString::fromStdString(url));
    if (!complete.wait(20000) || !complete.first().first().toBool()) return false;
    QSignalSpy attached(&bridge_, &CWebPage::attachFinished);
    if (!bridge_.AttachDocument(browser_.Document())) return false;
    return attached.wait(10000) && attached.first().first().toBool();
  }
  bool LoadLanguage(int language) {
    return Load(
        map::PageUrl(language, map::PageWindow::Map, map::DefaultCentre(language, map::PageWindow::Map)));
  }
  // The calls made so far have run in the page.
  void Settle() { RunScript(browser_.page(), QStringLiteral("1")); }
  QString Eval(const char* script) {
    return RunScript(browser_.page(), QString::fromUtf8(script)).toString();
  }

  CWebBrowser20 browser_;
  CWebPage bridge_;
};

TEST_F(MapPageTest, BeforeAnyPageEveryCallFailsWithCannotGetScript) {
  EXPECT_FALSE(bridge_.CallScript("on_set_point", {"127.0", "37.0"}));
  EXPECT_EQ(bridge_.errorText(), QStringLiteral("JSCall Error:\nCannot GetScript"));
  EXPECT_FALSE(bridge_.AttachDocument(nullptr));
  EXPECT_EQ(bridge_.errorText(), QStringLiteral("JSCall Error:\nNULL pointer"));
  // The browser hands out no document before a load has succeeded.
  EXPECT_EQ(browser_.Document(), nullptr);
}

TEST_F(MapPageTest, EverySevenPathsServeThePageInItsLanguageWithEveryFunction) {
  const char* titles[] = {"지도", "Map", "地図", "地图", "Карта", "地圖", "Mapa"};
  for (int language = 0; language < kLanguageCount; ++language) {
    ASSERT_TRUE(LoadLanguage(language)) << language;
    EXPECT_EQ(browser_.page()->title(), QString::fromUtf8(titles[language])) << language;
    for (const std::string& name : map::PageFunctions()) {
      EXPECT_EQ(Eval(("typeof " + name).c_str()), QStringLiteral("function")) << name;
    }
    // The page opens at the centre the address gives.
    const map::GeoPoint centre = map::DefaultCentre(language, map::PageWindow::Map);
    const test::PageDrawing drawing = ReadDrawing(browser_.page());
    EXPECT_NEAR(drawing.centre_lat, centre.latitude, 1e-4) << language;
    EXPECT_NEAR(drawing.centre_lon, centre.longitude, 1e-4) << language;
  }
  EXPECT_EQ(Eval("document.getElementById('map').style.width"), QStringLiteral("535px"));
  EXPECT_EQ(Eval("document.getElementById('map').style.height"), QStringLiteral("520px"));
}

TEST_F(MapPageTest, AFunctionThePageLacksFailsAndRunsNothing) {
  ASSERT_TRUE(LoadLanguage(kEnglish));
  EXPECT_FALSE(bridge_.CallScript("no_such_function", {"x"}));
  EXPECT_FALSE(bridge_.CallScript("alert", {"x"}));  // a function, but none of the page's
  // A page that has none of the functions attaches, and every call fails.
  ASSERT_TRUE(Load("direvovu://map/map/map.css"));
  EXPECT_FALSE(bridge_.CallScript("on_set_point", {"127.0", "37.0"}));
}

TEST_F(MapPageTest, APointIsAMarkerTheMapKeepsInView) {
  ASSERT_TRUE(LoadLanguage(kKorean));
  ASSERT_TRUE(bridge_.Call(*map::MapPointCall(37.5, 127.25, false)));
  Settle();
  test::PageDrawing drawing = ReadDrawing(browser_.page());
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_DOUBLE_EQ(drawing.markers[0].first, 37.5);  // longitude came first, and was read so
  EXPECT_DOUBLE_EQ(drawing.markers[0].second, 127.25);
  EXPECT_TRUE(drawing.all_markers_in_view);
  EXPECT_TRUE(drawing.lines.empty());

  // Far away: the map follows; the one marker moves rather than a second appearing.
  ASSERT_TRUE(bridge_.Call(*map::MapPointCall(-33.8688, 151.2093, false)));
  Settle();
  drawing = ReadDrawing(browser_.page());
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_DOUBLE_EQ(drawing.markers[0].first, -33.8688);
  EXPECT_TRUE(drawing.all_markers_in_view);
}

TEST_F(MapPageTest, MarkedRouteGrowsByEachNewPositionAndClearEmptiesTheMap) {
  ASSERT_TRUE(LoadLanguage(kPortugueseBrazil));
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(bridge_.Call(*map::MapPointCall(38.7100 + i * 0.001, -9.1400, true)));
  ASSERT_TRUE(bridge_.Call(*map::MapPointCall(38.7140, -9.1400, true)));  // the car stood still
  Settle();
  test::PageDrawing drawing = ReadDrawing(browser_.page());
  ASSERT_EQ(drawing.lines.size(), 1u);
  EXPECT_EQ(drawing.lines[0], 5);
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_DOUBLE_EQ(drawing.markers[0].first, 38.714);

  ASSERT_TRUE(bridge_.Call(map::NoDataCall("clear_overlay")));
  Settle();
  drawing = ReadDrawing(browser_.page());
  EXPECT_TRUE(drawing.markers.empty());
  EXPECT_TRUE(drawing.lines.empty());
  // A new route starts from nothing.
  ASSERT_TRUE(bridge_.Call(*map::MapPointCall(38.72, -9.15, true)));
  Settle();
  EXPECT_EQ(ReadDrawing(browser_.page()).lines, std::vector<int>{1});
}

TEST_F(MapPageTest, PositionsThatAreNoPositionDrawNothing) {
  ASSERT_TRUE(LoadLanguage(kEnglish));
  for (const auto& args : std::vector<std::vector<std::string>>{{"abc", "37.5"},
                                                                {"127.0", ""},
                                                                {"0", "0"},
                                                                {"200.0", "37.5"},
                                                                {"127.0", "-95"},
                                                                {"Infinity", "1"}}) {
    ASSERT_TRUE(bridge_.CallScript("on_set_point", args));
    ASSERT_TRUE(bridge_.CallScript("on_set_route", args));
  }
  ASSERT_TRUE(bridge_.CallScript("on_set_point", std::vector<std::string>{}));
  Settle();
  const test::PageDrawing drawing = ReadDrawing(browser_.page());
  EXPECT_TRUE(drawing.markers.empty());
  EXPECT_TRUE(drawing.lines.empty());
}

TEST_F(MapPageTest, ArgumentsCannotRunCodeInThePage) {
  ASSERT_TRUE(LoadLanguage(kEnglish));
  const std::string date = "</script><img src=x onerror=\"window.pwned=1\">";
  const std::string time = "\"]);window.pwned=2;//";
  map::RoutePoint point;
  point.position = {38.71, -9.14};
  point.show_time = true;
  map::PageCall call = map::RoutePointCall("on_set_route2", point);
  call.arguments[3] = date;
  call.arguments[4] = time;
  ASSERT_TRUE(bridge_.Call(call));
  ASSERT_TRUE(bridge_.CallScript("on_set_point", {"');window.pwned=3;('", "\\\"));window.pwned=4;//"}));
  Settle();
  QTest::qWait(200);  // an injected image would have failed to load by now
  EXPECT_EQ(Eval("String(window.pwned)"), QStringLiteral("undefined"));
  // The texts arrive as they are and are shown as text.
  const QString info = Eval("drawn.moving.getPopup().getContent().textContent");
  EXPECT_TRUE(info.contains(QString::fromStdString(date))) << info.toStdString();
  EXPECT_TRUE(info.contains(QString::fromStdString(time))) << info.toStdString();
}

TEST_F(MapPageTest, ATripHasItsLineStartEndAndAMovingMarkerWithItsInfoBox) {
  ASSERT_TRUE(LoadLanguage(kEnglish));
  QString shown;
  ASSERT_TRUE(bridge_.Call(map::ShowRouteCall({{38.71, -9.14}, {38.72, -9.13}, {38.73, -9.12}}),
                           [&](const QString& result) { shown = result; }));
  map::RoutePoint first;
  first.position = {38.71, -9.14};
  map::RoutePoint last = first;
  last.position = {38.72, -9.13};
  ASSERT_TRUE(bridge_.Call(map::RoutePointCall("start_route", first)));
  ASSERT_TRUE(bridge_.Call(map::RoutePointCall("end_route", last)));
  map::RoutePoint now = first;
  now.position = {38.715, -9.135};
  now.year = 2011;
  now.month = 3;
  now.day = 5;
  now.hour = 9;
  now.minute = 7;
  now.second = 3;
  now.hide_marker = true;  // marker switch 1
  ASSERT_TRUE(bridge_.Call(map::RoutePointCall("on_set_route2", now)));
  Settle();
  EXPECT_EQ(shown, QStringLiteral("1"));
  test::PageDrawing drawing = ReadDrawing(browser_.page());
  EXPECT_EQ(drawing.lines, std::vector<int>{3});
  EXPECT_EQ(drawing.circles.size(), 2u);
  EXPECT_TRUE(drawing.markers.empty());

  now.hide_marker = false;  // the initial switch 0: shown
  now.show_time = true;
  ASSERT_TRUE(bridge_.Call(map::RoutePointCall("on_set_route2", now)));
  Settle();
  drawing = ReadDrawing(browser_.page());
  ASSERT_EQ(drawing.markers.size(), 1u);
  EXPECT_EQ(Eval("drawn.moving.isPopupOpen()"), QStringLiteral("true"));
  EXPECT_EQ(Eval("drawn.moving.getPopup().getContent().textContent"),
            QStringLiteral("Date: 2011.03.05Time: 09:07:03"));
  ASSERT_TRUE(bridge_.Call(map::NoDataCall("CloseInfo")));
  Settle();
  EXPECT_EQ(Eval("String(drawn.moving.isPopupOpen())"), QStringLiteral("false"));
  ASSERT_TRUE(bridge_.Call(map::NoDataCall("OpenInfo")));
  Settle();
  EXPECT_EQ(Eval("String(drawn.moving.isPopupOpen())"), QStringLiteral("true"));
}

TEST_F(MapPageTest, TheTileSourceAndNaturalEarthAreAlwaysCredited) {
  MapScheme().SetTileSource(map::ReadTileSource(""));
  ASSERT_TRUE(LoadLanguage(kEnglish));
  const QString credits = Eval("document.querySelector('.leaflet-control-attribution').textContent");
  EXPECT_TRUE(credits.contains(QStringLiteral("OpenStreetMap contributors"))) << credits.toStdString();
  EXPECT_TRUE(credits.contains(QStringLiteral("Natural Earth"))) << credits.toStdString();
  EXPECT_EQ(Eval("tiles._url"), QString::fromLatin1(map::kDefaultTileUrl.data()));
  // The outlines are there to draw under the tiles.
  EXPECT_GT(Eval("String(outlines.getLatLngs().length)").toInt(), 1000);
}

}  // namespace
}  // namespace direvovu::gui
