#include "core/recording/decrypt_and_save.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/texts.h"
#include "file_size_limit.h"
#include "recording_test_files.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::MakePlainRecording;
using testing::ReadBytes;
using testing::WriteBytes;

class DecryptAndSaveTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(out); }

  fs::path Front() const { return dir / "drf0_20090807_142530.mp4"; }
  fs::path Rear() const { return dir / "drf1_20090807_142530.mp4"; }
  fs::path FrontTarget() const { return out / "drf0_20090807_142530.mp4"; }
  fs::path RearTarget() const { return out / "drf1_20090807_142530.mp4"; }

  // Answers the question with one typed password, as the command line does.
  DecryptSaveResult Save(const std::string& typed, const fs::path& folder) {
    return DecryptAndSave(Front(), folder, passwords, [&](const PasswordQuestion& q) {
      ++questions;
      lastSaveMode = q.saveMode;
      return q.matches(typed);
    });
  }
  DecryptSaveResult Save(const std::string& typed) { return Save(typed, out); }

  std::vector<std::string> OutputNames() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(out)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder dir;
  fs::path out = dir / "DECRYPTION";
  PasswordState passwords;
  int questions = 0;
  bool lastSaveMode = false;
  Bytes frontPlain = MakePlainRecording(4000, 5);
  Bytes rearPlain = MakePlainRecording(6000, 6);
};

Bytes WithTrailer(const Bytes& plain, const Bytes& scrambled) {
  Bytes b = plain;
  b.insert(b.end(), scrambled.end() - 32, scrambled.end());
  return b;
}

TEST_F(DecryptAndSaveTest, SavesThePairAndNamesBothPaths) {
  const Bytes f = *ScrambleRecording(frontPlain, "Save12");
  const Bytes r = *ScrambleRecording(rearPlain, "Save12");
  WriteBytes(Front(), f);
  WriteBytes(Rear(), r);
  passwords.acceptedPassword = *MakePasswordSlot("Save12");  // played before: still asked
  const auto res = Save("Save12");
  ASSERT_EQ(res.status, SaveStatus::Saved);
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(lastSaveMode);
  EXPECT_EQ(res.message, msg::kDecrypted);
  EXPECT_EQ(res.detail, FrontTarget().string() + "\n" + RearTarget().string());
  EXPECT_EQ(res.written, (std::vector<fs::path>{FrontTarget(), RearTarget()}));
  EXPECT_EQ(ReadBytes(FrontTarget()), WithTrailer(frontPlain, f));
  EXPECT_EQ(ReadBytes(RearTarget()), WithTrailer(rearPlain, r));
  EXPECT_EQ(SlotText(passwords.savePassword), "Save12");
  // Nothing else (no temporary file) is left in the folder.
  EXPECT_EQ(OutputNames().size(), 2u);
}

TEST_F(DecryptAndSaveTest, MissingRearGivesOneFileAndNamesOnlyIt) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "solo"));
  const auto res = Save("solo");
  ASSERT_EQ(res.status, SaveStatus::Saved);
  EXPECT_EQ(res.detail, FrontTarget().string());
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"drf0_20090807_142530.mp4"}));
}

TEST_F(DecryptAndSaveTest, WrongPasswordWritesNothingAndKeepsAnExistingCopy) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "right1"));
  WriteBytes(Rear(), *ScrambleRecording(rearPlain, "right1"));
  WriteBytes(FrontTarget(), Bytes{'o', 'l', 'd'});
  const auto res = Save("wrong1");
  EXPECT_EQ(res.status, SaveStatus::Abandoned);
  EXPECT_TRUE(res.written.empty());
  EXPECT_EQ(ReadBytes(FrontTarget()), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"drf0_20090807_142530.mp4"}));

  // The right password replaces the old copy with the complete new one.
  ASSERT_EQ(Save("right1").status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(FrontTarget()).size(), frontPlain.size() + 32);
}

