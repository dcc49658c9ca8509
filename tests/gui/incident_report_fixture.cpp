#include "incident_report_fixture.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <set>

#include "core/settings/texts.h"

namespace direvovu::test {
namespace {

// A picture of a few colour bands and a diagonal, different for each seed.
exporting::RgbPicture SyntheticPicture(int seed) {
  exporting::RgbPicture picture{320, 180, {}};
  picture.rgb.reserve(static_cast<std::size_t>(picture.width * picture.height * 3));
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool line = std::abs(x - y * 2 + seed * 20) < 4;
      picture.rgb.push_back(
          static_cast<std::uint8_t>(line ? 255 : (x * 255 / picture.width + seed * 40) % 256));
      picture.rgb.push_back(static_cast<std::uint8_t>(line ? 255 : (y * 255 / picture.height) % 256));
      picture.rgb.push_back(static_cast<std::uint8_t>(line ? 0 : (seed * 70 + 60) % 256));
    }
  }
  return picture;
}

std::vector<exporting::ReportPlace> LisbonRoute() {
  // Praça do Comércio north up Rua Augusta to Rossio, one fix a second.
  std::vector<exporting::ReportPlace> route;
  for (int second = 0; second <= 20; ++second) {
    const double along = second / 20.0;
    route.push_back({38.70750 + along * 0.00640, -9.13650 - along * 0.00290 + 0.0004 * std::sin(along * 6)});
  }
  return route;
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

exporting::IncidentFacts LisbonIncident(int language, SpeedUnit unit) {
  exporting::IncidentFacts facts;
  facts.language = language;
  facts.speed_unit = unit;
  facts.recording = kLisbonRecording;
  facts.from_text = "2026-07-14 09:05:07 +01:00";
  facts.to_text = "2026-07-14 09:05:27 +01:00";
  facts.seconds = 20;
  facts.route = LisbonRoute();
  facts.start_place = facts.route.front();
  facts.end_place = facts.route.back();
  namespace row = rows::program_texts;
  const std::pair<int, const char*> moments[] = {{row::kReportMomentStart, "2026-07-14 09:05:07 +01:00"},
                                                 {row::kReportMomentPeakG, "2026-07-14 09:05:19 +01:00"},
                                                 {row::kReportMomentEnd, "2026-07-14 09:05:27 +01:00"}};
  for (int i = 0; i < 3; ++i) {
    // The last moment has no rear picture, as when the rear recording ends early.
    facts.moments.push_back({std::string(Text(TextTable::ProgramTexts, moments[i].first, language)),
                             moments[i].second, SyntheticPicture(i),
                             i < 2 ? SyntheticPicture(i + 3) : exporting::RgbPicture{}});
  }
  for (int second = 0; second <= 20; ++second) {
    const bool gap = second >= 6 && second <= 8;
    facts.speed_kmh.push_back(gap ? std::nullopt : std::optional<double>(48 - std::abs(second - 10) * 1.5));
    facts.g_magnitude.push_back(gap ? std::nullopt
                                    : std::optional<double>(second == 12 ? 2.4 : 1.0 + 0.05 * (second % 3)));
  }
  facts.originals = {{kLisbonRecording, kFrontDigest, 31457280},
                     {"20260714_090507_INR.mp4", kRearDigest, 15728640}};
  return facts;
}

QString PdfInfo(const std::filesystem::path& pdf) { return Run(QStringLiteral("pdfinfo"), {PathText(pdf)}); }

QString PdfText(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdftotext"),
             {QStringLiteral("-enc"), QStringLiteral("UTF-8"), PathText(pdf), QStringLiteral("-")});
}

bool RenderPage(const std::filesystem::path& pdf, const std::filesystem::path& png_stem, int dots_per_inch) {
  QProcess process;
  process.start(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(dots_per_inch), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), PathText(pdf), PathText(png_stem)});
  return process.waitForFinished(30000) && process.exitCode() == 0;
}

int PageColours(const std::filesystem::path& pdf, int dots_per_inch) {
  QTemporaryDir folder;
  const std::filesystem::path stem = std::filesystem::path(folder.path().toStdString()) / "page";
  if (!RenderPage(pdf, stem, dots_per_inch)) return 0;
  const QImage page(PathText(stem) + QStringLiteral(".png"));
  std::set<QRgb> colours;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) colours.insert(page.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

}  // namespace direvovu::test
