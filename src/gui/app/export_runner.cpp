// The one place that says what the viewer exports with. The pipeline of src/media and the
// incident sheet are not linked into the viewer yet: until they are, an export ends at
// once and says so, and nothing is written. Linking them is a line each here.
#include "gui/app/export_runner.h"

#include <optional>
#include <string>

namespace direvovu::gui {
namespace {

constexpr char kNoExport[] = "this build of the viewer cannot export recordings";

media::IncidentOutcome NoExport(const media::IncidentRequest& /*request*/,
                                const media::ReportWriter& /*report*/, const ExportProgress& /*progress*/,
                                const std::atomic<bool>& /*cancel*/) {
  media::IncidentOutcome outcome;
  outcome.end = media::IncidentEnd::Failed;
  outcome.message = kNoExport;
  return outcome;
}

std::optional<std::string> NoReport(const exporting::IncidentFacts& /*facts*/,
                                    const std::filesystem::path& /*path*/) {
  return std::string(kNoExport);
}

}  // namespace

ExportBackend ProductionExportBackend() {
  ExportBackend backend;
  backend.run = NoExport;           // media::ExportIncident
  backend.write_report = NoReport;  // the incident sheet's QPdfWriter page
  return backend;
}

}  // namespace direvovu::gui
