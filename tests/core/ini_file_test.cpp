#include "core/settings/ini_file.h"

#include <gtest/gtest.h>

#include "core/settings/ini_document.h"
#include "core/settings/utf.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  TempFolder dir;
  std::filesystem::path file = dir / "Env_Setup.txt";
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndCreatesNothing) {
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetString("VIEWER_SETUP", "LANGUAGE", "5"), "5");
  EXPECT_EQ(ini.GetInt("VIEWER_SETUP", "VOLUME", 7), 7);
  EXPECT_TRUE(ini.GetSectionNames().empty());
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(IniFileTest, FirstWriteCreatesFileWithSectionAndKey) {
  ASSERT_TRUE(CBIniFile(file).WriteString("VIEWER_SETUP", "VOLUME", "5"));
  EXPECT_EQ(ReadText(file), "[VIEWER_SETUP]\r\nVOLUME=5\r\n");
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndValuesAreTrimmedAndUnquoted) {
  WriteText(file, "; comment\n[Viewer_Setup]\n  Language =  3  \nPATH=\"C:\\a b\"\n[other]\nlanguage=9\n");
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetString("VIEWER_SETUP", "LANGUAGE", "x"), "3");
  EXPECT_EQ(ini.GetString("viewer_setup", "path", "x"), "C:\\a b");
  EXPECT_EQ(ini.GetString("OTHER", "LANGUAGE", "x"), "9");
  EXPECT_EQ(ini.GetString("VIEWER_SETUP", "MISSING", "dflt"), "dflt");
  EXPECT_EQ(ini.GetString("NOSECTION", "LANGUAGE", "dflt"), "dflt");
}

TEST_F(IniFileTest, LongValueIsCutTo254Characters) {
  const std::string value(300, 'a');
  ASSERT_TRUE(CBIniFile(file).WriteString("S", "K", value));
  EXPECT_EQ(CBIniFile(file).GetString("S", "K", ""), std::string(254, 'a'));
  // Characters, not bytes: a cut never splits a multi-byte character.
  std::string korean;
  for (int i = 0; i < 300; ++i) korean += "한";
  ASSERT_TRUE(CBIniFile(file).WriteString("S", "K", korean));
  EXPECT_EQ(Utf8Length(CBIniFile(file).GetString("S", "K", "")), 254u);
}

TEST_F(IniFileTest, WriteChangesOnlyItsLineAndKeepsOrder) {
  const std::string before = "[A]\r\nX=1\r\n; keep me\r\nY = 2\r\nZ=3\r\n\r\n[B]\r\nY=b\r\n";
  WriteText(file, before);
  ASSERT_TRUE(CBIniFile(file).WriteString("a", "y", "20"));
  EXPECT_EQ(ReadText(file), "[A]\r\nX=1\r\n; keep me\r\nY=20\r\nZ=3\r\n\r\n[B]\r\nY=b\r\n");
}

TEST_F(IniFileTest, NewKeyGoesToTheEndOfItsSectionNewSectionToTheEnd) {
  WriteText(file, "[A]\nX=1\n\n[B]\nY=2");  // Unix line ends, no final line break
  ASSERT_TRUE(CBIniFile(file).WriteString("A", "NEW", "n"));
  ASSERT_TRUE(CBIniFile(file).WriteString("B", "LAST", "l"));
  ASSERT_TRUE(CBIniFile(file).WriteString("C", "K", "v"));
  EXPECT_EQ(ReadText(file), "[A]\nX=1\nNEW=n\n\n[B]\nY=2\nLAST=l\n[C]\nK=v\n");
}

TEST_F(IniFileTest, ValueWithLineBreakCannotForgeAnotherKey) {
  ASSERT_TRUE(CBIniFile(file).WriteString("S", "A", "1\r\nB=2"));
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetString("S", "B", "none"), "none");
  EXPECT_EQ(ini.GetString("S", "A", ""), "1  B=2");
}

TEST_F(IniFileTest, Utf16FileIsReadAndWrittenAsUtf16) {
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  const auto body = Utf8ToUtf16Le("[USER_SETUP]\r\nDRIVER=김철수\r\n");
  bytes.insert(bytes.end(), body.begin(), body.end());
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetString("USER_SETUP", "DRIVER", ""), "김철수");
  ASSERT_TRUE(ini.WriteString("USER_SETUP", "CAR_NO", "서울12가3456"));
  const std::string raw = ReadText(file);
  ASSERT_GE(raw.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(raw[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(raw[1]), 0xFE);
  EXPECT_EQ(ini.GetString("USER_SETUP", "CAR_NO", ""), "서울12가3456");
  EXPECT_EQ(ini.GetString("USER_SETUP", "DRIVER", ""), "김철수");
}

TEST_F(IniFileTest, JunkAndHugeLinesReadAsDefaultsWithoutCrashing) {
  std::string junk(100000, 'x');
  junk += "\n";
  for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
  junk += "\n[VIEWER_SETUP\nLANGUAGE";
  WriteText(file, junk);
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetString("VIEWER_SETUP", "VOLUME", "5"), "5");
  // An unterminated section header still opens the section, as the profile functions do.
  EXPECT_EQ(ini.GetString("VIEWER_SETUP", "LANGUAGE", "d"), "d");
}

