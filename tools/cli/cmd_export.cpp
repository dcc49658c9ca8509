// direvovu-cli export: the incident folder of a moment, as the viewer's export dialog
// writes it.
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "command.h"
#include "core/export/export_layout.h"
#include "core/settings/texts.h"
#include "export_report.h"
#include "media/evidence_export.h"
#include "media/incident_export.h"
#include "options.h"
#include "platform/working_root.h"

namespace direvovu::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kExportHelp =
    "Usage: direvovu-cli export FRONT.mp4 --from SECONDS --to SECONDS\n"
    "         [--layout side-by-side|front|rear|picture-in-picture] [--no-overlay]\n"
    "         [--password P] [--out DIR] [--language 0..6] [--speed-unit kmh|mph]\n\n"
    "Writes the incident folder of a span of a recording pair (the rear found beside the\n"
    "front): incident.mp4 with the time, speed and place, the untouched originals, the\n"
    "track as GPX and CSV, a one-page report (its addresses from the viewer's address\n"
    "service, ADDRESS_SERVICE_URL of Env_Setup.txt, blank for none) and SHA256SUMS.\n"
    "The folder is Incident_YYYYMMDD_HHMMSS under DIR (by default EXPORT under the\n"
    "working root); its path is the last line of standard output. Progress goes to\n"
    "standard error when it is a terminal.\n"
    "Exit codes: 0 done, 1 usage, 2 refused or failed (nothing left behind), 3 wrong password.\n";

struct ExportArgs {
  media::IncidentRequest request;
  bool has_front = false;
  bool has_from = false;
  bool has_to = false;
};

std::optional<double> Seconds(std::string_view text) {
  double value = 0;
  const auto end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<ExportArgs> Refuse(const std::string& reason) {
  UsageError("export: " + reason);
  return std::nullopt;
}

// One option with its value; false after a usage error has been printed.
bool TakeOption(Args args, std::size_t& i, ExportArgs& parsed) {
  const std::string_view a = args[i];
  const auto name = a.substr(0, a.find('='));
  const auto value = OptionValue(args, i, name);
  if (!value) return Refuse(std::string(name) + " needs a value").has_value();
  media::IncidentRequest& r = parsed.request;
  if (name == "--from" || name == "--to") {
    const auto seconds = Seconds(*value);
    if (!seconds)
      return Refuse(std::string(name) + " takes seconds, not '" + std::string(*value) + "'").has_value();
    (name == "--from" ? r.span.from : r.span.to) = *seconds;
    (name == "--from" ? parsed.has_from : parsed.has_to) = true;
  } else if (name == "--layout") {
    const auto layout = exporting::ParseExportLayout(*value);
    if (!layout) return Refuse("no layout '" + std::string(*value) + "'").has_value();
    r.layout = *layout;
  } else if (name == "--password") {
    r.password = std::string(*value);
  } else if (name == "--out") {
    r.parent = fs::path(std::string(*value));
  } else if (name == "--language") {
    const auto language = ParseLanguage(*value);
    if (!language) return Refuse("--language takes 0 to 6").has_value();
    r.language = *language;
  } else if (name == "--speed-unit") {
    if (*value != "kmh" && *value != "mph") return Refuse("--speed-unit takes kmh or mph").has_value();
    r.speed_unit = *value == "kmh" ? SpeedUnit::Kmh : SpeedUnit::Mph;
  } else {
    return Refuse("unexpected argument '" + std::string(a) + "'").has_value();
  }
  return true;
}

// nullopt after a usage error has been printed; `help` set when help was asked.
std::optional<ExportArgs> Parse(Args args, bool& help) {
  ExportArgs parsed;
  parsed.request.language = kEnglish;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--help" || a == "-h") {
      help = true;
      return parsed;
    }
    if (a == "--no-overlay") {
      parsed.request.overlay = false;
    } else if (a.starts_with("--")) {
      if (!TakeOption(args, i, parsed)) return std::nullopt;
    } else if (!parsed.has_front) {
      parsed.request.front = fs::path(std::string(a));
      parsed.has_front = true;
    } else {
      return Refuse("unexpected argument '" + std::string(a) + "'");
    }
  }
  if (!parsed.has_front) return Refuse("missing FRONT.mp4 (try --help)");
  if (!parsed.has_from || !parsed.has_to) return Refuse("--from and --to are both needed");
  return parsed;
}

int ExitOf(media::IncidentEnd end) {
  switch (end) {
    case media::IncidentEnd::Done:
      return kExitOk;
    case media::IncidentEnd::WrongPassword:
      return kExitWrongPassword;
    case media::IncidentEnd::BadInput:
    case media::IncidentEnd::Failed:
    case media::IncidentEnd::Cancelled:
      break;
  }
  return kExitRefused;
}

}  // namespace

int RunExport(Args args) {
  bool help = false;
  auto parsed = Parse(args, help);
  if (help) {
    std::cout << kExportHelp;
    return kExitOk;
  }
  if (!parsed) return kExitUsage;
  media::IncidentRequest& request = parsed->request;
  if (request.parent.empty()) request.parent = platform::WorkingRoot() / "EXPORT";
  std::error_code ignored;
  fs::create_directories(request.parent, ignored);
  media::QuietMediaLibraryLogs();
  const bool terminal = isatty(STDERR_FILENO) != 0;
  const auto progress = [terminal](const media::IncidentProgress& p) {
    if (terminal) std::fprintf(stderr, "\rexport: %3d %%", static_cast<int>(p.fraction * 100));
  };
  const std::atomic<bool> never{false};
  const media::IncidentOutcome outcome =
      media::ExportIncident(request, ReportWriterForCli(), progress, never);
  if (terminal) std::fputc('\n', stderr);
  if (outcome.end != media::IncidentEnd::Done) {
    std::cerr << "direvovu-cli: export: " << outcome.message << '\n';
    return ExitOf(outcome.end);
  }
  if (!outcome.message.empty()) std::cerr << "direvovu-cli: export: " << outcome.message << '\n';
  std::cout << outcome.folder.string() << '\n';
  return kExitOk;
}

}  // namespace direvovu::cli
