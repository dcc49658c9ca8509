// direvovu-cli card: the card walk, the verified download and the card check of the
// SD download window.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "command.h"
#include "core/sdcard/card_download.h"
#include "core/sdcard/card_health.h"
#include "core/sdcard/card_walk.h"
#include "core/sdcard/download_ledger.h"
#include "core/settings/texts.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli card list LOCATION [--kind 0..4]\n"
    "       direvovu-cli card download LOCATION --to FOLDER [--kind 0..4] [--json]\n"
    "       direvovu-cli card verify FOLDER\n"
    "       direvovu-cli card check LOCATION [--kind 0..4] [--json]\n"
    "\n"
    "LOCATION is the card (its root folder) or a folder of recordings; kinds: 0 all,\n"
    "1 driving, 2 event, 3 parking, 4 parking event.\n"
    "list prints one row a line, tab-separated: number, date, time, type, path.\n"
    "download copies every listed recording with its rear file, then the card's event\n"
    "texts, below FOLDER as they lie on the card. Each copy is read back from the disk\n"
    "and compared before it takes its name, and entered in FOLDER/SHA256SUMS (as\n"
    "'sha256sum -c' reads it) and FOLDER/.direvovu-ledger; files already downloaded\n"
    "are not read again, so a stopped download resumes. Files of other origin are left\n"
    "alone. Progress goes to standard error; the last line of standard output is\n"
    "'copied N, already downloaded N, failed N' (with --json one object: copied,\n"
    "already_downloaded, failed, skipped, bytes, seconds, end). Exit 0 only when\n"
    "nothing failed.\n"
    "verify re-reads every file of FOLDER/SHA256SUMS: exit 0 when all match, 4 when\n"
    "any differs or is missing (each named on standard error).\n"
    "check lists the recordings that are unreadable, empty, not a recording of the\n"
    "camera, truncated, or without their rear file: path and mark, tab-separated.\n";

struct CardArgs {
  std::string action;
  std::filesystem::path location;
  std::filesystem::path to;
  CardKind kind = CardKind::All;
  bool json = false;
};

int ParseCardArgs(Args args, CardArgs& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if ((a == "--kind" || a == "--to") && i + 1 >= args.size())
      return UsageError(std::string(a) + " needs a value");
    if (a == "--kind") {
      const std::string_view v = args[++i];
      if (v.size() != 1 || v[0] < '0' || v[0] >= '0' + kCardKindCount) return UsageError("--kind is 0..4");
      out.kind = static_cast<CardKind>(v[0] - '0');
    } else if (a == "--to") {
      out.to = std::string(args[++i]);
    } else if (a == "--json") {
      out.json = true;
    } else if (a.starts_with("-")) {
      return UsageError("unknown option '" + std::string(a) + "'");
    } else if (out.action.empty()) {
      out.action = a;
    } else if (out.location.empty()) {
      out.location = std::string(a);
    } else {
      return UsageError("too many arguments");
    }
  }
  if (out.action != "list" && out.action != "download" && out.action != "verify" && out.action != "check")
    return UsageError("card: list, download, verify or check (try --help)");
  if (out.location.empty()) return UsageError("card: LOCATION is missing");
  if (out.action == "download" && out.to.empty()) return UsageError("card download: --to FOLDER is missing");
  return kExitOk;
}

int List(const CardArgs& args) {
  CardWorkTables tables;
  int number = 0;
  for (const CardRow& row : WalkSdCard(args.location, args.kind, tables)) {
    const auto texts = CardRowTexts(row, ++number, kEnglish);
    std::cout << texts[0] << '\t' << texts[1] << '\t' << texts[2] << '\t' << texts[3] << '\t' << texts[4]
              << '\n';
  }
  return kExitOk;
}

void PrintProgress(const DownloadProgress& p) {
  char line[512];
  std::snprintf(line, sizeof(line), "%3d%%  %llu/%llu MB  %s", p.Percent(),
                static_cast<unsigned long long>(p.bytesDone >> 20),
                static_cast<unsigned long long>(p.bytesTotal >> 20), p.currentFile.c_str());
  std::cerr << line;
  if (p.secondsLeft >= 0) std::cerr << "  " << std::llround(p.secondsLeft) << " s left";
  std::cerr << '\n';
}

