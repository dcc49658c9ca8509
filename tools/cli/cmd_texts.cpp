// direvovu-cli texts: the string tables, one row per line.
#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "command.h"
#include "core/line_escape.h"
#include "core/settings/texts.h"
#include "options.h"

namespace direvovu::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: direvovu-cli texts [--language N] [--table NAME]\n"
    "       direvovu-cli texts --tables\n"
    "\n"
    "Prints the rows of the string tables as table<TAB>row<TAB>text, every table in\n"
    "order unless --table names one. Inside a text a line break is written as \\n,\n"
    "a tab as \\t and a backslash as \\\\.\n"
    "\n"
    "  --language N   language column 0..6: 0 Korean, 1 English, 2 Japanese,\n"
    "                 3 simplified Chinese, 4 Russian, 5 traditional Chinese,\n"
    "                 6 Brazilian Portuguese (default 1, English)\n"
    "  --table NAME   only this table (see --tables)\n"
    "  --tables       list the table names, one per line\n";

struct TextsOptions {
  int language = kEnglish;
  std::optional<TextTable> table;
  bool list_tables = false;
  bool help = false;
};

// Returns an empty text on success, else the reason for a usage error.
std::string ParseOptions(Args args, TextsOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--tables") {
      options.list_tables = true;
    } else if (arg == "--language" || arg.starts_with("--language=")) {
      const auto value = OptionValue(args, i, "--language");
      if (!value) return "--language needs a number 0..6";
      const auto language = ParseLanguage(*value);
      if (!language) return "language '" + std::string(*value) + "' is not 0..6";
      options.language = *language;
    } else if (arg == "--table" || arg.starts_with("--table=")) {
      const auto value = OptionValue(args, i, "--table");
      if (!value) return "--table needs a table name (see --tables)";
      options.table = TextTableFromName(*value);
      if (!options.table) return "unknown table '" + std::string(*value) + "' (see --tables)";
    } else {
      return "unexpected argument '" + std::string(arg) + "'";
    }
  }
  return {};
}

void PrintTable(TextTable table, int language) {
  const std::string_view name = TextTableName(table);
  const int rows = TextRowCount(table);
  for (int row = 0; row < rows; ++row) {
    std::cout << name << '\t' << row << '\t' << LineEscaped(Text(table, row, language)) << '\n';
  }
}

}  // namespace

int RunTexts(Args args) {
  TextsOptions options;
  if (const std::string reason = ParseOptions(args, options); !reason.empty()) {
    return UsageError("texts: " + reason);
  }
  if (options.help) {
    std::cout << kUsage;
    return kExitOk;
  }
  if (options.list_tables) {
    for (int t = 0; t < kTextTableCount; ++t) std::cout << TextTableName(static_cast<TextTable>(t)) << '\n';
    return kExitOk;
  }
  if (options.table) {
    PrintTable(*options.table, options.language);
  } else {
    for (int t = 0; t < kTextTableCount; ++t) PrintTable(static_cast<TextTable>(t), options.language);
  }
  return kExitOk;
}

}  // namespace direvovu::cli
