// The map page's contract as the viewer forms it: arguments, addresses, calls.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "comma_locale.h"
#include "core/map/map_page.h"
#include "core/map/page_calls.h"
#include "core/map/script_call.h"
#include "core/settings/texts.h"

namespace direvovu::map {
namespace {

using Args = std::vector<std::string>;

TEST(MapTakeToken, CutsAtTheFirstDelimiterAndSkipsExactlyOneCharacter) {
  std::string source = "ab, cd";
  EXPECT_EQ(TakeToken(source, ","), "ab");
  EXPECT_EQ(source, " cd");
  EXPECT_EQ(TakeToken(source, ",", true), "cd");
  EXPECT_EQ(source, "");

  // The whole delimiter text, yet only its first character is skipped.
  source = "a=>b";
  EXPECT_EQ(TakeToken(source, "=>", false, false), "a");
  EXPECT_EQ(source, ">b");
  source = "x;y,z";
  EXPECT_EQ(TakeToken(source, ",;"), "x");
  EXPECT_EQ(source, "y,z");
}

TEST(MapSplitArguments, EndsAtTheFirstEmptyField) {
  EXPECT_EQ(SplitArguments("127.0419820000,37.4703030000"), (Args{"127.0419820000", "37.4703030000"}));
  EXPECT_EQ(SplitArguments(""), Args{});
  EXPECT_EQ(SplitArguments("a,,b"), Args{"a"});
  EXPECT_EQ(SplitArguments("a,b,"), (Args{"a", "b"}));
  EXPECT_EQ(SplitArguments(",a"), Args{});
}

TEST(MapPageAddress, KoreanHasFiveDecimalsAndTheOthersEight) {
  EXPECT_EQ(PageUrl(kKorean, PageWindow::Map, DefaultCentre(kKorean, PageWindow::Map)),
            "direvovu://map/map/googlemap.html?lat=37.47030&lon=127.04198&width=535&height=520");
  EXPECT_EQ(PageQuery(kEnglish, PageWindow::Map, DefaultCentre(kEnglish, PageWindow::Map)),
            "lat=38.89530800&lon=-77.03270000&width=535&height=520");
  EXPECT_EQ(PagePath(kRussian), "/map/googlemap_russia.html");
  // A language outside the tables is the default one, never a read past the end.
  EXPECT_EQ(PagePath(99), PagePath(kDefaultLanguage));
}

TEST(MapPageAddress, RouteWindowSizesAndItsOwnPortugueseCentre) {
  EXPECT_EQ(PageQuery(kJapanese, PageWindow::Route, DefaultCentre(kJapanese, PageWindow::Route)),
            "lat=35.68951000&lon=139.69210600&width=588&height=642");
  EXPECT_EQ(PageQuery(kChineseSimplified, PageWindow::Route, {1, 2}),
            "lat=1.00000000&lon=2.00000000&width=588&height=630");
  EXPECT_EQ(
      PageQuery(kPortugueseBrazil, PageWindow::Route, DefaultCentre(kPortugueseBrazil, PageWindow::Route)),
      "lat=38.70587400&lon=-9.13787800&width=588&height=630");
  EXPECT_EQ(PageQuery(kPortugueseBrazil, PageWindow::Map, DefaultCentre(kPortugueseBrazil, PageWindow::Map)),
            "lat=38.70697100&lon=-9.13576500&width=535&height=520");
}

TEST(MapPageAddress, EveryPathNamesItsLanguageBack) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(LanguageOfPagePath(PagePath(language)), language);
  }
  EXPECT_FALSE(LanguageOfPagePath("/map/googlemap.html/../x"));
  EXPECT_FALSE(LanguageOfPagePath("/map/map.js"));
}

TEST(MapNumbers, IgnoreADecimalCommaLocale) {
  const test::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(FixedText(37.5, 10), "37.5000000000");
  EXPECT_EQ(MapPointCall(37.5, 127.25, false)->arguments, (Args{"127.2500000000", "37.5000000000"}));
}

