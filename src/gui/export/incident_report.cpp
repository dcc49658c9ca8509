#include "gui/export/incident_report.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/settings/texts.h"
#include "gui/export/incident_report_addresses.h"
#include "gui/export/incident_report_sheet.h"
#include "platform/address_lookup.h"

namespace direvovu::gui {
namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMmPerInch = 25.4;

QString PathText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

std::string Why(const char* what, const QString& detail) {
  return std::string(what) + ": " + detail.toStdString();
}

void DescribeDocument(QPdfWriter& writer, const exporting::IncidentFacts& facts) {
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  writer.setResolution(kDotsPerInch);
  writer.setCreator(QStringLiteral("DirevOvu " DIREVOVU_VERSION));
  writer.setTitle(
      QString::fromUtf8(Text(TextTable::ProgramTexts, rows::program_texts::kReportTitle, facts.language)) +
      QStringLiteral(" — ") + QString::fromStdString(facts.recording));
}

// Paints the page into the file; the file is still the temporary one.
std::optional<std::string> PaintInto(QSaveFile& file, const exporting::IncidentFacts& facts,
                                     const report::ReportAddresses& addresses) {
  QPdfWriter writer(&file);
  DescribeDocument(writer, facts);
  QPainter painter;
  if (!painter.begin(&writer)) return "the PDF writer did not start";
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const report::Sheet sheet(painter, kDotsPerInch / kMmPerInch, facts.language);
  report::DrawIncidentPage(sheet, facts, addresses);
  if (!painter.end()) return "the PDF writer did not finish the page";
  return std::nullopt;
}

}  // namespace

ReportOptions ReportOptionsOf(const WorkingFolders& folders) {
  return {map::ReadAddressService(folders), platform::AddressLookup::DefaultCacheRoot()};
}

std::optional<std::string> WriteIncidentReport(const exporting::IncidentFacts& facts,
                                               const std::filesystem::path& pdf,
                                               const ReportOptions& options) {
  if (!ReportGuiScope::Ready()) return "no QGuiApplication: the report's fonts need one";
  const report::ReportAddresses addresses = report::LookUpAddresses(facts, options);
  QSaveFile file(PathText(pdf));
  if (!file.open(QIODevice::WriteOnly)) return Why("cannot write the report", file.errorString());
  if (auto failure = PaintInto(file, facts, addresses)) return failure;
  if (!file.commit()) return Why("cannot write the report", file.errorString());
  return std::nullopt;
}

IncidentReportWriter MakeIncidentReportWriter(ReportOptions options) {
  return [options = std::move(options)](const exporting::IncidentFacts& facts,
                                        const std::filesystem::path& pdf) {
    return WriteIncidentReport(facts, pdf, options);
  };
}

ReportGuiScope::ReportGuiScope() {
  if (QCoreApplication::instance() != nullptr) return;
  static char name[] = "direvovu";
  static char platform_option[] = "-platform";
  static char platform[] = "offscreen";
  argv_[0] = name;
  argv_[1] = platform_option;
  argv_[2] = platform;
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

ReportGuiScope::~ReportGuiScope() = default;

bool ReportGuiScope::Ready() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace direvovu::gui