std::string_view EndKey(DownloadEnd end) {
  switch (end) {
    case DownloadEnd::Finished:
      return "finished";
    case DownloadEnd::Cancelled:
      return "cancelled";
    case DownloadEnd::LowSpace:
      return "low-space";
    case DownloadEnd::DiskFull:
      return "disk-full";
    case DownloadEnd::CardLost:
      return "card-lost";
  }
  return "";
}

void ExplainEnd(const DownloadSummary& summary) {
  if (summary.end == DownloadEnd::LowSpace) {
    std::cerr << "direvovu-cli: "
              << Text(TextTable::Messages, MessageRow(msg::kLowDiskSpace), kEnglish).substr(1) << '\n';
  } else if (summary.end == DownloadEnd::DiskFull) {
    std::cerr << "direvovu-cli: the disk is full; the download stopped, the files copied are kept\n";
  } else if (summary.end == DownloadEnd::CardLost) {
    std::cerr << "direvovu-cli: a file vanished or shrank while it was read (was the card pulled?); the "
                 "download stopped, the files copied are kept\n";
  }
}

int Download(const CardArgs& args) {
  CardWorkTables tables;
  std::vector<std::filesystem::path> paths;
  for (const CardRow& row : WalkSdCard(args.location, args.kind, tables)) paths.push_back(row.path);
  DownloadHooks hooks;
  hooks.progress = PrintProgress;
  hooks.progressInterval = std::chrono::milliseconds(1000);
  const DownloadSummary summary = RunCardDownload(PlanDownload(args.location, args.to, paths), hooks);
  for (const auto& failed : summary.failedFiles)
    std::cerr << "direvovu-cli: could not copy " << failed.string() << '\n';
  for (const auto& kept : summary.keptFiles)
    std::cerr << "direvovu-cli: left alone " << kept.string() << ": another file has its name\n";
  for (const auto& aside : summary.setAside)
    std::cerr << "direvovu-cli: " << aside.string() << " holds a copy that changed after it was verified\n";
  ExplainEnd(summary);
  if (args.json) {
    const nlohmann::json out{
        {"copied", summary.copied},     {"already_downloaded", summary.alreadyDownloaded},
        {"failed", summary.failed},     {"skipped", summary.skipped},
        {"bytes", summary.bytesCopied}, {"seconds", summary.seconds},
        {"end", EndKey(summary.end)}};
    std::cout << out.dump() << '\n';
  } else {
    std::cout << "copied " << summary.copied << ", already downloaded " << summary.alreadyDownloaded
              << ", failed " << summary.failed << '\n';
  }
  return summary.failed == 0 && summary.end == DownloadEnd::Finished ? kExitOk : kExitRefused;
}

int Verify(const CardArgs& args) {
  const auto problems = VerifyDownloadFolder(args.location);
  if (!problems) {
    std::cerr << "direvovu-cli: no readable " << kLedgerSumsName << " in " << args.location.string() << '\n';
    return kExitMismatch;
  }
  for (const LedgerProblem& p : *problems)
    std::cerr << "direvovu-cli: " << p.target << (p.missing ? ": missing" : ": differs") << '\n';
  return problems->empty() ? kExitOk : kExitMismatch;
}

int Check(const CardArgs& args) {
  CardWorkTables tables;
  const auto rows = WalkSdCard(args.location, args.kind, tables);
  const auto marks = CheckCardRows(rows);
  nlohmann::json list = nlohmann::json::array();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (marks[i] == CardMark::None) continue;
    if (args.json) {
      list.push_back({{"path", rows[i].path.string()}, {"mark", CardMarkKey(marks[i])}});
    } else {
      std::cout << rows[i].path.string() << '\t' << CardMarkKey(marks[i]) << '\n';
    }
  }
  if (args.json) std::cout << nlohmann::json{{"recordings", rows.size()}, {"marked", list}}.dump() << '\n';
  return kExitOk;
}

}  // namespace

int RunCard(Args args) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  CardArgs parsed;
  if (const int rc = ParseCardArgs(args, parsed); rc != kExitOk) return rc;
  if (parsed.action == "list") return List(parsed);
  if (parsed.action == "verify") return Verify(parsed);
  if (parsed.action == "check") return Check(parsed);
  return Download(parsed);
}

}  // namespace direvovu::cli
