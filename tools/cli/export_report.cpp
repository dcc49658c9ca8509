#include "export_report.h"

#include <memory>

#include "core/settings/viewer_settings.h"
#include "gui/export/incident_report.h"
#include "platform/working_root.h"

namespace direvovu::cli {

media::ReportWriter ReportWriterForCli() {
  // The page's text needs a QGuiApplication: the command line has no window, so it holds
  // one on the offscreen platform for as long as the writer lives. The addresses come
  // from the viewer's service, as `direvovu-cli address` asks it.
  auto gui = std::make_shared<gui::ReportGuiScope>();
  auto write = gui::MakeIncidentReportWriter(gui::ReportOptionsOf(WorkingFolders(platform::WorkingRoot())));
  return [gui, write = std::move(write)](const exporting::IncidentFacts& facts, const std::filesystem::path& pdf) {
    return write(facts, pdf);
  };
}

}  // namespace direvovu::cli
