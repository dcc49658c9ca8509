#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/export/incident_facts.h"
#include "core/map/address_reply.h"
#include "core/settings/viewer_settings.h"

class QGuiApplication;

namespace direvovu::gui {

// Where the report asks for the addresses of the span's first and last fix.
struct ReportOptions {
  map::AddressService address_service;       // no address: the coordinates only
  std::filesystem::path address_cache_root;  // empty: answers kept in memory only
  int address_wait_ms = 5000;                // for both addresses together
};

// The address service of the viewer's settings and the user's cache of its answers, as
// the route window uses them.
ReportOptions ReportOptionsOf(const WorkingFolders& folders);

// Writes the one-page A4 incident report of `facts` as a PDF at `pdf`, through a temporary
// file that replaces `pdf` only once it is complete. Nullopt when written, else why not
// (English). May run on any thread while a QGuiApplication exists (the fonts need one);
// the address lookups run in a local event loop of the calling thread.
std::optional<std::string> WriteIncidentReport(const exporting::IncidentFacts& facts,
                                               const std::filesystem::path& pdf,
                                               const ReportOptions& options);

// The export's report writer (media::ReportWriter) over WriteIncidentReport.
using IncidentReportWriter =
    std::function<std::optional<std::string>(const exporting::IncidentFacts&, const std::filesystem::path&)>;
IncidentReportWriter MakeIncidentReportWriter(ReportOptions options);

// What a program without windows (the command line) holds while it writes reports: a
// QGuiApplication on the offscreen platform, made on the thread that creates the scope,
// unless the process already has an application. Without a display nothing else is needed.
class ReportGuiScope {
 public:
  ReportGuiScope();
  ~ReportGuiScope();
  ReportGuiScope(const ReportGuiScope&) = delete;
  ReportGuiScope& operator=(const ReportGuiScope&) = delete;

  // False when the process already had a QCoreApplication that draws no text.
  [[nodiscard]] static bool Ready();

 private:
  // QGuiApplication keeps references to these for its whole life.
  int argc_ = 3;
  char* argv_[4] = {};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace direvovu::gui
