#pragma once

#include "gui/export/incident_report.h"
#include "gui/export/incident_report_sheet.h"

namespace direvovu::gui::report {

// The addresses of the span's first and last fix from the options' service, one after
// the other in a local event loop of this thread, within the options' wait. A place the
// service does not name (no service, no answer in time, no town) stays without one.
ReportAddresses LookUpAddresses(const exporting::IncidentFacts& facts, const ReportOptions& options);

}  // namespace direvovu::gui::report
