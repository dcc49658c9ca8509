// The address lookup's rules: requests, the two services' replies, order, pace and cache.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "core/map/address_cache.h"
#include "core/map/address_reply.h"
#include "core/settings/texts.h"
#include "temp_folder.h"

namespace direvovu::map {
namespace {

constexpr std::string_view kRgcReply =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<result><location>"
    "<country>KR</country><state>Seoul</state><county>Gangnam-gu</county><town>Yeoksam-dong</town>"
    "</location></result>";

constexpr std::string_view kNominatimReply =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<reversegeocode timestamp=\"Sat, 01 Jan 2022 00:00:00 +00:00\" querystring=\"lat=37.5&amp;lon=127\">"
    "<result place_id=\"1\" lat=\"37.5\" lon=\"127\">역삼로, 역삼동, 강남구, 서울, 대한민국</result>"
    "<addressparts><road>역삼로</road><suburb>역삼동</suburb><city>서울</city><state>서울특별시</state>"
    "<country>대한민국</country><country_code>kr</country_code></addressparts></reversegeocode>";

TEST(AddressRequest, RgcAndNominatimRequestsCarrySixDecimals) {
  const AddressService rgc = ReadAddressService("http://127.0.0.1:8080/", "rgc");
  EXPECT_EQ(rgc.kind, AddressServiceKind::Rgc);
  EXPECT_EQ(AddressRequestUrl(rgc, -33.5, 151.25, kKorean),
            "http://127.0.0.1:8080/service/rgc.php?appid=PilotTest&latitude=-33.500000&longitude=151.250000"
            "&output=xml");
  const AddressService osm = ReadAddressService(" https://nominatim.openstreetmap.org ", "");
  EXPECT_EQ(osm.kind, AddressServiceKind::Nominatim);
  EXPECT_EQ(AddressRequestUrl(osm, 37.470303, 127.041982, kPortugueseBrazil),
            "https://nominatim.openstreetmap.org/reverse?format=xml&lat=37.470303&lon=127.041982&zoom=18"
            "&addressdetails=1&accept-language=pt-BR");
  EXPECT_FALSE(ReadAddressService("  ", "rgc").Enabled());
}

TEST(AddressReplyRgc, AFullReplyRebuildsBothLines) {
  const auto reply = ParseAddressReply(AddressServiceKind::Rgc, kRgcReply);
  ASSERT_TRUE(reply);
  AddressState state;
  ApplyAddressReply(state, *reply);
  EXPECT_EQ(state.lines, (AddressLines{"KR Seoul", "Gangnam-gu Yeoksam-dong"}));
}

TEST(AddressReplyRgc, WithoutATownThePartsChangeButTheLinesStay) {
  AddressState state;
  state.lines = {"KR Seoul", "Gangnam-gu Yeoksam-dong"};
  const auto reply = ParseAddressReply(
      AddressServiceKind::Rgc, "<r><location/><country>JP</country><ErrorMesg>no town</ErrorMesg></r>");
  ASSERT_TRUE(reply);
  EXPECT_FALSE(reply->hasTown);
  ApplyAddressReply(state, *reply);
  EXPECT_EQ(state.parts.country, "JP");
  EXPECT_EQ(state.parts.state, "");
  EXPECT_EQ(state.lines, (AddressLines{"KR Seoul", "Gangnam-gu Yeoksam-dong"}));
  // Without a location the reply is ignored altogether.
  EXPECT_FALSE(ParseAddressReply(AddressServiceKind::Rgc, "<r><country>JP</country><town>x</town></r>"));
}

TEST(AddressLines, OneBlankBetweenPartsWhateverIsEmpty) {
  const struct {
    const char* first;
    const char* second;
    const char* line;
  } cases[] = {
      {"KR", "Seoul", "KR Seoul"}, {"", "Seoul", "Seoul"},        {"KR", "", "KR"},   {"", "", ""},
      {" ", "Seoul", "Seoul"},     {"KR ", " Seoul", "KR Seoul"}, {"KR", "\t", "KR"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JoinAddressParts(c.first, c.second), c.line) << "'" << c.first << "' + '" << c.second << "'";
  }
}

TEST(AddressReplyNominatim, TheCityStandsForTheTownAndTextStaysUnicode) {
  const auto reply = ParseAddressReply(AddressServiceKind::Nominatim, kNominatimReply);
  ASSERT_TRUE(reply);
  EXPECT_TRUE(reply->hasTown);
  AddressState state;
  ApplyAddressReply(state, *reply);
  EXPECT_EQ(state.lines.line1, "대한민국 서울특별시");
  EXPECT_EQ(state.lines.line2, "서울");  // no county
  // town comes before city; a village when there is neither.
  const auto town = ParseAddressReply(
      AddressServiceKind::Nominatim,
      "<reversegeocode><result>x</result><addressparts><city>C</city><town>Т</town></addressparts>"
      "</reversegeocode>");
  ASSERT_TRUE(town);
  EXPECT_EQ(town->parts.town, "Т");
  const auto village = ParseAddressReply(
      AddressServiceKind::Nominatim,
      "<reversegeocode><result>x</result><addressparts><hamlet>H</hamlet><village>V</village>"
      "<county>Ко</county></addressparts></reversegeocode>");
  ASSERT_TRUE(village);
  EXPECT_EQ(village->parts.town, "V");
  EXPECT_EQ(village->parts.county, "Ко");
}

TEST(AddressReplyNominatim, NotFoundAndRepliesWithoutAResultChangeNothing) {
  EXPECT_FALSE(ParseAddressReply(AddressServiceKind::Nominatim,
                                 "<reversegeocode><error>Unable to geocode</error></reversegeocode>"));
  EXPECT_FALSE(
      ParseAddressReply(AddressServiceKind::Nominatim, "<reversegeocode><addressparts/></reversegeocode>"));
  // The rgc elements mean nothing to Nominatim's reader.
  EXPECT_FALSE(ParseAddressReply(AddressServiceKind::Nominatim, kRgcReply));
}

TEST(AddressReplyBad, NoXmlEntitiesHugeAndDeepRepliesAreRefusedOrReadSafely) {
  for (const AddressServiceKind kind : {AddressServiceKind::Rgc, AddressServiceKind::Nominatim}) {
    EXPECT_FALSE(ParseAddressReply(kind, ""));
    EXPECT_FALSE(ParseAddressReply(kind, "{\"error\": \"json\"}"));
    EXPECT_FALSE(ParseAddressReply(kind, "<html><body>502 Bad Gateway"));
    // A document type may declare entities: the reply is refused, nothing is expanded.
    EXPECT_FALSE(ParseAddressReply(
        kind,
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
        "<r><location/><town>&b;</town></r>"));
  }
  std::string huge = "<r><location/><town>";
  huge.append(1024 * 1024, 'x');
  huge += "</town></r>";
  EXPECT_FALSE(ParseAddressReply(AddressServiceKind::Rgc, huge));

  // Deep nesting within the size limit neither crashes nor hangs.
  std::string deep = "<r><location/><town>";
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  deep += "t";
  for (int i = 0; i < 100000; ++i) deep += "</a>";
  deep += "</town></r>";
  const auto nested = ParseAddressReply(AddressServiceKind::Rgc, deep);
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->parts.town, "t");

