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
};
inline constexpr int kTextTableCount = 18;

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

// Short lower-case name of a table ("messages", "main" ...), as the command line names it.
std::string_view TextTableName(TextTable table);
// The table with that name; nullopt when no table has it.
std::optional<TextTable> TextTableFromName(std::string_view name);

// Rows of the messages table, named where the code refers to them.
namespace msg {
inline constexpr int kNoPrinter = 0;
inline constexpr int kCaptureSaved = 1;
inline constexpr int kFailSetPassword = 2;
inline constexpr int kPasswordsDiffer = 3;
inline constexpr int kInputPassword = 4;
inline constexpr int kPasswordLength = 5;
inline constexpr int kPasswordCharacters = 6;
inline constexpr int kSelectFolder = 7;
inline constexpr int kSdPasswordSaved = 8;
inline constexpr int kDecrypted = 9;
inline constexpr int kRemoveAll = 10;
inline constexpr int kStopPlaying = 11;
inline constexpr int kSelectPlaylistItem = 12;
inline constexpr int kConnectSd = 13;
inline constexpr int kNoSdOrWriteProtected = 14;
inline constexpr int kUserInfoSaved = 15;
inline constexpr int kSetupSaved = 16;
inline constexpr int kMapCaptureSaved = 17;
inline constexpr int kCantOpenFile = 18;
inline constexpr int kNoFileForDecryption = 19;
inline constexpr int kSelectSdDataFolder = 20;
inline constexpr int kSelectCaptureFolder = 21;
inline constexpr int kSelectDecryptionFolder = 22;
inline constexpr int kNoInternet = 23;
inline constexpr int kNoSearchedFile = 24;
inline constexpr int kNoFileToDownload = 25;
inline constexpr int kNotEncrypted = 26;
inline constexpr int kLowDiskSpace = 27;
inline constexpr int kDriveLogModeOnly = 28;
inline constexpr int kSelectItem = 29;
inline constexpr int kSearchingSd = 30;
inline constexpr int kFailFetchPage = 31;
inline constexpr int kScriptError = 32;
inline constexpr int kIllegalFile = 33;
inline constexpr int kSelectEventFolder = 34;
inline constexpr int kEventReportSaved = 35;
inline constexpr int kSelectSdDrive = 36;
inline constexpr int kNoObdInformation = 37;
inline constexpr int kDrivingInfoSaved = 38;
inline constexpr int kNotDrivingLog = 39;
inline constexpr int kTimeShown = 40;
inline constexpr int kTimeHidden = 41;
inline constexpr int kMarkerShown = 42;
inline constexpr int kMarkerHidden = 43;
inline constexpr int kCantFormatSd = 44;
inline constexpr int kCount = 45;
}  // namespace msg

}  // namespace direvovu

// Row names of the other tables.
#include "core/settings/text_rows.h"
