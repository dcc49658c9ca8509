#include "core/settings/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace direvovu {
namespace {

std::vector<TextTable> AllTables() {
  std::vector<TextTable> tables;
  tables.reserve(kTextTableCount);
  for (int t = 0; t < kTextTableCount; ++t) tables.push_back(static_cast<TextTable>(t));
  return tables;
}

// Strict UTF-8: no stray continuation bytes, no overlong forms, no surrogates.
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int extra = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto b = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
      if ((b & 0xC0) != 0x80) return false;
      code = (code << 6) | (b & 0x3F);
    }
    static constexpr std::array<std::uint32_t, 4> kMin{0, 0x80, 0x800, 0x10000};
    if (code < kMin[static_cast<std::size_t>(extra)] || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

// Restores the process-wide language whatever a test sets.
class TextsTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = CurrentLanguage(); }
  void TearDown() override { SetCurrentLanguage(saved_); }

 private:
  int saved_ = kDefaultLanguage;
};

TEST_F(TextsTest, TablesHaveTheirRowCounts) {
  const std::vector<std::pair<TextTable, int>> expected{
      {TextTable::CommonButtons, 6},   {TextTable::LanguageNames, 7},  {TextTable::MapWindow, 2},
      {TextTable::ViewerSetup, 18},    {TextTable::FilePassword, 8},   {TextTable::BlackBoxSetup, 28},
      {TextTable::DetailSearch, 6},    {TextTable::SdDownload, 40},    {TextTable::PasswordEntry, 3},
      {TextTable::PasswordReentry, 3}, {TextTable::FileCopy, 9},       {TextTable::ProgramInfo, 5},
      {TextTable::RecordingKinds, 13}, {TextTable::DrivingLog, 19},    {TextTable::MainWindow, 38},
      {TextTable::Messages, 45},       {TextTable::EventReport, 8},    {TextTable::ProgramTexts, 26},
      {TextTable::ExportWindow, 22},   {TextTable::LibraryWindow, 35}, {TextTable::KeySheet, 31},
  };
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kTextTableCount));
  for (const auto& [table, rows] : expected) EXPECT_EQ(TextRowCount(table), rows) << TextTableName(table);
}

TEST_F(TextsTest, EveryRowHasValidTextInEveryLanguage) {
  for (const TextTable table : AllTables()) {
    for (int row = 0; row < TextRowCount(table); ++row) {
      for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view text = Text(table, row, language);
        EXPECT_FALSE(text.empty()) << TextTableName(table) << " row " << row << " language " << language;
        EXPECT_TRUE(IsValidUtf8(text)) << TextTableName(table) << " row " << row << " language " << language;
        EXPECT_EQ(text.find('\0'), std::string_view::npos);
      }
    }
  }
}

// A translation keeps the line layout of its row: the message box and the
// dialogs rely on the leading break and the blank lines. It keeps the row's
// placeholders too, or the filled-in text loses its detail.
TEST_F(TextsTest, TranslationsKeepTheLineBreaksAndPlaceholdersOfTheirRow) {
  for (const TextTable table : AllTables()) {
    for (int row = 0; row < TextRowCount(table); ++row) {
      const std::string_view english = Text(table, row, kEnglish);
      const auto breaks = std::count(english.begin(), english.end(), '\n');
      for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view text = Text(table, row, language);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), breaks)
            << TextTableName(table) << " row " << row << " language " << language;
        EXPECT_EQ(text.starts_with('\n'), english.starts_with('\n'));
        EXPECT_EQ(text.find("\n\n") != std::string_view::npos,
                  english.find("\n\n") != std::string_view::npos);
        for (const std::string_view placeholder : {"%1", "%2", "%3", "%4"}) {
          EXPECT_EQ(text.find(placeholder) != std::string_view::npos,
                    english.find(placeholder) != std::string_view::npos)
              << TextTableName(table) << " row " << row << " language " << language << " " << placeholder;
        }
      }
    }
  }
}

TEST_F(TextsTest, EveryMessageStartsWithALineBreak) {
  for (int row = 0; row < msg::kCount; ++row) {
    for (int language = 0; language < kLanguageCount; ++language) {
      EXPECT_TRUE(Text(TextTable::Messages, row, language).starts_with('\n')) << row << " " << language;
    }
  }
}

