#pragma once

#include <atomic>
#include <functional>

#include "core/settings/viewer_settings.h"
#include "media/incident_export.h"

namespace direvovu::gui {

using ExportProgress = std::function<void(const media::IncidentProgress&)>;
// Runs one export on the calling thread, as media::ExportIncident does; the viewer is
// handed one, so tests put their own in its place.
using ExportRunner =
    std::function<media::IncidentOutcome(const media::IncidentRequest&, const media::ReportWriter&,
                                         const ExportProgress&, const std::atomic<bool>&)>;

// What an export is made with: the pipeline and the page of the incident sheet.
struct ExportBackend {
  ExportRunner run;
  media::ReportWriter write_report;
};

// The export the viewer runs: the media pipeline and the incident sheet, whose addresses
// come from the service of the viewer's settings.
ExportBackend ProductionExportBackend(const WorkingFolders& folders);

}  // namespace direvovu::gui
