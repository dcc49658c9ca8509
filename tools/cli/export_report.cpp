#include "export_report.h"

namespace direvovu::cli {

media::ReportWriter ReportWriterForCli() { return {}; }

}  // namespace direvovu::cli