TEST_F(TextsTest, EnglishMessagesAreTheProgramsOwnWording) {
  const std::array<std::string_view, 45> expected{
      "There is no printer.",
      "The capture data is saved in below folder.",
      "Fail to set password.",
      "Not equal to password.",
      "Please input password.",
      "Please input 4~6 characters.",
      "Just allowed in numeric or alphabet.",
      "Please select folder.",
      "Black box password is saved in SD card.",
      "The encrypted file is decrypted successfully.",
      "Do you want to remove all items ?",
      "Please stop playing and retry.",
      "Please select item in play list.",
      "Please connect SD card.",
      "There is no SD or  check write protection of SD card.",
      "The user information is saved in SD card.",
      "The setup data is saved successfully.",
      "The map capture dat is saved in below folder.",
      "Can't open file.",
      "There is no file for decryption.",
      "Select folder for SD data.",
      "Select folder for capture data.",
      "Select folder for decryption data.",
      "Can't connect internet.\nPlease check internet.",
      "There is no searched file.",
      "There is no file to download.",
      "The selected item is not encrypted file.",
      "File copy process is stopped because of low disk space.",
      "This function just support in drive log mode.",
      "Please select item.",
      "Searching SD device.\n\nPlease wait ...",
      "Fail to fetch page",
      "Script error is occurred",
      "The file is illegal file.",
      "Please select event folder.",
      "Event file is saved in below folder.",
      "Please select SD drive.",
      "OBD information is not exist.",
      "Driving information is saved in below path.",
      "The file is not legal driving file.",
      "Driving time will be displayed.",
      "Driving time will not be displayed.",
      "Driving marker will be displayed.",
      "Driving marker will not be displayed.",
      "Can't formatting SD memory.\nPlease don't play any file and restart formatting.",
  };
  for (int row = 0; row < msg::kCount; ++row) {
    EXPECT_EQ(Text(TextTable::Messages, row, kEnglish),
              "\n" + std::string(expected[static_cast<std::size_t>(row)]))
        << "message " << row;
  }
  // The named rows the code uses point at the right texts.
  EXPECT_EQ(Text(TextTable::Messages, MessageRow(msg::kNoSdOrWriteProtected), kEnglish),
            "\nThere is no SD or  check write protection of SD card.");
  EXPECT_EQ(Text(TextTable::Messages, MessageRow(msg::kIllegalFile), kEnglish),
            "\nThe file is illegal file.");
  EXPECT_EQ(Text(TextTable::Messages, MessageRow(msg::kCantFormatSd), kEnglish).substr(0, 29),
            "\nCan't formatting SD memory.\n");
}

TEST_F(TextsTest, EnglishMainWindowTooltips) {
  const std::array<std::string_view, rows::main_window::kRowCount> expected{
      "Stop",
      "Play",
      "Pause",
      "Close",
      "Open File",
      "Print Screen",
      "Program Info and Update",
      "DirevOvu Setup",
      "Set File Password",
      "Capture Video Screen",
      "Decryption And Save",
      "Delete All",
      "Delete Item",
      "Minimize",
      "Speed Up",
      "Speed Down",
      "Setup Viewer",
      "Download data or Format From SD",
      "Search File",
      "Volume Up",
      "Volume Down",
      "Full Screen",
      "Map Capture",
      "GPS Tracer",
      "Gravity Graph",
      "Speed Graph",
      "Video Mode",
      "GPS Tracer",
      "Open Driving Log File",
      "Map View",
      "Refresh",
      "Event Log",
      "OBD II",
      "Display Time",
      "No Display Time",
      "Display Marker",
      "No Display Marker",
      "Export Incident",
  };
  for (int row = 0; row < rows::main_window::kRowCount; ++row) {
    EXPECT_EQ(Text(TextTable::MainWindow, row, kEnglish), expected[static_cast<std::size_t>(row)]) << row;
  }
}