TEST(MapPointCalls, LongitudeFirstAndTheFunctionByRouteMarking) {
  EXPECT_EQ(MapPointCall(37.5, 127.25, false),
            (PageCall{"on_set_point", {"127.2500000000", "37.5000000000"}}));
  EXPECT_EQ(MapPointCall(-33.868, -151.2093, true),
            (PageCall{"on_set_route", {"-151.2093000000", "-33.8680000000"}}));
}

TEST(MapPointCalls, NoCallForAPositionThePageCannotDraw) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(MapPointCall(0, 127.25, false));
  EXPECT_FALSE(MapPointCall(37.5, 0, false));
  EXPECT_FALSE(MapPointCall(90.5, 127.25, false));
  EXPECT_FALSE(MapPointCall(37.5, -180.01, true));
  EXPECT_FALSE(MapPointCall(nan, 127.25, false));
  EXPECT_FALSE(MapPointCall(37.5, inf, false));
  EXPECT_TRUE(MapPointCall(90, 180, false));
}

TEST(MapRouteCalls, ShowRouteGivesLatitudeBeforeLongitude) {
  const PageCall call = ShowRouteCall({{37.1, 127.1}, {37.2, 127.2}, {37.3, 127.3}});
  EXPECT_EQ(call.function, "show_route");
  EXPECT_EQ(call.arguments, (Args{"37.1000", "127.1000", "37.2000", "127.2000", "37.3000", "127.3000"}));
}

TEST(MapRouteCalls, SevenValuesOfARoutePoint) {
  RoutePoint point;
  point.progress = 12;
  point.position = {37.470303, 127.041982};
  point.year = 2011;
  point.month = 3;
  point.day = 5;
  point.hour = 9;
  point.minute = 7;
  point.second = 3;
  point.show_time = true;
  EXPECT_EQ(RoutePointCall("on_set_route2", point).arguments,
            (Args{"12", "127.04198", "37.47030", "2011.03.05", "09:07:03", "1", "0"}));
  EXPECT_EQ(NoDataCall("clear_overlay"), (PageCall{"clear_overlay", {""}}));
}

TEST(MapScriptText, EveryArgumentIsOneStringLiteral) {
  EXPECT_EQ(ScriptStringLiteral("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(ScriptStringLiteral("</script><b>&'"), "\"\\u003c/script\\u003e\\u003cb\\u003e\\u0026\\u0027\"");
  EXPECT_EQ(ScriptStringLiteral("l1\nl2\r\t\x01"), "\"l1\\nl2\\r\\t\\u0001\"");
  EXPECT_EQ(ScriptStringLiteral("x\xE2\x80\xA8y\xE2\x80\xA9z"), "\"x\\u2028y\\u2029z\"");
  // Other text, Hangul included, passes as it is.
  EXPECT_EQ(ScriptStringLiteral("\xEC\xA7\x80\xEB\x8F\x84"), "\"\xEC\xA7\x80\xEB\x8F\x84\"");
}

TEST(MapScriptText, CallsByNameWithTheArgumentsInOrder) {
  EXPECT_EQ(ScriptCallText("f", {"a", "b"}),
            "(function(){var f=window[\"f\"];if(typeof f!==\"function\")return null;"
            "var r=f.apply(window,[\"a\",\"b\"]);return r===undefined||r===null?\"\":String(r);})()");
  // A name that is not an identifier is not called at all.
  EXPECT_EQ(ScriptCallText("alert(1)//", {}), "");
  EXPECT_EQ(ScriptCallText("", {}), "");
  EXPECT_EQ(ScriptCallText("1abc", {}), "");
  EXPECT_TRUE(IsScriptFunctionName("on_set_route2"));
  EXPECT_TRUE(IsScriptFunctionName("$x_1"));
}

}  // namespace
}  // namespace direvovu::map
