// direvovu-cli card: the card walk and the download of the SD download window.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

#include "command.h"
#include "core/sdcard/card_download.h"
#include "core/sdcard/card_walk.h"
#include "core/settings/texts.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli card list LOCATION [--kind 0..4]\n"
    "       direvovu-cli card download LOCATION --to FOLDER [--kind 0..4]\n"
    "\n"
    "LOCATION is the card (its root folder) or a folder of recordings; kinds: 0 all,\n"
    "1 driving, 2 event, 3 parking, 4 parking event.\n"
    "list prints one row a line, tab-separated: number, date, time, type, path.\n"
    "download copies every listed recording with its rear file, then the card's event\n"
    "texts, below FOLDER as they lie on the card; existing files are left alone.\n"
    "Progress goes to standard error, 'copied N, skipped N, failed N' to standard\n"
    "output; the exit code is 0 only when nothing failed.\n";

struct CardArgs {
  std::string action;
  std::filesystem::path location;
  std::filesystem::path to;
  CardKind kind = CardKind::All;
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
  if (out.action != "list" && out.action != "download")
    return UsageError("card: list or download (try --help)");
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
  if (summary.end == DownloadEnd::LowSpace) {
    std::cerr << "direvovu-cli: " << Text(TextTable::Messages, MessageRow(msg::kLowDiskSpace), kEnglish).substr(1)
              << '\n';
  }
  std::cout << "copied " << summary.copied << ", skipped " << summary.skipped << ", failed " << summary.failed
            << '\n';
  return summary.failed == 0 && summary.end == DownloadEnd::Finished ? kExitOk : kExitRefused;
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
  return parsed.action == "list" ? List(parsed) : Download(parsed);
}

}  // namespace direvovu::cli