TEST_F(TextsTest, EnglishRowsOfTheOtherTables) {
  const std::vector<std::pair<TextTable, std::vector<std::string_view>>> tables{
      {TextTable::CommonButtons, {"Ok", "Cancel", "Open", "Save", "Search", "Close"}},
      {TextTable::MapWindow, {"Map View", "Address:"}},
      {TextTable::RecordingKinds,
       {"Driving", "Event", "Parking", "Parking Event", "NO.", "DATE", "TIME", "TYPE", "FILE NAME",
        "DRIVE DATE", "DRIVE TIME", "DRIVE DISTANCE", "Driving Route"}},
      {TextTable::PasswordEntry,
       {"Input File Password", "\nThe file is encrypted.\n\nPlease input the password.", "Password:"}},
      {TextTable::PasswordReentry,
       {"Wrong Password", "\nThe passowrd is incorrect.\n\nPlease input correct password.", "Password:"}},
      {TextTable::FileCopy,
       {"Downloading Files...", "\nThe selected file is copying.\n\nPlease wait ...",
        "\nFiles are downloaded successfully.", "\nDownloading is stopping.\n\nPlease wait ...",
        "\n%1 file(s) could not be copied.\nThe files already copied are kept.", "%1 left",
        "Copied: %1   Already downloaded: %2   Failed: %3",
        "\nThe disk is full.\nThe download stopped; the files already copied are kept.",
        "\nA file vanished or shrank while it was read. Was the SD card removed?\nThe download stopped; the "
        "files "
        "already copied are kept."}},
      {TextTable::FilePassword,
       {"Setup File Password", "Password Folder:", "Input Password(English or Numeric, 4~6)",
        "Password:", "Confirm Password:", "File Encryption:", "Off", "On"}},
      {TextTable::DetailSearch,
       {"Detail Search", "Search Folder:", "Search Duration", "Start", "End", "Search SD card"}},
      {TextTable::EventReport,
       {"Event Report", "Event Folder:", "Event Date", "Event Time", "Event Factor", "Total Event Factor",
        "Save", "Print"}},
      {TextTable::ProgramTexts,
       {"Can't make printer file",
        "Error loading printer bitmap!",
        "open mp4 file",
        "open dat file",
        "DAT Files",
        "The video player could not be started.\n\n%1",
        "No internet connection",
        "The map comes back as soon as the connection does.",
        "Front",
        "Rear",
        "Speed",
        "Position",
        "G-sensor",
        "Incident report",
        "Recording",
        "From",
        "To",
        "Duration",
        "Start location",
        "End location",
        "Route",
        "Original recordings",
        "%1 s",
        "Start",
        "Peak G",
        "End"}},
  };
  for (const auto& [table, expected] : tables) {
    ASSERT_EQ(TextRowCount(table), static_cast<int>(expected.size())) << TextTableName(table);
    for (std::size_t row = 0; row < expected.size(); ++row) {
      EXPECT_EQ(Text(table, static_cast<int>(row), kEnglish), expected[row])
          << TextTableName(table) << " " << row;
    }
  }
}

// The tables whose rows are named in text_rows.h: the names lead to the texts
// the windows expect, and each table starts and ends where its header says.
TEST_F(TextsTest, NamedRowsOfTheDialogTables) {
  using namespace rows;
  const auto en = [](TextTable t, int row) { return Text(t, row, kEnglish); };
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kTitle), "Setup Viewer");
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kMarkerFrequency), "Marker Frequency:");
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kFirstInterval), "1 Second");
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kFirstInterval + 4), "10 Seconds");
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kFirstInterval + viewer_setup::kIntervalCount - 1),
            "20 Seconds");
  EXPECT_EQ(en(TextTable::ViewerSetup, viewer_setup::kSpeedUnit), "Speed Unit:");

  EXPECT_EQ(en(TextTable::BlackBoxSetup, 0), "Setup Folder:");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kFirstSensitivity + 1), "NORMAL");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kRearMirror), "Mirror Function of Rear CAM:");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kFirstWeekday), "Sunday");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kFirstWeekday + 6), "Saturday");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kTitle), "Setup DirevOvu");
  EXPECT_EQ(en(TextTable::BlackBoxSetup, black_box_setup::kCutOffVoltage), "Cut off Voltage:");

  EXPECT_EQ(en(TextTable::SdDownload, sd_download::kTitle), "Download SD Data");
  EXPECT_EQ(en(TextTable::SdDownload, sd_download::kReverse), "Reverse");
  EXPECT_EQ(en(TextTable::SdDownload, sd_download::kFirstKind), "All");
  EXPECT_EQ(en(TextTable::SdDownload, sd_download::kFirstKind + 4), "Parking Event Files");
  EXPECT_EQ(en(TextTable::SdDownload, sd_download::kDownloadGroup), "Download SD Data or Make Play List");

  EXPECT_EQ(en(TextTable::DrivingLog, driving_log::kTitle), "Route Map");
  EXPECT_EQ(en(TextTable::DrivingLog, driving_log::kStoppedDuration), "Stopped Duartion");
  EXPECT_EQ(en(TextTable::DrivingLog, driving_log::kDrivingInformation), "Driving Information");
  EXPECT_EQ(en(TextTable::DrivingLog, driving_log::kPlayInformation), "Play Information");
  EXPECT_EQ(en(TextTable::DrivingLog, driving_log::kLicenseNumber), "License Number");

  EXPECT_EQ(en(TextTable::ProgramInfo, program_info::kViewerVersion), "◈ PC Viewer Version: 2.6.1");
  EXPECT_EQ(en(TextTable::ProgramInfo, program_info::kFirmwareVersion), "◈ Firmware Version:");
  EXPECT_EQ(en(TextTable::ProgramInfo, program_info::kCheckUpgrade), "◈ Check upgrade version");
}

