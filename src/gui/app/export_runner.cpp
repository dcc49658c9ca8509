#include "gui/app/export_runner.h"

#include "gui/export/incident_report.h"

namespace direvovu::gui {

ExportBackend ProductionExportBackend(const WorkingFolders& folders) {
  ExportBackend backend;
  backend.run = &media::ExportIncident;
  backend.write_report = MakeIncidentReportWriter(ReportOptionsOf(folders));
  return backend;
}

}  // namespace direvovu::gui
