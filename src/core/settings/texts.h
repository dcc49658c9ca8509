#pragma once

#include <optional>
#include <string_view>

namespace direvovu {

// Languages, by id; the id selects the column of every string table.
enum Language : int {
  kKorean = 0,
  kEnglish = 1,
  kJapanese = 2,
  kChineseSimplified = 3,
  kRussian = 4,
  kChineseTraditional = 5,
  kPortugueseBrazil = 6,
};
inline constexpr int kLanguageCount = 7;
inline constexpr int kDefaultLanguage = kChineseTraditional;

// One constant table per window or purpose; every language has the same rows.
enum class TextTable : int {
  CommonButtons,    // "Ok", "Cancel", "Open", "Save", "Search", "Close"
  LanguageNames,    // the language list, the same in every column
  MapWindow,        // "Map View", "Address:"
  ViewerSetup,      // "Setup Viewer" ... "Speed Unit:"
  FilePassword,     // "Setup File Password" ... "On"
  BlackBoxSetup,    // "Setup Folder:" ... "Cut off Voltage:"
  DetailSearch,     // "Detail Search" ... "Search SD card"
  SdDownload,       // "Download SD Data" ... "Download SD Data or Make Play List"
  PasswordEntry,    // "Input File Password", prompt, "Password:"
  PasswordReentry,  // "Wrong Password", prompt, "Password:"
  FileCopy,         // "Downloading Files..." and three progress messages
  ProgramInfo,      // title, version line, firmware line, warning, upgrade link
  RecordingKinds,   // kinds (rows 0..3) and list column headers
  DrivingLog,       // "Route Map" ... "License Number"
  MainWindow,       // tooltips of the main window
  Messages,         // every message the program shows; each starts with "\n"
  EventReport,      // "Event Report" ... "Print"
  ProgramTexts,     // texts of no one window: print failures, file dialogs, start-up, offline map
  ExportWindow,     // "Export Incident" ... the export's progress and end
  LibraryWindow,    // "Library" ... the filters, the scan, the lists, the timeline
  KeySheet,         // "Keys" and what each key does
};
inline constexpr int kTextTableCount = 21;

// Number of rows of a table (the same in every language).
int TextRowCount(TextTable table);

// The row's text in the current language (UTF-8). A row out of range yields "".
std::string_view Text(TextTable table, int row);
// The row's text in a given language; tests and the command line use it. A
// language outside 0..6 is read as the default language, like the current one.
std::string_view Text(TextTable table, int row, int language);

// The process-wide current language. Set stores any value; a value outside
// 0..6 reads back as the default language, so lookups never fall off a table.
int CurrentLanguage();
void SetCurrentLanguage(int language);
// The language's BCP 47 tag ("ko", "en", … "zh-TW", "pt-BR"); the default language's
// for a value outside 0..6.
std::string_view LanguageTag(int language);

// Short lower-case name of a table ("messages", "main" ...), as the command line names it.
std::string_view TextTableName(TextTable table);
// The table with that name; nullopt when no table has it.
std::optional<TextTable> TextTableFromName(std::string_view name);

// What the program says to the user: a row of the messages table. Operations report
// outcomes of their own; one place per outcome chooses the message.
enum class MessageId : int {};
// Its row in the messages table.
constexpr int MessageRow(MessageId id) { return static_cast<int>(id); }
// The text of the message in the current language (UTF-8).
std::string_view MessageTextOf(MessageId id);

// The messages, named where the code refers to them.
namespace msg {
inline constexpr MessageId kNoPrinter{0};
inline constexpr MessageId kCaptureSaved{1};
inline constexpr MessageId kFailSetPassword{2};
inline constexpr MessageId kPasswordsDiffer{3};
inline constexpr MessageId kInputPassword{4};
inline constexpr MessageId kPasswordLength{5};
inline constexpr MessageId kPasswordCharacters{6};
inline constexpr MessageId kSelectFolder{7};
inline constexpr MessageId kSdPasswordSaved{8};
inline constexpr MessageId kDecrypted{9};
inline constexpr MessageId kRemoveAll{10};
inline constexpr MessageId kStopPlaying{11};
inline constexpr MessageId kSelectPlaylistItem{12};
inline constexpr MessageId kConnectSd{13};
inline constexpr MessageId kNoSdOrWriteProtected{14};
inline constexpr MessageId kUserInfoSaved{15};
inline constexpr MessageId kSetupSaved{16};
inline constexpr MessageId kMapCaptureSaved{17};
inline constexpr MessageId kCantOpenFile{18};
inline constexpr MessageId kNoFileForDecryption{19};
inline constexpr MessageId kSelectSdDataFolder{20};
inline constexpr MessageId kSelectCaptureFolder{21};
inline constexpr MessageId kSelectDecryptionFolder{22};
inline constexpr MessageId kNoInternet{23};
inline constexpr MessageId kNoSearchedFile{24};
inline constexpr MessageId kNoFileToDownload{25};
inline constexpr MessageId kNotEncrypted{26};
inline constexpr MessageId kLowDiskSpace{27};
inline constexpr MessageId kDriveLogModeOnly{28};
inline constexpr MessageId kSelectItem{29};
inline constexpr MessageId kSearchingSd{30};
inline constexpr MessageId kFailFetchPage{31};
inline constexpr MessageId kScriptError{32};
inline constexpr MessageId kIllegalFile{33};
inline constexpr MessageId kSelectEventFolder{34};
inline constexpr MessageId kEventReportSaved{35};
inline constexpr MessageId kSelectSdDrive{36};
inline constexpr MessageId kNoObdInformation{37};
inline constexpr MessageId kDrivingInfoSaved{38};
inline constexpr MessageId kNotDrivingLog{39};
inline constexpr MessageId kTimeShown{40};
inline constexpr MessageId kTimeHidden{41};
inline constexpr MessageId kMarkerShown{42};
inline constexpr MessageId kMarkerHidden{43};
inline constexpr MessageId kCantFormatSd{44};
inline constexpr int kCount = 45;
}  // namespace msg

}  // namespace direvovu

// Row names of the other tables.
#include "core/settings/text_rows.h"