  // A part is cut to 255 characters, never inside a character, and kept on one line.
  std::string long_town = "<r><location/><town>a\nb";
  for (int i = 0; i < 300; ++i) long_town += "가";
  long_town += "</town></r>";
  const auto cut = ParseAddressReply(AddressServiceKind::Rgc, long_town);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->parts.town.substr(0, 3), "a b");
  EXPECT_EQ(cut->parts.town.size(), 3 + 252 * 3U);
}

TEST(AddressOrder, AReplyForAnOlderPointNeverOverwritesANewerOne) {
  AddressOrder order;
  const auto first = order.Take();
  const auto second = order.Take();
  const auto third = order.Take();
  EXPECT_TRUE(order.Accept(second));
  EXPECT_FALSE(order.Accept(first));  // late
  EXPECT_TRUE(order.Accept(third));
  EXPECT_FALSE(order.Accept(third));
  const auto before_reset = order.Take();
  order.Forget();
  EXPECT_FALSE(order.Accept(before_reset));
  EXPECT_TRUE(order.Accept(order.Take()));
}

TEST(AddressThrottle, NominatimIsAskedOnceASecondRgcAtEveryPoint) {
  AddressThrottle osm(AddressIntervalMs(AddressServiceKind::Nominatim));
  EXPECT_TRUE(osm.MaySend(5000));
  osm.Sent(5000);
  EXPECT_FALSE(osm.MaySend(5500));
  EXPECT_FALSE(osm.MaySend(5999));
  EXPECT_TRUE(osm.MaySend(6000));
  AddressThrottle rgc(AddressIntervalMs(AddressServiceKind::Rgc));
  rgc.Sent(5000);
  EXPECT_TRUE(rgc.MaySend(5000));
}

TEST(AddressCache, AnswersAreKeptByPositionToFourDecimalsAndSurviveOnDisk) {
  EXPECT_EQ(AddressCacheKey(37.470303, 127.041982), "37.4703_127.0420");
  EXPECT_EQ(AddressCacheKey(-0.00001, 0.00004), "0.0000_0.0000");
  TempFolder root;
  const AddressService service = ReadAddressService("http://127.0.0.1:1", "rgc");
  AddressReply reply;
  reply.parts = {"대한민국", "서울특별시", "", "서울"};
  reply.hasTown = true;
  {
    AddressCache cache(root.path(), service, kKorean);
    EXPECT_FALSE(cache.Find(37.470303, 127.041982));
    cache.Store(37.470303, 127.041982, reply);
  }
  AddressCache again(root.path(), service, kKorean);
  EXPECT_EQ(again.Find(37.47032, 127.04196), reply);
  EXPECT_FALSE(again.Find(37.4713, 127.041982));
  // Another language of the same service has answers of its own.
  AddressCache english(root.path(), service, kEnglish);
  EXPECT_FALSE(english.Find(37.470303, 127.041982));
  EXPECT_FALSE(ReadAddressCacheText("junk"));
  EXPECT_EQ(ReadAddressCacheText(AddressCacheText(reply)), reply);
}

TEST(AddressCache, TheFolderKeepsItsBoundAndTheOldestGoFirst) {
  TempFolder root;
  const AddressService service = ReadAddressService("http://127.0.0.1:1", "rgc");
  AddressReply reply;
  reply.parts = {"PT", "Lisboa", "", "Lisboa"};
  AddressCache cache(root.path(), service, kEnglish, 10);
  const auto latitude = [](int i) { return 38.0 + i * 0.001; };
  const auto written = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (int i = 0; i < 11; ++i) {
    cache.Store(latitude(i), -9.1, reply);
    // Distinct times, whatever the file system's resolution.
    std::filesystem::last_write_time(cache.folder() / (AddressCacheKey(latitude(i), -9.1) + ".txt"),
                                     written + std::chrono::seconds(i));
  }
  // The eleventh answer passed the bound of ten: down to nine, without the two oldest.
  AddressCache fresh(root.path(), service, kEnglish, 10);
  std::vector<int> kept;
  for (int i = 0; i < 11; ++i) {
    if (fresh.Find(latitude(i), -9.1)) kept.push_back(i);
  }
  EXPECT_EQ(kept, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

}  // namespace
}  // namespace direvovu::map