TEST_F(TextsTest, LanguageNamesAreTheSameInEveryColumn) {
  const std::array<std::string_view, 7> names{"한국어",  "ENGLISH",  "日本語",      "汉语",
                                              "Русский", "正體中文", "Portugues BR"};
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int row = 0; row < kLanguageCount; ++row) {
      EXPECT_EQ(Text(TextTable::LanguageNames, row, language), names[static_cast<std::size_t>(row)]);
    }
  }
}

TEST_F(TextsTest, TraditionalChinesePlayTooltipIsResume) {
  EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kPlay, kChineseTraditional), "恢復");
  EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kPlay, kEnglish), "Play");
}

TEST_F(TextsTest, CellsThatStayEnglish) {
  const auto same = [](TextTable t, int row, int language) {
    return Text(t, row, language) == Text(t, row, kEnglish);
  };
  for (const int language : {kJapanese, kChineseSimplified, kPortugueseBrazil}) {
    EXPECT_TRUE(same(TextTable::Messages, MessageRow(msg::kNoObdInformation), language)) << language;
  }
  for (const int language : {kChineseSimplified, kPortugueseBrazil}) {
    EXPECT_TRUE(same(TextTable::Messages, MessageRow(msg::kDrivingInfoSaved), language)) << language;
  }
  EXPECT_FALSE(same(TextTable::Messages, MessageRow(msg::kDrivingInfoSaved), kJapanese));
  EXPECT_FALSE(same(TextTable::Messages, MessageRow(msg::kNoObdInformation), kKorean));
  EXPECT_FALSE(same(TextTable::Messages, MessageRow(msg::kNoObdInformation), kChineseTraditional));

  EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kObd, kChineseSimplified), "OBD II");
  for (int row = rows::main_window::kDisplayTime; row <= rows::main_window::kNoDisplayMarker; ++row) {
    EXPECT_TRUE(same(TextTable::MainWindow, row, kPortugueseBrazil)) << row;
    EXPECT_FALSE(same(TextTable::MainWindow, row, kChineseSimplified)) << row;
  }
}

// A recording kind reads the same in the play list's kind column and in the download
// dialog's kind list: one word for one kind within a language. The stems leave out
// the letters that Russian inflects.
TEST_F(TextsTest, KindsAreNamedAlikeInTheDownloadList) {
  struct KindWords {
    std::string_view driving, event, parking;
  };
  const std::array<KindWords, kLanguageCount> words{{
      {"주행", "이벤트", "주차"},
      {"Driving", "Event", "Parking"},
      {"走行", "イベント", "駐車"},
      {"行车", "事件", "停车"},
      {"оезд", "обыти", "арковк"},
      {"行車", "事件", "停車"},
      {"Condução", "Evento", "Estacionamento"},
  }};
  using namespace rows;
  for (int language = 0; language < kLanguageCount; ++language) {
    const KindWords& w = words[static_cast<std::size_t>(language)];
    const auto has = [language](TextTable table, int row, std::string_view word) {
      return Text(table, row, language).find(word) != std::string_view::npos;
    };
    const std::vector<std::pair<int, std::vector<std::string_view>>> kinds{
        {recording_kinds::kDriving, {w.driving}},
        {recording_kinds::kEvent, {w.event}},
        {recording_kinds::kParking, {w.parking}},
        {recording_kinds::kParkingEvent, {w.parking, w.event}},
    };
    for (const auto& [kind, stems] : kinds) {
      for (const std::string_view stem : stems) {
        EXPECT_TRUE(has(TextTable::RecordingKinds, kind, stem)) << language << " kind " << kind;
        EXPECT_TRUE(has(TextTable::SdDownload, sd_download::kFirstKind + 1 + kind, stem))
            << language << " kind " << kind;
      }
    }
  }
}

