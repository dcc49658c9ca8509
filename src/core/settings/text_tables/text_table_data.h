#pragma once

// Private to the string tables: how a table is stored, and the tables themselves.
// Only texts.cpp and the table files include this.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/settings/texts.h"

namespace direvovu::text_tables {

// One table: a column of rows per language, in language-id order.
struct TableData {
  std::array<std::span<const std::string_view>, kLanguageCount> columns;
  int rows;
};

// Builds a table from its seven columns. The column arrays share one length N,
// so a column with a row too many or too few does not compile.
template <std::size_t N>
constexpr TableData MakeTable(const std::string_view (&ko)[N], const std::string_view (&en)[N],
                              const std::string_view (&ja)[N], const std::string_view (&zh_hans)[N],
                              const std::string_view (&ru)[N], const std::string_view (&zh_hant)[N],
                              const std::string_view (&pt_br)[N]) {
  return TableData{{ko, en, ja, zh_hans, ru, zh_hant, pt_br}, static_cast<int>(N)};
}

// Every row of every column has a text. Each table file checks it at compile time.
constexpr bool AllRowsFilled(const TableData& table) {
  for (const auto& column : table.columns) {
    for (std::string_view text : column) {
      if (text.empty()) return false;
    }
  }
  return true;
}

// Every row of every column starts with `prefix` (messages start with a line break).
constexpr bool AllRowsStartWith(const TableData& table, std::string_view prefix) {
  for (const auto& column : table.columns) {
    for (std::string_view text : column) {
      if (!text.starts_with(prefix)) return false;
    }
  }
  return true;
}

// The same row holds the same text in every column (names, version texts).
constexpr bool RowSameInAllColumns(const TableData& table, int row) {
  for (const auto& column : table.columns) {
    if (column[static_cast<std::size_t>(row)] != table.columns[kEnglish][static_cast<std::size_t>(row)]) {
      return false;
    }
  }
  return true;
}

extern const TableData kCommonButtons;
extern const TableData kLanguageNames;
extern const TableData kMapWindow;
extern const TableData kViewerSetup;
extern const TableData kFilePassword;
extern const TableData kBlackBoxSetup;
extern const TableData kDetailSearch;
extern const TableData kSdDownload;
extern const TableData kPasswordEntry;
extern const TableData kPasswordReentry;
extern const TableData kFileCopy;
extern const TableData kProgramInfo;
extern const TableData kRecordingKinds;
extern const TableData kDrivingLog;
extern const TableData kMainWindow;
extern const TableData kMessages;
extern const TableData kEventReport;
extern const TableData kProgramTexts;
extern const TableData kExportWindow;
extern const TableData kLibraryWindow;
extern const TableData kKeySheet;

}  // namespace direvovu::text_tables