TEST_F(DecryptAndSaveTest, RefusesPlainMissingAndForeignFiles) {
  WriteBytes(Front(), frontPlain);
  auto res = Save("x");
  EXPECT_EQ(res.status, SaveStatus::NotEncrypted);
  EXPECT_EQ(res.message, msg::kNotEncrypted);

  fs::remove(Front());
  res = Save("x");
  EXPECT_EQ(res.status, SaveStatus::Failed);
  EXPECT_EQ(res.message, msg::kCantOpenFile);
  EXPECT_EQ(res.detail, Front().string());

  Bytes foreign = *ScrambleRecording(frontPlain, "abcd");
  foreign[foreign.size() - 17] ^= 0x33;  // password block no longer decrypts
  WriteBytes(Front(), foreign);
  res = Save("abcd");
  EXPECT_EQ(res.status, SaveStatus::Failed);
  EXPECT_EQ(res.message, msg::kIllegalFile);
  EXPECT_EQ(questions, 0);
  EXPECT_TRUE(OutputNames().empty());
}

TEST_F(DecryptAndSaveTest, UncreatableTargetIsReportedWithItsPath) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "abcd"));
  const fs::path missing = dir / "no-such-folder";
  const auto res = Save("abcd", missing);
  EXPECT_EQ(res.status, SaveStatus::Failed);
  EXPECT_EQ(res.message, msg::kCantOpenFile);
  EXPECT_EQ(res.detail, (missing / "drf0_20090807_142530.mp4").string());
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(DecryptAndSaveTest, NeverReplacesTheRecordingItself) {
  const Bytes scrambled = *ScrambleRecording(frontPlain, "abcd");
  WriteBytes(Front(), scrambled);
  const auto res = Save("abcd", dir.path());  // the decryption folder is the recording's own
  EXPECT_EQ(res.status, SaveStatus::Failed);
  EXPECT_EQ(res.message, msg::kCantOpenFile);
  EXPECT_EQ(ReadBytes(Front()), scrambled);
}

TEST_F(DecryptAndSaveTest, ScrambledFrontWithPlainRearSavesTheRearAsItIs) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "abcd"));
  WriteBytes(Rear(), rearPlain);
  ASSERT_EQ(Save("abcd").status, SaveStatus::Saved);
  EXPECT_EQ(ReadBytes(RearTarget()), rearPlain);
}

TEST_F(DecryptAndSaveTest, FullDiskLeavesNoPartialFileAndKeepsTheOldCopy) {
  const Bytes big = MakePlainRecording(600 * 1024, 8);
  WriteBytes(Front(), *ScrambleRecording(big, "full"));
  WriteBytes(FrontTarget(), Bytes{'o', 'l', 'd'});
  DecryptSaveResult res;
  {
    FileSizeLimit limit(256 * 1024);
    res = Save("full");
  }
  EXPECT_EQ(res.status, SaveStatus::Failed);
  EXPECT_EQ(res.message, msg::kCantOpenFile);
  EXPECT_TRUE(res.written.empty());
  EXPECT_EQ(ReadBytes(FrontTarget()), (Bytes{'o', 'l', 'd'}));
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"drf0_20090807_142530.mp4"}));
}

// The command's own messages, chosen in one place: why it does not start, and what a
// save tells in which order.
TEST(DecryptMessages, RefusalsAndNoticesFollowTheOutcome) {
  struct Refusal {
    bool playing;
    int rows;
    int selected;
    std::optional<MessageId> message;
  };
  for (const Refusal& c : {Refusal{true, 3, 0, msg::kStopPlaying}, Refusal{true, 0, -1, msg::kStopPlaying},
                           Refusal{false, 0, -1, msg::kNoFileForDecryption},
                           Refusal{false, 2, -1, msg::kSelectPlaylistItem}, Refusal{false, 2, 1, std::nullopt}}) {
    EXPECT_EQ(DecryptRefusal(c.playing, c.rows, c.selected), c.message) << c.playing << c.rows << c.selected;
  }
  DecryptSaveResult rear_failed{SaveStatus::Failed, {"/d/front.mp4"}, msg::kCantOpenFile, "/d/rear.mp4"};
  EXPECT_EQ(DecryptNotices(rear_failed), (std::vector<Notice>{{msg::kDecrypted, "/d/front.mp4"},
                                                              {msg::kCantOpenFile, "/d/rear.mp4"}}));
  DecryptSaveResult saved{SaveStatus::Saved, {"/d/front.mp4"}, msg::kDecrypted, "/d/front.mp4"};
  EXPECT_EQ(DecryptNotices(saved), (std::vector<Notice>{{msg::kDecrypted, "/d/front.mp4"}}));
  DecryptSaveResult abandoned{SaveStatus::Abandoned, {}, std::nullopt, ""};
  EXPECT_TRUE(DecryptNotices(abandoned).empty());
}

}  // namespace
}  // namespace direvovu
