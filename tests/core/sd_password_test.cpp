#include "core/recording/sd_password.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/settings/texts.h"
#include "recording_test_files.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ReadBytes;

TEST(SdPasswordTest, ChecksInTheDialogsOrder) {
  struct Case {
    const char* password;
    const char* confirmation;
    std::optional<MessageId> refusal;
  };
  const Case cases[] = {
      {"", "", msg::kInputPassword},
      {"", "abcd", msg::kInputPassword},
      {"abc", "abc", msg::kPasswordLength},
      {"abcdefg", "abcdefg", msg::kPasswordLength},  // the boxes take six; the command line may not
      {"ab_", "x", msg::kPasswordLength},            // length is checked before characters
      {"ab_d", "ab_d", msg::kPasswordCharacters},
      {"ab d", "ab d", msg::kPasswordCharacters},
      {"abc\xc3\xa9", "abc\xc3\xa9", msg::kPasswordCharacters},  // four characters, one not ASCII
      {"\xc3\xa9\xc3\xa9", "x", msg::kPasswordLength},           // two characters, four bytes
      {"abcd", "abce", msg::kPasswordsDiffer},
      {"abcd", "ABCD", msg::kPasswordsDiffer},  // case matters
      {"abcd", "", msg::kPasswordsDiffer},
      {"abcd", "abcd", std::nullopt},
      {"Zz0987", "Zz0987", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.password);
    EXPECT_EQ(CheckNewPassword(c.password, c.confirmation), c.refusal);
  }
}

TEST(SdPasswordTest, BlockIsThePasswordUnderTheBuiltInKey) {
  const auto block = MakeSdPasswordBlock("Abc123");
  ASSERT_TRUE(block);
  PasswordSlot slot{};
  ASSERT_TRUE(ReadPasswordBlock(*block, slot));
  EXPECT_EQ(SlotText(slot), "Abc123");
  EXPECT_EQ(*block, *EncryptPasswordBlock("Abc123"));  // the recording's password block form
  EXPECT_NE(*MakeSdPasswordBlock("abcd"), *MakeSdPasswordBlock("ABCD"));
}

// The first four-letter password whose block holds a zero byte (about one in sixteen).
std::string PasswordWithZeroInBlock() {
  const std::string letters = "abcdefghijklmnopqrstuvwxyz";
  for (char a : letters) {
    for (char b : letters) {
      const std::string pw = {'p', 'w', a, b};
      const auto block = EncryptPasswordBlock(pw);
      if (std::find(block->begin(), block->end(), std::uint8_t{0}) != block->end()) return pw;
    }
  }
  return {};
}

class SdPasswordFileTest : public ::testing::Test {
 protected:
  SetHiddenAttributeFn Recorder() {
    return [this](const fs::path& p, bool hidden) {
      calls.emplace_back(p, hidden);
      return true;
    };
  }
  fs::path Setup() const { return card.path() / "Setup"; }
  std::vector<std::string> SetupNames() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Setup())) names.push_back(e.path().filename().string());
    return names;
  }

  TempFolder card;
  std::vector<std::pair<fs::path, bool>> calls;
};

TEST_F(SdPasswordFileTest, WritesSixteenBytesAndHidesTheFile) {
  const auto r = SaveSdPassword(card.path(), "Car2go", "Car2go", Recorder());
  ASSERT_TRUE(r.saved);
  EXPECT_EQ(r.message, msg::kSdPasswordSaved);
  const fs::path target = Setup() / "passwd.bin";
  EXPECT_EQ(r.detail, target);
  const Bytes bytes = ReadBytes(target);
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), EncryptPasswordBlock("Car2go")->begin()));
  // Neither the write test's file nor a temporary file is left behind.
  EXPECT_EQ(SetupNames(), (std::vector<std::string>{"passwd.bin"}));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::make_pair(target, true));
}

TEST_F(SdPasswordFileTest, ReplacesAHiddenReadOnlyFile) {
  fs::create_directory(Setup());
  const fs::path target = Setup() / "passwd.bin";
  testing::WriteBytes(target, Bytes(16, 0xEE));
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
  const auto r = SaveSdPassword(card.path(), "abcd", "abcd", Recorder());
  ASSERT_TRUE(r.saved);
  EXPECT_EQ(ReadBytes(target).size(), 16u);
  EXPECT_NE(ReadBytes(target), Bytes(16, 0xEE));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], std::make_pair(target, false));
  EXPECT_EQ(calls[1], std::make_pair(target, true));
}

TEST_F(SdPasswordFileTest, RefusalsWriteNothing) {
  EXPECT_EQ(SaveSdPassword(card.path(), "abc", "abc").message, msg::kPasswordLength);
  EXPECT_EQ(SaveSdPassword(card.path(), "abcd", "abcx").message, msg::kPasswordsDiffer);
  const std::string zeroed = PasswordWithZeroInBlock();
  ASSERT_FALSE(zeroed.empty());
  EXPECT_FALSE(MakeSdPasswordBlock(zeroed));
  const auto r = SaveSdPassword(card.path(), zeroed, zeroed);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.message, msg::kFailSetPassword);
  EXPECT_FALSE(fs::exists(Setup()));
}

TEST_F(SdPasswordFileTest, MissingCardIsReportedAsNotWritable) {
  const auto r = SaveSdPassword(card.path() / "gone", "abcd", "abcd");
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.message, msg::kNoSdOrWriteProtected);
  EXPECT_FALSE(fs::exists(card.path() / "gone"));

  // No card at all: nothing is written relative to the working folder.
  const auto none = SaveSdPassword({}, "abcd", "abcd");
  EXPECT_EQ(none.message, msg::kNoSdOrWriteProtected);
  EXPECT_FALSE(fs::exists("Setup/passwd.bin"));
}

TEST_F(SdPasswordFileTest, FailedWriteLeavesTheOldFileWhole) {
  // passwd.bin is a folder here, so the rename cannot replace it: message 2, and the
  // temporary file is cleaned up.
  fs::create_directories(Setup() / "passwd.bin" / "inside");
  const auto r = SaveSdPassword(card.path(), "abcd", "abcd");
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(r.message, msg::kFailSetPassword);
  EXPECT_EQ(SetupNames(), (std::vector<std::string>{"passwd.bin"}));
  EXPECT_TRUE(fs::exists(Setup() / "passwd.bin" / "inside"));
}

}  // namespace
}  // namespace direvovu