TEST_F(IniFileTest, UnreadableOrOversizedFileIsNeitherReadNorRewritten) {
  std::filesystem::create_directory(file);  // a folder where the file should be
  EXPECT_EQ(CBIniFile(file).GetString("S", "K", "d"), "d");
  EXPECT_FALSE(CBIniFile(file).WriteString("S", "K", "v"));
  std::filesystem::remove(file);

  const std::string big = "[S]\nK=1\n" + std::string(5 * 1024 * 1024, ';');
  WriteText(file, big);
  EXPECT_EQ(CBIniFile(file).GetString("S", "K", "d"), "d");
  EXPECT_FALSE(CBIniFile(file).WriteString("S", "K", "2"));
  EXPECT_EQ(std::filesystem::file_size(file), big.size());
}

TEST_F(IniFileTest, WriteIntoMissingFolderFailsAndLeavesNoTemporaryFile) {
  EXPECT_FALSE(CBIniFile(dir / "nofolder" / "x.ini").WriteString("S", "K", "v"));
  WriteText(file, "[S]\nK=1\n");
  ASSERT_TRUE(CBIniFile(file).WriteString("S", "K", "2"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1) << "the temporary file of the write must be gone";
}

TEST_F(IniFileTest, ReadOnlyFileIsNotChanged) {
  WriteText(file, "[S]\nK=1\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(CBIniFile(file).WriteString("S", "K", "2"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadText(file), "[S]\nK=1\n");
}

TEST_F(IniFileTest, SectionsAndStructs) {
  ASSERT_TRUE(CBIniFile(file).WriteSection("Event1", {"File=a.mp4", "Date=20090807"}));
  ASSERT_TRUE(CBIniFile(file).WriteSection("Event2", {"File=b.mp4"}));
  CBIniFile ini(file);
  EXPECT_EQ(ini.GetSectionNames(), (std::vector<std::string>{"Event1", "Event2"}));
  EXPECT_EQ(ini.GetSection("event1"), (std::vector<std::string>{"File=a.mp4", "Date=20090807"}));
  ASSERT_TRUE(ini.WriteSection("Event1", {"File=c.mp4"}));
  EXPECT_EQ(ini.GetSection("Event1"), (std::vector<std::string>{"File=c.mp4"}));

  const std::uint8_t data[] = {0x00, 0x7F, 0xFF, 0x10};
  ASSERT_TRUE(ini.WriteStruct("S", "BLOB", data));
  EXPECT_EQ(ini.GetString("S", "BLOB", ""), "007FFF108E");
  std::uint8_t back[4] = {};
  EXPECT_TRUE(ini.GetStruct("S", "BLOB", back));
  EXPECT_TRUE(std::equal(std::begin(data), std::end(data), std::begin(back)));
  ASSERT_TRUE(ini.WriteString("S", "BLOB", "007FFF108F"));  // wrong checksum
  EXPECT_FALSE(ini.GetStruct("S", "BLOB", back));
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("  7"), 7);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
}

TEST_F(IniFileTest, BatchWriteKeepsOrderOldLinesAndTheLastValueOfARepeatedKey) {
  WriteText(file, "; camera\r\n[USER_SETUP]\r\nMUTE_ONOFF=1\r\nOTHER=x\r\n");
  ASSERT_TRUE(CBIniFile(file).WriteStrings(
      "USER_SETUP", {{"DRIVER", "Kim"}, {"IMPACT_X", "0.9"}, {"MUTE_ONOFF", "0"}, {"IMPACT_X", "1.2 G"}}));
  EXPECT_EQ(ReadText(file),
            "; camera\r\n[USER_SETUP]\r\nMUTE_ONOFF=0\r\nOTHER=x\r\nDRIVER=Kim\r\nIMPACT_X=1.2 G\r\n");
}

TEST_F(IniFileTest, BatchWriteToAReadOnlyFileChangesNothing) {
  WriteText(file, "[USER_SETUP]\r\nDRIVER=old\r\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(CBIniFile(file).WriteStrings("USER_SETUP", {{"DRIVER", "new"}, {"CAR_NO", "1"}}));
  EXPECT_EQ(ReadText(file), "[USER_SETUP]\r\nDRIVER=old\r\n");
}

}  // namespace
}  // namespace direvovu
