#include "core/settings/texts.h"

#include <array>
#include <atomic>
#include <cstddef>

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu {
namespace {

struct TableEntry {
  const text_tables::TableData* data;
  std::string_view name;
};

// In TextTable order; the command line lists the tables in this order.
constexpr std::array<TableEntry, kTextTableCount> kTables{{
    {&text_tables::kCommonButtons, "buttons"},
    {&text_tables::kLanguageNames, "languages"},
    {&text_tables::kMapWindow, "map"},
    {&text_tables::kViewerSetup, "viewer"},
    {&text_tables::kFilePassword, "filepassword"},
    {&text_tables::kBlackBoxSetup, "blackbox"},
    {&text_tables::kDetailSearch, "search"},
    {&text_tables::kSdDownload, "download"},
    {&text_tables::kPasswordEntry, "password"},
    {&text_tables::kPasswordReentry, "repassword"},
    {&text_tables::kFileCopy, "copy"},
    {&text_tables::kProgramInfo, "info"},
    {&text_tables::kRecordingKinds, "kinds"},
    {&text_tables::kDrivingLog, "drivinglog"},
    {&text_tables::kMainWindow, "main"},
    {&text_tables::kMessages, "messages"},
    {&text_tables::kEventReport, "event"},
    {&text_tables::kProgramTexts, "program"},
    {&text_tables::kExportWindow, "export"},
    {&text_tables::kLibraryWindow, "library"},
    {&text_tables::kKeySheet, "keys"},
}};

// Stored as given; read through ValidLanguage. Atomic because the copy worker
// and the media callbacks may look texts up off the window thread.
std::atomic<int> g_current_language{kDefaultLanguage};

int ValidLanguage(int language) {
  return language >= 0 && language < kLanguageCount ? language : kDefaultLanguage;
}

const TableEntry* Entry(TextTable table) {
  const int index = static_cast<int>(table);
  if (index < 0 || index >= kTextTableCount) return nullptr;
  return &kTables[static_cast<std::size_t>(index)];
}

}  // namespace

int TextRowCount(TextTable table) {
  const TableEntry* entry = Entry(table);
  return entry == nullptr ? 0 : entry->data->rows;
}

std::string_view Text(TextTable table, int row) { return Text(table, row, CurrentLanguage()); }

std::string_view MessageTextOf(MessageId id) { return Text(TextTable::Messages, MessageRow(id)); }

std::string_view Text(TextTable table, int row, int language) {
  const TableEntry* entry = Entry(table);
  if (entry == nullptr || row < 0 || row >= entry->data->rows) return {};
  return entry->data
      ->columns[static_cast<std::size_t>(ValidLanguage(language))][static_cast<std::size_t>(row)];
}

int CurrentLanguage() { return ValidLanguage(g_current_language.load(std::memory_order_relaxed)); }

void SetCurrentLanguage(int language) { g_current_language.store(language, std::memory_order_relaxed); }

std::string_view LanguageTag(int language) {
  static constexpr std::array<std::string_view, kLanguageCount> kTags{"ko", "en",    "ja",   "zh-CN",
                                                                      "ru", "zh-TW", "pt-BR"};
  return kTags[static_cast<std::size_t>(ValidLanguage(language))];
}

std::string_view TextTableName(TextTable table) {
  const TableEntry* entry = Entry(table);
  return entry == nullptr ? std::string_view{} : entry->name;
}

std::optional<TextTable> TextTableFromName(std::string_view name) {
  for (std::size_t i = 0; i < kTables.size(); ++i) {
    if (kTables[i].name == name) return static_cast<TextTable>(i);
  }
  return std::nullopt;
}

}  // namespace direvovu
