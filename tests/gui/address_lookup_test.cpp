// The address lookup against a local server answering as both services would: the
// requests, the answers in the order of the points, the cache, the pace, and the replies
// that change nothing. Then the route window's address lines from it.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fstream>

#include "../core/driving_log_bytes.h"
#include "address_server.h"
#include "core/map/route_window_layout.h"
#include "core/settings/texts.h"
#include "gui/app/card_session.h"
#include "gui/map/router_dlg.h"
#include "platform/address_lookup.h"
#include "recording_prompts.h"
#include "scoped_environment.h"

namespace direvovu::platform {
namespace {

using test::AddressServer;

map::AddressService ServiceAt(const AddressServer& server, map::AddressServiceKind kind) {
  return {kind, server.baseUrl().toStdString()};
}

class AddressLookupTest : public ::testing::Test {
 protected:
  std::unique_ptr<AddressLookup> Lookup(const AddressServer& server, map::AddressServiceKind kind,
                                        int language = kEnglish) {
    return std::make_unique<AddressLookup>(ServiceAt(server, kind), language, cache_.path().toStdString());
  }
  QTemporaryDir cache_;
};

TEST_F(AddressLookupTest, RgcIsAskedAsItsRequestSaysAndItsLinesAreBuilt) {
  AddressServer server(AddressServer::RgcAnswer);
  ASSERT_TRUE(server.listening());
  auto lookup = Lookup(server, map::AddressServiceKind::Rgc);
  QSignalSpy answered(lookup.get(), &AddressLookup::answered);
  ASSERT_TRUE(lookup->LookUp(-33.5, 151.25, true));
  ASSERT_TRUE(answered.wait(5000));
  ASSERT_EQ(server.requests().size(), 1U);
  EXPECT_EQ(server.requests()[0].target,
            "/service/rgc.php?appid=PilotTest&latitude=-33.500000&longitude=151.250000&output=xml");
  EXPECT_TRUE(server.requests()[0].user_agent.startsWith("DirevOvu/"));
  const auto reply = answered.at(0).at(0).value<map::AddressReply>();
  map::AddressState state;
  map::ApplyAddressReply(state, reply);
  EXPECT_EQ(state.lines.line1, "KR Seoul");
  EXPECT_EQ(state.lines.line2, "Gangnam-gu Town -33.500000");
}

TEST_F(AddressLookupTest, NominatimIsAskedInTheViewersLanguageAndItsTextKeptAsItCame) {
  AddressServer server(AddressServer::NominatimAnswer);
  auto lookup = Lookup(server, map::AddressServiceKind::Nominatim, kKorean);
  QSignalSpy answered(lookup.get(), &AddressLookup::answered);
  ASSERT_TRUE(lookup->LookUp(37.5, 127.0, true));
  ASSERT_TRUE(answered.wait(5000));
  EXPECT_EQ(server.requests()[0].target,
            "/reverse?format=xml&lat=37.500000&lon=127.000000&zoom=18&addressdetails=1&accept-language=ko");
  EXPECT_EQ(server.requests()[0].accept_language, "ko");
  const auto reply = answered.at(0).at(0).value<map::AddressReply>();
  EXPECT_EQ(reply.parts.country, "대한민국");
  EXPECT_EQ(reply.parts.state, "서울특별시");
  EXPECT_EQ(reply.parts.town, "Town 37.500000");
}

TEST_F(AddressLookupTest, ALateAnswerForAnOlderPointNeverOverwritesANewerOne) {
  AddressServer server([](const QByteArray& target) {
    AddressServer::Answer answer = AddressServer::RgcAnswer(target);
    if (AddressServer::QueryValue(target, "latitude") == "37.100000") answer.delay_ms = 500;
    return answer;
  });
  auto lookup = Lookup(server, map::AddressServiceKind::Rgc);
  QSignalSpy answered(lookup.get(), &AddressLookup::answered);
  lookup->LookUp(37.1, 127.0, false);
  lookup->LookUp(37.2, 127.0, false);
  ASSERT_TRUE(answered.wait(5000));
  QTest::qWait(800);  // the first point's answer arrives, late
  EXPECT_EQ(lookup->pendingRequests(), 0);
  ASSERT_EQ(answered.count(), 1);
  EXPECT_EQ(answered.at(0).at(0).value<map::AddressReply>().parts.town, "Town 37.200000");
}

TEST_F(AddressLookupTest, AnswersAreCachedInMemoryAndOnDiskByTheRoundedPoint) {
  AddressServer server(AddressServer::RgcAnswer);
  {
    auto lookup = Lookup(server, map::AddressServiceKind::Rgc);
    QSignalSpy answered(lookup.get(), &AddressLookup::answered);
    lookup->LookUp(37.50001, 127.0, true);
    ASSERT_TRUE(answered.wait(5000));
    lookup->LookUp(37.50002, 127.0, true);  // the same 11 m
    EXPECT_EQ(answered.count(), 2);
  }
  auto again = Lookup(server, map::AddressServiceKind::Rgc);
  QSignalSpy answered(again.get(), &AddressLookup::answered);
  again->LookUp(37.5, 127.0, false);
  EXPECT_EQ(answered.count(), 1);
  EXPECT_EQ(server.requests().size(), 1U);
}

TEST_F(AddressLookupTest, NominatimIsAskedOnceASecondButForThePointsThatMustBe) {
  AddressServer server(AddressServer::NominatimAnswer);
  auto lookup = Lookup(server, map::AddressServiceKind::Nominatim);
  EXPECT_TRUE(lookup->LookUp(37.1, 127.0, false));
  EXPECT_FALSE(lookup->LookUp(37.2, 127.0, false));
  EXPECT_TRUE(lookup->LookUp(37.3, 127.0, true));
  QTest::qWait(300);
  EXPECT_EQ(server.requests().size(), 2U);
  // The rgc service is asked at every point.
  auto rgc = Lookup(server, map::AddressServiceKind::Rgc);
  EXPECT_TRUE(rgc->LookUp(37.4, 127.0, false));
  EXPECT_TRUE(rgc->LookUp(37.6, 127.0, false));
}

TEST_F(AddressLookupTest, RepliesThatAreNoAddressChangeNothing) {
  const std::vector<AddressServer::Answer> bad{
      {500, "<result><location/></result>", 0, false},
      {200, "not xml at all", 0, false},
      {200, "<!DOCTYPE r [<!ENTITY x \"KR\">]><r><location/><country>&x;</country><town>t</town></r>", 0,
       false},
      {200, "<r><location/><town>" + QByteArray(2 * 1024 * 1024, 'x') + "</town></r>", 0, false},
      {200, "<r><nothing/></r>", 0, false},
  };
  std::size_t next = 0;
  AddressServer server([&](const QByteArray&) { return bad.at(next++); });
  auto lookup = Lookup(server, map::AddressServiceKind::Rgc);
  QSignalSpy answered(lookup.get(), &AddressLookup::answered);
  QSignalSpy failed(lookup.get(), &AddressLookup::failed);
  for (std::size_t i = 0; i < bad.size(); ++i) {
    lookup->LookUp(30.0 + static_cast<double>(i), 127.0, true);
    ASSERT_TRUE(failed.wait(5000)) << i;
  }
  EXPECT_EQ(answered.count(), 0);
  EXPECT_EQ(failed.count(), static_cast<int>(bad.size()));
}

TEST_F(AddressLookupTest, AServiceThatNeverAnswersIsGivenUpAndNothingHangs) {
  AddressServer server([](const QByteArray&) { return AddressServer::Answer{200, {}, 0, true}; });
  auto lookup = Lookup(server, map::AddressServiceKind::Rgc);
  lookup->SetTimeout(300);
  QSignalSpy failed(lookup.get(), &AddressLookup::failed);
  lookup->LookUp(37.5, 127.0, true);
  ASSERT_TRUE(failed.wait(5000));
  EXPECT_EQ(lookup->pendingRequests(), 0);
}

TEST_F(AddressLookupTest, NoServiceMeansNoLookup) {
  AddressLookup lookup({map::AddressServiceKind::Nominatim, ""}, kEnglish, {});
  EXPECT_FALSE(lookup.LookUp(37.5, 127.0, true));
}

// The route window shows the start point's address once its answer is in, and the
// trip's end point asks for nothing.
TEST(RouterAddress, TheStartPointsAddressReachesTheLines) {
  AddressServer server(AddressServer::RgcAnswer);
  QTemporaryDir root;
  test::ScopedEnvironment cache("XDG_CACHE_HOME", (root.path() + "/cache").toUtf8());
  test::ScopedEnvironment drives("DIREVOVU_DRIVES", "C=/:fixed");
  WorkingFolders folders(root.path().toStdString() + "/DirevOvu");
  ASSERT_TRUE(CreateWorkingFolders(folders));
  std::ofstream(folders.settings_file(), std::ios::binary)
      << "[VIEWER_SETUP]\r\nADDRESS_SERVICE_KIND=rgc\r\nADDRESS_SERVICE_URL="
      << server.baseUrl().toStdString() << "\r\n";
  test::LogBytes log;
  log.Add(test::Utc(2026, 12, 8, 9, 0, 0), "3730.0000", "12700.0000", 300)
      .Add(test::Utc(2026, 12, 8, 9, 0, 10), "3730.0450", "12700.0000", 300);
  const std::string file = root.path().toStdString() + "/drive.dat";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(log.bytes().data()),
             static_cast<std::streamsize>(log.bytes().size()));

  test::RecordingPrompts prompts;
  gui::CardSession card(folders, prompts);
  gui::CRouter window(folders, card, prompts);
  window.SetPageCaller([](const map::PageCall&) { return true; });
  prompts.setFileAnswer([&](const QString&) { return QStringList{QString::fromStdString(file)}; });
  window.OpenDrivingLog();
  window.DrawSelectedTrip();
  QSignalSpy answered(window.addressLookup(), &AddressLookup::answered);
  ASSERT_TRUE(answered.wait(5000));
  EXPECT_EQ(window.labelText(map::route_ctl::kAddress1), QStringLiteral("KR Seoul"));
  EXPECT_EQ(window.labelText(map::route_ctl::kAddress2), QStringLiteral("Gangnam-gu Town 37.500000"));
  EXPECT_EQ(server.requests().size(), 1U);  // the end point asked for nothing
}

}  // namespace
}  // namespace direvovu::platform
