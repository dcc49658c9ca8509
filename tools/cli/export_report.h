#pragma once

#include "media/incident_export.h"

namespace direvovu::cli {

// The one-page report's writer for the command line.
media::ReportWriter ReportWriterForCli();

}  // namespace direvovu::cli
