// The incident report as its receiver meets it: one A4 page that PDF tools read, with the
// span, the places (addresses from a local service, or coordinates), the originals and
// their digests, in the report's language; and the rules of its axes and scale bar.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <future>

#include "address_server.h"
#include "core/settings/texts.h"
#include "gui/export/incident_report.h"
#include "gui/export/incident_report_sheet.h"
#include "incident_report_fixture.h"

namespace direvovu::gui {
namespace {

namespace fs = std::filesystem;
using test::AddressServer;
using test::LisbonIncident;
using test::PdfInfo;
using test::PdfText;

class IncidentReportTest : public ::testing::Test {
 protected:
  [[nodiscard]] fs::path Pdf() const { return Folder() / "incident.pdf"; }
  [[nodiscard]] fs::path Folder() const { return fs::path(folder_.path().toStdString()); }

  // As the export calls it: on a worker thread, while this thread serves the address service.
  std::optional<std::string> WriteOnWorker(const exporting::IncidentFacts& facts,
                                           const ReportOptions& options) {
    auto written = std::async(std::launch::async, [&] { return WriteIncidentReport(facts, Pdf(), options); });
    while (written.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return written.get();
  }
  ReportOptions ServiceOptions(const AddressServer& server) const {
    return {{map::AddressServiceKind::Nominatim, server.baseUrl().toStdString()},
            cache_.path().toStdString()};
  }

  QTemporaryDir folder_;
  QTemporaryDir cache_;
};

void ExpectAllIn(const QString& text, const std::vector<std::string>& expected) {
  for (const std::string& piece : expected)
    EXPECT_TRUE(text.contains(QString::fromStdString(piece))) << piece << " is not in:\n"
                                                              << text.toStdString();
}

TEST_F(IncidentReportTest, AReceiverReadsOneA4PageWithTheSpanItsPlacesAndTheOriginals) {
  ASSERT_EQ(WriteIncidentReport(LisbonIncident(), Pdf(), {}), std::nullopt);
  const QString info = PdfInfo(Pdf());
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
  ExpectAllIn(PdfText(Pdf()), {test::kLisbonRecording, "20260714_090507_INR.mp4", test::kFrontDigest,
                               test::kRearDigest, "2026-07-14 09:05:07 +01:00", "2026-07-14 09:05:27 +01:00",
                               "20 s", "38.70750, -9.13650", "38.71390, -9.13951", "Peak G"});
  // Pictures, graphs and route: a page of many colours, not text alone.
  EXPECT_GT(test::PageColours(Pdf(), 50), 1000);
  // The temporary file became the report: nothing else is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
  fs::create_directories(fs::path(DIREVOVU_BINARY_DIR) / "screenshots");
  EXPECT_TRUE(
      test::RenderPage(Pdf(), fs::path(DIREVOVU_BINARY_DIR) / "screenshots" / "incident_report", 110));
}

TEST_F(IncidentReportTest, TheServicesAddressesComeOnTheExportsWorkerThread) {
  AddressServer server(AddressServer::NominatimAnswer);
  ASSERT_TRUE(server.listening());
  ASSERT_EQ(WriteOnWorker(LisbonIncident(), ServiceOptions(server)), std::nullopt);
  ExpectAllIn(PdfText(Pdf()), {"대한민국 서울특별시", "Gangnam-gu Town 38.707500",
                               "Gangnam-gu Town 38.713900", "38.70750, -9.13650"});
  ASSERT_EQ(server.requests().size(), 2U);
  EXPECT_EQ(server.requests()[0].accept_language, "en");
  // A second report of the same places takes their answers from the cache.
  ASSERT_EQ(WriteOnWorker(LisbonIncident(), ServiceOptions(server)), std::nullopt);
  EXPECT_EQ(server.requests().size(), 2U);
  EXPECT_TRUE(PdfText(Pdf()).contains(QStringLiteral("Gangnam-gu Town 38.713900")));
}

TEST_F(IncidentReportTest, AServiceThatNeverAnswersLeavesTheCoordinatesOnceTheWaitIsOver) {
  AddressServer server([](const QByteArray&) { return AddressServer::Answer{200, {}, 0, true}; });
  ReportOptions options = ServiceOptions(server);
  options.address_wait_ms = 1500;
  QElapsedTimer clock;
  clock.start();
  ASSERT_EQ(WriteOnWorker(LisbonIncident(), options), std::nullopt);
  // Well below the lookup's own time-out of 10 s a request.
  EXPECT_LT(clock.elapsed(), 8000);
  const QString text = PdfText(Pdf());
  ExpectAllIn(text, {"38.70750, -9.13650", "38.71390, -9.13951"});
  EXPECT_FALSE(text.contains(QStringLiteral("Gangnam-gu")));
}

// Each language's texts, and the speed unit's numbers: 48 km/h tops the axis at 60 km/h or
// at 30 mph, and the scale bar measures in metres or in feet.
TEST_F(IncidentReportTest, TheTextsComeInTheReportsLanguageAndUnits) {
  struct Case {
    int language;
    SpeedUnit unit;
    std::vector<std::string> expected;
    const char* speed_axis_top;
    const char* scale_bar;  // a pattern of the bar's whole line
  };
  const Case cases[] = {
      {kEnglish,
       SpeedUnit::Mph,
       {"Incident report", "Speed (mph)", "20 s", "Original recordings", "30.0 MB"},
       "30",
       "\\d+ (ft|mi)"},
      {kKorean,
       SpeedUnit::Kmh,
       {"사고 보고서", "속도 (km/h)", "20초", "원본 녹화 파일", "시작 위치", "30.0 MB", "최대 G"},
       "60",
       "\\d+ (m|km)"},
      {kRussian,
       SpeedUnit::Kmh,
       {"Отчёт о происшествии", "Скорость (km/h)", "20 с", "Исходные записи", "30,0 МБ", "Пик перегрузки"},
       "60",
       "\\d+ (m|km)"},
  };
  const auto whole_line = [](const QString& pattern) {
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"),
                              QRegularExpression::MultilineOption);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    ASSERT_EQ(WriteIncidentReport(LisbonIncident(c.language, c.unit), Pdf(), {}), std::nullopt);
    const QString text = PdfText(Pdf());
    ExpectAllIn(text, c.expected);
    // Digits too: the CJK fonts' digits once came out of the PDF as nothing.
    ExpectAllIn(text, {test::kLisbonRecording, "2026-07-14 09:05:19 +01:00", "DirevOvu " DIREVOVU_VERSION});
    if (c.language != kEnglish) {
      EXPECT_FALSE(text.contains(QStringLiteral("Incident report")));
    }
    EXPECT_TRUE(text.contains(whole_line(QString::fromUtf8(c.speed_axis_top)))) << text.toStdString();
    EXPECT_TRUE(text.contains(whole_line(QString::fromUtf8(c.scale_bar)))) << text.toStdString();
  }
}

// Facts with little in them still make the page: nothing divides by an empty span.
TEST_F(IncidentReportTest, SparseFactsStillMakeOnePage) {
  const std::pair<const char*, std::function<void(exporting::IncidentFacts&)>> cases[] = {
      {"no fix at all", [](auto& f) { f.route.clear(), f.start_place.reset(), f.end_place.reset(); }},
      {"one fix", [](auto& f) { f.route.resize(1), f.end_place = f.start_place; }},
      {"no records",
       [](auto& f) { f.speed_kmh.assign(21, std::nullopt), f.g_magnitude.assign(21, std::nullopt); }},
      {"one record", [](auto& f) { f.speed_kmh.resize(1), f.g_magnitude.resize(1), f.seconds = 0.4; }},
      {"no pictures", [](auto& f) { f.moments.clear(); }},
      {"a picture shorter than it says", [](auto& f) { f.moments[0].front.rgb.resize(10); }},
  };
  for (const auto& [what, change] : cases) {
    SCOPED_TRACE(what);
    exporting::IncidentFacts facts = LisbonIncident();
    change(facts);
    ASSERT_EQ(WriteIncidentReport(facts, Pdf(), {}), std::nullopt);
    EXPECT_TRUE(PdfInfo(Pdf()).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    EXPECT_TRUE(PdfText(Pdf()).contains(QString::fromStdString(test::kFrontDigest)));
  }
}

TEST_F(IncidentReportTest, AFolderThatCannotBeWrittenGivesAReasonAndNoFile) {
  const fs::path missing = Folder() / "missing" / "incident.pdf";
  const auto reason = WriteIncidentReport(LisbonIncident(), missing, {});
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find("cannot write the report"), std::string::npos) << *reason;
  EXPECT_FALSE(fs::exists(missing.parent_path()));
}

TEST(IncidentReportRules, ScaleBarsAreRoundLengthsInTheSpeedUnitsMeasures) {
  struct Case {
    double most_metres;
    SpeedUnit unit;
    report::ScaleBar expected;
  };
  const Case cases[] = {
      {450, SpeedUnit::Kmh, {200, "200 m"}},      {1234, SpeedUnit::Kmh, {1000, "1 km"}},
      {7000, SpeedUnit::Kmh, {5000, "5 km"}},     {0.5, SpeedUnit::Kmh, {1, "1 m"}},
      {450, SpeedUnit::Mph, {304.8, "1000 ft"}},  {1600, SpeedUnit::Mph, {1524, "5000 ft"}},
      {1700, SpeedUnit::Mph, {1609.344, "1 mi"}}, {40000, SpeedUnit::Mph, {32186.88, "20 mi"}},
  };
  for (const Case& c : cases) {
    const report::ScaleBar bar = report::ScaleBarFor(c.most_metres, c.unit);
    EXPECT_NEAR(bar.metres, c.expected.metres, 1e-6) << c.most_metres;
    EXPECT_EQ(bar.text, c.expected.text) << c.most_metres;
  }
}

TEST(IncidentReportRules, GraphAxesEndOnARoundValueAboveTheHighest) {
  struct Case {
    double highest;
    double least_top;
    report::ValueAxis expected;
  };
  const Case cases[] = {
      {54, 20, {60, 20}}, {132, 20, {150, 50}}, {0, 20, {20, 5}},    {80, 20, {80, 20}},
      {2.4, 1, {3, 1}},   {1.3, 1, {1.5, 0.5}}, {0.9, 1, {1, 0.25}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(report::ValueAxisFor(c.highest, c.least_top), c.expected) << c.highest;
}

}  // namespace
}  // namespace direvovu::gui
