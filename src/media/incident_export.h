#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/export/export_layout.h"
#include "core/export/export_span.h"
#include "core/export/incident_facts.h"
#include "core/settings/speed_unit.h"

namespace direvovu::media {

// What to export: one moment of a recording pair, as the viewer or the command line asks.
struct IncidentRequest {
  std::filesystem::path front;          // the front recording as the user chose it
  std::optional<std::string> password;  // for a scrambled pair
  exporting::ExportSpan span;
  exporting::ExportLayout layout = exporting::kDefaultExportLayout;
  bool overlay = true;
  std::filesystem::path parent;  // the folder that receives Incident_…
  int language = 1;
  SpeedUnit speed_unit = SpeedUnit::Kmh;
};

struct IncidentProgress {
  double fraction = 0;       // 0..1 of the whole export
  double seconds_left = -1;  // < 0 while unknown
};

enum class IncidentEnd { Done, BadInput, WrongPassword, Failed, Cancelled };

struct IncidentOutcome {
  IncidentEnd end = IncidentEnd::Failed;
  std::filesystem::path folder;  // the finished folder, when Done
  std::string message;           // why it did not finish; what fell back when Done
  bool fell_back_to_front = false;
};

// Writes the one-page report of `facts` as a PDF at `path`; nullopt when written, else why
// not. The viewer and the command line hand Qt's PDF writer; this layer knows no Qt.
using ReportWriter = std::function<std::optional<std::string>(const exporting::IncidentFacts& facts,
                                                              const std::filesystem::path& path)>;

// Reads the pair, checks the span, and writes the whole incident folder (clip, originals,
// track files, report, checksums) under a temporary name that becomes Incident_… only when
// everything is written. Runs on the caller's thread; `progress` is called on it.
IncidentOutcome ExportIncident(const IncidentRequest& request, const ReportWriter& write_report,
                               const std::function<void(const IncidentProgress&)>& progress,
                               const std::atomic<bool>& cancel);

}  // namespace direvovu::media