// Rows that used to fall back to English are translated.
TEST_F(TextsTest, FormerlyMissingTranslationsAreTranslated) {
  for (int row = MessageRow(msg::kNotDrivingLog); row <= MessageRow(msg::kCantFormatSd); ++row) {
    for (const int language : {kChineseSimplified, kChineseTraditional, kPortugueseBrazil}) {
      EXPECT_NE(Text(TextTable::Messages, row, language), Text(TextTable::Messages, row, kEnglish))
          << row << " " << language;
    }
  }
  EXPECT_NE(Text(TextTable::SdDownload, rows::sd_download::kDownloadGroup, kJapanese),
            Text(TextTable::SdDownload, rows::sd_download::kDownloadGroup, kEnglish));
}

// Beyond the cells above, the other languages really are translated: only
// texts that read the same in any language (product names, "25%", "NORMAL" in
// Portuguese ...) may equal the English.
TEST_F(TextsTest, OtherLanguagesAreMostlyTranslated) {
  for (int language = 0; language < kLanguageCount; ++language) {
    if (language == kEnglish) continue;
    int rows_total = 0;
    int same = 0;
    for (const TextTable table : AllTables()) {
      if (table == TextTable::LanguageNames) continue;
      for (int row = 0; row < TextRowCount(table); ++row) {
        ++rows_total;
        if (Text(table, row, language) == Text(table, row, kEnglish)) ++same;
      }
    }
    EXPECT_LT(same * 20, rows_total) << "language " << language << ": " << same << " of " << rows_total;
  }
}

TEST_F(TextsTest, CurrentLanguageSelectsTheColumn) {
  SetCurrentLanguage(kEnglish);
  EXPECT_EQ(CurrentLanguage(), kEnglish);
  EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kPlay), "Play");
  SetCurrentLanguage(kChineseTraditional);
  EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kPlay), "恢復");
  SetCurrentLanguage(kKorean);
  EXPECT_EQ(Text(TextTable::CommonButtons, rows::common::kOk), Text(TextTable::CommonButtons, 0, kKorean));
}

TEST_F(TextsTest, LanguageOutsideTheTablesReadsAsTheDefault) {
  for (const int bad : {-1, 7, 12, 1000}) {
    SetCurrentLanguage(bad);
    EXPECT_EQ(CurrentLanguage(), kDefaultLanguage) << bad;
    EXPECT_EQ(Text(TextTable::MainWindow, rows::main_window::kPlay), "恢復") << bad;
    EXPECT_EQ(Text(TextTable::Messages, MessageRow(msg::kConnectSd), bad),
              Text(TextTable::Messages, MessageRow(msg::kConnectSd), kDefaultLanguage));
  }
}

TEST_F(TextsTest, RowOrTableOutsideTheTablesYieldsNoText) {
  SetCurrentLanguage(kEnglish);
  EXPECT_EQ(Text(TextTable::Messages, -1), "");
  EXPECT_EQ(Text(TextTable::Messages, msg::kCount), "");
  EXPECT_EQ(Text(TextTable::CommonButtons, 6, kEnglish), "");
  EXPECT_EQ(Text(TextTable::EventReport, 1 << 30, kKorean), "");
  const auto bogus = static_cast<TextTable>(kTextTableCount);
  EXPECT_EQ(TextRowCount(bogus), 0);
  EXPECT_EQ(Text(bogus, 0), "");
  EXPECT_EQ(TextTableName(bogus), "");
  EXPECT_EQ(TextRowCount(static_cast<TextTable>(-1)), 0);
}

TEST_F(TextsTest, TableNamesAreShortUniqueAndRoundTrip) {
  std::set<std::string_view> seen;
  for (const TextTable table : AllTables()) {
    const std::string_view name = TextTableName(table);
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; })) << name;
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_EQ(TextTableFromName(name), table);
  }
  EXPECT_EQ(TextTableName(TextTable::Messages), "messages");
  EXPECT_FALSE(TextTableFromName("Messages").has_value());
  EXPECT_FALSE(TextTableFromName("").has_value());
}

TEST(Texts, TheProgramNoticeNamesEveryLibraryAndMapSourceWithItsLicenceInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string_view notice = Text(TextTable::ProgramInfo, rows::program_info::kNotice, language);
    for (const char* name :
         {"Qt", "LGPL 3", "libvlc", "LGPL 2.1", "Leaflet", "BSD", "Natural Earth", "OpenStreetMap", "ODbL"}) {
      EXPECT_NE(notice.find(name), std::string_view::npos) << language << " lacks " << name;
    }
  }
}

}  // namespace
}  // namespace direvovu
